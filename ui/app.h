// The application: its hidden top-level window (the owner of every form and the
// receiver of messages broadcast to all top-level windows), the forms it owns,
// and the message loop with an application-wide message handler.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/form.h"

namespace ui {

class Application {
 public:
  static Application& Get();

  // Sets the title of the application window; call before the first form.
  void Initialize(const std::wstring& title);
  HWND Handle();

  // A hook sees every message of the application window first; it answers true
  // (and sets the result) when it handled the message.
  using MainWindowHook = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;
  void HookMainWindow(const void* owner, MainWindowHook hook);
  void UnhookMainWindow(const void* owner);

  // Sees every message the loop takes from the queue, for all windows, before
  // it is dispatched; setting `handled` keeps it from being dispatched.
  std::function<void(MSG& msg, bool& handled)> OnMessage;

  // Creates a form, owned by the application, and runs its OnCreate. The first
  // form created is the main form.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    F& created = *form;
    forms_.push_back(std::move(form));
    if (created.OnCreate) Guarded(created.OnCreate);
    return created;
  }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Shows the main form and runs the loop until Terminate; then frees every form.
  void Run();
  // Handles every pending message without waiting.
  void ProcessMessages();
  // Waits for one message and handles it; false once the program is ending.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Frees a form once the message being handled is done.
  void Release(Form& form);
  // Frees every form, the last created first.
  void DestroyForms();

 private:
  Application() = default;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Dispatch(MSG& msg);
  static void Free(std::unique_ptr<Form>& form);

  HWND hwnd_ = nullptr;
  std::wstring title_ = L"Application";
  std::vector<std::pair<const void*, MainWindowHook>> hooks_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
};

}  // namespace ui
