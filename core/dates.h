// Dates as typed, times of day and the locale facts the quick-entry window reads
// them with. Nothing here reads the clock or the system locale: today, now and
// the locale are always given by the caller, so every answer is repeatable.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/date.h"

namespace qrv {

struct TimeOfDay {
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
  auto operator<=>(const TimeOfDay&) const = default;
};

// The order of day, month and year in the user's short date format.
enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };

// What the quick-entry window needs of the user's locale, filled by the caller
// (the window from its locale settings, tests from a fixed instance).
struct LocaleFacts {
  DateOrder dateOrder = DateOrder::kMonthDayYear;
  // Format of the time boxes, with the tokens h, hh, H, HH, m, mm, s, ss, t, tt
  // and quoted literals. The boxes list 12-hour times ("9:30 AM"), and their
  // texts are split at ":" and "m", so it shows "tt"; a caller whose user has a
  // 24-hour format passes "h:mm tt".
  std::string shortTimeFormat = "h:mm tt";
  std::array<std::string, 12> longMonthNames;  // January first
  std::array<std::string, 12> shortMonthNames;
  std::array<std::string, 7> longDayNames;  // Sunday first
  std::array<std::string, 7> shortDayNames;
};

// English (United States): M/d/yyyy, h:mm tt.
const LocaleFacts& EnUsLocale();

// A date of two or three numbers of one to four digits joined by `separator`,
// optionally followed by one more separator. Three numbers are read in the
// locale's order; a year of one or two digits falls into the 100 years that
// begin 50 years before `thisYear`. Two numbers are month and day (day and
// month in a day-first locale) of `thisYear`. None when it is no valid date.
std::optional<Date> ReadNumericDate(std::string_view text, char separator, DateOrder order, int thisYear);

// A time as typed or shown in a time box: hours, optionally ":" minutes and
// ":" seconds, then optionally blanks and "am", "pm", "a" or "p" in any case.
// Without a suffix the hours are 0..23, with one 0..12.
std::optional<TimeOfDay> ReadTime(std::string_view text);
std::string FormatShortTime(const LocaleFacts& locale, TimeOfDay time);

// `time` plus `minutes`, carried into the hour; an hour past 23 wraps once into
// the next day. None when the result lies beyond the end of the next day or the
// count is negative.
std::optional<TimeOfDay> AddMinutes(long long minutes, TimeOfDay time);

// The time words of the subject and the time boxes. The texts are compared and
// returned in lower case.
//   InitialFormatTime: "noon" -> "12:00pm", "midnight" -> "12:00am", else unchanged.
//   FormatTime: completes a typed time to hours ":" two minute digits and "am"
//     or "pm" where it can ("9a" -> "9:00am", "930" -> "9:30am", "17:45" -> "5:45pm").
//   CheckTime: whether the text is such a complete 12-hour time.
std::string InitialFormatTime(std::string_view text);
std::string FormatTime(std::string_view text);
bool CheckTime(std::string_view text);
// A time box text read after FormatTime: what a typed time means; none for "None"
// and for anything that is no time.
std::optional<TimeOfDay> ReadTimeBox(std::string_view text);

// The time boxes take a time found in the subject ("9:05pm", or "2:15 pm" from
// "in 2 hours") by splitting it: the hour before ":", the minutes up to the
// blank or letter before the first "m", and the suffix ending with that "m".
// TimeBoxText gives the box text of such a time in the short time format, and
// HourLaterBoxText the box text one hour later with the same minutes (11 am
// gives 12 pm, 11 pm gives 12 am); both give "None" when the text is no time.
std::string TimeBoxText(const LocaleFacts& locale, std::string_view foundTime);
std::string HourLaterBoxText(const LocaleFacts& locale, std::string_view foundStart);

// The end date that keeps the end time after the start time: when both dates
// are the same day and the end time of day lies before the start, the day
// after; otherwise `end` as it is. The boxes hold "None" or 12-hour texts.
Date CheckSpanDays(Date start, Date end, std::string_view startBox, std::string_view endBox);

}  // namespace qrv
