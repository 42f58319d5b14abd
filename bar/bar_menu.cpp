// The bar menu (also the notification-area icon's menu), the programs that
// enable its items, and what its items start.
#include "bar/bar_window.h"
#include "components/settings.h"
#include "entry/open_entry.h"
#include "help/help_viewer.h"

namespace qrv {

void BarWindow::BindMenu() {
  for (std::size_t n = 0; n < folderItems_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderItems_[n].onClick = [this, folder] { commands_.ViewFolder(folder, Origin::kMenu, false); };
  }
  for (std::size_t n = 0; n < newItemItems_.size(); ++n) {
    const auto type = static_cast<EntryType>(n + 1);
    newItemItems_[n].onClick = [this, type, &item = newItemItems_[n]] { OnNewItemMenuClick(type, item); };
  }
  newTaskRequestItem_.onClick = [this] { OnNewItemMenuClick(EntryType::kTaskRequest, newTaskRequestItem_); };
  newMeetingRequestItem_.onClick = [this] { OnNewItemMenuClick(EntryType::kMeetingRequest, newMeetingRequestItem_); };
  const auto extra = [this](ExtraAction action) {
    return [this, action] { commands_.RunExtraAction(action, Origin::kMenu); };
  };
  openOutlookItem_.onClick = extra(ExtraAction::kOpenOutlook);
  outlookTodayItem_.onClick = extra(ExtraAction::kOutlookToday);
  advancedFindItem_.onClick = extra(ExtraAction::kAdvancedFind);
  informationItemItem_.onClick = [this] { CreateEntry(); };
  officeDocumentItem_.onClick = extra(ExtraAction::kNewOfficeDocument);
  toggleBarItem_.onClick = [this] { OnToggleBarMenuClick(); };
  preferencesItem_.onClick = [this] { ShowPreferences(PreferencePage::kGeneral); };
  keywordsItem_.onClick = [this] { ShowPreferences(PreferencePage::kKeywords); };
  hotkeysItem_.onClick = [this] { OnHotkeysMenuClick(); };
  updateItem_.onClick = [this] { ShowPreferences(PreferencePage::kUpdate); };
  helpItem_.onClick = [this] { ShowHelp(0); };
  exitItem_.onClick = [this] { Close(); };
}

// The items' pictures drawn for the bar's DPI, in the menu's order: the
// folders, the new items, the requests, then the Outlook programs' items and
// the Information Item.
void BarWindow::LoadMenuPictures() {
  std::vector<MenuItem*> pictured;
  for (MenuItem& item : folderItems_) pictured.push_back(&item);
  for (MenuItem& item : newItemItems_) pictured.push_back(&item);
  pictured.insert(pictured.end(), {&newTaskRequestItem_, &newMeetingRequestItem_, &openOutlookItem_, &outlookTodayItem_,
                                   &advancedFindItem_, &informationItemItem_, &officeDocumentItem_});
  std::vector<OwnedBitmap> pictures = MenuPictures(Dpi());
  for (std::size_t n = 0; n < pictured.size(); ++n)
    pictured[n]->picture = n < pictures.size() ? pictures[n].Get() : nullptr;
  menuPictures_ = std::move(pictures);
}

// The Outlook programs' items are offered only when the programs are there.
void BarWindow::EnableMenuPrograms() {
  const BarSettings& settings = data_.settings;
  const bool outlook = FileExists(settings.outlookExePath);
  openOutlookItem_.enabled = outlook;
  outlookTodayItem_.enabled = outlook;
  advancedFindItem_.enabled = FileExists(FolderOf(settings.outlookExePath) + "Finder.exe");
  officeDocumentItem_.enabled = FileExists(settings.officeShortcutPath);
}

// --- what the items start ----------------------------------------------------------------

void BarWindow::OnNewItemMenuClick(EntryType type, const MenuItem& item) {
  commands_.ShowNewItem(type, Origin::kMenu, false, item.text);
}

// Shows or hides the bar; the new mode lives until the preferences are saved.
void BarWindow::OnToggleBarMenuClick() {
  SetShown(!Visible());
  data_.settings.programMode = ToggledProgramMode(data_.settings.programMode);
  ApplyProgramMode();
}

void BarWindow::OnHotkeysMenuClick() {
  if (showHotkeyEditor) showHotkeyEditor();
}

HotkeyTargets BarWindow::ForHotkeys() {
  return {
      .owner = Handle(),
      .viewFolder = [this](FolderKind folder) { commands_.ViewFolder(folder, Origin::kMenu, false); },
      .newItem = [this](EntryType type,
                        const std::wstring& caption) { commands_.ShowNewItem(type, Origin::kMenu, false, caption); },
      .newInformationItem = [this] { CreateEntry(); },
      .extraAction = [this](ExtraAction action) { commands_.RunExtraAction(action, Origin::kMenu); },
      .menuItem = [this](HotkeyAction action, int index) { return HotkeyMenuItem(action, index); }};
}

// The menu item that does what a hotkey of the action and data index does.
MenuItem* BarWindow::HotkeyMenuItem(HotkeyAction action, int index) {
  const auto at = [index](auto& items) -> MenuItem* {
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? &items[static_cast<std::size_t>(index)]
                                                                        : nullptr;
  };
  switch (action) {
    case HotkeyAction::kViewHotkeys:
      return &hotkeysItem_;
    case HotkeyAction::kOpenOutlookFolder:
      return at(folderItems_);
    case HotkeyAction::kCreateOutlookItem:
      if (index == 6) return &newTaskRequestItem_;
      if (index == 7) return &newMeetingRequestItem_;
      return at(newItemItems_);
    case HotkeyAction::kNewInformationItem:
      return &informationItemItem_;
    case HotkeyAction::kOutlookAdvancedFind:
      return &advancedFindItem_;
    case HotkeyAction::kOpenOutlook:
      return &openOutlookItem_;
    case HotkeyAction::kOpenOutlookToday:
      return &outlookTodayItem_;
    case HotkeyAction::kNewOfficeDocument:
      return &officeDocumentItem_;
    default:
      return nullptr;
  }
}

void BarWindow::ShowHelp(int page) { qrv::ShowHelp(*this, page); }

void BarWindow::CreateEntry() {
  readyEntry_.Open({.barTop = Top(),
                    .listWindow = [this](HWND window) { return entryWindows_.Add(window); },
                    .unlistWindow =
                        [this](HWND window) {
                          entryWindows_.Remove(window);
                          entryActions_.Forget(window);
                        }});
}

}  // namespace qrv
