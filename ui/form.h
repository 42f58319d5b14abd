// A form: a top-level window of the program, owned by the application window,
// that owns its controls and timers (they are freed with it) and paints its
// controls itself, double-buffered. Its events are plain members set by the
// form class; other messages are handled per message.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/control.h"
#include "ui/timer.h"

namespace ui {

enum class CloseAction { kHide, kFree };

class Form {
 public:
  // Creates the (hidden) window: borderless when `borderless`, else a dialog frame.
  Form(const wchar_t* class_name, const std::wstring& caption, int client_width, int client_height,
       bool borderless = false);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND Handle() const { return hwnd_; }
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption) { SetWindowTextW(hwnd_, caption.c_str()); }

  // Controls, in painting order (the last one on top).
  Control& Adopt(std::unique_ptr<Control> control);
  Control& FindControl(const std::wstring& name) const;
  template <class T>
  T& Get(const std::wstring& name) const {
    if (auto* c = dynamic_cast<T*>(&FindControl(name))) return *c;
    throw std::logic_error("control of another kind");
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // The topmost visible control at a point of the client area.
  Control* ControlAtPos(POINT client, bool allow_disabled) const;
  Timer& AddTimer(const std::wstring& name, UINT interval);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

  bool Visible() const;
  void Show();
  void Hide();
  void SetVisible(bool visible) { visible ? Show() : Hide(); }
  void BringToFront();
  void Update() const { UpdateWindow(hwnd_); }
  void InvalidateRect(const RECT* rect);

  // Without border icons the frame keeps its caption but shows no system menu
  // and no buttons (Alt+F4 still closes the form).
  void SetBorderIcons(bool shown);
  // Alt and a key: clicks the control whose caption marks that key.
  bool Accelerate(wchar_t key);

  COLORREF Color = GetSysColor(COLOR_BTNFACE);
  // Hints: each control's Hint shows under the mouse while this is on.
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show);
  // Called by a control whose place, size or visibility changed.
  void ControlChanged(const Control& control, const RECT& old_bounds);

  // Asks OnCloseQuery; the main form then ends the program, a modal form ends
  // its modal loop, any other form is hidden or freed as OnClose decides.
  void Close();
  int ShowModal();
  int ModalResult = 0;

  // OnDestroy runs when the application frees the form, before anything of it goes.
  std::function<void()> OnCreate, OnShow, OnActivate, OnDestroy;
  std::function<void(bool& can_close)> OnCloseQuery;
  std::function<void(CloseAction& action)> OnClose;

  // Handles one window message; the handler's result is the message's result.
  void HandleMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  void MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
  void TrackHover(Control* over);
  void HintTimer();
  void HideHint();
  void ChildCommand(HWND child, WORD code);
  void FocusFirstChild();

  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::unordered_map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> handlers_;
  Control* captured_ = nullptr;
  Control* hovered_ = nullptr;
  bool in_modal_ = false;
  bool tracking_leave_ = false;
  bool show_hint_ = false;
  bool hint_shown_ = false;
};

}  // namespace ui
