// The application: its hidden top-level window (the owner of top-level forms
// and the receiver of messages broadcast to all top-level windows), the forms
// it owns, and the message loop. The loop runs a list of message filters
// before a message is translated and dispatched: each form's dialog keys, a
// menu bar's accelerators, a key capture; the newest filter sees it first.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/window.h"

namespace qrv {

class Form;

class Application : private Window {
 public:
  static Application& Get();

  // Sets the title of the application window; call before the first form.
  void Initialize(const std::wstring& title);
  HWND Handle();

  // A filter answers true when it handled the message, which is then neither
  // translated nor dispatched. Returns the id to remove it with.
  using MessageFilter = std::function<bool(MSG& msg)>;
  int AddMessageFilter(MessageFilter filter);
  void RemoveMessageFilter(int id);

  // Creates a top-level form owned by the application; the first is the main form.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    return Adopt(std::make_unique<F>(std::forward<Args>(args)...));
  }
  // Takes a form made elsewhere into the application's keeping.
  template <class F>
  F& Adopt(std::unique_ptr<F> form) {
    F& adopted = *form;
    forms_.push_back(std::move(form));
    return adopted;
  }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Shows the main form and runs the loop until Terminate; then frees every
  // form. Each run starts anew, also after an earlier run ended.
  void Run();
  // Runs the loop until `done` answers true; false when the program is ending.
  bool RunUntil(const std::function<bool()>& done);
  // Handles every pending message without waiting.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Frees a form (of the application or owned by a form) once the message
  // being handled is done.
  void Release(Form& form);
  // Frees every form, the last created first.
  void DestroyForms();
  // Every form that exists, wherever it is kept (used by Form).
  void FormCreated(Form& form) { liveForms_.push_back(&form); }
  void FormDestroyed(Form& form) { std::erase(liveForms_, &form); }

 private:
  struct FilterEntry;
  Application();
  static LRESULT CALLBACK OtherLoopFilter(int code, WPARAM wp, LPARAM lp);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool WaitAndDispatch();
  void Dispatch(MSG& msg);
  bool Filtered(MSG& msg);
  void FreeReleased(const Form* form);

  std::wstring title_ = L"Application";
  std::vector<std::shared_ptr<FilterEntry>> filters_;
  int nextFilterId_ = 1;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<Form*> liveForms_;
  bool terminated_ = false;
  // The message the filters run on: the dialog checks they make, which hand it
  // (or a copy) to the hook, must not run them again.
  std::optional<MSG> filtering_;
};

}  // namespace qrv
