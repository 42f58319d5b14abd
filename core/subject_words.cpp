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

void RewriteWord(std::string word, std::vector<std::string>& out) {
  // "10am-2pm" and "call-back" split in two; "12-25-2003" and "5-7" stay whole.
  std::string right;
  bool split = false;
  if (const auto dash = word.find('-'); dash != std::string::npos) {
    std::string left = word.substr(0, dash);
    std::string rest = word.substr(dash + 1);
    if (!ReadsAsNumber(left) || (rest.find('-') == std::string::npos && !ReadsAsNumber(rest))) {
      word = std::move(left);
      right = std::move(rest);
      split = true;
    } else if (word.back() == '-') {
      word = std::move(left);
    }
  }
  const bool weekend = EqualsIgnoringCase(word, "WEEKEND");
  if (weekend) word = "saturday";
  DropOrdinalEnding(word);
  if (EqualsIgnoringCase(word, "A.M."))
    word = "AM";
  else if (EqualsIgnoringCase(word, "P.M."))
    word = "PM";
  if (!EqualsIgnoringCase(word, "OF")) out.push_back(std::move(word));
  if (weekend) out.emplace_back("sunday");
  if (split) out.push_back(std::move(right));
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
  SplitInto(subject, [&words](std::string word) { RewriteWord(std::move(word), words); });
  return words;
}

bool ReadsAsNumber(std::string_view text) { return ReadIntOr(text, 99999) != 99999; }

WordList::WordList(std::vector<std::string> words) : ahead_(std::move(words)) {
  std::reverse(ahead_.begin(), ahead_.end());
  visited_.reserve(ahead_.size() + 4);
}

}  // namespace qrv
