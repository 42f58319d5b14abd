// The base of every window of ours that is not a system control: one static
// window procedure finds the object from the handle (stored at WM_NCCREATE) and
// calls its virtual WndProc. No exception leaves it: one is reported once and
// the program runs on.
#pragma once

#include <windows.h>

#include <string>

namespace qrv {

// Registers (once) a class whose procedure is DefWindowProc, for windows of
// ours that get their own messages through the control subclass; returns name.
const wchar_t* PlainWindowClass(const wchar_t* name, UINT classStyle = 0);

// What failed, followed by the system's text and number for the calling
// thread's last error: read it right after the failed call.
std::string LastErrorText(const char* what);

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

 protected:
  struct CreateArgs {
    const wchar_t* className = L"QrvWindow";
    UINT classStyle = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    std::wstring text;
    RECT bounds{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};  // left, top, width, height
    HWND parent = nullptr;
  };
  // Registers the class once with our procedure and creates the window;
  // throws when the system cannot make it.
  void CreateHandle(const CreateArgs& args);
  // Messages of this window; the base hands them to DefWindowProc.
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  HWND hwnd_ = nullptr;
};

}  // namespace qrv
