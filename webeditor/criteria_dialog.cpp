#include "webeditor/criteria_dialog.h"

namespace qrv {

CriteriaDialog::CriteriaDialog(Form& owner)
    : Form({.caption = L"Search Criteria", .clientSize = {259, 105}, .owner = &owner}) {}

std::optional<std::wstring> CriteriaDialog::Ask() {
  const RECT editor = Owner()->WindowRect();
  const RECT own = WindowRect();
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowRect(editor.left + (editor.right - editor.left - width) / 2,
                editor.top + (editor.bottom - editor.top - height) / 2, width, height);
  criteriaEdit_.Focus();
  if (ShowModal() != DialogResult::kOk) return std::nullopt;
  return criteriaEdit_.Text();
}

}  // namespace qrv
