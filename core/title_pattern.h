// A pattern that a window title is compared with: text the title begins with;
// "*" followed by text the title ends with; "*" alone for any title. Text after
// a "*" further in is not compared, and a leading "*" with a second "*" is no
// pattern. ASCII letters compare without case, every other byte exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qrv {

class TitlePattern {
 public:
  // None when the text is no pattern.
  static std::optional<TitlePattern> Parse(std::string_view text);
  bool Matches(std::string_view title) const;

 private:
  enum class Mode { kBeginsWith, kEndsWith, kAny };
  TitlePattern(Mode mode, std::string_view text) : mode_(mode), text_(text) {}
  Mode mode_;
  std::string text_;
};

}  // namespace qrv
