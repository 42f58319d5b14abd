// The bar's commands: what its buttons and its menu start, and the places where
// the preferences window, the help viewer and the Information Item window join
// the bar as they are built. Until then each of them is a clearly empty call.
#include "bar/Main.h"
#include "bar/Settings.h"
#include "bar/hkEdit.h"

// --- buttons -----------------------------------------------------------------------

void TQV::NewItemClick(ui::Control& sender) {
  CreateDisplayOLItem(sender.Tag, true, false, sender.Hint);
}

void TQV::NewItemRightClick(ui::Control& sender, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight) CreateDisplayOLItem(sender.Tag, true, true, sender.Hint);
}

void TQV::BListFoldersClick(ui::Control& sender) { FolderView(sender.Tag, true, false); }

void TQV::BList1MouseUp(ui::Control& sender, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight) FolderView(sender.Tag, true, true);
}

void TQV::CoolButtonE1Click(ui::Control& sender) { OpenExtraItem(sender.Tag, true); }

void TQV::AboutButton1Click(ui::Control&) { ShowUse(0); }

void TQV::BPrefsMouseUp(ui::Control&, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight) ShowUse(1);
}

// --- the bar menu ------------------------------------------------------------------

void TQV::FolderViewMenuClick(ui::Control& sender) { FolderView(sender.Tag, false, false); }

void TQV::NewItemMenuClick(ui::Control& sender) { CreateDisplayOLItem(sender.Tag, false, false, sender.Caption()); }

void TQV::OpenExtraMenuItem(ui::Control& sender) { OpenExtraItem(sender.Tag, false); }

void TQV::QuickInformationItem1Click(ui::Control&) { CreateEntry(); }

// Shows or hides the bar; the new mode lives until the preferences are saved.
void TQV::ToggleTavrobar1Click(ui::Control&) {
  SetVisible(!Visible());
  BarSettings.programMode = qrv::ToggledProgramMode(BarSettings.programMode);
  ProgramMode();
}

void TQV::Keywords1Click(ui::Control&) { ShowUse(1); }

void TQV::Hotkeys1Click(ui::Control&) {
  if (frmHotkeyEdit) frmHotkeyEdit->Show();
}

void TQV::Update1Click(ui::Control&) { ShowUse(2); }

void TQV::Help1Click(ui::Control&) { ShowHelp(0); }

// --- windows the bar opens: each arrives with its own change, placed by
// PlaceHelpViewer and PlaceEntryWindow ---------------------------------------------

void TQV::ShowHelp(int) {}

void TQV::CreateEntry() {}
