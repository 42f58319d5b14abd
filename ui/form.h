// A form: a top-level window that holds controls (typed members of the form's
// class, created in declaration order) and timers, lays them out at its DPI,
// and handles the keys of every Windows dialog through the application's
// message filters. Active again, it gives the focus back to the control that
// had it, as dialogs do. A form is owned by the application or by the form that
// opened it, and freed with its owner. Closing or freeing a form is never done
// inside its own handler: it is posted.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/dialog_keys.h"
#include "ui/dialogs.h"
#include "ui/form_timers.h"
#include "ui/window.h"

namespace qrv {

class MenuBar;

enum class FormStyle { kDialog, kSizable, kBorderless };
enum class CloseAction { kHide, kFree };

struct FormArgs {
  std::wstring caption{};
  SIZE clientSize{0, 0};  // at 96 DPI
  FormStyle style = FormStyle::kDialog;
  Form* owner = nullptr;
  bool topMost = false;
  bool systemMenu = true;      // false: a caption without the system menu and its buttons
  bool taskbarButton = false;  // shown on the taskbar although it has an owner
  bool toolWindow = false;     // a small caption with only a close box, not on the taskbar
};

class Form : public Window, public Container {
 public:
  explicit Form(const FormArgs& args);
  ~Form() override;

  // Container
  HWND ContainerHandle() const override { return Handle(); }
  UINT Dpi() const override { return dpi_; }
  Form& OwnerForm() override { return *this; }
  SIZE DesignClientSize() const override { return designSize_; }

  Form* Owner() const { return owner_; }
  // Opens a form owned by this one; F's constructor takes this form first.
  template <class F, class... Args>
  F& CreateOwned(Args&&... args) {
    auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
    F& created = *form;
    owned_.push_back(std::move(form));
    return created;
  }
  // Frees an owned form (or one owned by an owned form); false when not found.
  bool FreeOwned(const Form* form);

  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption) { SetWindowTextW(Handle(), caption.c_str()); }
  RECT WindowRect() const;
  // Moves the window; the size is in pixels of the screen.
  void SetWindowRect(int left, int top, int width, int height);
  // Sizes the window so that its client area is this size at 96 DPI.
  void SetClientSize(SIZE designSize);

  bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }
  void Show();
  void Hide() { ShowWindow(Handle(), SW_HIDE); }
  // Asks the form to close, once the message being handled is done.
  void Close() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }
  CloseAction closeAction = CloseAction::kHide;

  // Shows the form with only its owner disabled and runs a loop until a button
  // with a dialog result, EndModal or closing ends it.
  DialogResult ShowModal();
  void EndModal(DialogResult result) { result_ = result; }

  // Takes another DPI: the window and every control scale to it.
  void ApplyDpi(UINT dpi);
  // Hints of controls show under the mouse while this is on.
  void SetShowHints(bool show);
  void SetHint(HWND control, const std::wstring& hint);
  // The button Enter clicks (control id IDOK), answered to DM_GETDEFID.
  void SetDefaultId(int id) { defaultId_ = id; }

  // Paints the form's background under an area of its client area; drawn
  // controls ask for the part under them before they paint themselves.
  virtual void PaintBackground(HDC dc, const RECT& area);
  // Fills a band across the top of the client area, `height` pixels at 96 DPI.
  void PaintTitleBand(HDC dc, int height, COLORREF colour);
  COLORREF background = GetSysColor(COLOR_BTNFACE);

  // Used by MenuBar and Timer.
  void SetMenuBar(MenuBar* bar) { menuBar_ = bar; }
  FormTimers& Timers() { return timers_; }

 protected:
  // A form's own handlers: override and fall back to Form::WndProc.
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  // Sees a key (or any message for this form's windows) before the dialog keys.
  virtual bool PreTranslate(MSG&) { return false; }
  // Asked before the form closes.
  virtual bool CanClose() { return true; }
  // Called once the form and its controls have taken another DPI.
  virtual void DpiChanged() {}

 private:
  bool FilterMessage(MSG& msg);
  void Closing();
  void DpiChangedTo(UINT dpi, const RECT& suggested);

  Form* owner_;
  SIZE designSize_;
  UINT dpi_ = kDesignDpi;
  int filterId_ = 0;
  int defaultId_ = 0;
  HWND tooltip_ = nullptr;
  DialogKeys keys_{*this};
  bool clickActivating_ = false;
  bool inModal_ = false;
  DialogResult result_ = DialogResult::kNone;
  MenuBar* menuBar_ = nullptr;
  FormTimers timers_;
  std::vector<std::unique_ptr<Form>> owned_;
};

}  // namespace qrv
