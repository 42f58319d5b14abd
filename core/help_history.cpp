#include "core/help_history.h"

namespace qrv {

void HelpHistory::Push(int page) {
  if (pages_.empty() || pages_.back() != page) pages_.push_back(page);
}

std::optional<int> HelpHistory::Back() {
  if (CanGoBack()) pages_.pop_back();
  return Current();
}

std::optional<int> HelpHistory::Current() const {
  if (pages_.empty()) return std::nullopt;
  return pages_.back();
}

}  // namespace qrv
