// Lets an object that is not a window (the tray icon, say) see the messages of
// a window it does not own, such as its form's. Each subscription is a
// subclass of its own in the system's subclass chain, so subscriptions of
// several objects, and window procedures that other code puts in between,
// chain without ever calling one another in a circle. The newest subscription
// sees a message first; the window's own procedure runs last.
#pragma once

#include <windows.h>

#include <functional>

namespace qrv {

class WindowSubclass {
 public:
  // Answers true (and sets the result) when it handled the message, which then
  // goes no further; false passes it on.
  using Handler = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;

  WindowSubclass() = default;
  ~WindowSubclass() { Detach(); }
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Subscribes to a window (leaving an earlier one); false when the system refused.
  bool Attach(HWND window, Handler handler);
  void Detach();
  // The window subscribed to; null also once it was destroyed.
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) noexcept;
  HWND window_ = nullptr;
  Handler handler_;
};

}  // namespace qrv
