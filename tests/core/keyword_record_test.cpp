#include "core/keyword_record.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

TEST(KeywordRecord, ReadsItemRecordsByPosition) {
  const auto r = ReadKeywordRecord("K=0{meet*}8");
  EXPECT_EQ(r.kind, "K=0");
  EXPECT_EQ(r.keyword, "MEET*");
  EXPECT_EQ(r.type, 8);
  EXPECT_EQ(ReadKeywordRecord("K=1{CALL}01").type, 1);
  EXPECT_EQ(ReadKeywordRecord("K=1{CALL}10").type, 10);
  EXPECT_EQ(ReadKeywordRecord("K=1{CALL}1 ").type, std::nullopt);  // no number
  EXPECT_EQ(ReadKeywordRecord("K=1{CALL}").type, std::nullopt);
}

TEST(KeywordRecord, ReadsCategoryAndIconTails) {
  EXPECT_EQ(ReadKeywordRecord("C=1{PHONE}|{Phone Calls}").category, "Phone Calls");
  EXPECT_EQ(ReadKeywordRecord("C=1{PHONE}|").category, "");
  EXPECT_EQ(ReadKeywordRecord("I=1{BDAY}C").tail, "C");
}

TEST(KeywordRecord, ReadsEveryWebServiceTag) {
  WebService s{"Wiki",
               "Encyclopedia",
               "",
               true,
               "Look it up\r\nin the encyclopedia",
               "https://en.wikipedia.org/w/index.php?search=<QRV!>"};
  const std::string line = ServiceRecord(s);
  EXPECT_EQ(line,
            "S=0{Wiki}11<CB=Encyclopedia!><D=!D><CUST=Y><HINT=Look it up\r\nin the "
            "encyclopedia!H>|https://en.wikipedia.org/w/index.php?search=<QRV!>");
  const WebService back = ReadService(line);
  EXPECT_EQ(back.keyword, s.keyword);
  EXPECT_EQ(back.caption, s.caption);
  EXPECT_EQ(back.criteria, s.criteria);
  EXPECT_TRUE(back.custom);
  EXPECT_EQ(back.hint, s.hint);
  EXPECT_EQ(back.url, s.url);
  const auto r = ReadKeywordRecord(line);
  EXPECT_EQ(r.type, NumberOf(EntryType::kWebService));
  EXPECT_EQ(r.caption, "Encyclopedia");
  EXPECT_FALSE(IsCustomService("S=0{a}11<CB=x!><D=!D><HINT=!H>|u"));
}

TEST(KeywordRecord, DamagedRecordsGiveEmptyFields) {
  for (const char* line :
       {"", "K", "K=1", "K=1}X{3", "S=0{x}11!><CB=cap", "S=0<HINT=never closed", "C=1{x}", "}{", "S=0{x}11<CB=!>"}) {
    const auto r = ReadKeywordRecord(line);
    EXPECT_EQ(r.caption, "") << line;
    EXPECT_EQ(r.category, "") << line;
    EXPECT_EQ(ServiceHint(line), "") << line;
  }
  EXPECT_EQ(ReadKeywordRecord("K=1}X{3").keyword, "");
  EXPECT_EQ(ServiceUrl("no bar at all"), "");
}

TEST(KeywordRecord, TellsPlainFromEncipheredLines) {
  EXPECT_TRUE(IsPlainRecord("K=1{CALL}1"));
  EXPECT_TRUE(IsPlainRecord("S=0{x}11"));
  EXPECT_FALSE(IsPlainRecord("zejlcyW/rEErrmWG"));
  EXPECT_FALSE(IsPlainRecord("k=1{call}1"));
  EXPECT_FALSE(IsPlainRecord(""));
}

}  // namespace
}  // namespace qrv
