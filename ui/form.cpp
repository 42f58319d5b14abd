#include "ui/form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>

#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/windowed.h"

namespace ui {

namespace {

void RegisterFormClass(const wchar_t* class_name, WNDPROC proc) {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), class_name, &wc)) return;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
  wc.lpszClassName = class_name;
  RegisterClassW(&wc);
}

MouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return MouseButton::kRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return MouseButton::kMiddle;
    default: return MouseButton::kLeft;
  }
}

constexpr UINT_PTR kHintTimer = 0xF00D;
constexpr UINT kHintPause = 600;
constexpr UINT kHintShowTime = 5000;

TTTOOLINFOW HintTool(HWND form, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = form;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

}  // namespace

Form::Form(const wchar_t* class_name, const std::wstring& caption, int client_width, int client_height,
           bool borderless) {
  RegisterFormClass(class_name, WindowProc);
  const DWORD style = borderless ? WS_POPUP : WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT rc{0, 0, client_width, client_height};
  AdjustWindowRectEx(&rc, style, FALSE, 0);
  hwnd_ = CreateWindowExW(0, class_name, caption.c_str(), style | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                          rc.right - rc.left, rc.bottom - rc.top, Application::Get().Handle(), nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("The window could not be created.");
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool = HintTool(hwnd_, L"");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

Form::~Form() {
  timers_.clear();
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

Control& Form::Adopt(std::unique_ptr<Control> control) {
  controls_.push_back(std::move(control));
  Control& added = *controls_.back();
  ControlChanged(added, added.BoundsRect());
  return added;
}

Control& Form::FindControl(const std::wstring& name) const {
  for (const auto& c : controls_) {
    if (c->Name() == name) return *c;
  }
  throw std::logic_error("no such control in the form");
}

Control* Form::ControlAtPos(POINT client, bool allow_disabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control& c = **it;
    if (c.Visible() && (allow_disabled || c.Enabled()) && PtInRect(&c.BoundsRect(), client)) return &c;
  }
  return nullptr;
}

Timer& Form::AddTimer(const std::wstring& name, UINT interval) {
  timers_.push_back(std::make_unique<Timer>(*this, name, timers_.size() + 1, interval));
  return *timers_.back();
}

void Form::ControlChanged(const Control& control, const RECT& old_bounds) {
  InvalidateRect(&old_bounds);
  InvalidateRect(&control.BoundsRect());
}

// --- hints: one tooltip of the form, shown under the pointer after a pause ------------


void Form::SetShowHint(bool show) {
  show_hint_ = show;
  if (!show) HideHint();
}

void Form::HideHint() {
  KillTimer(hwnd_, kHintTimer);
  if (!hint_shown_) return;
  TTTOOLINFOW tool = HintTool(hwnd_, L"");
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  hint_shown_ = false;
}

void Form::HintTimer() {
  if (hint_shown_ || !hovered_ || hovered_->Hint.empty()) {
    HideHint();
    return;
  }
  TTTOOLINFOW tool = HintTool(hwnd_, hovered_->Hint.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  POINT cursor;
  GetCursorPos(&cursor);
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x + 4, cursor.y + 20));
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  hint_shown_ = true;
  SetTimer(hwnd_, kHintTimer, kHintShowTime, nullptr);
}

static RECT WindowRectOf(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return rc;
}

std::wstring Form::Caption() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

int Form::Left() const { return WindowRectOf(hwnd_).left; }
int Form::Top() const { return WindowRectOf(hwnd_).top; }
int Form::Width() const { const RECT r = WindowRectOf(hwnd_); return r.right - r.left; }
int Form::Height() const { const RECT r = WindowRectOf(hwnd_); return r.bottom - r.top; }

void Form::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
void Form::Show() { ShowWindow(hwnd_, SW_SHOW); }
void Form::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void Form::BringToFront() {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::InvalidateRect(const RECT* rect) { ::InvalidateRect(hwnd_, rect, FALSE); }

void Form::SetBorderIcons(bool shown) {
  LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  style = shown ? style | WS_SYSMENU | WS_MINIMIZEBOX : style & ~(WS_SYSMENU | WS_MINIMIZEBOX);
  SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool Form::Accelerate(wchar_t key) {
  for (const auto& c : controls_) {
    if (c->Accelerate(key)) return true;
  }
  return false;
}

// A notification from a child window goes to the control it belongs to.
void Form::ChildCommand(HWND child, WORD code) {
  for (const auto& c : controls_) {
    auto* windowed = dynamic_cast<WindowedControl*>(c.get());
    if (windowed && windowed->Handle() == child) return windowed->Command(code);
  }
}

// The form's focus goes on to its first window that takes it.
void Form::FocusFirstChild() {
  for (const auto& c : controls_) {
    auto* windowed = dynamic_cast<WindowedControl*>(c.get());
    if (windowed && windowed->Visible() && windowed->Enabled()) {
      SetFocus(windowed->Handle());
      return;
    }
  }
}

void Form::Close() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(can_close);
  if (!can_close) return;
  if (in_modal_) {
    if (ModalResult == 0) ModalResult = mrCancel;
    return;
  }
  if (Application::Get().MainForm() == this) {
    Application::Get().Terminate();
    return;
  }
  CloseAction action = CloseAction::kHide;
  if (OnClose) OnClose(action);
  Hide();
  if (action == CloseAction::kFree) Application::Get().Release(*this);
}

int Form::ShowModal() {
  struct Disabled {
    HWND self;
    std::vector<HWND> windows;
  } disabled{hwnd_, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* d = reinterpret_cast<Disabled*>(p);
        if (w != d->self && IsWindowVisible(w) && IsWindowEnabled(w)) {
          EnableWindow(w, FALSE);
          d->windows.push_back(w);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  ModalResult = mrNone;
  in_modal_ = true;
  Show();
  SetForegroundWindow(hwnd_);
  auto& app = Application::Get();
  while (ModalResult == mrNone && app.HandleMessage()) {
  }
  in_modal_ = false;
  for (HWND w : disabled.windows) EnableWindow(w, TRUE);
  Hide();
  return ModalResult;
}

void Form::HandleMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler) {
  handlers_[msg] = std::move(handler);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form || !form->hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return form->Dispatch(msg, wp, lp);
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
}

LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  if (auto it = handlers_.find(msg); it != handlers_.end()) return it->second(wp, lp);
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CLOSE: Close(); return 0;
    case WM_COMMAND:
      if (lp) ChildCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_SYSCHAR:
      if (Accelerate(static_cast<wchar_t>(wp))) return 0;
      break;
    case WM_SETFOCUS:
      FocusFirstChild();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && OnActivate) OnActivate();
      break;
    case WM_SHOWWINDOW:
      if (wp && OnShow) OnShow();
      break;
    case WM_TIMER:
      if (wp == kHintTimer) {
        HintTimer();
        return 0;
      }
      for (const auto& t : timers_) {
        if (t->Id() == wp && t->Running() && t->OnTimer) t->OnTimer(*t);
      }
      return 0;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
      MouseMessage(msg, wp, lp);
      return 0;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      TrackHover(nullptr);
      return 0;
    case WM_CAPTURECHANGED:
      captured_ = nullptr;
      return 0;
    case WM_SYSCOLORCHANGE:
      for (const auto& c : controls_) c->SysColorChange();
      InvalidateRect(nullptr);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void Form::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(mem, bitmap);
  HBRUSH brush = CreateSolidBrush(Color);
  FillRect(mem, &client, brush);
  DeleteObject(brush);
  for (const auto& c : controls_) {
    RECT overlap;
    if (!c->Visible() || !IntersectRect(&overlap, &ps.rcPaint, &c->BoundsRect())) continue;
    const int saved = SaveDC(mem);
    SetViewportOrgEx(mem, c->Left(), c->Top(), nullptr);
    IntersectClipRect(mem, 0, 0, c->Width(), c->Height());
    c->Paint(mem);
    RestoreDC(mem, saved);
  }
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, mem, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  EndPaint(hwnd_, &ps);
}

void Form::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  const auto local = [&p](Control& c) { return POINT{p.x - c.Left(), p.y - c.Top()}; };
  if (msg == WM_MOUSEMOVE) {
    if (!tracking_leave_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
      tracking_leave_ = TrackMouseEvent(&track) != FALSE;
    }
    TrackHover(ControlAtPos(p, false));
    if (Control* target = captured_ ? captured_ : hovered_) target->MouseMove(local(*target).x, local(*target).y);
    return;
  }
  const MouseButton button = ButtonOf(msg);
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
  const bool double_click = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  if (down || double_click) {
    HideHint();
    Control* target = ControlAtPos(p, false);
    if (!target) return;
    captured_ = target;
    SetCapture(hwnd_);
    target->MouseDown(button, local(*target).x, local(*target).y);
    if (double_click && captured_ == target) target->DblClick();
    return;
  }
  Control* target = captured_ ? captured_ : ControlAtPos(p, false);
  if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == hwnd_) ReleaseCapture();
  if (target) target->MouseUp(button, local(*target).x, local(*target).y);
}

void Form::TrackHover(Control* over) {
  if (over == hovered_) return;
  Control* left = hovered_;
  hovered_ = over;
  HideHint();
  if (over && show_hint_ && !over->Hint.empty()) SetTimer(hwnd_, kHintTimer, kHintPause, nullptr);
  if (left) left->MouseLeave();
}

}  // namespace ui
