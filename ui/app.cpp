#include "ui/app.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/form.h"

namespace qrv {
namespace {

constexpr UINT kReleaseForm = WM_APP + 1;

}  // namespace

struct Application::FilterEntry {
  int id;
  MessageFilter filter;
  bool alive = true;
};

Application& Application::Get() {
  static Application app;
  return app;
}

void Application::Initialize(const std::wstring& title) {
  title_ = title;
  if (Window::Handle()) SetWindowTextW(Window::Handle(), title_.c_str());
}

HWND Application::Handle() {
  if (!Window::Handle()) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // A hidden top-level window: unlike a message-only window it also receives
    // messages broadcast to all top-level windows.
    CreateHandle({.className = L"QrvApplication",
                  .exStyle = WS_EX_TOOLWINDOW,
                  .style = WS_POPUP,
                  .text = title_,
                  .bounds = {0, 0, 0, 0}});
  }
  return Window::Handle();
}

int Application::AddMessageFilter(MessageFilter filter) {
  filters_.push_back(std::make_shared<FilterEntry>(FilterEntry{nextFilterId_, std::move(filter)}));
  return nextFilterId_++;
}

void Application::RemoveMessageFilter(int id) {
  for (auto& entry : filters_) {
    if (entry->id == id) entry->alive = false;
  }
  std::erase_if(filters_, [](const auto& entry) { return !entry->alive; });
}

LRESULT Application::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kReleaseForm) {
    FreeReleased(reinterpret_cast<const Form*>(lp));
    return 0;
  }
  return Window::WndProc(msg, wp, lp);
}

// A message box, a system dialog or another program's dialog shown by one
// window reads the thread's messages in its own loop: what it reads for our
// other windows' keys goes through their filters there too, so that each keeps
// its keys while another shows a dialog.
Application::Application() { SetWindowsHookExW(WH_MSGFILTER, OtherLoopFilter, nullptr, GetCurrentThreadId()); }

LRESULT CALLBACK Application::OtherLoopFilter(int code, WPARAM wp, LPARAM lp) {
  Application& app = Get();
  auto* msg = reinterpret_cast<MSG*>(lp);
  const auto same = [msg](const MSG& m) {
    return m.hwnd == msg->hwnd && m.message == msg->message && m.wParam == msg->wParam && m.lParam == msg->lParam &&
           m.time == msg->time;
  };
  const bool key = msg && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
  if (code == MSGF_DIALOGBOX && key && !(app.filtering_ && same(*app.filtering_)) && app.Filtered(*msg)) return TRUE;
  return CallNextHookEx(nullptr, code, wp, lp);
}

bool Application::Filtered(MSG& msg) {
  const std::optional<MSG> outer = std::exchange(filtering_, msg);
  bool handled = false;
  // A filter may remove filters (its form closing): run over a copy, skipping the removed.
  const auto filters = filters_;
  for (auto it = filters.rbegin(); it != filters.rend() && !handled; ++it) {
    if ((*it)->alive) Guarded([&] { handled = (*it)->filter(msg); });
  }
  filtering_ = outer;
  return handled;
}

void Application::Dispatch(MSG& msg) {
  if (Filtered(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool Application::WaitAndDispatch() {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  Dispatch(msg);
  return true;
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

bool Application::RunUntil(const std::function<bool()>& done) {
  while (!terminated_ && !done()) WaitAndDispatch();
  return !terminated_;
}

void Application::Run() {
  terminated_ = false;
  if (Form* main = MainForm()) main->Show();
  RunUntil([] { return false; });
  DestroyForms();
}

void Application::Terminate() {
  // Wake the loop without leaving a quit message behind: message boxes shown
  // while the forms are freed would close at once.
  terminated_ = true;
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Application::Release(Form& form) { PostMessageW(Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(&form)); }

// The form is looked for by address only: it may have gone with its owner already.
void Application::FreeReleased(const Form* form) {
  const auto it = std::find_if(forms_.begin(), forms_.end(), [form](const auto& f) { return f.get() == form; });
  if (it != forms_.end()) {
    std::unique_ptr<Form> freed = std::move(*it);
    forms_.erase(it);
    return;
  }
  // Owned forms are freed by their owner, which may live anywhere (a member, a test's local).
  for (Form* owner : std::vector<Form*>(liveForms_)) {
    if (owner->FreeOwned(form)) return;
  }
}

void Application::DestroyForms() {
  while (!forms_.empty()) {
    std::unique_ptr<Form> freed = std::move(forms_.back());
    forms_.pop_back();
  }
}

}  // namespace qrv
