// The bar's commands: what its buttons start, and the places where Outlook, the
// menus, the preferences window, the help viewer, the Information Item window,
// the keyword file, the file association and the notification-area icon join
// the bar as they are built. Until then each of them is a clearly empty call.
#include <cstdlib>
#include <fstream>

#include "bar/Main.h"
#include "bar/Settings.h"
#include "ui/wide.h"

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

// --- Outlook: automation arrives with its own change ----------------------------------

bool TQV::ConnectToOutlook() { return false; }

void TQV::CloseOutlook() {}

bool TQV::OutlookWindowOpen() { return false; }

void TQV::NewItem(int, bool, bool, const std::wstring&) {}

void TQV::CreateDisplayOLItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption) {
  NewItem(item_type, from_bar, force_prompt, caption);
}

void TQV::FolderView(int, bool, bool) {}

void TQV::OpenExtraItem(int, bool) {}

// --- windows and menus the bar opens: each arrives with its own change ---------------

void TQV::ShowHelp(int) {}

void TQV::CreateEntry() {}

void TQV::PopUpActions(int, int) {}

// --- files and the notification-area icon -------------------------------------------

void TQV::CheckExtensions(const std::string&) {}

void TQV::LoadKeywordFile() {}

void TQV::ReadIconNote() {}

void TQV::SetTrayIcon(bool) {}

// The import of handed-over web-service files arrives with the preferences
// window. Until then the path is only noted, in the file named by the
// environment variable QRV_HANDOFF_LOG when a test sets it.
void TQV::ImportWebServiceFile(const std::wstring& path) {
  const wchar_t* log = _wgetenv(L"QRV_HANDOFF_LOG");
  if (!log || !*log) return;
  std::ofstream out(log, std::ios::binary | std::ios::app);
  out << ui::Narrow(path) << "\r\n";
}
