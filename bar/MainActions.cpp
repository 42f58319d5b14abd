// The bar's commands: what its buttons start, and the places where the menus,
// the preferences window, the help viewer and the Information Item window join
// the bar as they are built. Until then each of them is a clearly empty call.
#include "bar/Main.h"
#include "bar/Settings.h"

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

// --- windows and menus the bar opens: each arrives with its own change ---------------

void TQV::ShowHelp(int) {}

void TQV::CreateEntry() {}

void TQV::PopUpActions(int, int) {}
