// What the window reads of the system: today, the time now and the user's
// locale facts; and the actions of a window nobody has wired yet.
#include <windows.h>

#include "entry/entry_data.h"
#include "entry/entry_system.h"
#include "ui/wide.h"

namespace qrv {
namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t text[128]{};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, static_cast<int>(std::size(text))) <= 0) return {};
  return Narrow(text);
}

// The order of the first day, month and year letters of the short date format.
DateOrder DateOrderOf(const std::string& format) {
  const auto d = format.find_first_of("dD"), m = format.find('M'), y = format.find_first_of("yY");
  if (y != std::string::npos && (m == std::string::npos || y < m) && (d == std::string::npos || y < d))
    return DateOrder::kYearMonthDay;
  if (d != std::string::npos && m != std::string::npos && d < m) return DateOrder::kDayMonthYear;
  return DateOrder::kMonthDayYear;
}

}  // namespace

Date EntryClock::Today() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

TimeOfDay EntryClock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

EntryActions& NoEntryActions() {
  static EntryActions none;
  return none;
}

const EntryClock& SystemClock() {
  static const EntryClock kClock;
  return kClock;
}

LocaleFacts ReadLocaleFacts() {
  LocaleFacts facts = EnUsLocale();
  facts.dateOrder = DateOrderOf(LocaleText(LOCALE_SSHORTDATE));
  // The time boxes list 12-hour times; a 24-hour format shows them so too.
  if (const std::string time = LocaleText(LOCALE_SSHORTTIME); time.find('t') != std::string::npos)
    facts.shortTimeFormat = time;
  for (int i = 0; i < 12; ++i) {
    if (auto name = LocaleText(LOCALE_SMONTHNAME1 + i); !name.empty()) facts.longMonthNames[i] = name;
    if (auto name = LocaleText(LOCALE_SABBREVMONTHNAME1 + i); !name.empty()) facts.shortMonthNames[i] = name;
  }
  // Windows counts the days from Monday; the facts from Sunday.
  for (int i = 0; i < 7; ++i) {
    const int day = (i + 6) % 7;
    if (auto name = LocaleText(LOCALE_SDAYNAME1 + day); !name.empty()) facts.longDayNames[i] = name;
    if (auto name = LocaleText(LOCALE_SABBREVDAYNAME1 + day); !name.empty()) facts.shortDayNames[i] = name;
  }
  return facts;
}

const LocaleFacts& UserLocaleFacts() {
  static const LocaleFacts kFacts = ReadLocaleFacts();
  return kFacts;
}

SYSTEMTIME ToSystemTime(Date date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  time.wDayOfWeek = static_cast<WORD>(DayOfWeek(date));
  return time;
}

Date FromSystemTime(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }

}  // namespace qrv
