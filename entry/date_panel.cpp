#include "entry/date_panel.h"

#include <algorithm>
#include <array>

#include "entry/entry_system.h"
#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kCalendarTop = 27;  // under the times

bool NoTime(const std::wstring& text) { return text.empty() || text == kNoTime; }

void Apply(Show show, Control& control) {
  if (show != Show::kKeep) ShowIf(control, show == Show::kShow);
}

}  // namespace

DatePanel::DatePanel(Container& parent, bool reminderOn, bool timerOn, const LocaleFacts& locale,
                     const EntryClock& clock)
    : Panel(parent, {.bounds = {0, kEntryPanelHeight, kEntryMinClientWidth, kDatePanelHeight}, .visible = false}),
      locale_(locale),
      clock_(clock) {
  dashLabel_.SetFont({.bold = true});
  reminderButton_.SetHint(L"Reminder on/off (Ctrl+M)");
  timerButton_.SetHint(L"Record end time on Save/Open");
  floatButton_.SetHint(L"VidoDu3 Floating Event");
  // A range of days, navy title, silver days of other months, no today mark.
  calendar_.SetMaxSelectedDays(99999);
  calendar_.SetColour(MCSC_TITLEBK, RGB(0, 0, 128));
  calendar_.SetColour(MCSC_TRAILINGTEXT, RGB(192, 192, 192));
  reminderButton_.SetChecked(reminderOn);
  timerButton_.SetChecked(timerOn);
  calendar_.onSelect = [this] { Fire(onDatesChosen); };
  todayButton_.onClick = [this] { Today(); };
  noneButton_.onClick = [this] { Fire(onNone); };
}

DateRange DatePanel::Dates() const {
  const auto [first, last] = calendar_.Range();
  return {FromSystemTime(first), FromSystemTime(last)};
}

void DatePanel::SetDates(const DateRange& range) {
  calendar_.SetRange(ToSystemTime(range.start), ToSystemTime(range.end));
}

void DatePanel::Today() {
  const Date today = clock_.Today();
  SetDates({today, today});
}

std::optional<EntryField> DatePanel::FieldOf(HWND window) const {
  if (window == startTime_.Handle() || window == startTime_.EditHandle()) return EntryField::kStartTime;
  if (window == endTime_.Handle() || window == endTime_.EditHandle()) return EntryField::kEndTime;
  return std::nullopt;
}

bool DatePanel::HasFocus() const {
  return startTime_.Focused() || endTime_.Focused() || IsChild(startTime_.Handle(), GetFocus()) ||
         IsChild(endTime_.Handle(), GetFocus());
}

void DatePanel::ShowTimes(const std::wstring& start, const std::wstring& end) {
  if (start != startTime_.Text()) startTime_.SetText(start);
  if (end != endTime_.Text()) endTime_.SetText(end);
}

void DatePanel::ClearTimes() {
  startTime_.SetText(kNoTime);
  endTime_.SetText(kNoTime);
}

// An empty end time follows one hour after the start, but in a journal entry.
void DatePanel::LeaveStartTime(std::optional<EntryType> type) {
  const std::wstring text = startTime_.Text();
  if (text == kNoTime) return;
  const auto time = ReadTimeBox(FormatTime(Narrow(text)));
  if (!time) {
    startTime_.SetText(kNoTime);
    return;
  }
  startTime_.SetText(Widen(FormatShortTime(locale_, *time)));
  if (endTime_.Enabled() && type != EntryType::kJournal && NoTime(endTime_.Text())) {
    const auto end = AddMinutes(60, *time);
    endTime_.SetText(end ? Widen(FormatShortTime(locale_, *end)) : kNoTime);
  }
  CheckSpanDays();
}

void DatePanel::LeaveEndTime() {
  const std::wstring text = endTime_.Text();
  if (text == kNoTime) return;
  const auto time = ReadTimeBox(FormatTime(Narrow(text)));
  endTime_.SetText(time ? Widen(FormatShortTime(locale_, *time)) : kNoTime);
  CheckSpanDays();
}

void DatePanel::CheckSpanDays() {
  const DateRange dates = Dates();
  const Date end = qrv::CheckSpanDays(dates.start, dates.end, Narrow(startTime_.Text()), Narrow(endTime_.Text()));
  if (end != dates.end) SetDates({dates.start, end});
}

void DatePanel::ApplyLayout(const EntryLayout& l) {
  if (!l.timeLabel.empty()) SetTextIf(timeLabel_, Widen(l.timeLabel));
  if (l.startTimeEnabled) startTime_.SetEnabled(*l.startTimeEnabled);
  if (l.endTimeEnabled) endTime_.SetEnabled(*l.endTimeEnabled);
  if (l.startTimeNowWhenNone && NoTime(startTime_.Text()))
    startTime_.SetText(Widen(FormatShortTime(locale_, clock_.Now())));
}

// Applied after the panel was shown or hidden for the same layout.
void DatePanel::ApplyButtons(const EntryLayout& l) {
  Apply(l.reminder, reminderButton_);
  Apply(l.timer, timerButton_);
  Apply(l.noneButton, noneButton_);
  Apply(l.floatButton, floatButton_);
  if (l.todayLeft) todayLeft_ = *l.todayLeft;
}

// The calendar takes the size its font needs (at least the designed one),
// centred under the times, and the buttons follow under it.
void DatePanel::Arrange(int width) {
  const SIZE need = calendar_.MinimumSize();
  const int calendarWidth = std::max(197, ScaleFromDpi(need.cx, Dpi()));
  const int calendarHeight = std::clamp(ScaleFromDpi(need.cy, Dpi()), 136, kDatePanelHeight - kCalendarTop - 21);
  const int left = std::max(0, (width - calendarWidth) / 2);
  qrv::Place(calendar_, {left, kCalendarTop, calendarWidth, calendarHeight});
  const int shift = left - 39, buttonsTop = kCalendarTop + calendarHeight + 1;
  qrv::Place(todayButton_, {todayLeft_ + shift, buttonsTop, 49, 19});
  qrv::Place(noneButton_, {139 + shift, buttonsTop, 49, 19});
  qrv::Place(floatButton_, {139 + shift, buttonsTop, 49, 19});
}

}  // namespace qrv
