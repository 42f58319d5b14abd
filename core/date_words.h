// The date and time words of a quick-entry subject: each word of the run is
// offered to the date step and then to the time step, which keep the first two
// dates and the first two times found.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/dates.h"
#include "core/subject_words.h"

namespace qrv {

// How the word that gave a date or a time reads.
enum class DateWordForm {
  kNearDay,    // "today", "tonight", "tomorrow" (or a word holding one)
  kNumeric,    // "5/3/03", "12-25-2003"
  kMonthName,  // "March" with the day and year around it
  kWeekday,    // "friday", "Fri", "Fri." ("saturday" and "sunday" for "weekend")
  kPeriod,     // the unit of "in 3 days", "in 2 weeks" ...
  kClockTime,  // "3pm", "9:30"
  kTimePeriod  // the unit of "in 2 hours", "in 45 mins"
};

// The word of the run (its index in the word list) that gave a date or a time.
struct DateWordUse {
  std::size_t word = 0;
  DateWordForm form = DateWordForm::kNearDay;
};

// What the date and time steps of one run share.
class DateTimeReader {
 public:
  DateTimeReader(const LocaleFacts& locale, Date today, TimeOfDay now);

  bool WantsDate() const { return !start_ || !end_; }
  bool WantsTime() const { return startTime_.empty() || endTime_.empty(); }

  // The word at `s` of `words`, `upper` being it in capitals.
  void DateStep(const WordList& words, std::size_t s, std::string_view upper);
  // May insert the part after a "-" as the next word.
  void TimeStep(WordList& words, std::size_t s);

  const std::optional<Date>& StartDate() const { return start_; }
  const std::optional<Date>& EndDate() const { return end_; }
  // Times are held as hours ":" two minute digits "am"/"pm" ("9:05pm"), or,
  // for "in 2 hours" and the like, as the short time text in lower case.
  const std::string& StartTime() const { return startTime_; }
  const std::string& EndTime() const { return endTime_; }
  // The words that gave them.
  const std::optional<DateWordUse>& StartDateWord() const { return startWord_; }
  const std::optional<DateWordUse>& EndDateWord() const { return endWord_; }
  const std::optional<DateWordUse>& StartTimeWord() const { return startTimeWord_; }
  const std::optional<DateWordUse>& EndTimeWord() const { return endTimeWord_; }

 private:
  bool IsMonthName(std::string_view word) const;
  std::optional<Date> MonthDate(const WordList& words, std::size_t s, std::string_view upper);
  std::optional<Date> Weekday(const WordList& words, std::size_t s, std::string_view upper) const;
  std::optional<Date> InPeriod(const WordList& words, std::size_t s, std::string_view upper);
  std::optional<Date> RegistersDateSteppedBack();
  bool InTime(const WordList& words, std::size_t s, std::string& text);

  const LocaleFacts& locale_;
  Date today_;
  TimeOfDay now_;
  // The date registers: a month-name date without its own year or day takes
  // the one set last, by an earlier date word of the same subject.
  int year_, month_ = 0, day_ = 0;
  std::optional<Date> start_, end_;
  bool yearGiven_ = true;  // the date being read gave its year, or needs none
  std::string startTime_, endTime_;
  std::optional<DateWordUse> startWord_, endWord_, startTimeWord_, endTimeWord_;
};

}  // namespace qrv
