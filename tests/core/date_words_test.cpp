// The date and time words of a subject, form by form, for a fixed today and
// now, in a month-first and a day-first locale.
#include <gtest/gtest.h>

#include "core/quick_entry.h"

namespace qrv {
namespace {

const Date kMonday{2003, 3, 3};
const Date kFriday{2003, 3, 7};

LocaleFacts DayFirst() {
  LocaleFacts locale = EnUsLocale();
  locale.dateOrder = DateOrder::kDayMonthYear;
  return locale;
}

QuickEntryResult Read(std::string_view subject, Date today = kMonday, const LocaleFacts& locale = EnUsLocale(),
                      TimeOfDay now = {10, 15, 30}) {
  static const KeywordMatcher kNone;
  QuickEntryInput in;
  in.subject = subject;
  in.today = today;
  in.now = now;
  return RunQuickEntry(in, kNone, locale);
}

struct DateCase {
  const char* subject;
  std::optional<Date> start;
  std::optional<Date> end = std::nullopt;
  Date today = kMonday;
};

void ExpectDates(std::initializer_list<DateCase> cases, const LocaleFacts& locale) {
  for (const auto& c : cases) {
    const auto r = Read(c.subject, c.today, locale);
    EXPECT_EQ(r.startDate, c.start) << c.subject;
    EXPECT_EQ(r.endDate, c.end) << c.subject;
  }
}

struct TimeCase {
  const char* subject;
  const char* start;
  const char* end = "";
};

void ExpectTimes(std::initializer_list<TimeCase> cases) {
  for (const auto& c : cases) {
    const auto r = Read(c.subject);
    EXPECT_EQ(r.startTime, c.start) << c.subject;
    EXPECT_EQ(r.endTime, c.end) << c.subject;
  }
}

TEST(DateWords, WordsForToday) {
  ExpectDates({{"call tomorrow", Date{2003, 3, 4}},
               {"today", kMonday},
               {"Tonight's party", kMonday},
               {"tomorrow's agenda", std::nullopt},
               {"tomorrows", Date{2003, 3, 4}},
               {"today tomorrow tomorrow", kMonday, Date{2003, 3, 4}},
               {"tomorrow", Date{2004, 1, 1}, std::nullopt, Date{2003, 12, 31}}},
              EnUsLocale());
}

TEST(DateWords, NumericDatesInBothOrders) {
  ExpectDates({{"meet 9-5", Date{2003, 9, 5}},
               {"12-25-2003", Date{2003, 12, 25}},
               {"12/25/03", Date{2003, 12, 25}},
               {"3/5", Date{2003, 3, 5}},
               {"1/1/60", Date{1960, 1, 1}},
               {"2/29/2004", Date{2004, 2, 29}},
               {"2/29/2003", std::nullopt},
               {"5- -5 5/ /5", std::nullopt}},
              EnUsLocale());
  ExpectDates({{"meet 9-5", Date{2003, 5, 9}},
               {"12-25-2003", std::nullopt},
               {"25/12/03", Date{2003, 12, 25}},
               {"3/5", Date{2003, 5, 3}}},
              DayFirst());
}

TEST(DateWords, MonthNameDatesKeepTheirRegistersFromWordToWord) {
  const std::initializer_list<DateCase> cases = {
      {"25 December 2003", Date{2003, 12, 25}},
      {"25th of Dec", Date{2003, 12, 25}},
      {"December 25 2003", Date{2003, 12, 25}},
      {"Dec 25", Date{2003, 12, 25}},
      {"5th of March 2004", Date{2004, 3, 5}},
      {"December 24-26", Date{2003, 12, 24}, Date{2003, 12, 26}},
      {"March 5-7", Date{2003, 3, 5}, Date{2003, 3, 7}},
      {"tomorrow March 5-7", Date{2003, 3, 4}},  // a range only begins the dates
      {"March", std::nullopt},
      {"March 5 and April", Date{2003, 3, 5}, Date{2003, 4, 5}},
      {"March 5 2004 to April 7", Date{2004, 3, 5}, Date{2004, 4, 7}},
      {"February 30", std::nullopt},
      {"February 29 2004", Date{2004, 2, 29}},
      {"February 29", std::nullopt}};
  ExpectDates(cases, EnUsLocale());
  ExpectDates(cases, DayFirst());
}

TEST(DateWords, WeekdaysCountFromTodayOrTheStartDate) {
  ExpectDates({{"friday", Date{2003, 3, 7}},
               {"Fri.", Date{2003, 3, 7}},
               {"next friday", Date{2003, 3, 14}},
               {"monday", Date{2003, 3, 10}},
               {"next monday", Date{2003, 3, 10}},
               {"tomorrow friday", Date{2003, 3, 4}, Date{2003, 3, 7}},
               {"friday March 5 lunch", Date{2003, 3, 5}},
               {"friday March", Date{2003, 3, 7}},
               {"weekend", Date{2003, 3, 8}, Date{2003, 3, 9}},
               {"friday", Date{2003, 3, 14}, std::nullopt, kFriday},
               {"next friday", Date{2003, 3, 14}, std::nullopt, kFriday},
               {"sat", Date{2003, 3, 8}, std::nullopt, kFriday},
               {"weekend", Date{2003, 3, 8}, Date{2003, 3, 9}, kFriday},
               {"friday", std::nullopt, std::nullopt, Date{9999, 12, 31}}},
              EnUsLocale());
}

TEST(DateWords, InPeriodsStepBackToTheMonthEnd) {
  ExpectDates({{"in 3 days", Date{2003, 3, 6}},
               {"in -2 days", std::nullopt},  // "-2" is two words
               {"in 2 weeks", Date{2003, 3, 17}},
               {"in 1 month", Date{2003, 4, 3}},
               {"in 1 month", Date{2003, 2, 28}, std::nullopt, Date{2003, 1, 31}},
               {"in 1 month", Date{2004, 2, 29}, std::nullopt, Date{2004, 1, 31}},
               {"in 1 month", Date{2004, 1, 15}, std::nullopt, Date{2003, 12, 15}},
               {"in 11 months", Date{2003, 12, 15}, std::nullopt, Date{2003, 1, 15}},
               {"in 25 months", Date{2005, 4, 3}},
               {"in 1 year", Date{2005, 2, 28}, std::nullopt, Date{2004, 2, 29}},
               {"in 1 year March 9", Date{2004, 3, 3}, Date{2004, 3, 9}},
               {"In 3 Days", Date{2003, 3, 6}},
               {"in 8000 years", std::nullopt},
               {"in -3 months", std::nullopt},
               {"in 9999 days", std::nullopt},
               {"on 3 days", std::nullopt}},
              EnUsLocale());
}

TEST(DateWords, LocaleNamesAreTheOnesRead) {
  LocaleFacts german = DayFirst();
  german.longMonthNames[2] = "M\xC3\xA4rz";
  german.shortMonthNames[2] = "M\xC3\xA4r";
  german.longDayNames[5] = "Freitag";
  german.shortDayNames[5] = "Fr";
  ExpectDates({{"5 M\xC3\xA4rz", Date{2003, 3, 5}},
               {"Fr.", Date{2003, 3, 7}},
               {"5 March", std::nullopt},
               {"friday", std::nullopt}},
              german);
}

TEST(DateWords, TimesInEveryForm) {
  ExpectTimes({{"lunch at noon", "12:00pm"},
               {"midnight", "12:00am"},
               {"9a", "9:00am"},
               {"11PM", "11:00pm"},
               {"9:30pm", "9:30pm"},
               {"9:30p", "9:30pm"},
               {"9:30", "9:30am"},
               {"17:45", "5:45pm"},
               {"0:15", "12:15am"},
               {"9 am", "9:00am"},
               {"10 p.m.", "10:00pm"},
               {"9:30 pm", "9:30pm"},
               {"9am-5pm", "9:00am", "5:00pm"},
               {"9:00 to 17:30", "9:00am", "5:30pm"},
               {"1 2pm 3pm 4pm", "2:00pm", "3:00pm"},
               {"930", ""},
               {"930am", ""},
               {"9:5pm", ""},
               {"13pm", ""},
               {"buy a car", ""},
               {"page 5 p", "5:00pm"},
               {"in 2 hours", "12:15 pm"},
               {"in 45 mins", "11:00 am"},
               {"in 1 minute", "10:16 am"},
               {"in 30 hours", "4:15 pm"},
               {"in 38 hours", ""},
               {"in 1093 hours", ""},
               {"in -1 hours", ""},
               {"in 9999 minutes", ""}});
}

TEST(DateWords, APartAfterADashIsReadAsTheNextWord) {
  // "9-10-11am" stays whole for the date; the time step reads 9, then 10-11am,
  // then 11am.
  const auto r = Read("9-10-11am");
  EXPECT_EQ(r.startDate, std::nullopt);
  EXPECT_EQ(r.startTime, "11:00am");
  EXPECT_EQ(Read("5-6-7-8pm 9pm").endTime, "9:00pm");
}

TEST(DateWords, RangesMarksAndMidnightReadAsMeant) {
  ExpectTimes({{"call 3-5pm", "3:00pm", "5:00pm"},
               {"8-10am", "8:00am", "10:00am"},
               {"11-1pm", "11:00am", "1:00pm"},
               {"10am-2pm", "10:00am", "2:00pm"},
               {"meet at 3pm.", "3:00pm"},
               {"lunch (noon)", "12:00pm"},
               {"call me at 9am!", "9:00am"},
               {"0x10 people", ""}});
  EXPECT_EQ(Read("party (friday)").startDate, kFriday);
  EXPECT_EQ(Read("party friday?").startDate, kFriday);
  EXPECT_EQ(Read("meet 9-5").startDate, (Date{2003, 9, 5}));  // still a date
  // Past midnight the time is tomorrow's; a date in the subject still decides.
  EXPECT_EQ(Read("in 90 minutes", kMonday, EnUsLocale(), {23, 0, 0}).startDate, (Date{2003, 3, 4}));
  EXPECT_EQ(Read("friday in 90 minutes", kMonday, EnUsLocale(), {23, 0, 0}).startDate, kFriday);
  EXPECT_EQ(Read("in 2 hours", kMonday, EnUsLocale(), {10, 0, 0}).startDate, std::nullopt);
}

// Only a range across the year's end goes into the next year; any other end
// before its start leaves the entry on its start day.
TEST(DateWords, AnEndInAnEarlierMonthWithoutAYearIsNextYears) {
  ExpectDates({{"trip Dec 28 to Jan 3", Date{2003, 12, 28}, Date{2004, 1, 3}},
               {"trip 12/28 to 1/3", Date{2003, 12, 28}, Date{2004, 1, 3}},
               {"trip Dec 28 to Jan 3 2003", Date{2003, 12, 28}, Date{2003, 1, 3}},
               {"trip 3/7 to 3/5", Date{2003, 3, 7}, Date{2003, 3, 5}},
               {"tomorrow today", Date{2003, 3, 4}, kMonday}},
              EnUsLocale());
  ExpectDates({{"meet friday 5/3", Date{2003, 3, 7}, Date{2003, 3, 5}}}, DayFirst());
  EXPECT_EQ(Read("trip 3/7 to 3/5").calendar, (DateRange{Date{2003, 3, 7}, Date{2003, 3, 7}}));
}

TEST(DateWords, ALongHyphenatedWordIsNoTime) {
  std::string word = "a";
  while (word.size() < 200000) word += "-pa";
  EXPECT_EQ(Read(word).startTime, "");
}

}  // namespace
}  // namespace qrv
