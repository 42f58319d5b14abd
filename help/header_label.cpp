#include "help/header_label.h"

namespace qrv {

HeaderLabel::HeaderLabel(Container& parent, const StaticArgs& args) : Label(parent, args) {
  SetFont({.points = 10, .bold = true});
}

HBRUSH HeaderLabel::HandleCtlColor(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  SetBkColor(dc, GetSysColor(COLOR_INFOBK));
  return GetSysColorBrush(COLOR_INFOBK);
}

}  // namespace qrv
