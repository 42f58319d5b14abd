// Writes the factory keyword file from its plain source, the way the program
// writes its keyword file: item, category and icon records as they are, then
// the enciphered web-service records.
//
//   factory_keywords SOURCE TARGET          write TARGET
//   factory_keywords SOURCE TARGET --check  fail unless TARGET is exactly that
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/keyword_file.h"
#include "core/text.h"

namespace {

constexpr std::size_t kMaxSourceBytes = 1u << 20;

// Sorts the source's records into the four lists; false on a line that is no record.
bool ReadSource(const std::string& text, qrv::KeywordLists& lists) {
  int number = 0;
  for (const auto& line : qrv::SplitLines(text)) {
    ++number;
    if (qrv::Trim(line).empty() || qrv::StartsWith(line, "#")) continue;
    if (qrv::StartsWith(line, "K="))
      lists.itemKeywords.push_back(line);
    else if (qrv::StartsWith(line, "C="))
      lists.categoryKeywords.push_back(line);
    else if (qrv::StartsWith(line, "I="))
      lists.iconKeywords.push_back(line);
    else if (qrv::StartsWith(line, "S="))
      lists.webServices.push_back(line);
    else {
      std::fprintf(stderr, "line %d is no keyword record: %s\n", number, line.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 4 && std::string_view(argv[3]) == "--check";
  if (argc != 3 && !check) {
    std::fprintf(stderr, "usage: %s SOURCE TARGET [--check]\n", argv[0]);
    return 2;
  }
  const auto source = qrv::ReadFileBytes(argv[1], kMaxSourceBytes);
  qrv::KeywordLists lists;
  if (!source || !ReadSource(*source, lists)) {
    std::fprintf(stderr, "cannot read the records of %s\n", argv[1]);
    return 2;
  }
  std::string fault;
  const std::optional<std::string> made = qrv::KeywordFileBytes(lists, &fault);
  if (!made) {
    std::fprintf(stderr, "%s: %s\n", argv[1], fault.c_str());
    return 2;
  }
  const std::string& bytes = *made;
  if (check) {
    if (qrv::ReadFileBytes(argv[2], kMaxSourceBytes) == bytes) return 0;
    std::fprintf(stderr, "%s is not what %s makes; run: %s %s %s\n", argv[2], argv[1], argv[0], argv[1], argv[2]);
    return 1;
  }
  const qrv::SaveResult saved = qrv::WriteFileSafely(argv[2], bytes);
  if (saved) return 0;
  std::fprintf(stderr, "cannot write %s: %s\n", argv[2], saved.reason.c_str());
  return 1;
}
