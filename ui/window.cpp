#include "ui/window.h"

#include <cwctype>
#include <stdexcept>

#include "ui/dialogs.h"
#include "ui/wide.h"

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

std::string LastErrorText(const char* what) {
  const DWORD code = GetLastError();
  std::string text = what;
  if (code == ERROR_SUCCESS) return text + " No system error was set.";
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring system(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!system.empty() && std::iswspace(system.back())) system.pop_back();
  text += system.empty() ? " System error" : " " + Narrow(system);
  return text + " (" + std::to_string(code) + ")";
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
  SetLastError(ERROR_SUCCESS);
  CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, args.bounds.left, args.bounds.top,
                  args.bounds.right, args.bounds.bottom, args.parent, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error(LastErrorText("The window could not be created."));
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
