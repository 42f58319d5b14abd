// The pages a help viewer has shown, newest last, for its Back button. The
// page shown is always the last entry; showing it again adds nothing.
#pragma once

#include <optional>
#include <vector>

namespace qrv {

class HelpHistory {
 public:
  // Records a page as shown, unless it is the one shown already.
  void Push(int page);
  // Back returns to an earlier page only when there is one.
  bool CanGoBack() const { return pages_.size() >= 2; }
  // Forgets the page shown (never the first) and returns the one to show now;
  // nothing when the history is empty.
  std::optional<int> Back();
  std::optional<int> Current() const;
  std::size_t Size() const { return pages_.size(); }
  void Clear() { pages_.clear(); }

 private:
  std::vector<int> pages_;
};

}  // namespace qrv
