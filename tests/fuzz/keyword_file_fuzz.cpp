// Keyword files come from users and from downloads: loading any bytes as the
// keyword file and the factory file, and reading every record of the result,
// never fails; saving what was loaded and loading it again gives it back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/keyword_file.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace {

bool HoldsLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Fields the record check accepts are written and read back unchanged.
void CheckServiceRoundTrip(const std::string& line) {
  const qrv::WebService s = qrv::ReadService(line);
  if (!qrv::ServiceFault(s).empty()) return;
  const qrv::WebService back = qrv::ReadService(qrv::ServiceRecord(s));
  if (back.keyword != s.keyword || back.caption != s.caption || back.criteria != s.criteria || back.hint != s.hint ||
      back.url != s.url || back.custom != s.custom)
    __builtin_trap();
}

void CheckSaveAndLoad(const std::vector<std::string>& keywordList) {
  qrv::KeywordLists lists;
  const std::pair<std::string_view, std::vector<std::string>*> kinds[] = {{"K=", &lists.itemKeywords},
                                                                          {"C=", &lists.categoryKeywords},
                                                                          {"I=", &lists.iconKeywords},
                                                                          {"S=", &lists.webServices}};
  std::vector<std::string> expected;
  for (const auto& [prefix, list] : kinds)
    for (const auto& line : keywordList) {
      if (!qrv::StartsWith(line, prefix)) continue;
      // A plain record with a line break would be read as two lines.
      if (list != &lists.webServices && HoldsLineBreak(line)) continue;
      list->push_back(line);
      expected.push_back(line);
    }
  const auto reloaded = qrv::LoadKeywordLists({}, qrv::KeywordFileBytes(lists), std::nullopt);
  if (reloaded.keywordList != expected) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte splits the input into the keyword file and the factory file.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.empty() ? 0 : static_cast<unsigned char>(input[0]) * input.size() / 256;
  const std::string keywordFile(input.substr(0, split));
  const std::string factoryFile(input.substr(split));
  const auto loaded = qrv::LoadKeywordLists({}, keywordFile, factoryFile);
  for (const auto& line : loaded.keywordList) {
    const qrv::KeywordRecord record = qrv::ReadKeywordRecord(line);
    (void)qrv::RecordCategory(line);
    if (record.kind.size() > 3 || record.keyword.size() > line.size()) __builtin_trap();
    CheckServiceRoundTrip(line);
  }
  CheckSaveAndLoad(loaded.keywordList);
  return 0;
}
