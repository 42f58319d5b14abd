#include "ui/dialogs.h"

#include <windows.h>

#include <exception>

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

UINT StyleOf(MessageKind kind, MessageButtons buttons) {
  UINT style = MB_TASKMODAL | MB_SETFOREGROUND;
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

}  // namespace

DialogResult ShowMessage(const std::wstring& text, MessageKind kind, MessageButtons buttons, const wchar_t* caption) {
  if (promptHandler) return promptHandler(text, kind, buttons);
  switch (MessageBoxW(nullptr, text.c_str(), caption ? caption : CaptionOf(kind), StyleOf(kind, buttons))) {
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

void ReportCurrentException() noexcept {
  try {
    std::wstring text = L"An unexpected error occurred.";
    try {
      throw;
    } catch (const std::exception& e) {
      text = Widen(e.what());
    } catch (...) {}
    ShowMessage(text, MessageKind::kError);
  } catch (...) {
    // Nothing more can be reported; the program runs on.
  }
}

}  // namespace qrv
