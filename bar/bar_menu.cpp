#include "bar/bar_menu.h"

#include <utility>

#include "bar/bar_pictures.h"
#include "bar/bar_types.h"
#include "components/settings.h"

namespace qrv {
namespace {

MenuItem NewItemItem(MenuItems& menu, EntryType type) { return MenuItem(menu, {.text = NewItemName(type)}); }

}  // namespace

BarMenu::BarMenu(Form& bar, BarCommands& commands, const BarSettings& settings, BarMenuActions actions)
    : commands_(commands),
      settings_(settings),
      actions_(std::move(actions)),
      trayIcon_(bar, {.tip = L"Quorvel"}),
      folderItems_{MenuItem(menu_, {.text = L"Tasks"}),    MenuItem(menu_, {.text = L"Notes"}),
                   MenuItem(menu_, {.text = L"Calendar"}), MenuItem(menu_, {.text = L"Contacts"}),
                   MenuItem(menu_, {.text = L"Inbox"}),    MenuItem(menu_, {.text = L"Journal"})},
      newItemItems_{NewItemItem(menu_, EntryType::kTask),        NewItemItem(menu_, EntryType::kNote),
                    NewItemItem(menu_, EntryType::kAppointment), NewItemItem(menu_, EntryType::kContact),
                    NewItemItem(menu_, EntryType::kEmail),       NewItemItem(menu_, EntryType::kJournal)} {
  Bind();
  LoadPictures(bar.Dpi());
}

void BarMenu::Bind() {
  for (std::size_t n = 0; n < folderItems_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderItems_[n].onClick = [this, folder] { commands_.ViewFolder(folder, Origin::kMenu, false); };
  }
  const auto newItem = [this](EntryType type, const MenuItem& item) {
    return [this, type, &item] { commands_.ShowNewItem(type, Origin::kMenu, false, item.text); };
  };
  for (std::size_t n = 0; n < newItemItems_.size(); ++n)
    newItemItems_[n].onClick = newItem(static_cast<EntryType>(n + 1), newItemItems_[n]);
  newTaskRequestItem_.onClick = newItem(EntryType::kTaskRequest, newTaskRequestItem_);
  newMeetingRequestItem_.onClick = newItem(EntryType::kMeetingRequest, newMeetingRequestItem_);
  const auto extra = [this](ExtraAction action) {
    return [this, action] { commands_.RunExtraAction(action, Origin::kMenu); };
  };
  openOutlookItem_.onClick = extra(ExtraAction::kOpenOutlook);
  outlookTodayItem_.onClick = extra(ExtraAction::kOutlookToday);
  advancedFindItem_.onClick = extra(ExtraAction::kAdvancedFind);
  informationItemItem_.onClick = [this] { actions_.newInformationItem(); };
  officeDocumentItem_.onClick = extra(ExtraAction::kNewOfficeDocument);
  toggleBarItem_.onClick = [this] { actions_.toggleBar(); };
  preferencesItem_.onClick = [this] { actions_.showPreferences(PreferencePage::kGeneral); };
  keywordsItem_.onClick = [this] { actions_.showPreferences(PreferencePage::kKeywords); };
  hotkeysItem_.onClick = [this] { actions_.showHotkeyEditor(); };
  updateItem_.onClick = [this] { actions_.showPreferences(PreferencePage::kUpdate); };
  helpItem_.onClick = [this] { actions_.showHelp(0); };
  exitItem_.onClick = [this] { actions_.exit(); };
  trayIcon_.onShownChange = [this](bool) { actions_.trayIconChanged(); };
  const auto showMenu = [this](POINT at) { trayIcon_.ShowMenu(menu_, at); };
  trayIcon_.onLeftClick = showMenu;
  trayIcon_.onRightClick = showMenu;
}

// The items' pictures drawn for the DPI, in the menu's order: the folders, the
// new items, the requests, then the Outlook programs' items and the
// Information Item.
void BarMenu::LoadPictures(UINT dpi) {
  std::vector<MenuItem*> pictured;
  for (MenuItem& item : folderItems_) pictured.push_back(&item);
  for (MenuItem& item : newItemItems_) pictured.push_back(&item);
  pictured.insert(pictured.end(), {&newTaskRequestItem_, &newMeetingRequestItem_, &openOutlookItem_, &outlookTodayItem_,
                                   &advancedFindItem_, &informationItemItem_, &officeDocumentItem_});
  std::vector<OwnedBitmap> pictures = MenuPictures(dpi);
  for (std::size_t n = 0; n < pictured.size(); ++n)
    pictured[n]->picture = n < pictures.size() ? pictures[n].Get() : nullptr;
  pictures_ = std::move(pictures);
}

// The Outlook programs' items are offered only when the programs are there.
void BarMenu::EnablePrograms() {
  const bool outlook = FileExists(settings_.outlookExePath);
  openOutlookItem_.enabled = outlook;
  outlookTodayItem_.enabled = outlook;
  advancedFindItem_.enabled = FileExists(FolderOf(settings_.outlookExePath) + "Finder.exe");
  officeDocumentItem_.enabled = FileExists(settings_.officeShortcutPath);
}

MenuItem* BarMenu::HotkeyItem(HotkeyAction action, int index) {
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

}  // namespace qrv
