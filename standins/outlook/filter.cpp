#include "filter.h"

#include <optional>

#include "core/text.h"

namespace standin {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return text_.empty();
  }
  bool Take(std::string_view token) {
    SkipBlanks();
    if (!qrv::EqualsIgnoringCase(text_.substr(0, token.size()), token)) return false;
    text_.remove_prefix(token.size());
    return true;
  }
  // A joining word must stand alone: "and" but not "andrew".
  bool TakeWord(std::string_view word) {
    SkipBlanks();
    if (text_.size() > word.size() && text_[word.size()] != ' ' && text_[word.size()] != '[') {
      return false;
    }
    return Take(word);
  }
  std::string Until(char end) {
    const std::size_t at = text_.find(end);
    if (at == std::string_view::npos) Fail();
    std::string part(text_.substr(0, at));
    text_.remove_prefix(at + 1);
    return part;
  }
  std::string Value() {
    SkipBlanks();
    if (text_.empty()) Fail();
    const char first = text_.front();
    if (first == '"' || first == '\'') {
      text_.remove_prefix(1);
      return Quoted(first);
    }
    const std::size_t end = text_.find(' ');
    std::string value(text_.substr(0, end));
    text_.remove_prefix(value.size());
    return value;
  }
  // The rest of a quoted value; the quote doubled stands for itself, as in
  // Outlook's filters: "Say ""hi""" is Say "hi".
  std::string Quoted(char quote) {
    std::string value = Until(quote);
    while (!text_.empty() && text_.front() == quote) {
      text_.remove_prefix(1);
      value += quote;
      value += Until(quote);
    }
    return value;
  }
  [[noreturn]] void Fail() const {
    throw ConditionError("Cannot parse condition. Error at \"" + std::string(text_) + "\".");
  }

 private:
  void SkipBlanks() {
    while (!text_.empty() && text_.front() == ' ') text_.remove_prefix(1);
  }
  std::string_view text_;
};

}  // namespace

Condition::Condition(std::string_view text) {
  Reader reader(text);
  anyOf_.emplace_back();
  do {
    if (!reader.Take("[")) reader.Fail();
    const std::string name = reader.Until(']');
    const PropertyInfo* property = FindProperty(qrv::Trim(name));
    if (!property) throw ConditionError("The property \"" + name + "\" in the condition is unknown.");
    bool equal = true;
    if (reader.Take("<>")) {
      equal = false;
    } else if (!reader.Take("=")) {
      reader.Fail();
    }
    const std::string value = reader.Value();
    const std::optional<std::string> stored = StoredValue(*property, value);
    if (!stored) {
      throw ConditionError("\"" + value + "\" cannot be compared with [" + name + "].");
    }
    anyOf_.back().push_back(Comparison{property, equal, *stored});
    if (reader.AtEnd()) return;
    if (reader.TakeWord("or")) {
      anyOf_.emplace_back();
    } else if (!reader.TakeWord("and")) {
      reader.Fail();
    }
  } while (true);
}

bool Condition::Matches(const Item& item) const {
  for (const std::vector<Comparison>& allOf : anyOf_) {
    bool all = true;
    for (const Comparison& c : allOf) {
      const std::string value = HasProperty(*c.property, item.kind) ? item.Value(*c.property) : "";
      if (qrv::EqualsIgnoringCase(value, c.value) != c.equal) all = false;
    }
    if (all) return true;
  }
  return false;
}

}  // namespace standin
