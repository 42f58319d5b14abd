// The date panel under the entry area: the start and end times with the
// reminder, timer and floating-date buttons beside them, and the calendar of
// the item's days with Today and None under it. The window shows it for the
// types that have dates and grows by its height.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/entry_keys.h"
#include "core/entry_layout.h"
#include "core/quick_entry.h"
#include "entry/entry_data.h"
#include "entry/time_box.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/pickers.h"

namespace qrv {

class DatePanel : public Panel {
 public:
  DatePanel(Container& parent, bool reminderOn, bool timerOn, const LocaleFacts& locale, const EntryClock& clock);

  DateRange Dates() const;
  void SetDates(const DateRange& range);
  void Today();
  TimeBox& StartTime() { return startTime_; }
  const TimeBox& StartTime() const { return startTime_; }
  TimeBox& EndTime() { return endTime_; }
  const TimeBox& EndTime() const { return endTime_; }
  CheckBox& Reminder() { return reminderButton_; }
  const CheckBox& Reminder() const { return reminderButton_; }
  const CheckBox& Timer() const { return timerButton_; }
  const CheckBox& Float() const { return floatButton_; }
  std::optional<EntryField> FieldOf(HWND window) const;
  bool HasFocus() const;

  // The times as the parser reads them; both boxes back to "None".
  void ShowTimes(const std::wstring& start, const std::wstring& end);
  void ClearTimes();
  // A typed time is written back in the short time format when it is left;
  // what is no time becomes "None".
  void LeaveStartTime(std::optional<EntryType> type);
  void LeaveEndTime();
  // An end time before the start time on the same day ends the next day.
  void CheckSpanDays();

  // What the entry type's layout changes here: the times before the panel is
  // shown or hidden, the buttons after; and the places for the panel's width.
  void ApplyLayout(const EntryLayout& layout);
  void ApplyButtons(const EntryLayout& layout);
  void Arrange(int width);

  std::function<void()> onDatesChosen;  // days chosen in the calendar
  std::function<void()> onNone;         // the None button

 private:
  const LocaleFacts& locale_;
  const EntryClock& clock_;
  int todayLeft_ = 87;
  Label timeLabel_{*this, {.bounds = {16, 8, 55, 13}, .text = L"Time:", .rightAligned = true}};
  TimeBox startTime_{*this, {.bounds = {75, 4, 73, 300}, .editable = true}};
  Label dashLabel_{*this, {.bounds = {149, 8, 8, 13}, .text = L"-"}};
  TimeBox endTime_{*this, {.bounds = {157, 4, 73, 300}, .editable = true}};
  CheckBox reminderButton_{*this, {.bounds = {231, 5, 22, 19}, .text = L"R", .pushLike = true, .takesFocus = false}};
  CheckBox timerButton_{
      *this, {.bounds = {231, 5, 22, 19}, .text = L"T", .visible = false, .pushLike = true, .takesFocus = false}};
  MonthCalendar calendar_{*this, {.bounds = {39, 27, 197, 136}, .noToday = true}};
  Button todayButton_{*this, {.bounds = {87, 165, 49, 19}, .text = L"Today"}};
  Button noneButton_{*this, {.bounds = {139, 165, 49, 19}, .text = L"&None"}};
  CheckBox floatButton_{
      *this, {.bounds = {139, 165, 49, 19}, .text = L"Float", .visible = false, .pushLike = true, .takesFocus = false}};
};

}  // namespace qrv
