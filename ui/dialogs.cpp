#include "ui/dialogs.h"

#include <windows.h>

#include <exception>

#include "ui/wide.h"

namespace ui {

namespace {

PromptHandler g_prompt_handler = nullptr;

const wchar_t* Caption(MsgKind kind) {
  switch (kind) {
    case MsgKind::kWarning: return L"Warning";
    case MsgKind::kInformation: return L"Information";
    case MsgKind::kError: return L"Error";
    case MsgKind::kConfirmation: return L"Confirm";
  }
  return L"";
}

UINT Style(MsgKind kind, unsigned buttons) {
  UINT style = MB_TASKMODAL | MB_SETFOREGROUND;
  switch (kind) {
    case MsgKind::kWarning: style |= MB_ICONWARNING; break;
    case MsgKind::kInformation: style |= MB_ICONINFORMATION; break;
    case MsgKind::kError: style |= MB_ICONERROR; break;
    case MsgKind::kConfirmation: style |= MB_ICONQUESTION; break;
  }
  if ((buttons & kYes) && (buttons & kNo)) style |= (buttons & kCancel) ? MB_YESNOCANCEL : MB_YESNO;
  else if ((buttons & kOk) && (buttons & kCancel)) style |= MB_OKCANCEL;
  else style |= MB_OK;
  return style;
}

}  // namespace

int MessageDlg(const std::wstring& text, MsgKind kind, unsigned buttons) {
  if (g_prompt_handler) return g_prompt_handler(text, kind, buttons);
  switch (MessageBoxW(nullptr, text.c_str(), Caption(kind), Style(kind, buttons))) {
    case IDOK: return mrOk;
    case IDYES: return mrYes;
    case IDNO: return mrNo;
    default: return mrCancel;
  }
}

void SetPromptHandler(PromptHandler handler) { g_prompt_handler = handler; }

void ReportCurrentException() noexcept {
  try {
    std::wstring text = L"An unexpected error occurred.";
    try {
      throw;
    } catch (const std::exception& e) {
      text = Widen(e.what());
    } catch (...) {
    }
    MessageDlg(text, MsgKind::kError, kOk);
  } catch (...) {
    // Nothing more can be reported; the program runs on.
  }
}

}  // namespace ui
