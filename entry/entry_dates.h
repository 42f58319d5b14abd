// The item's dates and times as the Information Item window holds them: the
// date panel's once it is made, and until then what a new panel starts with:
// today, no times, and the reminder and timer as the settings were when the
// window was made.
#pragma once

#include <optional>
#include <string>

#include "core/dates.h"
#include "entry/date_panel.h"
#include "entry/entry_data.h"

namespace qrv {

class EntryDates {
 public:
  EntryDates(std::optional<DatePanel>& panel, const EntryClock& clock, bool reminderOn, bool timerOn);

  bool PanelShown() const { return panel_ && panel_->Visible(); }
  DateRange Range() const { return panel_ ? panel_->Dates() : DateRange{day_, day_}; }
  std::wstring StartTimeText() const { return panel_ ? panel_->StartTime().Text() : kNoTime; }
  std::wstring EndTimeText() const { return panel_ ? panel_->EndTime().Text() : kNoTime; }
  bool ReminderOn() const { return panel_ ? panel_->Reminder().Checked() : reminderOn_; }
  bool TimerOn() const { return panel_ ? panel_->Timer().Checked() : timerOn_; }
  bool FloatOn() const { return panel_ && panel_->Float().Checked(); }
  // The calendar back to today.
  void Today();

 private:
  std::optional<DatePanel>& panel_;
  const EntryClock& clock_;
  const bool reminderOn_;
  const bool timerOn_;
  Date day_{};  // the calendar's day while the panel is not made
};

}  // namespace qrv
