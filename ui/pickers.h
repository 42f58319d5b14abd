// Controls that pick a value: month calendar (a range of days) and up-down
// beside an edit.
#pragma once

#include <functional>

#include "ui/control.h"

namespace qrv {

struct PickerArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  int minimum = 0;  // up-down
  int maximum = 100;
  HWND buddy = nullptr;  // up-down: the edit it counts in
  bool noToday = false;  // month calendar: without the "Today" line under the days
};

class MonthCalendar : public Control {
 public:
  MonthCalendar(Container& parent, const PickerArgs& args);
  // The selected days, first and last.
  std::pair<SYSTEMTIME, SYSTEMTIME> Range() const;
  bool SetRange(const SYSTEMTIME& first, const SYSTEMTIME& last, Notify notify = Notify::kNo);
  void SetMaxSelectedDays(int days) { Send(MCM_SETMAXSELCOUNT, static_cast<WPARAM>(days)); }
  // The colour of a part (MCSC_TITLEBK, MCSC_TRAILINGTEXT, ...).
  void SetColour(int part, COLORREF colour) { Send(MCM_SETCOLOR, static_cast<WPARAM>(part), colour); }
  // The least size that shows one whole month, in pixels.
  SIZE MinimumSize() const;
  std::function<void()> onSelect;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;
};

class UpDown : public Control {
 public:
  UpDown(Container& parent, const PickerArgs& args);
  int Position() const { return static_cast<int>(Send(UDM_GETPOS32)); }
  void SetPosition(int position, Notify notify = Notify::kNo);
  std::function<void(int position)> onChange;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  int minimum_, maximum_;
};

}  // namespace qrv
