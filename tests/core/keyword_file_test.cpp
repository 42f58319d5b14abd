#include "core/keyword_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace qrv {
namespace {

std::string Service(const std::string& keyword, const std::string& caption, bool custom = false) {
  return ServiceRecord({keyword, caption, "", custom, "About " + caption, "https://example.com/?q=<QRV!>"});
}

// The keyword file as the program writes it, from lines that are plain or to be enciphered.
std::string FileOf(const std::vector<std::string>& plain, const std::vector<std::string>& services) {
  return KeywordFileBytes({plain, {}, {}, services}).value();
}

// The preferences window's split of a keyword list into its four lists.
KeywordLists SplitByKind(const std::vector<std::string>& keywordList) {
  KeywordLists lists;
  for (const auto& line : keywordList) {
    if (StartsWith(line, "K=")) lists.itemKeywords.push_back(line);
    if (StartsWith(line, "C=")) lists.categoryKeywords.push_back(line);
    if (StartsWith(line, "I=")) lists.iconKeywords.push_back(line);
    if (StartsWith(line, "S=")) lists.webServices.push_back(line);
  }
  return lists;
}

TEST(KeywordFile, LoadsPlainRecordsAndDeciphersWebServiceLines) {
  const std::string wiki = Service("Wiki", "Encyclopedia");
  const std::string file = "K=1{CALL}1\r\n" + EncipherLine(wiki) + "\r\nC=1{PHONE}|{Phone Calls}\r\n";
  const LoadedKeywords loaded = LoadKeywordLists({}, file, std::nullopt);
  EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{"K=1{CALL}1", wiki, "C=1{PHONE}|{Phone Calls}"}));
  EXPECT_EQ(loaded.webServiceCaptions, std::vector<std::string>{"Encyclopedia"});
  EXPECT_TRUE(loaded.warning.empty());
  EXPECT_EQ(ReadKeywordRecord(loaded.keywordList[0]).type, NumberOf(EntryType::kTask));
}

TEST(KeywordFile, HintWithLineBreaksSurvivesSaveAndLoad) {
  const std::string service =
      ServiceRecord({"Map", "Map", "", true, "Shows a place.\r\nType map and the town.", "https://osm.org/?q=<QRV!>"});
  const std::string bytes = FileOf({"K=0{NOTE}2"}, {service, Service("Wiki", "Wikipedia")});
  EXPECT_EQ(SplitLines(bytes).size(), 3u);
  const LoadedKeywords loaded = LoadKeywordLists({}, bytes, std::nullopt);
  ASSERT_EQ(loaded.keywordList.size(), 3u);
  EXPECT_EQ(loaded.keywordList[1], service);
  EXPECT_EQ(ServiceHint(loaded.keywordList[1]), "Shows a place.\r\nType map and the town.");
}

// The factory file's services join a keyword list without any of its own.
TEST(KeywordFile, FactoryServicesJoinOnlyAKeywordListWithoutAny) {
  const std::string a = Service("A", "First"), b = Service("B", "Second"), c = Service("C", "Third");
  // An item record, an empty line and a line without a caption never count as services.
  const std::string factory = "K=0{CALL}1\r\n" + EncipherLine(a) + "\r\n\r\n" + EncipherLine(b) + "\r\n" +
                              EncipherLine("S=0{x}11 damaged") + "\r\n" + EncipherLine(c) + "\r\n";
  LoadedKeywords loaded = LoadKeywordLists({}, FileOf({"K=0{TODO}1"}, {}), factory);
  EXPECT_EQ(loaded.webServiceCaptions, (std::vector<std::string>{"First", "Second", "Third"}));
  EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{"K=0{TODO}1", c, b, a}));
  const std::string own = Service("Own", "Own Search", true);
  loaded = LoadKeywordLists({}, FileOf({}, {own}), factory);
  EXPECT_EQ(loaded.keywordList, std::vector<std::string>{own});
  EXPECT_EQ(loaded.webServiceCaptions, std::vector<std::string>{"Own Search"});
}

TEST(KeywordFile, MissingFilesKeepTheListAndWarnOnlyForTheKeywordFile) {
  const std::vector<std::string> held{"K=0{BUY}1", Service("Wiki", "Wikipedia")};
  LoadedKeywords loaded = LoadKeywordLists(held, std::nullopt, FileOf({}, {Service("A", "Factory")}));
  EXPECT_EQ(loaded.keywordList, held);
  EXPECT_EQ(loaded.webServiceCaptions, std::vector<std::string>{"Wikipedia"});
  EXPECT_EQ(loaded.warning, kKeywordFileMissingWarning);

  loaded = LoadKeywordLists({}, FileOf({"K=0{BUY}1"}, {}), std::nullopt);
  EXPECT_TRUE(loaded.webServiceCaptions.empty());
  EXPECT_TRUE(loaded.warning.empty());
}

TEST(KeywordFile, DamagedLinesStayAsTheyAre) {
  // Not Base64 (length no multiple of 4): the line stays, and is no record of any kind.
  const LoadedKeywords loaded = LoadKeywordLists({}, std::string("abcde\r\nK=0{X}1"), std::nullopt);
  EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{"abcde", "K=0{X}1"}));
}

TEST(KeywordFile, StoresTextInTheSystemCodePage) {
  const std::string cafe = "K=1{CAF\xC3\x89}3";                     // É
  const std::string euro = Service("Euro", "Pris i \xE2\x82\xAC");  // €
  const std::string bytes = FileOf({cafe}, {euro});
  EXPECT_EQ(SplitLines(bytes)[0], "K=1{CAF\xC9}3");
  EXPECT_EQ(DecipherLine(SplitLines(bytes)[1]),
            ServiceRecord({"Euro", "Pris i \x80", "", false, "About Pris i \x80", "https://example.com/?q=<QRV!>"}));
  const LoadedKeywords loaded = LoadKeywordLists({}, bytes, std::nullopt);
  EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{cafe, euro}));
}

TEST(KeywordFile, WritesItemsCategoriesIconsThenEncipheredServices) {
  const std::string service = Service("Wiki", "Wikipedia");
  const std::string bytes =
      KeywordFileBytes({{"K=0{CALL}1", "K=1{LUNCH}3"}, {"C=1{PHONE}|{Phone}"}, {"I=1{BDAY}C"}, {service}}).value();
  EXPECT_EQ(bytes,
            "K=0{CALL}1\r\nK=1{LUNCH}3\r\nC=1{PHONE}|{Phone}\r\nI=1{BDAY}C\r\n" + EncipherLine(service) + "\r\n");
  EXPECT_EQ(KeywordFileBytes({}), "");
}

// Saved into the program folder and loaded from it; a record that would not
// read back is never saved, and a file that cannot be read is not called missing.
TEST(KeywordFile, SavesIntoTheProgramFolderAndLoadsFromIt) {
  const auto folder = std::filesystem::temp_directory_path() / "qrv-keyword-file-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(SaveKeywordFile(folder, {{"K=0{CALL}1"}, {}, {}, {Service("Wiki", "Wikipedia")}}));
  LoadedKeywords loaded = LoadKeywordFiles(folder, {});
  EXPECT_TRUE(loaded.warning.empty());
  EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{"K=0{CALL}1", Service("Wiki", "Wikipedia")}));
  // A line break in a plain record would turn it into two on the next load.
  const SaveResult refused = SaveKeywordFile(folder, {{"K=0{CALL}1"}, {"C=1{PHONE}|{Phone\r\nCalls}"}, {}, {}});
  EXPECT_FALSE(refused);
  EXPECT_NE(KeywordFileSaveWarning(refused).find("line break"), std::string::npos);
  EXPECT_EQ(LoadKeywordFiles(folder, {}).keywordList, loaded.keywordList);

  std::filesystem::remove_all(folder);
  EXPECT_EQ(LoadKeywordFiles(folder, {}).warning, kKeywordFileMissingWarning);
  std::filesystem::create_directories(folder / kKeywordFileName);  // a folder in the file's place
  loaded = LoadKeywordFiles(folder, {"K=0{BUY}1"});
  EXPECT_EQ(loaded.keywordList, std::vector<std::string>{"K=0{BUY}1"});
  EXPECT_NE(loaded.warning, kKeywordFileMissingWarning);
  EXPECT_EQ(loaded.warning.rfind(KeywordFileUnreadableWarning(""), 0), 0u) << loaded.warning;
  std::filesystem::remove_all(folder);
}

TEST(KeywordFile, AByteOrderMarkBeforeTheFirstRecordIsSkipped) {
  const std::string wiki = Service("Wiki", "Wikipedia");
  const std::pair<std::string, std::string> storedAndRead[] = {{"K=1{CALL}1", "K=1{CALL}1"},
                                                               {EncipherLine(wiki), wiki}};
  for (const auto& [stored, read] : storedAndRead) {
    const LoadedKeywords loaded = LoadKeywordLists({}, "\xEF\xBB\xBF" + stored + "\r\nK=0{NOTE}2\r\n", std::nullopt);
    EXPECT_EQ(loaded.keywordList, (std::vector<std::string>{read, "K=0{NOTE}2"}));
  }
}

TEST(KeywordFile, AFileOfTooManyLinesOrAnOverlongLineIsRefusedAndTheHeldListKept) {
  const std::vector<std::string> held{"K=0{BUY}1"};
  const std::string longLine = "K=0{NOTE}2\r\n" + std::string(kMaxKeywordLineBytes + 1, 'x') + "\r\n";
  for (const std::string& file : {std::string(kMaxKeywordLines + 1, '\n'), longLine}) {
    const LoadedKeywords loaded = LoadKeywordLists(held, file, std::nullopt);
    EXPECT_EQ(loaded.keywordList, held);
    EXPECT_NE(loaded.warning.find("could not be read"), std::string::npos);
  }
  EXPECT_NE(LoadKeywordLists(held, longLine, std::nullopt).warning.find("line longer"), std::string::npos);
  // A line as long as the limit still loads.
  EXPECT_EQ(LoadKeywordLists({}, std::string(kMaxKeywordLineBytes, 'x'), std::nullopt).keywordList.size(), 1u);
  // As many lines as the limit still load.
  EXPECT_EQ(LoadKeywordLists({}, std::string(kMaxKeywordLines, '\n'), std::nullopt).keywordList.size(),
            kMaxKeywordLines);
}

// The factory file we ship, loaded as a keyword file and saved again from the
// four lists, gives the same bytes: nothing is lost or reordered on the way.
TEST(FactoryKeywordFile, RoundTripsByteForByteAndHoldsSoundRecords) {
  const auto bytes = ReadFileBytes(QRV_FACTORY_KEYWORD_FILE, 1 << 20);
  ASSERT_TRUE(bytes.has_value());
  const LoadedKeywords loaded = LoadKeywordLists({}, *bytes, std::nullopt);
  EXPECT_EQ(KeywordFileBytes(SplitByKind(loaded.keywordList)), *bytes);
  EXPECT_EQ(loaded.keywordList.size(), SplitLines(*bytes).size());
  // Every record is sound, every keyword is there once, and services lead to web addresses.
  std::vector<std::string> keywords;
  for (const auto& line : loaded.keywordList) {
    const KeywordRecord r = ReadKeywordRecord(line);
    EXPECT_FALSE(r.keyword.empty()) << line;
    EXPECT_EQ(std::count(keywords.begin(), keywords.end(), r.keyword), 0) << line;
    keywords.push_back(r.keyword);
    if (r.kind == "K=0" || r.kind == "K=1") {
      ASSERT_TRUE(r.type.has_value()) << line;
      const auto type = EntryTypeOf(*r.type);
      ASSERT_TRUE(type) << line;
      EXPECT_EQ(line, ItemRecord(r.kind == "K=1", r.keyword, *type));
      EXPECT_TRUE(*type <= EntryType::kInternet && *type != EntryType::kTaskRequest &&
                  *type != EntryType::kMeetingRequest)
          << line;
    } else {
      ASSERT_EQ(r.kind, "S=0") << line;
      const WebService s = ReadService(line);
      EXPECT_EQ(ServiceRecord(s), line);
      EXPECT_EQ(r.type, NumberOf(EntryType::kWebService)) << line;
      EXPECT_FALSE(s.caption.empty() || s.hint.empty() || s.custom) << line;
      EXPECT_TRUE(StartsWith(s.url, "https://")) << line;
      EXPECT_EQ(Contains(s.url, "<QRV!>"), true) << line;
    }
  }
  for (const char* word : {"CALL", "MEET*", "LUNCH", "EMAIL", "NOTE", "JOURNAL", "TODO", "BUY", "PHONE"})
    EXPECT_EQ(std::count(keywords.begin(), keywords.end(), word), 1) << word;
  EXPECT_GE(loaded.webServiceCaptions.size(), 10u);
}

}  // namespace
}  // namespace qrv
