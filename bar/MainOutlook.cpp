// The bar's Outlook road: connecting, making items, opening folders and the
// extra actions.
#include "bar/Main.h"
#include "bar/Settings.h"

bool TQV::ConnectToOutlook() { return false; }

void TQV::CloseOutlook() {}

bool TQV::OutlookWindowOpen() { return false; }

void TQV::NewItem(int, bool, bool, const std::wstring&) {}

void TQV::CreateDisplayOLItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption) {
  NewItem(item_type, from_bar, force_prompt, caption);
}

void TQV::FolderView(int, bool, bool) {}

void TQV::OpenExtraItem(int, bool) {}

