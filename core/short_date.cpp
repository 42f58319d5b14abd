#include "core/short_date.h"

#include <array>
#include <cstdio>

namespace qrv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The order of day ('d'), month ('M') and year ('y') in the format.
std::string FieldOrder(std::string_view format) {
  std::string order;
  for (char c : format) {
    if ((c == 'd' || c == 'M' || c == 'y') && order.find(c) == std::string::npos) order += c;
  }
  return order.size() == 3 ? order : "Mdy";
}

int RunLength(std::string_view format, std::size_t at) {
  std::size_t end = at;
  while (end < format.size() && format[end] == format[at]) ++end;
  return static_cast<int>(end - at);
}

}  // namespace

std::optional<Date> ParseShortDate(std::string_view text, std::string_view format) {
  std::array<int, 3> numbers{};
  int count = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    if (count == 3) return std::nullopt;
    long value = 0;
    for (int digits = 0; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      if (digits == 4) return std::nullopt;
      value = value * 10 + (text[i] - '0');
    }
    numbers[count++] = static_cast<int>(value);
  }
  if (count != 3) return std::nullopt;
  const std::string order = FieldOrder(format);
  int day = 0, month = 0, year = 0;
  for (int k = 0; k < 3; ++k) {
    (order[k] == 'd' ? day : order[k] == 'M' ? month : year) = numbers[k];
  }
  if (year < 100) year += year >= 50 ? 1900 : 2000;
  return MakeDate(year, month, day);
}

std::string FormatShortDate(Date date, std::string_view format) {
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    const int run = RunLength(format, i);
    char buffer[8];
    if (c == 'd' || c == 'M') {
      std::snprintf(buffer, sizeof buffer, run >= 2 ? "%02d" : "%d", c == 'd' ? date.day : date.month);
      out += buffer;
    } else if (c == 'y') {
      const int year = date.year;
      std::snprintf(buffer, sizeof buffer, run >= 3 ? "%04d" : "%02d", run >= 3 ? year : year % 100);
      out += buffer;
    } else {
      out.append(static_cast<std::size_t>(run), c);
    }
    i += static_cast<std::size_t>(run);
  }
  return out;
}

}  // namespace qrv
