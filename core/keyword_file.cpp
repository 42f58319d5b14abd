#include "core/keyword_file.h"

#include "core/cipher.h"
#include "core/codepage.h"
#include "core/file_io.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace qrv {

namespace {

// Far beyond any real keyword file (5,000 records take about half a megabyte);
// only there to refuse a damaged or hostile file instead of swallowing it.
constexpr std::size_t kMaxKeywordFileBytes = 64u << 20;

// Appends the caption of every web-service record; false when there was none.
bool CollectServiceCaptions(const std::vector<std::string>& keywordList, std::vector<std::string>& captions) {
  for (const auto& line : keywordList)
    if (StartsWith(line, "S=0")) captions.push_back(ServiceCaption(line));
  return !captions.empty();
}

// The factory file's web services: those of its lines that hold a caption.
void AddFactoryServices(const std::string& factoryFile, LoadedKeywords& loaded) {
  const std::vector<std::string> lines = PlainLines(factoryFile);
  for (auto line = lines.rbegin(); line != lines.rend(); ++line)
    if (Contains(*line, "<CB=")) loaded.keywordList.push_back(*line);
  for (const auto& line : lines)
    if (Contains(line, "<CB=")) loaded.webServiceCaptions.push_back(ServiceCaption(line));
}

}  // namespace

std::vector<std::string> PlainLines(std::string_view fileBytes) {
  std::vector<std::string> lines = SplitLines(fileBytes);
  for (auto& line : lines) {
    if (!line.empty() && !IsPlainRecord(line)) line = DecipherLine(line);
    line = AnsiToUtf8(line);
  }
  return lines;
}

LoadedKeywords LoadKeywordLists(std::vector<std::string> keywordList, const std::optional<std::string>& keywordFile,
                                const std::optional<std::string>& factoryFile) {
  LoadedKeywords loaded;
  if (keywordFile) {
    loaded.keywordList = PlainLines(*keywordFile);
  } else {
    loaded.keywordList = std::move(keywordList);
    loaded.warning = kKeywordFileMissingWarning;
  }
  if (!CollectServiceCaptions(loaded.keywordList, loaded.webServiceCaptions) && factoryFile)
    AddFactoryServices(*factoryFile, loaded);
  return loaded;
}

LoadedKeywords LoadKeywordFiles(const std::filesystem::path& folder, std::vector<std::string> keywordList) {
  return LoadKeywordLists(std::move(keywordList), ReadFileBytes(folder / kKeywordFileName, kMaxKeywordFileBytes),
                          ReadFileBytes(folder / kFactoryKeywordFileName, kMaxKeywordFileBytes));
}

std::string KeywordFileBytes(const KeywordLists& lists) {
  std::vector<std::string> lines;
  for (const auto* plain : {&lists.itemKeywords, &lists.categoryKeywords, &lists.iconKeywords})
    for (const auto& record : *plain) lines.push_back(Utf8ToAnsi(record));
  for (const auto& record : lists.webServices) lines.push_back(EncipherLine(Utf8ToAnsi(record)));
  return JoinLines(lines);
}

bool SaveKeywordFile(const std::filesystem::path& folder, const KeywordLists& lists) {
  return WriteFileSafely(folder / kKeywordFileName, KeywordFileBytes(lists));
}

}  // namespace qrv
