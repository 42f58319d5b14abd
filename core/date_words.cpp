#include "core/date_words.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

namespace {

bool NameIs(const std::string& name, std::string_view word) {
  return name.size() == word.size() && !name.empty() && EqualsIgnoringCase(name, word);
}

// A day of the month 1..31, or 0.
int DayWord(std::string_view word) {
  const int n = ReadIntOr(word, 99999);
  return n >= 1 && n <= 31 ? n : 0;
}

bool IsYearWord(std::string_view word) { return word.size() == 4 && ReadIntOr(word, 99999) < 9999; }

// n of "in n days", "in n hours" ...: the word before `s` is a number below
// 9999 and the one before that is "in".
std::optional<int> CountBefore(const WordList& words, std::size_t s) {
  if (s < 2 || !EqualsIgnoringCase(words[s - 2], "IN")) return std::nullopt;
  const int n = ReadIntOr(words[s - 1], 99999);
  return n < 9999 ? std::optional(n) : std::nullopt;
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> list) {
  for (const auto item : list)
    if (EqualsIgnoringCase(word, item)) return true;
  return false;
}

// Times joined by "-" ("5-6-7-8pm") longer than this are not read as times.
constexpr std::size_t kLongestTimeChain = 32;

bool IsAmPmWord(std::string_view word) { return word.size() <= 2 && IsOneOf(word, {"a", "am", "p", "pm"}); }

// The hours of a time are read as an integer, so a text that does not begin
// the way an integer may begin is no time, whatever FormatTime makes of it.
bool MayStartTime(std::string_view text) {
  return !text.empty() &&
         ((text[0] >= '0' && text[0] <= '9') || std::string_view(" +-$x").find(text[0]) != std::string_view::npos);
}

}  // namespace

DateTimeReader::DateTimeReader(const LocaleFacts& locale, Date today, TimeOfDay now)
    : locale_(locale), today_(today), now_(now), year_(today.year) {}

bool DateTimeReader::IsMonthName(std::string_view word) const {
  for (int m = 0; m < 12; ++m)
    if (NameIs(locale_.longMonthNames[m], word) || NameIs(locale_.shortMonthNames[m], word)) return true;
  return false;
}

void DateTimeReader::DateStep(const WordList& words, std::size_t s, std::string_view upper) {
  std::optional<Date> found;
  DateWordForm form = DateWordForm::kNearDay;
  yearGiven_ = true;  // words like "today" and weekdays are never moved to next year
  const auto tomorrow = PositionOf("TOMORROW", upper);
  if (tomorrow != 0 && tomorrow != PositionOf("TOMORROW'S", upper)) {
    found = AddDays(today_, 1);
  } else if (Contains(upper, "TODAY") || Contains(upper, "TONIGHT")) {
    found = today_;
  } else if (PositionOf("-", upper) > 1 && upper.back() != '-' && !(s > 0 && IsMonthName(words[s - 1]))) {
    form = DateWordForm::kNumeric;
    found = ReadNumericDate(upper, '-', locale_.dateOrder, today_.year);
    yearGiven_ = std::count(upper.begin(), upper.end(), '-') >= 2;
  } else if (PositionOf("/", upper) > 1 && upper.back() != '/') {
    form = DateWordForm::kNumeric;
    found = ReadNumericDate(upper, '/', locale_.dateOrder, today_.year);
    yearGiven_ = std::count(upper.begin(), upper.end(), '/') >= 2;
  } else {
    yearGiven_ = false;
    const bool hadEnd = end_.has_value();
    form = DateWordForm::kMonthName;
    found = MonthDate(words, s, upper);
    if (!hadEnd && end_) endWord_ = DateWordUse{s, form};  // "Dec 24-26" gave its end too
    if (!found) {
      yearGiven_ = true;
      found = Weekday(words, s, upper);
      form = DateWordForm::kWeekday;
    }
    if (!found) {
      found = InPeriod(words, s, upper);
      form = DateWordForm::kPeriod;
    }
  }
  if (!found) return;
  if (!start_) {
    start_ = found;
    startWord_ = DateWordUse{s, form};
  } else if (!end_) {
    // An end without a year in a month before its start's is next year's:
    // "Dec 28 to Jan 3". Any other end before its start is no end at all.
    if (found->month < start_->month && !yearGiven_) {
      if (const auto next = MakeDate(found->year + 1, found->month, found->day)) found = next;
    }
    end_ = found;
    endWord_ = DateWordUse{s, form};
  }
}

// "25 December 2003", "December 25 2003", "Dec 24-26": sets the date registers
// from the words around a month name.
std::optional<Date> DateTimeReader::MonthDate(const WordList& words, std::size_t s, std::string_view upper) {
  std::optional<Date> found;
  for (int m = 1; m <= 12; ++m) {
    if (!NameIs(locale_.longMonthNames[m - 1], upper) && !NameIs(locale_.shortMonthNames[m - 1], upper)) continue;
    month_ = m;
    const bool hasNext = s + 1 < words.Size();
    const int dayBefore = s > 0 ? DayWord(words[s - 1]) : 0;
    if (dayBefore != 0 && !(s > 1 && IsMonthName(words[s - 2]))) {
      day_ = dayBefore;
      if (hasNext && IsYearWord(words[s + 1])) {
        year_ = ReadIntOr(words[s + 1], 0);
        yearGiven_ = true;
      }
    } else if (hasNext) {
      if (s + 2 < words.Size() && IsYearWord(words[s + 2])) {
        year_ = ReadIntOr(words[s + 2], 0);
        yearGiven_ = true;
      }
      const std::string& next = words[s + 1];
      const auto dash = static_cast<long long>(PositionOf("-", next));
      if (dash == 0) {
        if (const int day = DayWord(next)) day_ = day;
      } else if (!start_) {
        // A range: the day before the "-" is the date found, the one after it the end.
        if (const int first = DayWord(SubText(next, 1, dash - 1))) {
          day_ = first;
          if (const int last = DayWord(SubTextFrom(next, dash + 1)))
            if (const auto end = MakeDate(year_, m, last)) end_ = end;
        }
      }
    }
    found = MakeDate(year_, month_, day_);
  }
  return found;
}

// "friday", "Fri", "Fri.", "next friday": the first such day after the base
// day (today, or the start date already found), a week later after "next".
std::optional<Date> DateTimeReader::Weekday(const WordList& words, std::size_t s, std::string_view upper) const {
  std::optional<Date> found;
  std::optional<Date> base;
  int i = 1;
  for (int k = 0; k < 7; ++k) {
    const std::string& shortName = locale_.shortDayNames[k];
    const bool shortWithDot =
        !upper.empty() && upper.back() == '.' && NameIs(shortName, upper.substr(0, upper.size() - 1));
    if (!NameIs(locale_.longDayNames[k], upper) && !NameIs(shortName, upper) && !shortWithDot) continue;
    // "Friday March 5 ...": the month name's date decides.
    if (s + 2 < words.Size() && IsMonthName(words[s + 1])) {
      found.reset();
      continue;
    }
    if (!base) {
      base = start_.value_or(today_);
      if (s > 0 && EqualsIgnoringCase(words[s - 1], "NEXT")) base = AddDays(*base, 6);
      if (!base) return std::nullopt;
    }
    for (; i < 15 && !found; ++i) {
      const auto day = AddDays(*base, i);
      if (day && DayOfWeek(*day) == k) found = day;
    }
  }
  return found;
}

// "in 3 days", "in 2 weeks", "in 1 month", "in 5 years".
std::optional<Date> DateTimeReader::InPeriod(const WordList& words, std::size_t s, std::string_view upper) {
  const auto n = CountBefore(words, s);
  if (!n) return std::nullopt;
  if (IsOneOf(upper, {"DAY", "DAYS"})) return AddDays(today_, *n);
  if (IsOneOf(upper, {"WEEK", "WEEKS"})) return AddDays(today_, 7LL * *n);
  if (IsOneOf(upper, {"MONTH", "MONTHS"})) {
    year_ = today_.year;
    month_ = today_.month + *n;
    day_ = today_.day;
    if (month_ > 12) {
      year_ += (month_ - 1) / 12;
      month_ = (month_ - 1) % 12 + 1;
    }
    return RegistersDateSteppedBack();
  }
  if (IsOneOf(upper, {"YEAR", "YEARS"})) {
    year_ = today_.year + *n;
    month_ = today_.month;
    day_ = today_.day;
    return RegistersDateSteppedBack();
  }
  return std::nullopt;
}

// The date of the registers; a day past the end of the month steps back to its
// last day (31 January plus a month is 28 or 29 February). Past the year 9999,
// or before the year 1, there is none.
std::optional<Date> DateTimeReader::RegistersDateSteppedBack() {
  for (int step = 0;; ++step) {
    if (const auto date = MakeDate(year_, month_, day_)) return date;
    if (step == 3) return std::nullopt;
    --day_;
  }
}

void DateTimeReader::TimeStep(WordList& words, std::size_t s) {
  std::string text = InitialFormatTime(words[s]);
  const bool hasA = text.find('a') != std::string::npos;
  const bool hasP = text.find('p') != std::string::npos;
  const auto colon = PositionOf(":", text);
  bool found;
  const bool fromPeriod = !hasA && !hasP && colon != 2 && colon != 3;
  if (fromPeriod) {
    found = InTime(words, s, text);
  } else {
    // "9 pm": the suffix joins the word before it.
    if (s > 0 && IsAmPmWord(text)) text = AsciiLower(words[s - 1] + words[s]);
    // "9am-5pm": the part after the "-" is visited as a word of its own. A
    // long word of many "-" is no time and is not walked piece by piece, which
    // would take time growing with the square of its length.
    const auto dash = static_cast<long long>(PositionOf("-", text));
    if (dash > 1) {
      std::string rest = SubTextFrom(text, dash + 1);
      if (rest.find('-') != std::string::npos && text.size() > kLongestTimeChain) return;
      words.InsertAfterCurrent(std::move(rest));
      text = SubText(text, 1, dash - 1);
    }
    found = MayStartTime(text);
    if (found) {
      text = FormatTime(text);
      found = CheckTime(text);
    }
    // "9:30 pm": the time is taken when the suffix word joins it.
    const bool both = Contains(text, "a") && Contains(text, "p");
    if (s + 1 < words.Size() && !both && IsAmPmWord(words[s + 1])) found = false;
  }
  if (!found) return;
  const DateWordUse use{s, fromPeriod ? DateWordForm::kTimePeriod : DateWordForm::kClockTime};
  if (startTime_.empty()) {
    startTime_ = text;
    startTimeWord_ = use;
  } else if (endTime_.empty()) {
    endTime_ = text;
    endTimeWord_ = use;
  }
}

// "in 2 hours", "in 45 mins": now plus that time, within the next day.
bool DateTimeReader::InTime(const WordList& words, std::size_t s, std::string& text) {
  const auto n = CountBefore(words, s);
  if (!n) return false;
  long long minutes;
  if (IsOneOf(text, {"hour", "hours"}))
    minutes = 60LL * *n;
  else if (IsOneOf(text, {"minute", "min", "minutes", "mins"}))
    minutes = *n;
  else
    return false;
  const auto time = AddMinutes(minutes, now_);
  if (!time) return false;
  text = AsciiLower(FormatShortTime(locale_, TimeOfDay{time->hour, time->minute, 0}));
  // Past midnight the time is tomorrow's, unless the subject gave a date first.
  if ((*time < now_ || minutes >= 24LL * 60) && !start_) {
    start_ = AddDays(today_, 1);
    startWord_ = DateWordUse{s, DateWordForm::kTimePeriod};
  }
  return true;
}

}  // namespace qrv
