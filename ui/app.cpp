#include "ui/app.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {

constexpr UINT kReleaseForm = WM_APP + 1;

}  // namespace

Application& Application::Get() {
  static Application app;
  return app;
}

void Application::Initialize(const std::wstring& title) {
  title_ = title;
  if (hwnd_) SetWindowTextW(hwnd_, title_.c_str());
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

HWND Application::Handle() {
  if (hwnd_) return hwnd_;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TApplication";
  RegisterClassW(&wc);
  // A hidden top-level window: unlike a message-only window it also receives
  // messages broadcast to all top-level windows.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, wc.hInstance, nullptr);
  return hwnd_;
}

void Application::HookMainWindow(const void* owner, MainWindowHook hook) {
  Handle();
  hooks_.emplace_back(owner, std::move(hook));
}

void Application::UnhookMainWindow(const void* owner) {
  std::erase_if(hooks_, [owner](const auto& h) { return h.first == owner; });
}

LRESULT CALLBACK Application::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Application& app = Get();
  for (std::size_t i = 0; i < app.hooks_.size(); ++i) {
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] { handled = app.hooks_[i].second(msg, wp, lp, result); });
    if (handled) return result;
  }
  if (msg == kReleaseForm) {
    auto* form = reinterpret_cast<Form*>(lp);
    const auto it = std::find_if(app.forms_.begin(), app.forms_.end(), [form](const auto& f) { return f.get() == form; });
    if (it != app.forms_.end()) {
      Free(*it);
      app.forms_.erase(it);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void Application::Dispatch(MSG& msg) {
  bool handled = false;
  if (OnMessage) Guarded([&] { OnMessage(msg, handled); });
  if (handled) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Application::ProcessMessages() {
  MSG msg;
  while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    Dispatch(msg);
  }
}

bool Application::HandleMessage() {
  if (terminated_) return false;
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  Dispatch(msg);
  return true;
}

void Application::Run() {
  if (Form* main = MainForm()) main->Show();
  while (HandleMessage()) {
  }
  DestroyForms();
}

void Application::Terminate() {
  // Wake the loop without leaving a quit message behind: message boxes shown
  // while the forms are freed would close at once.
  terminated_ = true;
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Application::Release(Form& form) { PostMessageW(Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(&form)); }

void Application::Free(std::unique_ptr<Form>& form) {
  if (form->OnDestroy) Guarded(form->OnDestroy);
  form.reset();
}

void Application::DestroyForms() {
  while (!forms_.empty()) {
    Free(forms_.back());
    forms_.pop_back();
  }
}

}  // namespace ui
