#include "ui/form.h"

#include <algorithm>
#include <cwctype>

#include "ui/app.h"
#include "ui/dialog_keys.h"
#include "ui/gdi.h"
#include "ui/menu.h"
#include "ui/panels.h"

namespace qrv {
namespace {

DWORD StyleOf(FormStyle style) {
  switch (style) {
    case FormStyle::kDialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU;  // a dialog: only the system menu
    case FormStyle::kSizable:
      return WS_OVERLAPPEDWINDOW;
    case FormStyle::kBorderless:
      return WS_POPUP;
  }
  return WS_POPUP;
}

// The window a form's window belongs to. A window stays in front of its
// owner's and is topmost with it: a form of a topmost form (the bar's help or
// preferences) that is not topmost itself belongs to the application's window.
HWND OwnerWindow(const Form* owner, bool topMost) {
  if (!owner) return Application::Get().Handle();
  const bool ownerTopMost = GetWindowLongPtrW(owner->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST;
  return ownerTopMost && !topMost ? Application::Get().Handle() : owner->Handle();
}

// A character typed without Alt goes to the window that has the focus as
// typed, never to the dialog keys: a letter is a mnemonic only with Alt, so a
// click that leaves the focus on a button does not make the next letters typed
// into the window's commands.
bool IsPlainCharacter(const MSG& msg) { return msg.message == WM_CHAR && iswgraph(static_cast<wint_t>(msg.wParam)); }

// A key or a click: what may have moved the focus within a form.
bool IsInputMessage(UINT msg) {
  return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

}  // namespace

Form::Form(const FormArgs& args) : owner_(args.owner), designSize_(args.clientSize) {
  CreateHandle(
      {.className = L"QrvForm",
       .classStyle = CS_DBLCLKS,
       .exStyle = WS_EX_CONTROLPARENT | (args.topMost ? WS_EX_TOPMOST : 0u) |
                  (args.taskbarButton ? WS_EX_APPWINDOW : 0u) | (args.toolWindow ? WS_EX_TOOLWINDOW : 0u),
       .style = (StyleOf(args.style) & (args.systemMenu ? ~0u : ~static_cast<DWORD>(WS_SYSMENU))) | WS_CLIPCHILDREN,
       .text = args.caption,
       .bounds = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0},
       .parent = OwnerWindow(owner_, args.topMost)});
  Application::Get().FormCreated(*this);
  dpi_ = DpiOf(Handle());
  SetClientSize(designSize_);
  filterId_ = Application::Get().AddMessageFilter([this](MSG& msg) { return FilterMessage(msg); });
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                             0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

Form::~Form() {
  Application::Get().RemoveMessageFilter(filterId_);
  Application::Get().FormDestroyed(*this);
  owned_.clear();
  // The tooltip and the controls' windows go with the form's window.
}

bool Form::FreeOwned(const Form* form) {
  const auto it = std::find_if(owned_.begin(), owned_.end(), [form](const auto& f) { return f.get() == form; });
  if (it != owned_.end()) {
    std::unique_ptr<Form> freed = std::move(*it);
    owned_.erase(it);
    return true;
  }
  return std::any_of(owned_.begin(), owned_.end(), [form](const auto& f) { return f->FreeOwned(form); });
}

std::wstring Form::Caption() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT Form::WindowRect() const {
  RECT rc{};
  GetWindowRect(Handle(), &rc);
  return rc;
}

void Form::SetWindowRect(int left, int top, int width, int height) {
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(SIZE designSize) {
  RECT rc{0, 0, Scale(designSize.cx), Scale(designSize.cy)};
  AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  SetWindowPos(Handle(), nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  ShowWindow(Handle(), SW_SHOW);
  if (!GetFocus() || !IsChild(Handle(), GetFocus())) {
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (CanTakeFocus(Handle(), first)) SetFocus(first);
  }
}

DialogResult Form::ShowModal() {
  HWND owner = owner_ ? owner_->Handle() : nullptr;
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  result_ = DialogResult::kNone;
  inModal_ = true;
  Show();
  SetForegroundWindow(Handle());
  Application::Get().RunUntil([this] { return result_ != DialogResult::kNone || !Handle(); });
  inModal_ = false;
  // The owner is enabled before the form hides, so that it gets the activation back.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (Handle()) Hide();
  return result_ == DialogResult::kNone ? DialogResult::kCancel : result_;
}

void Form::ApplyDpi(UINT dpi) {
  if (dpi == 0 || dpi == dpi_) return;
  const SIZE size = ClientSize96();
  dpi_ = dpi;
  SetClientSize(size);
  RefreshChildFonts();
  LayOutChildren();
  DpiChanged();
}

void Form::DpiChangedTo(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefreshChildFonts();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutChildren();
  DpiChanged();
}

void Form::SetShowHints(bool show) { SendMessageW(tooltip_, TTM_ACTIVATE, show, 0); }

void Form::SetHint(HWND control, const std::wstring& hint) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(hint.c_str());
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!hint.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::PaintBackground(HDC dc, const RECT& area) {
  OwnedBrush brush(CreateSolidBrush(background));
  FillRect(dc, &area, brush.Get());
}

void Form::PaintTitleBand(HDC dc, int height, COLORREF colour) {
  RECT band{};
  GetClientRect(Handle(), &band);
  band.bottom = Scale(height);
  OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &band, brush.Get());
}

// The dialog keys of this form's windows: Tab, Enter, Esc, mnemonics, arrows,
// and Ctrl+Tab or Ctrl+PageDown for tab pages. Esc in an open drop-down list
// closes the list and does nothing else, before the form sees the key.
bool Form::FilterMessage(MSG& msg) {
  if (!Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
  if (IsInputMessage(msg.message)) keys_.RememberFocus();
  if (keys_.CloseDroppedList(msg)) return true;
  if (PreTranslate(msg)) return true;
  if (keys_.TurnTabPage(msg) || keys_.MoveFocusByTab(msg)) return true;
  if (IsPlainCharacter(msg)) return false;
  return IsDialogMessageW(Handle(), &msg) != FALSE;
}

void Form::Closing() {
  if (!CanClose()) return;
  if (inModal_) {
    if (result_ == DialogResult::kNone) result_ = DialogResult::kCancel;
    return;
  }
  if (Application::Get().MainForm() == this) {
    Application::Get().Terminate();
    return;
  }
  Hide();
  if (closeAction == CloseAction::kFree) Application::Get().Release(*this);
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; Reflect(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(Handle(), &client);
      PaintBackground(reinterpret_cast<HDC>(wp), client);
      return 1;
    }
    case WM_CLOSE:
      Closing();
      return 0;
    case WM_COMMAND:
      // Esc without a cancel button, and menu or accelerator commands. Esc
      // never ends the program from its main form (its close box does).
      if (menuBar_ && menuBar_->Command(LOWORD(wp))) return 0;
      if (LOWORD(wp) == IDCANCEL && Application::Get().MainForm() != this) Closing();
      return 0;
    case WM_MEASUREITEM:
      if (MeasureMenuPicture(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (DrawMenuPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_INITMENUPOPUP:
      if (menuBar_) menuBar_->InitPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        keys_.RememberFocus();
      } else if (LOWORD(wp) == WA_CLICKACTIVE && keys_.ClickedControl()) {
        // The focus is the clicked control's, which takes it as the click arrives.
        clickActivating_ = true;
        Window::WndProc(msg, wp, lp);
        clickActivating_ = false;
        return 0;
      }
      break;  // the default gives the form the focus, which passes it on
    case WM_SETFOCUS:
      if (!clickActivating_) keys_.RestoreFocus();
      return 0;
    case WM_SHOWWINDOW:
      // Shown again, the form starts afresh; an owner's minimising keeps the focus.
      if (!wp && lp == 0) keys_.ForgetFocus();
      break;
    case WM_NEXTDLGCTL:
      keys_.MoveFocus(wp, lp);
      return 0;
    case DM_GETDEFID:
      return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case WM_SIZE:
      LayOutChildren();
      return 0;
    case WM_DPICHANGED:
      DpiChangedTo(HIWORD(wp), *reinterpret_cast<RECT*>(lp));
      return 0;
    case WM_TIMER:
      timers_.Run(wp);
      return 0;
  }
  return Window::WndProc(msg, wp, lp);
}

}  // namespace qrv
