#include "core/dates.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

constexpr auto kMdy = DateOrder::kMonthDayYear;
constexpr auto kDmy = DateOrder::kDayMonthYear;

TEST(Dates, CalendarArithmeticKnowsLeapYearsAndTheRange) {
  EXPECT_EQ(AddDays({2004, 2, 28}, 1), (Date{2004, 2, 29}));
  EXPECT_EQ(AddDays({2003, 2, 28}, 1), (Date{2003, 3, 1}));
  EXPECT_EQ(AddDays({1900, 2, 28}, 1), (Date{1900, 3, 1}));
  EXPECT_EQ(AddDays({2000, 2, 28}, 1), (Date{2000, 2, 29}));
  EXPECT_EQ(AddDays({2003, 3, 3}, -365), (Date{2002, 3, 3}));
  EXPECT_EQ(AddDays({9999, 12, 31}, 1), std::nullopt);
  EXPECT_EQ(AddDays({1, 1, 1}, -1), std::nullopt);
  EXPECT_EQ(AddDays({2003, 3, 3}, 1LL << 40), std::nullopt);
  EXPECT_EQ(DayOfWeek({2003, 3, 3}), 1);  // Monday
  EXPECT_EQ(DayOfWeek({2004, 2, 29}), 0);
  EXPECT_EQ(DayOfWeek({1, 1, 1}), 1);
  EXPECT_FALSE(IsValidDate(2003, 2, 29));
  EXPECT_FALSE(IsValidDate(10000, 1, 1));
  EXPECT_EQ(MakeDate(2003, 4, 31), std::nullopt);
}

TEST(Dates, NumericDatesFollowTheLocaleOrderAndTheFiftyYearWindow) {
  EXPECT_EQ(ReadNumericDate("12-25-2003", '-', kMdy, 2003), (Date{2003, 12, 25}));
  EXPECT_EQ(ReadNumericDate("25/12/03", '/', kDmy, 2003), (Date{2003, 12, 25}));
  EXPECT_EQ(ReadNumericDate("2003/12/25", '/', DateOrder::kYearMonthDay, 2003), (Date{2003, 12, 25}));
  EXPECT_EQ(ReadNumericDate("1/1/60", '/', kMdy, 2003), (Date{1960, 1, 1}));
  EXPECT_EQ(ReadNumericDate("1/1/52", '/', kMdy, 2003), (Date{2052, 1, 1}));
  EXPECT_EQ(ReadNumericDate("1/1/0060", '/', kMdy, 2003), (Date{60, 1, 1}));  // four digits stay
  EXPECT_EQ(ReadNumericDate("3/5", '/', kMdy, 2003), (Date{2003, 3, 5}));
  EXPECT_EQ(ReadNumericDate("3/5", '/', kDmy, 2003), (Date{2003, 5, 3}));
  EXPECT_EQ(ReadNumericDate("3/5/", '/', kMdy, 2003), (Date{2003, 3, 5}));
  EXPECT_EQ(ReadNumericDate("2/29/2004", '/', kMdy, 2003), (Date{2004, 2, 29}));
  for (const char* bad :
       {"2/29/2003", "13/1", "3-5", "3//5", "3/5//", "12345/1", "1/2/3/4", "/3/5", "3/5x", "3", "a/b", "3/ 5", ""})
    EXPECT_EQ(ReadNumericDate(bad, '/', kMdy, 2003), std::nullopt) << bad;
}

TEST(Dates, FormatTimeCompletesTypedTimes) {
  const std::pair<const char*, const char*> cases[] = {
      {"9a", "9:00am"},    {"11pm", "11:00pm"}, {"9:30p", "9:30pm"},   {"930", "9:30am"},  {"1130", "11:30am"},
      {"17:45", "5:45pm"}, {"0:15", "12:15am"}, {"12:30", "12:30pm"},  {"9:05", "9:05am"}, {"9:30 PM", "9:30 pm"},
      {"24:00", "24:00"},  {"9:60", "9:60"},    {"930am", "930:00am"}, {"abc", ":00abc"},  {"", ""}};
  for (const auto& [typed, formatted] : cases) EXPECT_EQ(FormatTime(typed), formatted) << typed;
  EXPECT_EQ(InitialFormatTime("Noon"), "12:00pm");
  EXPECT_EQ(InitialFormatTime("midnight"), "12:00am");
  EXPECT_EQ(InitialFormatTime("noonish"), "noonish");
}

TEST(Dates, CheckTimeAcceptsOnlyComplete12HourTimes) {
  for (const char* good : {"9:05pm", "12:00am", "1:59AM"}) EXPECT_TRUE(CheckTime(good)) << good;
  for (const char* bad : {"9:5pm", "13:00pm", "0:30am", "930:00am", "9:30", "9:60pm", "9:30a", "pm", ":00pm", ""})
    EXPECT_FALSE(CheckTime(bad)) << bad;
}

TEST(Dates, TimesReadAndWriteInTheLocaleFormat) {
  EXPECT_EQ(ReadTime("9:05 pm"), (TimeOfDay{21, 5, 0}));
  EXPECT_EQ(ReadTime("12:00am"), (TimeOfDay{0, 0, 0}));
  EXPECT_EQ(ReadTime("12:30 PM"), (TimeOfDay{12, 30, 0}));
  EXPECT_EQ(ReadTime("17:45:10"), (TimeOfDay{17, 45, 10}));
  for (const char* bad : {"13:00 pm", "24:00", "9:60", "9:", "pm", "9:30 xm", "", "99999"})
    EXPECT_EQ(ReadTime(bad), std::nullopt) << bad;
  LocaleFacts l = EnUsLocale();
  EXPECT_EQ(FormatShortTime(l, {0, 5, 0}), "12:05 AM");
  l.shortTimeFormat = "hh:mm:ss t 'h'";
  EXPECT_EQ(FormatShortTime(l, {21, 5, 7}), "09:05:07 P h");
  l.shortTimeFormat = "HH.mm";
  EXPECT_EQ(FormatShortTime(l, {7, 5, 0}), "07.05");
  EXPECT_EQ(ReadTimeBox("930"), (TimeOfDay{9, 30, 0}));
  EXPECT_EQ(ReadTimeBox("None"), std::nullopt);
}

TEST(Dates, AddMinutesWrapsOnceIntoTheNextDayAndNoFurther) {
  EXPECT_EQ(AddMinutes(60, {23, 30, 15}), (TimeOfDay{0, 30, 15}));
  EXPECT_EQ(AddMinutes(45, {10, 20, 0}), (TimeOfDay{11, 5, 0}));
  EXPECT_EQ(AddMinutes(30LL * 60, {10, 15, 0}), (TimeOfDay{16, 15, 0}));
  EXPECT_EQ(AddMinutes(38LL * 60, {10, 15, 0}), std::nullopt);
  EXPECT_EQ(AddMinutes(65580, {10, 0, 0}), std::nullopt);  // no 16-bit wrap to 44 minutes
  EXPECT_EQ(AddMinutes(-1, {10, 0, 0}), std::nullopt);
}

TEST(Dates, TimeBoxesTakeFoundTimesAndTheHourAfter) {
  const LocaleFacts& l = EnUsLocale();
  EXPECT_EQ(TimeBoxText(l, "9:05pm"), "9:05 PM");
  EXPECT_EQ(TimeBoxText(l, "2:15 pm"), "2:15 PM");
  EXPECT_EQ(TimeBoxText(l, "9:+5pm"), "None");
  EXPECT_EQ(TimeBoxText(l, "15:15"), "None");  // no suffix to split at
  EXPECT_EQ(TimeBoxText(l, ""), "None");
  EXPECT_EQ(HourLaterBoxText(l, "11:30am"), "12:30 PM");
  EXPECT_EQ(HourLaterBoxText(l, "12:15am"), "1:15 AM");
  EXPECT_EQ(HourLaterBoxText(l, "11:00pm"), "12:00 AM");
  EXPECT_EQ(HourLaterBoxText(l, "9:45pm"), "10:45 PM");
  EXPECT_EQ(HourLaterBoxText(l, "2:15 pm"), "3:15 PM");
}

TEST(Dates, CheckSpanDaysMovesAnEndBeforeTheStartToTheNextDay) {
  const Date day{2003, 3, 3}, next{2003, 3, 4};
  EXPECT_EQ(CheckSpanDays(day, day, "10:00 PM", "1:00 AM"), next);
  EXPECT_EQ(CheckSpanDays(day, day, "11:00 PM", "12:00 AM"), next);
  EXPECT_EQ(CheckSpanDays(day, day, "9:30 AM", "9:15 PM"), day);
  EXPECT_EQ(CheckSpanDays(day, day, "12:30 PM", "12:15 PM"), next);
  EXPECT_EQ(CheckSpanDays(day, next, "10:00 PM", "1:00 AM"), next);  // a range is left alone
  EXPECT_EQ(CheckSpanDays(day, day, "None", "1:00 AM"), day);
  EXPECT_EQ(CheckSpanDays(day, day, "22:00", "01:00"), day);
  EXPECT_EQ(CheckSpanDays({9999, 12, 31}, {9999, 12, 31}, "10:00 PM", "1:00 AM"), (Date{9999, 12, 31}));
}

}  // namespace
}  // namespace qrv
