#include "hotkeys/hotkey_conflict_dialog.h"

namespace qrv {

HotkeyConflictDialog::HotkeyConflictDialog(Form& owner)
    : Form({.caption = L"Hotkey definition error", .clientSize = {260, 121}, .owner = &owner}) {
  entryLabel_.SetFont({.bold = true});
}

bool HotkeyConflictDialog::Ask(const std::wstring& user, const std::wstring& loser) {
  entryLabel_.SetText(user);
  descriptionLabel_.SetText(L"If you continue the hotkey combination for '" + loser + L"' will not work.");
  const RECT owner = Owner()->WindowRect(), own = WindowRect();
  const int width = own.right - own.left, height = own.bottom - own.top;
  SetWindowRect((owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, width, height);
  return ShowModal() == DialogResult::kOk;
}

}  // namespace qrv
