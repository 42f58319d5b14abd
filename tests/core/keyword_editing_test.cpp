#include "core/keyword_editing.h"

#include <gtest/gtest.h>

#include "core/icon_definitions.h"

namespace qrv {
namespace {

const std::vector<std::string> kIcons{"heading", "1 Flag=0000", "2 Phone=FFFF"};

TEST(KeywordLists, SplitTakesEachRecordOnceWhateverItsCase) {
  const KeywordLists lists = SplitKeywordList(
      {"K=0{MEET}3", "k=0{meet}3", "K=0{meet}3", "C=1{HOME}|{Home}", "S=0{g}11<CB=G!>|http://g", "I=1{FLAG}A", "junk"});
  EXPECT_EQ(lists.itemKeywords, (std::vector<std::string>{"K=0{MEET}3"}));
  EXPECT_EQ(lists.categoryKeywords.size(), 1u);
  EXPECT_EQ(lists.webServices.size(), 1u);
  EXPECT_EQ(lists.iconKeywords, (std::vector<std::string>{"I=1{FLAG}A"}));
}

TEST(KeywordLists, EmptyCategoriesComeFromOutlookLeavingOutNamesThatWouldBreakARecord) {
  KeywordLists lists;
  EXPECT_TRUE(FillCategoryKeywords(lists, {"Business", "Bad\r\nName", "", "Gifts"}));
  EXPECT_EQ(lists.categoryKeywords, (std::vector<std::string>{"C=1{BUSINESS}|{Business}", "C=1{GIFTS}|{Gifts}"}));
  // A list the user has is kept.
  EXPECT_FALSE(FillCategoryKeywords(lists, {"Other"}));
  EXPECT_EQ(lists.categoryKeywords.size(), 2u);
}

TEST(KeywordGrid, RowsShowTheFieldsAsTheRecordsAreRead) {
  EXPECT_EQ(GridCells(KeywordListKind::kItems, "K=1{MEET*}3", {}),
            (std::vector<std::string>{"Contains", "meet*", "Appointment"}));
  EXPECT_EQ(GridCells(KeywordListKind::kItems, "K=0{WEB}10", {}),
            (std::vector<std::string>{"Begins with", "web", "Internet"}));
  // The keyword ends at the first "}" whatever follows it.
  EXPECT_EQ(GridCells(KeywordListKind::kItems, "K=0{CALL}12", {}),
            (std::vector<std::string>{"Begins with", "call", ""}));
  EXPECT_EQ(GridCells(KeywordListKind::kItems, "K=0{ODD}x", {})[2], "");
  EXPECT_EQ(GridCells(KeywordListKind::kCategories, "C=1{HOME}|{Home Office}", {}),
            (std::vector<std::string>{"home", "Home Office"}));
  EXPECT_EQ(GridCells(KeywordListKind::kInternet, "S=0{map}11<CB=Maps!><D=Berlin!D>|http://m", {}),
            (std::vector<std::string>{"MAP", "Maps", "Berlin"}));
  EXPECT_EQ(GridCells(KeywordListKind::kIcons, "I=1{CALL}B", kIcons), (std::vector<std::string>{"call", "", "Phone"}));
  EXPECT_EQ(GridCells(KeywordListKind::kIcons, "I=1{GONE}t", kIcons)[2], "");
}

TEST(KeywordGrid, OnlyIconsACharacterCanNameAreOffered) {
  EXPECT_EQ(StorableIconCount({}), 0);
  EXPECT_EQ(StorableIconCount(kIcons), 2);
  EXPECT_EQ(StorableIconCount(std::vector<std::string>(80, "x Icon=00")), kMaxIcon);
  EXPECT_EQ(IconCaption(kIcons, 2), "Phone");
  EXPECT_EQ(IconCaption(kIcons, 3), "");
}

TEST(KeywordDialogRecords, AServiceKeepsAllButWhatWasChanged) {
  const std::string service = "S=0{map}11<CB=Maps!><D=Berlin!D><CUST=Y><HINT=a {hint}!H>|http://m/<QRV!>";
  const std::string criteria = "Paris";
  EXPECT_EQ(ModifiedService(service, "Karte", &criteria),
            "S=0{Karte}11<CB=Maps!><D=Paris!D><CUST=Y><HINT=a {hint}!H>|http://m/<QRV!>");
  EXPECT_EQ(ModifiedService(service, "Karte", nullptr),
            "S=0{Karte}11<CB=Maps!><D=Berlin!D><CUST=Y><HINT=a {hint}!H>|http://m/<QRV!>");
  // Fields that would read back as something else are refused.
  EXPECT_THROW(ModifiedService(service, "", nullptr), RecordFieldError);
  EXPECT_THROW(ModifiedService(service, "a}b", nullptr), RecordFieldError);
  const std::string tagged = "x!D>y";
  EXPECT_THROW(ModifiedService(service, "map", &tagged), RecordFieldError);
  EXPECT_FALSE(CategoryFault("HOME", "").empty());
  EXPECT_FALSE(CategoryFault("HO|ME", "Home").empty());
  EXPECT_TRUE(CategoryFault("HOME", "Home").empty());
}

TEST(KeywordReset, OnlyTheChosenListIsRebuilt) {
  KeywordLists lists =
      SplitKeywordList({"K=0{MINE}1", "C=1{MY}|{Mine}", "S=0{own}11<CB=Own!><CUST=Y>|http://o", "I=1{MY}A"});
  const std::vector<std::string> factory{"K=0{TASK}1", "K=1{CALL*}1", "S=0{g}11<CB=G!>|http://g", "C=1{F}|{F}"};
  ResetKeywordList(lists, KeywordListKind::kItems, factory, {});
  EXPECT_EQ(lists.itemKeywords, (std::vector<std::string>{"K=0{TASK}1", "K=1{CALL*}1"}));
  EXPECT_EQ(lists.categoryKeywords, (std::vector<std::string>{"C=1{MY}|{Mine}"}));
  ResetKeywordList(lists, KeywordListKind::kInternet, factory, {});
  EXPECT_EQ(lists.webServices, (std::vector<std::string>{"S=0{g}11<CB=G!>|http://g"}));
  EXPECT_EQ(lists.itemKeywords.size(), 2u);
  ResetKeywordList(lists, KeywordListKind::kCategories, factory, {"Work"});
  EXPECT_EQ(lists.categoryKeywords, (std::vector<std::string>{"C=1{WORK}|{Work}"}));
  ResetKeywordList(lists, KeywordListKind::kIcons, factory, {});
  EXPECT_TRUE(lists.iconKeywords.empty());
}

TEST(KeywordMove, RecordsSwapWithTheirNeighboursButNotPastTheEnds) {
  std::vector<std::string> list{"a", "b", "c"};
  EXPECT_FALSE(MoveRecord(list, 0, true));
  EXPECT_FALSE(MoveRecord(list, 2, false));
  EXPECT_FALSE(MoveRecord(list, 5, true));
  EXPECT_TRUE(MoveRecord(list, 2, true));
  EXPECT_EQ(list, (std::vector<std::string>{"a", "c", "b"}));
}

}  // namespace
}  // namespace qrv
