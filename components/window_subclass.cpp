#include "components/window_subclass.h"

#include <commctrl.h>

#include "ui/dialogs.h"

namespace qrv {

bool WindowSubclass::Attach(HWND window, Handler handler) {
  Detach();
  if (!window) return false;
  handler_ = std::move(handler);
  if (!SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
    return false;
  window_ = window;
  return true;
}

void WindowSubclass::Detach() {
  if (!window_) return;
  RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                           DWORD_PTR data) noexcept {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  if (msg == WM_NCDESTROY) {
    // The window goes before the subscriber: it keeps no dead handle.
    RemoveWindowSubclass(hwnd, Procedure, id);
    self->window_ = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  try {
    if (LRESULT result = 0; self->handler_ && self->handler_(msg, wp, lp, result)) return result;
  } catch (...) {
    ReportCurrentException(GetAncestor(hwnd, GA_ROOT));
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace qrv
