// The words of a quick-entry subject: split as a comma-separated text is read,
// then rewritten so that the date and time words stand alone ("10am-2pm" is
// two words, "21st" is 21, "weekend" is Saturday and Sunday, "of" goes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qrv {

// Blanks, control characters and commas separate words; blanks around a comma
// belong to it, so two commas with only blanks between them (or a comma that
// ends the text) give an empty word. A word that begins with a double quote
// runs to the closing quote (to the end of the text when there is none) and
// may hold blanks; two quotes inside it stand for one. Words keep their case.
std::vector<std::string> SplitSubject(std::string_view subject);

// Where a word of the subject stands: its bytes [begin, end) in the subject.
// A word made by a rewrite stands where the text it came from stands ("weekend"
// for both "saturday" and "sunday"); a quoted word spans its quotes.
struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const TextSpan&) const = default;
};

// The words of the subject as the quick-entry run reads them: split as above,
// then each rewritten so that the date and time words stand alone. With
// `spans`, it receives where each word stands, one span a word.
std::vector<std::string> SubjectWords(std::string_view subject, std::vector<TextSpan>* spans = nullptr);

// The whole text converts to an integer and is not 99999, the value that the
// quick-entry window takes for "no number".
bool ReadsAsNumber(std::string_view text);

// The words of one run, visited in order; a step may insert a word right after
// the current one, which is then visited next. Inserting costs the same
// wherever the current word stands, so long subjects stay linear.
class WordList {
 public:
  // `spans`: where each word stands in the subject; none when empty.
  explicit WordList(std::vector<std::string> words, const std::vector<TextSpan>& spans = {});

  // Moves to the next word; false when every word has been visited.
  bool Next() {
    if (ahead_.empty()) return false;
    visited_.push_back(std::move(ahead_.back()));
    ahead_.pop_back();
    return true;
  }
  std::size_t Current() const { return visited_.size() - 1; }
  std::size_t Size() const { return visited_.size() + ahead_.size(); }
  const std::string& operator[](std::size_t index) const { return At(index).text; }
  const TextSpan& Span(std::size_t index) const { return At(index).span; }
  // The inserted word stands where the current one does.
  void InsertAfterCurrent(std::string word) { ahead_.push_back({std::move(word), visited_.back().span}); }

 private:
  struct Word {
    std::string text;
    TextSpan span;
  };
  const Word& At(std::size_t index) const {
    if (index < visited_.size()) return visited_[index];
    return ahead_[ahead_.size() - 1 - (index - visited_.size())];
  }
  std::vector<Word> visited_;  // up to and with the current word
  std::vector<Word> ahead_;    // the rest, the next word last
};

}  // namespace qrv
