#include "core/keyword_record.h"

#include <gtest/gtest.h>

#include "core/text.h"

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
  EXPECT_EQ(ServiceRecord(ReadService(line)), line);
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

// Fields that would read back as other fields, or split a record, are refused
// by name; every field the check lets through reads back as written.
TEST(RecordFields, WhatWouldReadBackAsAnotherFieldIsRefused) {
  EXPECT_NE(RecordFieldFault(RecordField::kCaption, "Maps!>"), "");
  for (const char* keyword : {"", "A{B", "A}B", "A|B", "LUNCH\r\n", "<CB=x"})
    EXPECT_NE(RecordFieldFault(RecordField::kKeyword, keyword), "") << keyword;
  EXPECT_NE(RecordFieldFault(RecordField::kCategory, "Phone\r\nCalls"), "");
  EXPECT_EQ(RecordFieldFault(RecordField::kHint, "a | b"), "A hint cannot hold \"|\".");
  EXPECT_THROW(ItemRecord(false, "A|B", EntryType::kTask), RecordFieldError);
  EXPECT_THROW(CategoryRecord("PHONE", "Phone\nCalls"), RecordFieldError);
  EXPECT_THROW(IconRecord("", 'C'), RecordFieldError);
  EXPECT_THROW(ServiceRecord({"Map", "Map", "", false, "a | b", "https://x/<QRV!>"}), RecordFieldError);
}

TEST(RecordFields, EveryFieldTheCheckAcceptsReadsBackAsWritten) {
  const std::vector<std::string> pieces = {"a",   "{",    "}",   "|",        "<",      ">",    "!",        "!>", "!D>",
                                           "!H>", "<CB=", "<D=", "<CUST=Y>", "<HINT=", "\r\n", "\xC3\xA9", "Z",  "="};
  std::size_t accepted = 0;
  for (const auto& x : pieces)
    for (const auto& y : pieces) {
      std::string text = "a";
      text += x;
      text += y;
      for (const RecordField field : {RecordField::kKeyword, RecordField::kCaption, RecordField::kCriteria,
                                      RecordField::kHint, RecordField::kUrl}) {
        WebService s{"KW", "Caption", "Criteria", false, "Hint", "https://x/<QRV!>"};
        std::string* slot[] = {&s.keyword, &s.caption, &s.criteria, &s.hint, &s.url};
        *slot[static_cast<int>(field) == 0 ? 0 : static_cast<int>(field) - 1] = text;
        if (!ServiceFault(s).empty()) continue;
        ++accepted;
        const WebService back = ReadService(ServiceRecord(s));
        EXPECT_TRUE(back.keyword == s.keyword && back.caption == s.caption && back.criteria == s.criteria &&
                    back.hint == s.hint && back.url == s.url && !back.custom)
            << text << " as field " << static_cast<int>(field);
      }
      if (RecordFieldFault(RecordField::kKeyword, text).empty() &&
          RecordFieldFault(RecordField::kCategory, text).empty()) {
        const KeywordRecord r = ReadKeywordRecord(CategoryRecord(text, text));
        EXPECT_EQ(r.keyword, AsciiUpper(text));
        EXPECT_EQ(r.category, text);
        EXPECT_EQ(ReadKeywordRecord(ItemRecord(true, text, EntryType::kNote)).type, 2) << text;
      }
    }
  EXPECT_GT(accepted, 500u);  // the check refuses what it must, not everything
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
