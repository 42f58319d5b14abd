// The keyword file "prefs-qrv.dat" and the factory keyword file "prefs-qrv.bak"
// in the program's folder: one keyword record a line, CR LF line ends, in the
// system code page. Item, category and icon records are stored plain; every
// web-service record is stored as its enciphered line, so a hint may hold line
// breaks. The program never writes the factory file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace qrv {

inline constexpr std::string_view kKeywordFileName = "prefs-qrv.dat";
inline constexpr std::string_view kFactoryKeywordFileName = "prefs-qrv.bak";

inline constexpr std::string_view kKeywordFileMissingWarning =
    "The file PREFS-QRV.DAT needs to be in the\r\nsame folder as Quorvel.exe.";
inline constexpr std::string_view kKeywordFileSaveWarning =
    "File could not be saved.\r\nMake sure prefs-qrv.dat is not write-protected.";

// Far beyond any real keyword list; a file with more lines is refused unread
// rather than swallowed.
inline constexpr std::size_t kMaxKeywordLines = 100'000;
// A record is a keyword, a caption, a hint and an address: a line longer than
// this is no record, and the file holding it is refused in the same way.
inline constexpr std::size_t kMaxKeywordLineBytes = std::size_t{64} * 1024;

// What a settings read takes from the two files.
struct LoadedKeywords {
  std::vector<std::string> keywordList;         // every record, plain text (UTF-8)
  std::vector<std::string> webServiceCaptions;  // for the web-service choice
  std::string warning;                          // a warning to show, or empty
};

// The warning for a keyword file that is there but could not be read.
std::string KeywordFileUnreadableWarning(std::string_view reason);

// Loads the keyword list from the contents of the two files (none when a file
// is missing). Without a keyword file the list the program already holds is
// kept, and the missing-file warning is answered; so it is for a keyword file
// of more than kMaxKeywordLines lines or with a line longer than
// kMaxKeywordLineBytes, with the unreadable-file warning. When
// the list holds no web-service record, the factory file's web services are
// added: their records to the end of the list in reverse file order, their
// captions in file order.
LoadedKeywords LoadKeywordLists(std::vector<std::string> keywordList, const std::optional<std::string>& keywordFile,
                                const std::optional<std::string>& factoryFile);

// The same, reading both files from the program's folder.
LoadedKeywords LoadKeywordFiles(const std::filesystem::path& folder, std::vector<std::string> keywordList);

// The four lists the preferences window edits, each in its own order.
struct KeywordLists {
  std::vector<std::string> itemKeywords;
  std::vector<std::string> categoryKeywords;
  std::vector<std::string> iconKeywords;
  std::vector<std::string> webServices;  // plain records; enciphered when written
};

// The bytes of the keyword file: item, category and icon records, then the
// enciphered web-service records. None when a record cannot be stored: a plain
// record holding a line break (it would read back as two), or a character the
// system code page cannot hold; `fault` then says which.
std::optional<std::string> KeywordFileBytes(const KeywordLists& lists, std::string* fault = nullptr);

// Writes the keyword file into the program's folder, safely. When it fails the
// old file is intact and the caller shows KeywordFileSaveWarning.
SaveResult SaveKeywordFile(const std::filesystem::path& folder, const KeywordLists& lists);
std::string KeywordFileSaveWarning(const SaveResult& result);

// The lines of a stored file in plain text: a leading byte-order mark is
// skipped, every line that is not empty and is no plain keyword record is
// deciphered (a line that does not decipher stays as it is), and all of them
// are turned from the system code page into UTF-8.
std::vector<std::string> PlainLines(std::string_view fileBytes);

}  // namespace qrv
