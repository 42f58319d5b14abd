#include "core/library_list.h"

#include "core/cipher.h"
#include "core/codepage.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace qrv {

namespace {

constexpr std::string_view kCategoryHeading = "CATEGORY=";

}  // namespace

std::vector<LibraryNode> ReadLibraryList(std::string_view body) {
  std::vector<LibraryNode> nodes;
  if (body.size() > kMaxLibraryListBytes) return nodes;
  int category = -1;
  for (const auto& enciphered : SplitLines(body)) {
    std::string line = AnsiToUtf8(DecipherLine(enciphered));
    if (StartsWith(line, kCategoryHeading)) {
      category = static_cast<int>(nodes.size());
      nodes.push_back({true, line.substr(kCategoryHeading.size()), std::move(line), -1});
    } else if (category >= 0 && StartsWith(line, "S=0") && IsCustomService(line)) {
      std::string caption = ServiceCaption(line);
      nodes.push_back({false, std::move(caption), std::move(line), category});
    }
  }
  return nodes;
}

}  // namespace qrv
