#include "core/subject_phrases.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace qrv {

namespace {

// Subjects that begin with one of these name their entry type in the prefix.
constexpr std::array<std::string_view, 10> kTypePrefixes{
    "TASK:", "TODO:", "NOTE:", "APPT:", "CONTACT:", "NAME:", "E-MAIL:", "EMAIL:", "MSG:", "JOURNAL:"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> list) {
  return std::any_of(list.begin(), list.end(), [&](std::string_view item) { return EqualsIgnoringCase(word, item); });
}

// "TASK: ...", or "t/..." when a keyword record for "t/" matched the first word:
// "I/O error" and "w/e review" keep their first word.
std::optional<TextSpan> TypePrefix(std::string_view subject, std::string_view firstWordKeyword) {
  const std::string head = AsciiUpper(subject.substr(0, 8));
  for (const std::string_view prefix : kTypePrefixes)
    if (StartsWith(head, prefix)) return TextSpan{0, prefix.size()};
  const bool letterPrefix = subject.size() > 2 && subject[1] == '/' && (subject[0] < '0' || subject[0] > '9');
  if (letterPrefix && StartsWith(firstWordKeyword, head.substr(0, 2))) return TextSpan{0, 2};
  return std::nullopt;
}

// The date phrase of a single day: the date word with the "on" or "by" before
// it ("this" and "next" too before a weekday), "in 3 days" whole. Words that
// only hold a date word ("todays") or name a month are not taken out.
std::optional<TextSpan> DayPhrase(const WordList& words, const DateWordUse& use) {
  const std::size_t i = use.word;
  TextSpan span = words.Span(i);
  switch (use.form) {
    case DateWordForm::kNearDay:
      if (!IsOneOf(words[i], {"TODAY", "TONIGHT", "TOMORROW"})) return std::nullopt;
      break;
    case DateWordForm::kNumeric:
    case DateWordForm::kWeekday:
      break;
    case DateWordForm::kPeriod:
      return TextSpan{words.Span(i - 2).begin, span.end};
    default:
      return std::nullopt;
  }
  if (i == 0) return span;
  const std::string& before = words[i - 1];
  const bool weekday = use.form == DateWordForm::kWeekday;
  if (IsOneOf(before, {"ON", "BY"}) || (weekday && IsOneOf(before, {"THIS", "NEXT"})))
    span.begin = words.Span(i - 1).begin;
  return span;
}

// "this weekend" and "next weekend", the only phrases of a range of days.
std::optional<TextSpan> WeekendPhrase(std::string_view subject, const WordList& words, const DateWordUse& start,
                                      const DateWordUse& end) {
  const TextSpan span = words.Span(start.word);
  if (start.form != DateWordForm::kWeekday || !(words.Span(end.word) == span) || start.word == 0) return std::nullopt;
  if (!EqualsIgnoringCase(subject.substr(span.begin, span.end - span.begin), "WEEKEND")) return std::nullopt;
  if (!IsOneOf(words[start.word - 1], {"THIS", "NEXT"})) return std::nullopt;
  return TextSpan{words.Span(start.word - 1).begin, span.end};
}

std::optional<TextSpan> DatePhrase(std::string_view subject, const PhraseSources& from) {
  const DateTimeReader& reader = from.reader;
  const auto& start = reader.StartDateWord();
  if (!start || !reader.StartDate()) return std::nullopt;
  const bool range = reader.EndDate() && *reader.EndDate() > *reader.StartDate();
  if (!range) return DayPhrase(from.words, *start);
  if (!reader.EndDateWord()) return std::nullopt;
  return WeekendPhrase(subject, from.words, *start, *reader.EndDateWord());
}

// "in 2 hours", "in 45 mins".
void AddTimePhrase(const WordList& words, const std::optional<DateWordUse>& use, std::vector<UsedPhrase>& out) {
  if (!use || use->form != DateWordForm::kTimePeriod || use->word < 2) return;
  out.push_back({{words.Span(use->word - 2).begin, words.Span(use->word).end}, PhraseKind::kTime});
}

// A phrase with the brackets and sentence marks its words were read without:
// "(friday)" and "next fri." go whole. A "(" before it goes only with a ")"
// after it, so a bracket the phrase did not open stays closed.
TextSpan WithMarksAround(std::string_view subject, TextSpan span) {
  std::size_t opens = 0;
  while (span.begin > opens && subject[span.begin - opens - 1] == '(') ++opens;
  std::size_t closes = 0, end = span.end;
  for (; end < subject.size() && std::string_view(".!?)").find(subject[end]) != std::string_view::npos; ++end) {
    if (subject[end] == ')' && closes++ == opens) break;
  }
  return {span.begin - std::min(opens, closes), end};
}

bool IsTimedType(std::optional<EntryType> type) { return type == EntryType::kTask || type == EntryType::kAppointment; }

}  // namespace

std::vector<UsedPhrase> UsedPhrases(std::string_view subject, const PhraseSources& sources) {
  std::vector<UsedPhrase> phrases;
  if (const auto prefix = TypePrefix(subject, sources.firstWordKeyword))
    phrases.push_back({*prefix, PhraseKind::kTypePrefix});
  if (const auto date = DatePhrase(subject, sources)) phrases.push_back({*date, PhraseKind::kDate});
  AddTimePhrase(sources.words, sources.reader.StartTimeWord(), phrases);
  AddTimePhrase(sources.words, sources.reader.EndTimeWord(), phrases);
  for (UsedPhrase& phrase : phrases) {
    if (phrase.kind != PhraseKind::kTypePrefix) phrase.span = WithMarksAround(subject, phrase.span);
  }
  return phrases;
}

std::vector<TextSpan> RemovablePhrases(std::span<const UsedPhrase> phrases, const RemovalState& state) {
  std::vector<TextSpan> spans;
  if (!state.removal) return spans;
  const bool timed = IsTimedType(state.typeButton) && state.datesUsed;
  for (const UsedPhrase& phrase : phrases) {
    const bool removable = phrase.kind == PhraseKind::kTypePrefix ||
                           (phrase.kind == PhraseKind::kDate && timed && !state.dateByHand) ||
                           (phrase.kind == PhraseKind::kTime && timed && !state.timeByHand);
    if (removable) spans.push_back(phrase.span);
  }
  return spans;
}

std::string SubjectWithout(std::string_view subject, std::span<const TextSpan> spans) {
  std::vector<TextSpan> sorted(spans.begin(), spans.end());
  std::sort(sorted.begin(), sorted.end(), [](const TextSpan& a, const TextSpan& b) { return a.begin < b.begin; });
  std::string out;
  std::size_t at = 0;
  for (const TextSpan& span : sorted) {
    if (span.end <= span.begin || span.end <= at || span.begin >= subject.size()) continue;
    if (span.begin > at) out.append(subject.substr(at, span.begin - at));
    at = std::min(span.end, subject.size());
    if (at < subject.size() && IsBlank(subject[at])) {
      while (at < subject.size() && IsBlank(subject[at])) ++at;
      continue;
    }
    // The phrase ended the text or a clause: the blanks before it go, and a
    // comma that now stands twice or last goes once.
    while (!out.empty() && IsBlank(out.back())) out.pop_back();
    const bool clauseEnds = at == subject.size() || std::string_view(",.;!?").find(subject[at]) != std::string::npos;
    if (clauseEnds && !out.empty() && out.back() == ',') out.pop_back();
    if (out.empty() && at < subject.size() && subject[at] == ',') {
      ++at;
      while (at < subject.size() && IsBlank(subject[at])) ++at;
    }
  }
  if (at < subject.size()) out.append(subject.substr(at));
  std::string stored = Trim(out);
  return stored.empty() ? std::string(subject) : stored;
}

}  // namespace qrv
