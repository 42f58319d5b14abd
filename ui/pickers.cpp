#include "ui/pickers.h"

#include <algorithm>

namespace qrv {

MonthCalendar::MonthCalendar(Container& parent, const PickerArgs& args)
    : Control(parent, BasicsOf(args, {.className = MONTHCAL_CLASSW,
                                      .style = WS_TABSTOP | MCS_MULTISELECT |
                                               (args.noToday ? static_cast<DWORD>(MCS_NOTODAY) : 0u)})) {}

SIZE MonthCalendar::MinimumSize() const {
  RECT need{};
  Send(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
  return {need.right - need.left, need.bottom - need.top};
}

std::pair<SYSTEMTIME, SYSTEMTIME> MonthCalendar::Range() const {
  SYSTEMTIME range[2]{};
  Send(MCM_GETSELRANGE, 0, reinterpret_cast<LPARAM>(range));
  return {range[0], range[1]};
}

bool MonthCalendar::SetRange(const SYSTEMTIME& first, const SYSTEMTIME& last, Notify notify) {
  SYSTEMTIME range[2]{first, last};
  bool done;
  {
    QuietScope quiet(*this);
    done = Send(MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(range)) != 0;
  }
  if (done && notify == Notify::kYes && onSelect) onSelect();
  return done;
}

bool MonthCalendar::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code != MCN_SELCHANGE) return false;
  Fire(onSelect);
  result = 0;
  return true;
}

UpDown::UpDown(Container& parent, const PickerArgs& args)
    : Control(parent, BasicsOf(args, {.className = UPDOWN_CLASSW,
                                      .style = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS})),
      minimum_(args.minimum),
      maximum_(args.maximum) {
  if (args.buddy) Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(args.buddy));
  Send(UDM_SETRANGE32, static_cast<WPARAM>(minimum_), maximum_);
  SetPosition(minimum_);
}

void UpDown::SetPosition(int position, Notify notify) {
  {
    QuietScope quiet(*this);
    Send(UDM_SETPOS32, 0, position);
  }
  if (notify == Notify::kYes && onChange) onChange(Position());
}

bool UpDown::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS) return false;
  const auto& delta = reinterpret_cast<NMUPDOWN&>(header);
  // The position changes after this notification: hand on where it goes.
  const int next = std::clamp(delta.iPos + delta.iDelta, minimum_, maximum_);
  if (next != delta.iPos) Fire(onChange, next);
  result = 0;
  return true;
}

}  // namespace qrv
