#include "core/short_date.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

using namespace std::chrono;

TEST(ShortDate, ReadsInTheFormatsOrder) {
  EXPECT_EQ(ParseShortDate("3/5/2024", "M/d/yyyy"), (Date{year{2024}, month{3}, day{5}}));
  EXPECT_EQ(ParseShortDate("05.03.2024", "dd.MM.yyyy"), (Date{year{2024}, month{3}, day{5}}));
  EXPECT_EQ(ParseShortDate("2024-03-05", "yyyy-MM-dd"), (Date{year{2024}, month{3}, day{5}}));
  EXPECT_EQ(ParseShortDate("3/5/49", "M/d/yy"), (Date{year{2049}, month{3}, day{5}}));
  EXPECT_EQ(ParseShortDate("3/5/50", "M/d/yy"), (Date{year{1950}, month{3}, day{5}}));
}

TEST(ShortDate, RefusesWhatIsNoDate) {
  EXPECT_EQ(ParseShortDate("", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("2/30/2024", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("3/5", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("1/2/3/4", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("3/5/202400", "M/d/yyyy"), std::nullopt);
}

TEST(ShortDate, WritesAndStepsOverMonthEnds) {
  const Date d{year{2024}, month{3}, day{1}};
  EXPECT_EQ(FormatShortDate(d, "M/d/yyyy"), "3/1/2024");
  EXPECT_EQ(FormatShortDate(d, "dd.MM.yy"), "01.03.24");
  EXPECT_EQ(AddDays(d, -6), (Date{year{2024}, month{2}, day{24}}));
  EXPECT_EQ(ParseShortDate(FormatShortDate(AddDays(d, 400), "M/d/yyyy"), "M/d/yyyy"), AddDays(d, 400));
}

}  // namespace
}  // namespace qrv
