#include <algorithm>
#include <sstream>

#include "form_checks.h"
#include "form_checks_support.h"
#include "tests/win/ui_test_support.h"
#include "ui/dialogs.h"
#include "ui/panels.h"
#include "ui/wide.h"

namespace qrv::checks {
namespace {

void KeyEvent(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// Presses a key (held with the modifiers given) and lets the window handle it.
void Press(WORD key, std::initializer_list<WORD> modifiers = {}) {
  for (WORD m : modifiers) KeyEvent(m, false);
  KeyEvent(key, false);
  KeyEvent(key, true);
  for (WORD m : modifiers) KeyEvent(m, true);
  Settle(20);
}

// Real input goes to the foreground window under Wine: the form must be it.
void BringForward(HWND form) {
  SetForegroundWindow(form);
  SetActiveWindow(form);
  Settle();
}

bool IsRadio(HWND control) {
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return ClassOf(control) == L"Button" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// One stop of the Tab cycle: a radio group counts once, as its first button.
HWND GroupStart(HWND control) {
  if (!IsRadio(control)) return control;
  HWND start = control;
  while (!(GetWindowLongW(start, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(start, GW_HWNDPREV);
    if (!previous || !IsRadio(previous)) break;
    start = previous;
  }
  return start;
}

// The controls Tab must visit, in the form's order.
std::vector<HWND> TabStops(HWND form) {
  std::vector<HWND> stops;
  for (HWND control : VisibleControls(form)) {
    if (!IsWindowEnabled(control) || !(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP)) continue;
    // The dialog keys pass through a window that holds controls to its controls.
    if (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) continue;
    if (HWND stop = GroupStart(control); std::find(stops.begin(), stops.end(), stop) == stops.end())
      stops.push_back(stop);
  }
  return stops;
}

// The stop that has the focus (a combo box's edit is the combo box's); null when none of them.
HWND FocusedStop(HWND form, const std::vector<HWND>& stops) {
  for (HWND w = GetFocus(); w && w != form; w = GetParent(w)) {
    if (HWND stop = GroupStart(w); std::find(stops.begin(), stops.end(), stop) != stops.end()) return stop;
  }
  return nullptr;
}

// A control that moves through stops of its own with Tab (the links of a help
// page) has this many presses to let the focus go on.
constexpr int kOwnStops = 40;

// Where Tab (or Shift+Tab) takes the focus, one press after another from the
// first stop; a control that keeps the focus for Tab is pressed on until it
// lets it go or has had its kOwnStops.
std::vector<HWND> Round(HWND form, const std::vector<HWND>& stops, bool back) {
  SetFocus(stops.front());
  Settle();
  std::vector<HWND> reached{FocusedStop(form, stops)};
  for (std::size_t i = 0; i < stops.size(); ++i) {
    HWND next = reached.back();
    for (int press = 0; press < kOwnStops && next == reached.back(); ++press) {
      if (back)
        Press(VK_TAB, {VK_SHIFT});
      else
        Press(VK_TAB);
      next = FocusedStop(form, stops);
      if (!next) break;
    }
    reached.push_back(next);
  }
  return reached;
}

std::string Named(HWND control) { return control ? Describe(control) : std::string("no control of the window"); }

// Directly above, in the same column: Tab going there goes back in reading order.
bool Above(HWND form, HWND next, HWND from) {
  const RECT n = RectInForm(form, next);
  const RECT f = RectInForm(form, from);
  return n.bottom <= f.top && n.left < f.right && f.left < n.right;
}

void CheckForward(HWND form, const std::vector<HWND>& stops, const std::vector<HWND>& round, Findings& findings) {
  for (HWND stop : stops) {
    if (std::find(round.begin(), round.end(), stop) == round.end())
      findings.push_back({stop, Describe(stop) + ": Tab never reaches it"});
  }
  for (std::size_t i = 0; i + 1 < round.size(); ++i) {
    HWND from = round[i];
    HWND next = round[i + 1];
    if (!from) break;
    if (next == from) {
      findings.push_back({from, Named(from) + ": Tab leaves the focus on it"});
    } else if (!next) {
      findings.push_back({from, Named(from) + ": Tab takes the focus out of the window's controls"});
    } else if (next != stops.front() && Above(form, next, from)) {
      findings.push_back({next, "Tab goes from " + Named(from) + " up to " + Named(next) + ", out of reading order"});
    }
  }
}

// The window is kept from closing while the Esc check runs; what asked for it is noted.
struct CloseGuard {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept {
    auto& asked = *reinterpret_cast<bool*>(data);
    if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) ||
        (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE)) {
      asked = true;
      return 0;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  explicit CloseGuard(HWND form) : form(form) { SetWindowSubclass(form, Proc, 1, reinterpret_cast<DWORD_PTR>(&asked)); }
  ~CloseGuard() { RemoveWindowSubclass(form, Proc, 1); }
  CloseGuard(const CloseGuard&) = delete;
  CloseGuard& operator=(const CloseGuard&) = delete;
  HWND form;
  bool asked = false;
};

bool IsDropDown(HWND control) {
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & 3;
  return ClassOf(control) == L"ComboBox" && (kind == CBS_DROPDOWN || kind == CBS_DROPDOWNLIST);
}

bool Dropped(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

std::wstring PageTitle(HWND tabs, int index) {
  wchar_t title[256] = L"";
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = title;
  item.cchTextMax = 256;
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return title;
}

// Shows a tab control's page as a click on its tab would.
void ShowPage(HWND tabs, int index) {
  if (auto* control = dynamic_cast<TabControl*>(Control::FromHandle(tabs)))
    control->SetSelection(index, Notify::kYes);
  else
    SendMessageW(tabs, TCM_SETCURSEL, index, 0);
  Settle();
}

// The first stop on the tab control's page shown (the tab control itself when none).
HWND FocusOnPage(HWND form, HWND tabs) {
  for (HWND stop : TabStops(form)) {
    if (IsChild(tabs, stop)) return stop;
  }
  return tabs;
}

// A button, check box or radio button a user can click.
bool IsClickable(HWND control) {
  return ClassOf(control) == L"Button" && !IsFrame(control) && IsWindowEnabled(control);
}

// The letter of a caption's mnemonic ("&Save": 's'); 0 for none.
wchar_t Mnemonic(HWND control) {
  const std::wstring text = WindowText(control);
  for (std::size_t at = text.find(L'&'); at != std::wstring::npos && at + 1 < text.size();
       at = text.find(L'&', at + 2)) {
    if (text[at + 1] != L'&') return static_cast<wchar_t>(towlower(text[at + 1]));
  }
  return 0;
}

// A letter that would click a button of the form other than `pressed`; 0 for none.
wchar_t OtherMnemonic(HWND form, HWND pressed) {
  for (HWND control : VisibleControls(form)) {
    if (control == pressed || !IsClickable(control)) continue;
    if (const wchar_t letter = Mnemonic(control); iswalpha(letter)) return letter;
  }
  return 0;
}

// A text field, or a list that searches as one types.
bool TakesCharacters(HWND window) {
  return window && (SendMessageW(window, WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_HASSETSEL)) != 0;
}

// While it lives, the clicks of the form's buttons reach no handler: they are
// noted, and PutBack undoes what a click changed (a check mark).
class ClickGuard {
 public:
  explicit ClickGuard(HWND form) {
    parents_.push_back(form);
    for (HWND control : VisibleControls(form)) {
      if (ClassOf(control) == L"Button") marks_.emplace_back(control, SendMessageW(control, BM_GETCHECK, 0, 0));
      if (std::find(parents_.begin(), parents_.end(), GetParent(control)) == parents_.end())
        parents_.push_back(GetParent(control));
    }
    for (HWND parent : parents_) SetWindowSubclass(parent, Proc, 2, reinterpret_cast<DWORD_PTR>(this));
  }
  ~ClickGuard() {
    for (HWND parent : parents_) RemoveWindowSubclass(parent, Proc, 2);
  }
  ClickGuard(const ClickGuard&) = delete;
  ClickGuard& operator=(const ClickGuard&) = delete;

  void PutBack() const {
    for (const auto& [control, mark] : marks_) {
      if (SendMessageW(control, BM_GETCHECK, 0, 0) != mark) SendMessageW(control, BM_SETCHECK, mark, 0);
    }
  }
  std::vector<HWND> clicked;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) noexcept {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
      reinterpret_cast<ClickGuard*>(self)->clicked.push_back(reinterpret_cast<HWND>(lp));
      return 0;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  std::vector<HWND> parents_;
  std::vector<std::pair<HWND, LRESULT>> marks_;
};

void TypeLetter(wchar_t c) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = static_cast<WORD>(towupper(c));
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof input[0]);
  Settle(40);
}

// The control the mouse reaches in the middle of a window.
bool UnderTheMouse(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == control;
}

}  // namespace

Findings CheckTabOrder(HWND form) {
  const std::vector<HWND> stops = TabStops(form);
  if (stops.size() < 2) return {};
  BringForward(form);
  const std::vector<HWND> forward = Round(form, stops, false);
  Findings findings;
  CheckForward(form, stops, forward, findings);
  if (!findings.empty()) return findings;  // the reverse of a broken round says nothing more
  const std::vector<HWND> backward = Round(form, stops, true);
  for (std::size_t i = 0; i + 1 < backward.size(); ++i) {
    const HWND expected = forward[forward.size() - 2 - i];
    if (backward[i + 1] != expected) {
      findings.push_back({backward[i], "Shift+Tab goes from " + Named(backward[i]) + " to " + Named(backward[i + 1]) +
                                           ", not back to " + Named(expected)});
      break;
    }
  }
  return findings;
}

Findings CheckEscInDropDowns(HWND form, Examined& seen) {
  Findings findings;
  for (HWND combo : VisibleControls(form)) {
    if (!IsDropDown(combo) || !IsWindowEnabled(combo) || !seen.First(combo)) continue;
    BringForward(form);
    CloseGuard guard(form);
    SetFocus(combo);
    Settle();
    Press(VK_F4);
    if (!Dropped(combo)) {
      findings.push_back({combo, Describe(combo) + ": F4 does not open its list"});
      continue;
    }
    Press(VK_ESCAPE);
    Settle();
    if (guard.asked) findings.push_back({combo, Describe(combo) + ": Esc with its list open closes the window"});
    if (Dropped(combo)) {
      findings.push_back({combo, Describe(combo) + ": Esc leaves its list open"});
      SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
  }
  return findings;
}

Findings CheckTabPageKeys(HWND form, Examined& seen) {
  struct Step {
    const char* keys;
    std::initializer_list<WORD> modifiers;
    WORD key;
    int move;
  };
  static const Step kSteps[] = {{"Ctrl+Tab", {VK_CONTROL}, VK_TAB, 1},
                                {"Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT}, VK_TAB, -1},
                                {"Ctrl+PageDown", {VK_CONTROL}, VK_NEXT, 1},
                                {"Ctrl+PageUp", {VK_CONTROL}, VK_PRIOR, -1}};
  Findings findings;
  for (HWND tabs : VisibleControls(form)) {
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (ClassOf(tabs) != WC_TABCONTROLW || count < 2 || !seen.First(tabs)) continue;
    BringForward(form);
    const int start = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    for (const Step& step : kSteps) {
      const int before = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
      HWND focus = FocusOnPage(form, tabs);
      SetFocus(focus);
      Settle();
      Press(step.key, step.modifiers);
      const int expected = (before + step.move + count) % count;
      if (const int now = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); now != expected) {
        findings.push_back({tabs, Describe(tabs) + ": " + step.keys + " with the focus on " + Describe(focus) +
                                      " shows page \"" + Narrow(PageTitle(tabs, now)) + "\", not \"" +
                                      Narrow(PageTitle(tabs, expected)) + "\""});
        ShowPage(tabs, expected);
      }
    }
    if (static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) != start) ShowPage(tabs, start);
  }
  return findings;
}

Findings CheckLetterAfterClick(HWND form, Examined& seen) {
  Findings findings;
  BringForward(form);
  const HWND start = GetFocus();
  ClickGuard guard(form);
  for (HWND control : VisibleControls(form)) {
    if (!IsClickable(control) || !seen.First(control)) continue;
    const wchar_t letter = OtherMnemonic(form, control);
    if (!letter || !UnderTheMouse(control)) continue;
    if (GetFocus() != start) SetFocus(start);
    testing::PressAndLeave(control);
    const HWND focus = GetFocus();
    if (TakesCharacters(focus)) continue;
    guard.clicked.clear();
    TypeLetter(letter);
    for (HWND hit : guard.clicked) {
      findings.push_back({control, "after a click on " + Describe(control) + " the letter '" +
                                       static_cast<char>(letter) + "' clicks " + Describe(hit)});
    }
    guard.PutBack();
  }
  if (start && GetFocus() != start) SetFocus(start);
  return findings;
}

Findings CheckFocusAfterBox(HWND form, HWND owner) {
  BringForward(form);
  const std::vector<HWND> stops = TabStops(form);
  if (!stops.empty()) SetFocus(stops.back());
  const HWND before = GetFocus();
  testing::AnswerNextBoxByKey(VK_RETURN);
  ShowMessage(L"A message of the window's", MessageKind::kInformation, MessageButtons::kOk, {.owner = owner});
  // The system activates the window again a moment after the box has gone,
  // later on a busy machine: a second at most.
  for (int waited = 0; waited < 1000 && (GetActiveWindow() != form || GetFocus() != before); waited += 30) Settle();
  Findings findings;
  auto title = [](HWND window) { return window ? "\"" + Narrow(WindowText(window)) + "\"" : std::string("none"); };
  if (const HWND active = GetActiveWindow(), front = GetForegroundWindow(); active != form || front != form) {
    findings.push_back({form, "after a box of its own the active window is " + title(active) + ", the one in front " +
                                  title(front) + ", not " + title(form)});
  }
  if (const HWND focus = GetFocus(); focus != before) {
    findings.push_back({before, "after a box the focus is on " + Named(focus) + ", not back on " + Named(before)});
  }
  return findings;
}

}  // namespace qrv::checks
