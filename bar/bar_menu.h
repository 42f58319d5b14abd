// The bar menu, item by item in its order with its items' pictures, and the
// notification-area icon that shows it too. The folders, new items and
// Outlook's programs run through the bar's commands; what else an item starts
// the bar gives as actions.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "bar/bar_commands.h"
#include "components/tray_icon.h"
#include "core/bar_settings.h"
#include "hotkeys/hotkey_actions.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/menu.h"

namespace qrv {

// What the menu's items start beside the bar's commands.
struct BarMenuActions {
  std::function<void()> newInformationItem;
  std::function<void()> toggleBar;
  std::function<void(PreferencePage)> showPreferences;
  std::function<void()> showHotkeyEditor;
  std::function<void(int page)> showHelp;
  std::function<void()> exit;
  // The icon came or went (the shell took it, or refused it so far).
  std::function<void()> trayIconChanged;
};

class BarMenu {
 public:
  BarMenu(Form& bar, BarCommands& commands, const BarSettings& settings, BarMenuActions actions);

  PopupMenu& Popup() { return menu_; }
  // Draws the items' pictures for a DPI.
  void LoadPictures(UINT dpi);
  // The Outlook programs' items are enabled when the programs are there.
  void EnablePrograms();
  // The menu item that does what a hotkey of the action and data index does; null for none.
  MenuItem* HotkeyItem(HotkeyAction action, int index);
  // The "Tavrobar Enabled" item's check.
  void CheckBarShown(bool shown) { toggleBarItem_.checked = shown; }
  void SetTrayIconActive(bool active) { trayIcon_.SetActive(active); }
  bool TrayIconShown() const { return trayIcon_.Shown(); }

 private:
  void Bind();

  BarCommands& commands_;
  const BarSettings& settings_;
  BarMenuActions actions_;
  std::vector<OwnedBitmap> pictures_;
  PopupMenu menu_;
  TrayIcon trayIcon_;
  std::array<MenuItem, 6> folderItems_;  // by folder kind
  MenuItem foldersSeparator_{menu_, {.text = L"-"}};
  std::array<MenuItem, 6> newItemItems_;  // entry types task to journal
  MenuItem itemsSeparator_{menu_, {.text = L"-"}};
  MenuItem newTaskRequestItem_{menu_, {.text = L"New Task Request"}};
  MenuItem newMeetingRequestItem_{menu_, {.text = L"New Meeting Request"}};
  MenuItem requestsSeparator_{menu_, {.text = L"-"}};
  MenuItem openOutlookItem_{menu_, {.text = L"Open Outlook"}};
  MenuItem outlookTodayItem_{menu_, {.text = L"Open Outlook Today"}};
  MenuItem advancedFindItem_{menu_, {.text = L"Advanced Find..."}};
  MenuItem informationItemItem_{menu_, {.text = L"New Information Item"}};
  MenuItem officeDocumentItem_{menu_, {.text = L"New Office Document"}};
  MenuItem actionsSeparator_{menu_, {.text = L"-"}};
  MenuItem toggleBarItem_{menu_, {.text = L"Tavrobar Enabled", .checked = true}};
  MenuItem preferencesItem_{menu_, {.text = L"About / Preferences..."}};
  MenuItem keywordsItem_{menu_, {.text = L"Keywords..."}};
  MenuItem hotkeysItem_{menu_, {.text = L"Hotkeys..."}};
  MenuItem updateItem_{menu_, {.text = L"Update Web Services"}};
  MenuItem helpItem_{menu_, {.text = L"Help"}};
  MenuItem exitSeparator_{menu_, {.text = L"-"}};
  MenuItem exitItem_{menu_, {.text = L"Exit 'Quorvel'"}};
};

}  // namespace qrv
