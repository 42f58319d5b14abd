#include "core/service_hint.h"

#include "core/text.h"

namespace qrv {

ServiceHintText WebServiceHelpText() {
  // Each numbered line is one sentence split over two literals.
  // NOLINTBEGIN(bugprone-suspicious-missing-comma)
  return {.heading = "Web Service Support:",
          .lines = {"1. Select a web service from the search list above, or if you know its keyword, type it in the "
                    "Subject field.",
                    "",
                    "2. If the web service supports search criteria, type this in the Subject field to search for "
                    "specific information.",
                    "", "Default search criteria can be configured in QRV's Internet Keyword Preferences."}};
  // NOLINTEND(bugprone-suspicious-missing-comma)
}

std::optional<ServiceHintText> ServiceHintFor(const std::vector<KeywordRecord>& records, std::string_view caption) {
  const std::string tag = "<CB=" + std::string(caption) + "!>";
  for (const KeywordRecord& record : records) {
    if (!Contains(record.line, tag)) continue;
    ServiceHintText text;
    if (Contains(record.line, "<HINT=")) text.lines.push_back(ServiceHint(record.line));
    text.lines.emplace_back();
    const bool takesCriteria = Contains(record.line, "<QRV!>");
    text.lines.emplace_back(takesCriteria ? "This web service allows you to specify additional search criteria."
                                          : "This entry does not use additional search criteria.");
    text.lines.emplace_back();
    const std::string keywordLabel = "Keyword: ";
    text.boldLine = static_cast<int>(text.lines.size());
    text.boldFrom = keywordLabel.size();
    text.lines.push_back(keywordLabel + AsciiLower(RecordKeyword(record.line)));
    if (const std::string criteria = ServiceCriteria(record.line); takesCriteria && !criteria.empty())
      text.lines.push_back("Default criteria: " + criteria);
    return text;
  }
  return std::nullopt;
}

}  // namespace qrv
