#include "core/title_pattern.h"

#include "core/text.h"

namespace qrv {

std::optional<TitlePattern> TitlePattern::Parse(std::string_view text) {
  const auto star = text.find('*');
  if (star == std::string_view::npos) return TitlePattern(Mode::kBeginsWith, text);
  if (star > 0) return TitlePattern(Mode::kBeginsWith, text.substr(0, star));
  if (text.size() == 1) return TitlePattern(Mode::kAny, {});
  if (text.find('*', 1) != std::string_view::npos) return std::nullopt;
  return TitlePattern(Mode::kEndsWith, text.substr(1));
}

bool TitlePattern::Matches(std::string_view title) const {
  if (mode_ == Mode::kAny) return true;
  if (title.size() < text_.size()) return false;
  const std::size_t from = mode_ == Mode::kBeginsWith ? 0 : title.size() - text_.size();
  return EqualsIgnoringCase(title.substr(from, text_.size()), text_);
}

}  // namespace qrv
