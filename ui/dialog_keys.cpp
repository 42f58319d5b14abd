#include "ui/dialog_keys.h"

#include "ui/form.h"
#include "ui/panels.h"

namespace qrv {
namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

// The combo box a key went to (the box or its edit) when its list is open.
HWND DroppedCombo(HWND form, HWND window) {
  for (HWND w = window; w && w != form; w = GetParent(w)) {
    wchar_t name[16] = L"";
    GetClassNameW(w, name, 16);
    if (lstrcmpiW(name, WC_COMBOBOXW) == 0) return SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) ? w : nullptr;
  }
  return nullptr;
}

// The tab control whose pages Ctrl+Tab turns from a window: the one it is on,
// else the only one of the form that shows.
TabControl* TabControlFor(HWND form, HWND window) {
  for (HWND w = window; w && w != form; w = GetParent(w)) {
    if (auto* tabs = dynamic_cast<TabControl*>(Control::FromHandle(w))) return tabs;
  }
  struct Search {
    TabControl* found = nullptr;
    int count = 0;
  } search;
  EnumChildWindows(
      form,
      [](HWND w, LPARAM data) -> BOOL {
        auto* tabs = dynamic_cast<TabControl*>(Control::FromHandle(w));
        if (tabs && IsWindowVisible(w)) {
          auto& s = *reinterpret_cast<Search*>(data);
          s.found = tabs;
          ++s.count;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count == 1 ? search.found : nullptr;
}

}  // namespace

bool CanTakeFocus(HWND form, HWND window) {
  if (!window || !IsWindow(window) || !IsChild(form, window)) return false;
  if (const Control* control = Control::FromHandle(window); control && !control->TakesFocus()) return false;
  for (HWND w = window; w && w != form; w = GetParent(w)) {
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) return false;
  }
  return true;
}

// The box closes its list as it does for Esc; the key goes no further, so
// that no Esc character reaches the form.
bool DialogKeys::CloseDroppedList(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
  const HWND combo = DroppedCombo(form_.Handle(), msg.hwnd);
  if (!combo) return false;
  SendMessageW(msg.hwnd, WM_KEYDOWN, VK_ESCAPE, msg.lParam);
  if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  return true;
}

// Ctrl+Tab and Ctrl+PageDown turn to the next page, Ctrl+Shift+Tab and
// Ctrl+PageUp to the one before, as in a property sheet.
bool DialogKeys::TurnTabPage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
  const bool shift = KeyHeld(VK_SHIFT);
  int step = 0;
  if (msg.wParam == VK_TAB) step = shift ? -1 : 1;
  if (msg.wParam == VK_NEXT && !shift) step = 1;
  if (msg.wParam == VK_PRIOR && !shift) step = -1;
  if (step == 0) return false;
  TabControl* tabs = TabControlFor(form_.Handle(), msg.hwnd);
  if (!tabs) return false;
  tabs->TurnPage(step);
  return true;
}

// Tab and Shift+Tab where the control does not take them: as WM_NEXTDLGCTL.
bool DialogKeys::MoveFocusByTab(MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
  const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & (DLGC_WANTTAB | DLGC_WANTMESSAGE)) return false;
  MoveFocus(KeyHeld(VK_SHIFT) ? 1 : 0, 0);
  return true;
}

// What the dialog manager asks of a dialog when a mnemonic or Tab moves the
// focus: to a given window, or to the next or previous tab stop. The text of
// the window that takes the focus is selected (an edit, or the edit of a combo
// box, which passes the focus on to it), whichever way it was entered.
void DialogKeys::MoveFocus(WPARAM wp, LPARAM lp) {
  HWND target = LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(form_.Handle(), GetFocus(), wp != 0);
  if (!target) return;
  SetFocus(target);
  const HWND focus = GetFocus();
  if (focus && (focus == target || IsChild(target, focus)) &&
      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
    SendMessageW(focus, EM_SETSEL, 0, -1);
}

// Noted as the form goes inactive and at each key or click in it: a box or a
// modal form shown over it disables it first, which takes the focus away
// before the form hears of its deactivation.
void DialogKeys::RememberFocus() {
  HWND focus = GetFocus();
  const Control* control = focus ? Control::FromHandle(focus) : nullptr;
  if (focus && focus != form_.Handle() && IsChild(form_.Handle(), focus) && IsWindowVisible(form_.Handle()) &&
      (!control || control->TakesFocus()))
    lastFocus_ = focus;
}

// The control that had the focus gets it back, as in the system's dialogs;
// without one (or one hidden, disabled or gone since) the form keeps it.
void DialogKeys::RestoreFocus() {
  if (CanTakeFocus(form_.Handle(), lastFocus_) && GetFocus() != lastFocus_) SetFocus(lastFocus_);
}

// The control under the mouse when a click activates the form, when the user
// can tab to it (or to the control it is part of): the click gives it the
// focus. Labels, panels and the form's background are none.
HWND DialogKeys::ClickedControl() const {
  POINT at{};
  GetCursorPos(&at);
  HWND hit = WindowFromPoint(at);
  if (!CanTakeFocus(form_.Handle(), hit)) return nullptr;
  for (HWND w = hit; w && w != form_.Handle(); w = GetParent(w)) {
    if (GetWindowLongPtrW(w, GWL_STYLE) & WS_TABSTOP) return hit;
  }
  return nullptr;
}

}  // namespace qrv
