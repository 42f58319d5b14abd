// A time box of the date panel: an editable combo of "None" and the half-hour
// times, whose leaving is an event of its own.
#pragma once

#include <functional>

#include "ui/edits.h"

namespace qrv {

// What a time box holds when it holds no time.
inline constexpr wchar_t kNoTime[] = L"None";

// The list is filled when the box first takes the focus or drops down: two filled lists cost the window's
// opening more than the rest of its date panel, and most items are typed without ever opening them.
class TimeBox : public ComboBox {
 public:
  TimeBox(Container& parent, const ComboArgs& args) : ComboBox(parent, args) {}
  // A time picked from the list is in the box's text before onSelect runs.
  std::function<void()> onExit;
  void HandleCommand(WORD code) override;

 private:
  void FillList();
  bool filled_ = false;
};

}  // namespace qrv
