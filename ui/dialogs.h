// Message boxes with the program's captions and buttons, the seam through which
// tests answer them, and the one place that reports an exception that left an
// event handler: an error box with the exception's text, the program running on.
#pragma once

#include <string>

namespace ui {

enum class MsgKind { kWarning, kInformation, kError, kConfirmation };

// Buttons of a message box, combined with |.
enum MsgButtons : unsigned { kOk = 1, kCancel = 2, kYes = 4, kNo = 8 };

// Results of a modal form or message box.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Shows the box ("Warning", "Information", "Error" or "Confirm") and returns the
// button pressed.
int MessageDlg(const std::wstring& text, MsgKind kind, unsigned buttons);

// Tests answer prompts through this instead of a box on the screen; nullptr
// brings the boxes back.
using PromptHandler = int (*)(const std::wstring& text, MsgKind kind, unsigned buttons);
void SetPromptHandler(PromptHandler handler);

// Reports the exception being handled; call it only inside a catch block.
void ReportCurrentException() noexcept;

// Runs fn and reports anything it throws.
template <class Fn>
void Guarded(Fn&& fn) noexcept {
  try {
    fn();
  } catch (...) {
    ReportCurrentException();
  }
}

}  // namespace ui
