#include "core/subject_words.h"

#include <algorithm>
#include <utility>

#include "core/text.h"

namespace qrv {

namespace {

bool IsSeparatorBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The quoted word that begins at `i`, which moves past its closing quote.
std::string QuotedWord(std::string_view text, std::size_t& i) {
  std::string word;
  ++i;
  for (;;) {
    const auto quote = text.find('"', i);
    if (quote == std::string_view::npos) {
      word += text.substr(i);
      i = text.size();
      return word;
    }
    word += text.substr(i, quote - i);
    i = quote + 1;
    if (i == text.size() || text[i] != '"') return word;
    word += '"';
    ++i;
  }
}

// An ordinal day ("21st", "2ND") without its ending; other words unchanged.
void DropOrdinalEnding(std::string& word) {
  if (word.size() <= 2) return;
  const std::string_view ending = std::string_view(word).substr(word.size() - 2);
  if (!EqualsIgnoringCase(ending, "ST") && !EqualsIgnoringCase(ending, "ND") && !EqualsIgnoringCase(ending, "RD") &&
      !EqualsIgnoringCase(ending, "TH"))
    return;
  const int day = ReadIntOr(std::string_view(word).substr(0, word.size() - 2), 0);
  if (day >= 1 && day <= 31) word.resize(word.size() - 2);
}

// Brackets and sentence marks around a word are not part of it: "(friday)",
// "at 3pm." and "noon!" read as their words. A word of marks only stays.
std::string_view WithoutMarks(std::string_view word) {
  const auto first = word.find_first_not_of('(');
  const auto last = word.find_last_not_of(".!?)");
  if (first == std::string_view::npos || last == std::string_view::npos || last < first) return word;
  return word.substr(first, last - first + 1);
}

// The am or pm that ends a time ("5pm", "10:30a"), or empty.
std::string_view AmPmSuffix(std::string_view time) {
  const auto letters = time.find_last_of("0123456789") + 1;
  if (letters == 0 || letters == time.size()) return {};
  const std::string_view suffix = time.substr(letters);
  for (std::string_view known : {"am", "pm", "a", "p"}) {
    if (EqualsIgnoringCase(suffix, known)) return suffix;
  }
  return {};
}

bool IsBareHour(std::string_view text) {
  const int hour = ReadIntOr(text, 0);
  return hour >= 1 && hour <= 12 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The words of a run and, when asked for, where each stands.
struct WordSink {
  std::vector<std::string>& words;
  std::vector<TextSpan>* spans;
  void Add(std::string word, TextSpan span) {
    words.push_back(std::move(word));
    if (spans) spans->push_back(span);
  }
};

void PushWord(std::string word, TextSpan span, WordSink& out) {
  const bool weekend = EqualsIgnoringCase(word, "WEEKEND");
  if (weekend) word = "saturday";
  DropOrdinalEnding(word);
  if (!EqualsIgnoringCase(word, "OF")) out.Add(std::move(word), span);
  if (weekend) out.Add("sunday", span);
}

// The am or pm of the bare hour of "3-5pm": the right part's when the range
// stays on its side of noon (3 to 5 pm), the other one when it crosses noon
// (11 am to 1 pm); 12 counts as 0.
std::string RangeStartSuffix(std::string_view left, std::string_view right) {
  const std::string_view suffix = AmPmSuffix(right);
  const int end = ReadIntOr(right.substr(0, right.find_first_not_of("0123456789")), 0);
  if (suffix.empty() || end < 1 || end > 12) return {};
  const bool pm = suffix[0] == 'p' || suffix[0] == 'P';
  const bool same = ReadIntOr(left, 0) % 12 < end % 12;
  return (pm == same ? "p" : "a") + std::string(suffix.size() == 2 ? "m" : "");
}

// The span of `part`, a piece of `word`, when the word is the subject's text
// as it stands there; the word's own span when it is not (a quoted word).
TextSpan PartSpan(std::string_view word, TextSpan span, bool verbatim, std::string_view part) {
  if (!verbatim) return span;
  const auto offset = static_cast<std::size_t>(part.data() - word.data());
  return {span.begin + offset, span.begin + offset + part.size()};
}

// "10am-2pm" and "call-back" split in two; "12-25-2003" and "5-7" stay whole.
void RewriteWord(std::string_view word, TextSpan span, bool verbatim, WordSink& out) {
  if (EqualsIgnoringCase(word, "A.M.") || EqualsIgnoringCase(word, "P.M.")) {
    out.Add(EqualsIgnoringCase(word, "A.M.") ? "AM" : "PM", span);
    return;
  }
  const std::string_view inner = WithoutMarks(word);
  span = PartSpan(word, span, verbatim, inner);
  word = inner;
  if (const auto dash = word.find('-'); dash != std::string_view::npos) {
    const std::string_view left = word.substr(0, dash), rest = word.substr(dash + 1);
    if (!ReadsAsNumber(left) || (rest.find('-') == std::string_view::npos && !ReadsAsNumber(rest))) {
      std::string first(left);
      if (IsBareHour(left)) first += RangeStartSuffix(left, rest);
      PushWord(std::move(first), PartSpan(word, span, verbatim, left), out);
      out.Add(std::string(rest), PartSpan(word, span, verbatim, rest));
      return;
    }
    if (word.back() == '-') {
      span = PartSpan(word, span, verbatim, left);
      word = left;
    }
  }
  PushWord(std::string(word), span, out);
}

// Calls `take` with each word of the text, in order, with where it stands and
// whether it is the text as it stands there (false for a quoted word).
template <typename Take>
void SplitInto(std::string_view text, Take take) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsSeparatorBlank(text[i])) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    const std::size_t start = i;
    if (text[i] == '"') {
      std::string word = QuotedWord(text, i);
      take(std::move(word), TextSpan{start, i}, false);
    } else {
      while (i < text.size() && !IsSeparatorBlank(text[i]) && text[i] != ',') ++i;
      take(std::string(text.substr(start, i - start)), TextSpan{start, i}, true);
    }
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      if (i + 1 == text.size()) take(std::string(), TextSpan{i + 1, i + 1}, true);
      ++i;
      skipBlanks();
    }
  }
}

}  // namespace

std::vector<std::string> SplitSubject(std::string_view subject) {
  std::vector<std::string> words;
  SplitInto(subject, [&words](std::string word, TextSpan, bool) { words.push_back(std::move(word)); });
  return words;
}

std::vector<std::string> SubjectWords(std::string_view subject, std::vector<TextSpan>* spans) {
  std::vector<std::string> words;
  words.reserve(16);
  if (spans) spans->reserve(16);
  WordSink sink{words, spans};
  SplitInto(subject, [&sink](const std::string& word, TextSpan span, bool verbatim) {
    RewriteWord(word, span, verbatim, sink);
  });
  return words;
}

bool ReadsAsNumber(std::string_view text) { return ReadIntOr(text, 99999) != 99999; }

WordList::WordList(std::vector<std::string> words, const std::vector<TextSpan>& spans) {
  ahead_.reserve(words.size());
  for (std::size_t i = words.size(); i-- > 0;)
    ahead_.push_back({std::move(words[i]), i < spans.size() ? spans[i] : TextSpan{}});
  visited_.reserve(ahead_.size() + 4);
}

}  // namespace qrv
