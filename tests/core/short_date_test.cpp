// The settings' short dates and the quick-entry parser's dates are one type:
// both headers are included here, in one translation unit, on purpose.
#include "core/short_date.h"

#include <gtest/gtest.h>

#include "core/dates.h"

namespace qrv {
namespace {

TEST(ShortDate, ReadsInTheFormatsOrderAndRefusesWhatIsNoDate) {
  EXPECT_EQ(ParseShortDate("3/5/2024", "M/d/yyyy"), (Date{2024, 3, 5}));
  EXPECT_EQ(ParseShortDate("05.03.2024", "dd.MM.yyyy"), (Date{2024, 3, 5}));
  EXPECT_EQ(ParseShortDate("2024-03-05", "yyyy-MM-dd"), (Date{2024, 3, 5}));
  EXPECT_EQ(ParseShortDate("3/5/49", "M/d/yy"), (Date{2049, 3, 5}));
  EXPECT_EQ(ParseShortDate("3/5/50", "M/d/yy"), (Date{1950, 3, 5}));
  // What is no date in the format is refused.
  EXPECT_EQ(ParseShortDate("", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("2/30/2024", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("13/5/2024", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("3/5", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("1/2/3/4", "M/d/yyyy"), std::nullopt);
  EXPECT_EQ(ParseShortDate("3/5/202400", "M/d/yyyy"), std::nullopt);
}

TEST(ShortDate, WritesAndStepsOverMonthEnds) {
  const Date d{2024, 3, 1};
  EXPECT_EQ(FormatShortDate(d, "M/d/yyyy"), "3/1/2024");
  EXPECT_EQ(FormatShortDate(d, "dd.MM.yy"), "01.03.24");
  EXPECT_EQ(FormatShortDate(Date{7, 1, 2}, "yyyy-MM-dd"), "0007-01-02");
  EXPECT_EQ(AddDays(d, -6), (Date{2024, 2, 24}));
  const Date later = *AddDays(d, 400);
  EXPECT_EQ(ParseShortDate(FormatShortDate(later, "M/d/yyyy"), "M/d/yyyy"), later);
}

// A stored date read by the settings goes straight into the parser's
// arithmetic, and a parsed subject date is written in the short format.
TEST(ShortDate, SharesItsDatesWithTheParser) {
  const Date stored = *ParseShortDate("12/31/2003", "M/d/yyyy");
  EXPECT_EQ(DayOfWeek(stored), 3);  // a Wednesday
  const auto typed = ReadNumericDate("1/2", '/', DateOrder::kMonthDayYear, 2004);
  ASSERT_TRUE(typed);
  EXPECT_EQ(AddDays(stored, 2), typed);
  EXPECT_EQ(FormatShortDate(*typed, "dd.MM.yyyy"), "02.01.2004");
  EXPECT_EQ(AddDays(*ParseShortDate("12/31/9999", "M/d/yyyy"), 1), std::nullopt);
}

}  // namespace
}  // namespace qrv
