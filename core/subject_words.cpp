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

void PushWord(std::string word, std::vector<std::string>& out) {
  const bool weekend = EqualsIgnoringCase(word, "WEEKEND");
  if (weekend) word = "saturday";
  DropOrdinalEnding(word);
  if (!EqualsIgnoringCase(word, "OF")) out.push_back(std::move(word));
  if (weekend) out.emplace_back("sunday");
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

// "10am-2pm" and "call-back" split in two; "12-25-2003" and "5-7" stay whole.
void RewriteWord(std::string_view word, std::vector<std::string>& out) {
  if (EqualsIgnoringCase(word, "A.M.") || EqualsIgnoringCase(word, "P.M.")) {
    out.emplace_back(EqualsIgnoringCase(word, "A.M.") ? "AM" : "PM");
    return;
  }
  word = WithoutMarks(word);
  if (const auto dash = word.find('-'); dash != std::string_view::npos) {
    const std::string_view left = word.substr(0, dash), rest = word.substr(dash + 1);
    if (!ReadsAsNumber(left) || (rest.find('-') == std::string_view::npos && !ReadsAsNumber(rest))) {
      std::string first(left);
      if (IsBareHour(left)) first += RangeStartSuffix(left, rest);
      PushWord(std::move(first), out);
      out.emplace_back(rest);
      return;
    }
    if (word.back() == '-') word = left;
  }
  PushWord(std::string(word), out);
}

// Calls `take` with each word of the text, in order.
template <typename Take>
void SplitInto(std::string_view text, Take take) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsSeparatorBlank(text[i])) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    if (text[i] == '"') {
      take(QuotedWord(text, i));
    } else {
      const std::size_t start = i;
      while (i < text.size() && !IsSeparatorBlank(text[i]) && text[i] != ',') ++i;
      take(std::string(text.substr(start, i - start)));
    }
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      if (i + 1 == text.size()) take(std::string());
      ++i;
      skipBlanks();
    }
  }
}

}  // namespace

std::vector<std::string> SplitSubject(std::string_view subject) {
  std::vector<std::string> words;
  SplitInto(subject, [&words](std::string word) { words.push_back(std::move(word)); });
  return words;
}

std::vector<std::string> SubjectWords(std::string_view subject) {
  std::vector<std::string> words;
  words.reserve(16);
  SplitInto(subject, [&words](const std::string& word) { RewriteWord(word, words); });
  return words;
}

bool ReadsAsNumber(std::string_view text) { return ReadIntOr(text, 99999) != 99999; }

WordList::WordList(std::vector<std::string> words) : ahead_(std::move(words)) {
  std::reverse(ahead_.begin(), ahead_.end());
  visited_.reserve(ahead_.size() + 4);
}

}  // namespace qrv
