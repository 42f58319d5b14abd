// Message boxes with the program's captions, the seam through which tests
// answer them, and the one place that reports an exception that left an event
// handler: an error box with the exception's text, the program running on.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace qrv {

// How a modal form or a message box ended.
enum class DialogResult { kNone = 0, kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

enum class MessageKind { kWarning, kInformation, kError, kConfirmation };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

// Where a box shows and what it belongs to.
struct MessageOptions {
  const wchar_t* caption = nullptr;  // instead of the kind's
  // The window the box belongs to: it stays in front of it, which is disabled
  // while the box shows. Without one, every window of the thread is disabled.
  HWND owner = nullptr;
  std::optional<POINT> topLeft{};  // on the screen; else where the system puts it
};

// Shows a box captioned "Warning", "Information", "Error" or "Confirm" (or
// the options' caption) and returns the button pressed (kCancel when the box
// is closed otherwise).
DialogResult ShowMessage(const std::wstring& text, MessageKind kind, MessageButtons buttons = MessageButtons::kOk,
                         const MessageOptions& options = {});

// Tests answer the boxes through this instead of the screen; nullptr brings the
// boxes back.
using PromptHandler = DialogResult (*)(const std::wstring& text, MessageKind kind, MessageButtons buttons);
void SetPromptHandler(PromptHandler handler);

// Reports the exception being handled, in a box of the owner's when given;
// call it only inside a catch block.
void ReportCurrentException(HWND owner = nullptr) noexcept;

// Runs fn and reports anything it throws, in a box of the owner's when given.
template <class Fn>
void Guarded(HWND owner, Fn&& fn) noexcept {
  try {
    fn();
  } catch (...) {
    ReportCurrentException(owner);
  }
}
template <class Fn>
void Guarded(Fn&& fn) noexcept {
  Guarded(nullptr, std::forward<Fn>(fn));
}

}  // namespace qrv
