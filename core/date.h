// A calendar day, shared by the quick-entry parser and the settings' short
// dates: the proleptic Gregorian calendar of the years 1 to 9999 (the range the
// calendar control and Outlook accept).
#pragma once

#include <compare>
#include <optional>

namespace qrv {

// Ordered by year, then month, then day.
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

bool IsValidDate(int year, int month, int day);
std::optional<Date> MakeDate(long long year, long long month, long long day);
// The day `days` after `date` (before, when negative); none outside 1..9999.
std::optional<Date> AddDays(Date date, long long days);
// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(Date date);

}  // namespace qrv
