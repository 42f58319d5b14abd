#include "ui/buttons.h"

#include <windowsx.h>

#include "ui/form.h"

namespace qrv {
namespace {

bool Inside(HWND button, LPARAM lp) {
  RECT rc{};
  GetClientRect(button, &rc);
  const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  return PtInRect(&rc, at) != FALSE;
}

// What a click does to a button of each kind, then BN_CLICKED to its parent,
// as the system class does, without the focus.
void ClickInPlace(HWND button) {
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  const LONG_PTR kind = style & BS_TYPEMASK;
  if (kind == BS_AUTOCHECKBOX) {
    const bool checked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
  } else if (kind == BS_AUTORADIOBUTTON) {
    // The others of its group (from a WS_GROUP sibling to the next) go up.
    HWND first = button;
    while (!(GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP) && GetWindow(first, GW_HWNDPREV))
      first = GetWindow(first, GW_HWNDPREV);
    for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
      const LONG_PTR other = GetWindowLongPtrW(w, GWL_STYLE);
      if (w != first && (other & WS_GROUP)) break;
      if (w != button && (other & BS_TYPEMASK) == BS_AUTORADIOBUTTON) SendMessageW(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
  }
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The mouse of a toolbar button: pressed and released over it, it clicks; the
// system class is not asked, as it would take the focus. BM_CLICK (a mnemonic)
// comes the same way. True when the message is handled here.
bool ToolbarMouse(HWND button, UINT msg, LPARAM lp, bool& pressing) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressing = true;
      SetCapture(button);
      SendMessageW(button, BM_SETSTATE, TRUE, 0);
      return true;
    case WM_MOUSEMOVE:
      if (pressing && GetCapture() == button) SendMessageW(button, BM_SETSTATE, Inside(button, lp), 0);
      return false;  // the system class shows the hover
    case WM_LBUTTONUP: {
      if (!pressing) return true;
      pressing = false;
      SendMessageW(button, BM_SETSTATE, FALSE, 0);
      if (GetCapture() == button) ReleaseCapture();
      if (Inside(button, lp)) ClickInPlace(button);
      return true;
    }
    case WM_CAPTURECHANGED:
      if (pressing && reinterpret_cast<HWND>(lp) != button) {
        pressing = false;
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
      }
      return false;
  }
  return false;
}

// A button given the picture it shows already would repaint for nothing.
void ShowPicture(HWND button, HBITMAP picture) {
  if (SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0) != reinterpret_cast<LRESULT>(picture))
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

}  // namespace

Button::Button(Container& parent, const ButtonArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_BUTTONW,
                                      .style = (args.takesFocus ? WS_TABSTOP : 0u) |
                                               static_cast<DWORD>(args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                                               (args.pictureOnly ? static_cast<DWORD>(BS_BITMAP) : 0u),
                                      .id = args.isDefault  ? IDOK
                                            : args.isCancel ? IDCANCEL
                                                            : 0})),
      result_(args.result),
      takesFocus_(args.takesFocus) {
  if (args.isDefault) parent.OwnerForm().SetDefaultId(IDOK);
}

LRESULT Button::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (!takesFocus_) {
    if (msg == WM_SETFOCUS) {
      RefuseFocus(reinterpret_cast<HWND>(wp));
      return 0;
    }
    if (ToolbarMouse(Handle(), msg, lp, pressing_)) return 0;
  }
  return Control::WndProc(msg, wp, lp);
}

void Button::SetPicture(HBITMAP picture) { ShowPicture(Handle(), picture); }

void Button::Click() {
  if (onClick) onClick();
  if (result_ != DialogResult::kNone) Parent().OwnerForm().EndModal(result_);
}

void Button::HandleCommand(WORD code) {
  if (code == BN_CLICKED && !Quiet()) Click();
}

CheckBox::CheckBox(Container& parent, const CheckArgs& args) : CheckBox(parent, args, BS_AUTOCHECKBOX) {}

void CheckBox::SetPicture(HBITMAP picture) { ShowPicture(Handle(), picture); }

CheckBox::CheckBox(Container& parent, const CheckArgs& args, DWORD kindStyle)
    : Control(parent, BasicsOf(args, {.className = WC_BUTTONW,
                                      .style = (args.takesFocus ? WS_TABSTOP : 0u) | kindStyle |
                                               (args.groupStart ? WS_GROUP : 0u) |
                                               (args.pushLike ? static_cast<DWORD>(BS_PUSHLIKE) : 0u) |
                                               (args.pictureOnly ? static_cast<DWORD>(BS_BITMAP) : 0u)})),
      takesFocus_(args.takesFocus) {
  // A new box is unchecked; the system takes a radio button's tab stop as it is unchecked.
  if (args.checked || (args.takesFocus && kindStyle == BS_AUTORADIOBUTTON)) SetChecked(args.checked);
}

LRESULT CheckBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (!takesFocus_) {
    if (msg == WM_SETFOCUS) {
      RefuseFocus(reinterpret_cast<HWND>(wp));
      return 0;
    }
    if (ToolbarMouse(Handle(), msg, lp, pressing_)) return 0;
    if (msg == BM_SETCHECK) {
      // The system makes a checked radio button a tab stop; a toolbar button stays none.
      const LRESULT result = Control::WndProc(msg, wp, lp);
      const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
      if (style & WS_TABSTOP) SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~WS_TABSTOP);
      return result;
    }
  }
  return Control::WndProc(msg, wp, lp);
}

bool CheckBox::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked, Notify notify) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  if (notify == Notify::kYes && onChange) onChange();
}

void CheckBox::HandleCommand(WORD code) {
  if (code == BN_CLICKED) Fire(onChange);
}

RadioButton::RadioButton(Container& parent, const CheckArgs& args) : CheckBox(parent, args, BS_AUTORADIOBUTTON) {}

GroupBox::GroupBox(Container& parent, const StaticArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_BUTTONW, .style = BS_GROUPBOX | WS_GROUP, .frame = true})) {}

// The system's frame draws only its lines and caption: the face inside is
// filled here as a static control's, or it would keep whatever was there
// before. The controls it frames lie above it and are left out of the fill.
LRESULT GroupBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_ERASEBKGND) return Control::WndProc(msg, wp, lp);
  const auto dc = reinterpret_cast<HDC>(wp);
  auto* brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(Handle()), WM_CTLCOLORSTATIC, wp, reinterpret_cast<LPARAM>(Handle())));
  RECT face{};
  GetClientRect(Handle(), &face);
  FillRect(dc, &face, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

Label::Label(Container& parent, const StaticArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_STATICW,
                                      .style = static_cast<DWORD>(args.centered       ? SS_CENTER
                                                                  : args.rightAligned ? SS_RIGHT
                                                                                      : SS_LEFT) |
                                               (args.noPrefix ? static_cast<DWORD>(SS_NOPREFIX) : 0u)})) {}

}  // namespace qrv
