#include "core/date.h"

namespace qrv {

namespace {

bool IsLeapYear(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(long long year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 January 1970 of a proleptic Gregorian date, and back.
long long DayNumber(Date d) {
  const long long y = d.month <= 2 ? d.year - 1 : d.year;
  const long long era = y / 400;
  const long long yearOfEra = y - era * 400;
  const long long dayOfYear = (153 * (d.month > 2 ? d.month - 3 : d.month + 9) + 2) / 5 + d.day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

Date DateOfDayNumber(long long z) {
  z += 719468;
  const long long era = z / 146097;
  const long long dayOfEra = z - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return Date{static_cast<int>(year), month, day};
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

std::optional<Date> MakeDate(long long year, long long month, long long day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, static_cast<int>(month)))
    return std::nullopt;
  return Date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

std::optional<Date> AddDays(Date date, long long days) {
  static const long long kFirst = DayNumber(Date{1, 1, 1});
  static const long long kLast = DayNumber(Date{9999, 12, 31});
  const long long n = DayNumber(date);
  if (days < kFirst - n || days > kLast - n) return std::nullopt;
  return DateOfDayNumber(n + days);
}

int DayOfWeek(Date date) {
  // 1 January 1970 was a Thursday.
  return static_cast<int>(((DayNumber(date) % 7) + 7 + 4) % 7);
}

}  // namespace qrv
