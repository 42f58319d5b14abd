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

// One record of the keyword file in the system code page; none when it cannot be stored.
std::optional<std::string> StoredRecord(const std::string& record, bool plain, std::string* fault) {
  if (plain && record.find_first_of("\r\n") != std::string::npos) {
    if (fault) *fault = "A keyword record cannot hold a line break: " + record;
    return std::nullopt;
  }
  std::string unheld;
  std::optional<std::string> bytes = Utf8ToAnsi(record, &unheld);
  if (!bytes && fault) *fault = UnheldCharacterMessage(unheld);
  return bytes;
}

// Why the list of a keyword file is not taken; empty when it is.
std::string_view ListFault(std::string_view file) {
  if (CountLines(file, kMaxKeywordLines) > kMaxKeywordLines) return "It holds more than 100,000 lines.";
  std::size_t lineLength = 0;
  for (const char c : file) {
    lineLength = c == '\r' || c == '\n' ? 0 : lineLength + 1;
    if (lineLength > kMaxKeywordLineBytes) return "It holds a line longer than 65,536 characters.";
  }
  return {};
}

}  // namespace

std::string KeywordFileUnreadableWarning(std::string_view reason) {
  return "The file PREFS-QRV.DAT could not be read.\r\n" + std::string(reason);
}

std::vector<std::string> PlainLines(std::string_view fileBytes) {
  std::vector<std::string> lines = SplitLines(WithoutByteOrderMark(fileBytes));
  for (auto& line : lines) {
    if (!line.empty() && !IsPlainRecord(line)) line = DecipherLine(line);
    line = AnsiToUtf8(line);
  }
  return lines;
}

LoadedKeywords LoadKeywordLists(std::vector<std::string> keywordList, const std::optional<std::string>& keywordFile,
                                const std::optional<std::string>& factoryFile) {
  LoadedKeywords loaded;
  const std::string_view fault = keywordFile ? ListFault(*keywordFile) : std::string_view();
  if (keywordFile && fault.empty()) {
    loaded.keywordList = PlainLines(*keywordFile);
  } else {
    loaded.keywordList = std::move(keywordList);
    loaded.warning = keywordFile ? KeywordFileUnreadableWarning(fault) : std::string(kKeywordFileMissingWarning);
  }
  if (!CollectServiceCaptions(loaded.keywordList, loaded.webServiceCaptions) && factoryFile &&
      ListFault(*factoryFile).empty())
    AddFactoryServices(*factoryFile, loaded);
  return loaded;
}

LoadedKeywords LoadKeywordFiles(const std::filesystem::path& folder, std::vector<std::string> keywordList) {
  FileRead keywordFile = ReadStoredFile(folder / kKeywordFileName, kMaxKeywordFileBytes);
  const auto factoryFile = ReadFileBytes(folder / kFactoryKeywordFileName, kMaxKeywordFileBytes);
  if (keywordFile.status != ReadStatus::kUnreadable)
    return LoadKeywordLists(
        std::move(keywordList),
        keywordFile.status == ReadStatus::kRead ? std::optional(std::move(keywordFile.bytes)) : std::nullopt,
        factoryFile);
  // Kept as held, as for a missing file, but said as it is.
  LoadedKeywords loaded = LoadKeywordLists(std::move(keywordList), std::nullopt, factoryFile);
  loaded.warning = KeywordFileUnreadableWarning(keywordFile.reason);
  return loaded;
}

std::optional<std::string> KeywordFileBytes(const KeywordLists& lists, std::string* fault) {
  std::vector<std::string> lines;
  for (const auto* plain : {&lists.itemKeywords, &lists.categoryKeywords, &lists.iconKeywords})
    for (const auto& record : *plain) {
      std::optional<std::string> stored = StoredRecord(record, true, fault);
      if (!stored) return std::nullopt;
      lines.push_back(std::move(*stored));
    }
  for (const auto& record : lists.webServices) {
    const std::optional<std::string> stored = StoredRecord(record, false, fault);
    if (!stored) return std::nullopt;
    lines.push_back(EncipherLine(*stored));
  }
  return JoinLines(lines);
}

SaveResult SaveKeywordFile(const std::filesystem::path& folder, const KeywordLists& lists) {
  std::string fault;
  const std::optional<std::string> bytes = KeywordFileBytes(lists, &fault);
  if (!bytes) return SaveResult{false, false, fault};
  return WriteFileSafely(folder / kKeywordFileName, *bytes);
}

std::string KeywordFileSaveWarning(const SaveResult& result) {
  if (result.writeProtected) return std::string(kKeywordFileSaveWarning);
  return "File could not be saved.\r\n" + result.reason;
}

}  // namespace qrv
