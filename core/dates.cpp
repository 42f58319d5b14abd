#include "core/dates.h"

#include <utility>

#include "core/text.h"

namespace qrv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads up to `maxDigits` decimal digits at `i`; none when there is no digit or
// a further digit follows.
std::optional<int> ScanNumber(std::string_view s, std::size_t& i, std::size_t maxDigits,
                              std::size_t* digits = nullptr) {
  const std::size_t start = i;
  int value = 0;
  while (i < s.size() && IsDigit(s[i]) && i - start < maxDigits) value = value * 10 + (s[i++] - '0');
  if (i == start || (i < s.size() && IsDigit(s[i]))) return std::nullopt;
  if (digits) *digits = i - start;
  return value;
}

int WindowedYear(int year, int thisYear) {
  const int centuryBase = thisYear - 50;
  year += centuryBase / 100 * 100;
  if (year < centuryBase) year += 100;
  return year;
}

std::string TwoDigits(int n) {
  return n >= 0 && n < 10 ? std::string{'0', static_cast<char>('0' + n)} : std::to_string(n);
}

// The parts of a found time (see TimeBoxText).
struct TimeParts {
  std::string_view hour, minutes, suffix;
};

std::optional<TimeParts> SplitFoundTime(std::string_view text) {
  const auto colon = static_cast<long long>(PositionOf(":", text));
  const auto m = static_cast<long long>(PositionOf("m", text));
  if (colon == 0 || m <= colon) return std::nullopt;
  return TimeParts{TrimView(SubView(text, 1, colon - 1)), SubView(text, colon + 1, m - colon - 2),
                   SubView(text, m - 1, 2)};
}

// The box text of hours ":" minutes and suffix, "None" when that is no time.
std::string BoxText(const LocaleFacts& locale, std::string_view hour, std::string_view minutes,
                    std::string_view suffix) {
  std::string text(hour);
  text += ':';
  text += minutes;
  text += suffix;
  const auto time = ReadTime(text);
  return time ? FormatShortTime(locale, *time) : "None";
}

// Whether `sub` occurs in `s`, ignoring the case of a-z.
bool ContainsText(std::string_view s, std::string_view sub) {
  for (std::size_t i = 0; i + sub.size() <= s.size(); ++i)
    if (EqualsIgnoringCase(s.substr(i, sub.size()), sub)) return true;
  return false;
}

}  // namespace

const LocaleFacts& EnUsLocale() {
  static const LocaleFacts kLocale{DateOrder::kMonthDayYear,
                                   "h:mm tt",
                                   {"January", "February", "March", "April", "May", "June", "July", "August",
                                    "September", "October", "November", "December"},
                                   {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
                                   {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
                                   {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};
  return kLocale;
}

std::optional<Date> ReadNumericDate(std::string_view text, char separator, DateOrder order, int thisYear) {
  int numbers[3];
  std::size_t digits[3];
  int count = 0;
  std::size_t i = 0;
  for (;;) {
    if (count == 3) return std::nullopt;
    const auto n = ScanNumber(text, i, 4, &digits[count]);
    if (!n) return std::nullopt;
    numbers[count++] = *n;
    if (i == text.size()) break;
    if (text[i++] != separator) return std::nullopt;
    if (i == text.size()) break;  // one trailing separator
  }
  if (count < 2) return std::nullopt;
  int year = thisYear, month, day;
  if (count == 2) {
    const bool dayFirst = order == DateOrder::kDayMonthYear;
    month = numbers[dayFirst ? 1 : 0];
    day = numbers[dayFirst ? 0 : 1];
  } else {
    int y;
    if (order == DateOrder::kMonthDayYear)
      y = 2, month = numbers[0], day = numbers[1];
    else if (order == DateOrder::kDayMonthYear)
      y = 2, month = numbers[1], day = numbers[0];
    else
      y = 0, month = numbers[1], day = numbers[2];
    year = digits[y] <= 2 ? WindowedYear(numbers[y], thisYear) : numbers[y];
  }
  return MakeDate(year, month, day);
}

std::optional<TimeOfDay> ReadTime(std::string_view text) {
  std::string_view s = TrimView(text);
  std::size_t i = 0;
  TimeOfDay t;
  const auto hour = ScanNumber(s, i, 4);
  if (!hour) return std::nullopt;
  t.hour = *hour;
  for (int* part : {&t.minute, &t.second}) {
    if (i == s.size() || s[i] != ':') break;
    const auto n = ScanNumber(s, ++i, 4);
    if (!n || *n > 59) return std::nullopt;
    *part = *n;
  }
  const std::string_view suffix = TrimView(s.substr(i));
  if (suffix.empty()) return t.hour <= 23 ? std::optional(t) : std::nullopt;
  const bool pm = EqualsIgnoringCase(suffix, "pm") || EqualsIgnoringCase(suffix, "p");
  if ((!pm && !EqualsIgnoringCase(suffix, "am") && !EqualsIgnoringCase(suffix, "a")) || t.hour > 12)
    return std::nullopt;
  t.hour = t.hour % 12 + (pm ? 12 : 0);
  return t;
}

std::string FormatShortTime(const LocaleFacts& locale, TimeOfDay time) {
  const std::string& f = locale.shortTimeFormat;
  std::string out;
  for (std::size_t i = 0; i < f.size();) {
    const char c = f[i];
    std::size_t run = 1;
    while (i + run < f.size() && f[i + run] == c) ++run;
    const bool wide = run >= 2;
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    if (c == 'h')
      out += wide ? TwoDigits(hour12) : std::to_string(hour12);
    else if (c == 'H')
      out += wide ? TwoDigits(time.hour) : std::to_string(time.hour);
    else if (c == 'm')
      out += wide ? TwoDigits(time.minute) : std::to_string(time.minute);
    else if (c == 's')
      out += wide ? TwoDigits(time.second) : std::to_string(time.second);
    else if (c == 't')
      out += std::string(time.hour < 12 ? "AM" : "PM").substr(0, wide ? 2 : 1);
    else if (c == '\'') {
      const auto close = f.find('\'', i + 1);
      const auto end = close == std::string::npos ? f.size() : close;
      out += f.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    } else {
      out.append(run, c);
    }
    i += run;
  }
  return out;
}

std::optional<TimeOfDay> AddMinutes(long long minutes, TimeOfDay time) {
  if (minutes < 0 || minutes > 48LL * 60) return std::nullopt;
  const long long total = time.minute + minutes;
  long long hour = time.hour + total / 60;
  if (hour > 23) hour -= 24;
  if (hour > 23) return std::nullopt;
  return TimeOfDay{static_cast<int>(hour), static_cast<int>(total % 60), time.second};
}

std::string InitialFormatTime(std::string_view text) {
  std::string s = AsciiLower(text);
  if (s == "noon") return "12:00pm";
  if (s == "midnight") return "12:00am";
  return s;
}

std::string FormatTime(std::string_view text) {
  std::string s = AsciiLower(text);
  if (!s.empty() && (s.back() == 'a' || s.back() == 'p')) s += 'm';
  if (!Contains(s, ":") && ReadIntOr(s, -1) != -1 && (s.size() == 3 || s.size() == 4)) s.insert(s.end() - 2, ':');
  if (!Contains(s, ":") && s.size() > 2) {
    const auto m = static_cast<long long>(PositionOf("m", s));
    std::string withMinutes = SubText(s, 1, m - 2);
    withMinutes += ":00";
    withMinutes += SubTextFrom(s, m - 1);
    s = std::move(withMinutes);
  }
  const auto colon = PositionOf(":", s);
  if (colon == 0 || s.size() - colon != 2) return s;
  const int minutes = ReadIntOr(SubView(s, static_cast<long long>(colon) + 1, 2), 99);
  const int hours = ReadIntOr(SubView(s, 1, static_cast<long long>(colon) - 1), 99);
  if (minutes < 0 || minutes > 59 || hours < 0 || hours > 23) return s;
  std::string time = std::to_string(hours == 0 ? 12 : (hours > 12 ? hours - 12 : hours));
  time += ':';
  time += TwoDigits(minutes);
  time += hours < 12 ? "am" : "pm";
  return time;
}

bool CheckTime(std::string_view text) {
  if (text.empty()) return false;
  const std::string s = AsciiLower(text);
  const char last = s.back();
  const bool suffixed = last == 'm' || ((last == 'a' || last == 'p') && s.size() >= 2 && IsDigit(s[s.size() - 2]));
  if (!suffixed) return false;
  const auto colon = static_cast<long long>(PositionOf(":", s));
  const int hours = ReadIntOr(SubView(s, 1, colon - 1), 99);
  const auto m = static_cast<long long>(PositionOf("m", s));
  const std::string_view minuteText = SubView(s, colon + 1, m - colon - 2);
  const int minutes = ReadIntOr(minuteText, 99);
  return hours >= 1 && hours <= 12 && minuteText.size() == 2 && minutes >= 0 && minutes <= 59;
}

std::optional<TimeOfDay> ReadTimeBox(std::string_view text) {
  if (text == "None") return std::nullopt;
  return ReadTime(FormatTime(TrimView(text)));
}

std::string TimeBoxText(const LocaleFacts& locale, std::string_view foundTime) {
  const auto parts = SplitFoundTime(foundTime);
  if (!parts) return "None";
  return BoxText(locale, parts->hour, parts->minutes, parts->suffix);
}

std::string HourLaterBoxText(const LocaleFacts& locale, std::string_view foundStart) {
  const auto parts = SplitFoundTime(foundStart);
  if (!parts) return "None";
  const int hour = ReadIntOr(parts->hour, 0);
  std::string_view suffix = parts->suffix;
  int later;
  if (hour >= 1 && hour <= 10)
    later = hour + 1;
  else if (hour == 12)
    later = 1;
  else if (hour == 11 && (suffix == "am" || suffix == "pm")) {
    later = 12;
    suffix = suffix == "am" ? "pm" : "am";
  } else {
    return "None";
  }
  return BoxText(locale, std::to_string(later), parts->minutes, suffix);
}

Date CheckSpanDays(Date start, Date end, std::string_view startBox, std::string_view endBox) {
  if (start != end || startBox == "None" || endBox == "None") return end;
  std::pair<int, int> times[2];  // hours of the day, then minutes
  const std::string_view boxes[2] = {startBox, endBox};
  for (int i = 0; i < 2; ++i) {
    const auto colon = static_cast<long long>(PositionOf(":", boxes[i]));
    const int hours = ReadIntOr(SubView(boxes[i], 1, colon - 1), 99);
    const int minutes = ReadIntOr(SubView(boxes[i], colon + 1, 2), 99);
    const bool am = ContainsText(boxes[i], "am");
    if (hours == 99 || (!am && !ContainsText(boxes[i], "pm"))) return end;
    const bool pm = !am;
    times[i] = {(hours == 12 ? 0 : hours) + (pm ? 12 : 0), minutes};
  }
  if (times[1] < times[0]) return AddDays(start, 1).value_or(end);
  return start;
}

}  // namespace qrv
