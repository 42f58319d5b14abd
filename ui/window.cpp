#include "ui/window.h"

#include <stdexcept>

#include "ui/dialogs.h"

namespace qrv {

const wchar_t* PlainWindowClass(const wchar_t* name, UINT classStyle) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (GetClassInfoW(instance, name, &wc)) return name;
  wc.style = classStyle;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return name;
}

Window::~Window() {
  if (!hwnd_) return;
  // The object is going: later messages of the window must not reach it.
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

void Window::CreateHandle(const CreateArgs& args) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, args.className, &wc)) {
    wc.style = args.classStyle;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = args.className;
    RegisterClassW(&wc);
  }
  CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, args.bounds.left, args.bounds.top,
                  args.bounds.right, args.bounds.bottom, args.parent, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("The window could not be created.");
}

LRESULT Window::WndProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    // Destroyed by the system (with its owner, say): the object keeps no dead handle.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return self->WndProc(msg, wp, lp);
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
}

}  // namespace qrv
