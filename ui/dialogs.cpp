#include "ui/dialogs.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "ui/wide.h"

namespace qrv {
namespace {

PromptHandler promptHandler = nullptr;

const wchar_t* CaptionOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return L"Warning";
    case MessageKind::kInformation:
      return L"Information";
    case MessageKind::kError:
      return L"Error";
    case MessageKind::kConfirmation:
      return L"Confirm";
  }
  return L"";
}

UINT StyleOf(MessageKind kind, MessageButtons buttons, bool owned) {
  UINT style = (owned ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND;
  switch (kind) {
    case MessageKind::kWarning:
      style |= MB_ICONWARNING;
      break;
    case MessageKind::kInformation:
      style |= MB_ICONINFORMATION;
      break;
    case MessageKind::kError:
      style |= MB_ICONERROR;
      break;
    case MessageKind::kConfirmation:
      style |= MB_ICONQUESTION;
      break;
  }
  switch (buttons) {
    case MessageButtons::kOk:
      return style | MB_OK;
    case MessageButtons::kOkCancel:
      return style | MB_OKCANCEL;
    case MessageButtons::kYesNo:
      return style | MB_YESNO;
    case MessageButtons::kYesNoCancel:
      return style | MB_YESNOCANCEL;
  }
  return style;
}

// Moves the next box the thread activates to a place of the caller's: the
// system centres a box as it is made, so it is moved when it first becomes
// active. A box shown while another is up has a placement of its own.
class BoxPlacement {
 public:
  explicit BoxPlacement(const std::optional<POINT>& topLeft) : outer_(std::exchange(current, this)) {
    if (!topLeft) return;
    topLeft_ = *topLeft;
    hook_ = SetWindowsHookExW(WH_CBT, &BoxPlacement::OnCbt, nullptr, GetCurrentThreadId());
  }
  ~BoxPlacement() {
    Unhook();
    current = outer_;
  }
  BoxPlacement(const BoxPlacement&) = delete;
  BoxPlacement& operator=(const BoxPlacement&) = delete;

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wp, LPARAM lp) noexcept {
    if (code == HCBT_ACTIVATE && current && current->hook_) {
      SetWindowPos(reinterpret_cast<HWND>(wp), nullptr, current->topLeft_.x, current->topLeft_.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      current->Unhook();
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  void Unhook() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }

  static inline BoxPlacement* current = nullptr;
  BoxPlacement* outer_;
  POINT topLeft_{};
  HHOOK hook_ = nullptr;
};

}  // namespace

DialogResult ShowMessage(const std::wstring& text, MessageKind kind, MessageButtons buttons,
                         const MessageOptions& options) {
  if (promptHandler) return promptHandler(text, kind, buttons);
  const BoxPlacement placement(options.topLeft);
  switch (MessageBoxW(options.owner, text.c_str(), options.caption ? options.caption : CaptionOf(kind),
                      StyleOf(kind, buttons, options.owner != nullptr))) {
    case IDOK:
      return DialogResult::kOk;
    case IDYES:
      return DialogResult::kYes;
    case IDNO:
      return DialogResult::kNo;
    default:
      return DialogResult::kCancel;
  }
}

void SetPromptHandler(PromptHandler handler) { promptHandler = handler; }

void ReportCurrentException(HWND owner) noexcept {
  try {
    std::wstring text = L"An unexpected error occurred.";
    try {
      throw;
    } catch (const std::exception& e) {
      text = Widen(e.what());
    } catch (...) {}
    ShowMessage(text, MessageKind::kError, MessageButtons::kOk, {.owner = owner});
  } catch (...) {
    // Nothing more can be reported; the program runs on.
  }
}

}  // namespace qrv
