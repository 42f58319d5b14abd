// Checks of what a user sees and types in one top-level window of ours: that
// every control is painted and none is covered, that every caption and list
// entry fits its control in the control's own font, and that the keyboard
// moves, opens and closes as in the system's dialogs. Each check answers with
// findings (which control, what is wrong) rather than a yes or no, so that a
// failing test says what to mend. The keyboard checks send real input and
// bring the window to the foreground first.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace qrv::checks {

struct Finding {
  HWND control = nullptr;
  std::string what;  // "check box "&Done" at 8,34 100x20: ..."
};
using Findings = std::vector<Finding>;

// The controls and windows a check has examined, known by what they are (the
// place among their window's controls, the kind and the caption) rather than
// by handle, so that a window made again for another look is examined once.
class Examined {
 public:
  // True the first time the control, or the window with its controls as they
  // stand, is offered.
  bool First(HWND control);
  bool FirstLayout(HWND form);
  std::size_t Count() const { return keys_.size(); }

 private:
  std::set<std::wstring> keys_;
};

// Names a control for a finding: its kind, caption and place in the form.
std::string Describe(HWND control);
// All findings, one a line, under a heading.
std::string Report(const std::string& heading, const Findings& findings);

// Every visible control's rectangle is painted after a full repaint, and no
// visible sibling above a control in z-order overlaps it.
Findings CheckPaint(HWND form);
Findings CheckOverlaps(HWND form);

// Every caption (labels, buttons, check boxes, radio buttons, group boxes,
// tabs) and every entry of a drop-down combo box fits its control.
Findings CheckTextFit(HWND form);

// Tab from the first tab stop visits every enabled control once, never up
// within a column, and Shift+Tab visits them in reverse.
Findings CheckTabOrder(HWND form);
// Esc with a combo box's list open closes only the list. The window is kept
// from closing while the check runs, so a fault leaves it standing. Combo
// boxes already in `seen` are passed over and the ones opened added.
Findings CheckEscInDropDowns(HWND form, Examined& seen);
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp change the page of
// each tab control not yet in `seen`; the pages it showed are shown again at
// the end.
Findings CheckTabPageKeys(HWND form, Examined& seen);
// A letter typed after a click on any button, check box or radio button lands
// in a text field or clicks nothing. Each is pressed with the mouse and released
// off it, so the focus goes where a click leaves it and no command runs; then,
// where the focus does not take characters, a mnemonic letter of another button
// is typed, its click caught before any handler. Controls in `seen` are passed
// over and the ones pressed added.
Findings CheckLetterAfterClick(HWND form, Examined& seen);
// After a message box that `owner` shows, answered with Enter, the form is the
// active window with the focus on the control that had it (its last tab stop).
Findings CheckFocusAfterBox(HWND form, HWND owner);

}  // namespace qrv::checks
