// Typing lays the Information Item window out on every key: a control is
// moved, shown, hidden or given a text only when that changes something. The
// window's controls have no anchors, so their bounds alone say where they are.
#pragma once

#include <string>

#include "ui/control.h"

namespace qrv {

inline void Place(Control& control, const Bounds& bounds) {
  if (control.DesignBounds() != bounds) control.SetBounds(bounds);
}

inline void ShowIf(Control& control, bool show) {
  if (control.Visible() != show) control.SetVisible(show);
}

inline void SetTextIf(Control& control, const std::wstring& text) {
  if (control.Text() != text) control.SetText(text);
}

}  // namespace qrv
