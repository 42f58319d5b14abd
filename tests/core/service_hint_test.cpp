// The text shown for a web service of an internet entry, from its record.
#include <gtest/gtest.h>

#include "core/service_hint.h"

namespace qrv {
namespace {

std::vector<KeywordRecord> Records(const std::vector<std::string>& lines) { return ReadKeywordRecords(lines); }

TEST(ServiceHint, ShowsHintCriteriaKeywordAndDefaultsOfTheFirstRecordWithTheCaption) {
  const auto records =
      Records({"K=1{CALL}1", "S=0{WEATHER}11<CB=Weather!><D=weather!D><HINT=Forecasts by town!H>|http://w/?q=<QRV!>",
               "S=0{OTHER}11<CB=Weather!><HINT=never shown!H>|http://o/"});
  const auto hint = ServiceHintFor(records, "Weather");
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->lines, (std::vector<std::string>{"Forecasts by town", "",
                                                   "This web service allows you to specify additional search criteria.",
                                                   "", "Keyword: weather", "Default criteria: weather"}));
  ASSERT_EQ(hint->boldLine, 4);
  EXPECT_EQ(hint->lines[4].substr(hint->boldFrom), "weather");
  EXPECT_FALSE(ServiceHintFor(records, "Weath"));  // the whole caption, not a part
}

TEST(ServiceHint, ARecordWithoutHintCriteriaOrClosingMarksGivesNoSuchLines) {
  // No criteria place in the address: no default criteria line even when some are set.
  const auto plain = ServiceHintFor(Records({"S=0{Maps}11<CB=Maps!><D=x!D>|http://m/"}), "Maps");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->lines,
            (std::vector<std::string>{"", "This entry does not use additional search criteria.", "", "Keyword: maps"}));
  // Marks missing or out of order give empty texts, never a failure.
  const auto broken = ServiceHintFor(Records({"S=0}Bad{11<CB=Bad!><HINT=no end<D=!D><QRV!>"}), "Bad");
  ASSERT_TRUE(broken);
  EXPECT_EQ(broken->lines.front(), "");
  EXPECT_EQ(broken->lines.back(), "Keyword: ");
  // A hint that looks like rich text stays the characters it is.
  const auto rich = ServiceHintFor(Records({"S=0{R}11<CB=R!><HINT={\\rtf1 \\b x}!H>|u"}), "R");
  ASSERT_TRUE(rich);
  EXPECT_EQ(rich->lines.front(), "{\\rtf1 \\b x}");
}

}  // namespace
}  // namespace qrv
