#include "entry/entry_dates.h"

namespace qrv {

EntryDates::EntryDates(std::optional<DatePanel>& panel, const EntryClock& clock, bool reminderOn, bool timerOn)
    : panel_(panel), clock_(clock), reminderOn_(reminderOn), timerOn_(timerOn) {}

void EntryDates::Today() {
  day_ = clock_.Today();
  if (panel_) panel_->Today();
}

}  // namespace qrv
