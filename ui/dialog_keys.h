// The keys of every Windows dialog that a form's message filter handles beside
// IsDialogMessage (Esc in an open drop-down list, Ctrl+Tab over tab pages,
// Tab where a control does not take it), moving the focus as the dialog
// manager does, and the focus a form gives back when it is active again.
#pragma once

#include <windows.h>

namespace qrv {

class Form;

// A window of the form that can take the focus now: it and every window up to
// the form are shown and enabled (the form itself may be hidden yet).
bool CanTakeFocus(HWND form, HWND window);

class DialogKeys {
 public:
  explicit DialogKeys(Form& form) : form_(form) {}

  // Each true when the key was handled and goes no further.
  bool CloseDroppedList(const MSG& msg);
  bool TurnTabPage(const MSG& msg);
  bool MoveFocusByTab(MSG& msg);
  // As WM_NEXTDLGCTL: to a given window, or to the next or previous tab stop.
  void MoveFocus(WPARAM wp, LPARAM lp);

  void RememberFocus();
  void RestoreFocus();
  // Shown again, the form starts from its first tab stop.
  void ForgetFocus() { lastFocus_ = nullptr; }
  // The control a click that activates the form gives the focus to, if any.
  HWND ClickedControl() const;

 private:
  Form& form_;
  // The control that had the focus when the form was last active: it gets it
  // back when the form is active again.
  HWND lastFocus_ = nullptr;
};

}  // namespace qrv
