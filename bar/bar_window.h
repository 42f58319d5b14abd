// The bar: the program's main window. A narrow borderless topmost window at
// the left screen edge, shaped by its background picture, either collapsed to
// a 6-pixel strip or open at 38 pixels with its buttons (pixels at 96 DPI; the
// bar scales with its display). It owns its controls, menu and timers; what its
// buttons and menu start runs in BarCommands, and it reads its files through
// the bar's files unit.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/bar_commands.h"
#include "bar/bar_data.h"
#include "bar/bar_pictures.h"
#include "bar/bar_types.h"
#include "components/shaped_form.h"
#include "components/tray_icon.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_data.h"
#include "entry/entry_window_list.h"
#include "entry/open_entry.h"
#include "hotkeys/hotkey_actions.h"
#include "outlook/outlook_session.h"
#include "prefs/preferences_window.h"
#include "ui/menu.h"
#include "ui/program_file.h"
#include "ui/timer.h"

namespace qrv {

class BarWindow : public ShapedForm, private CommandHost, private PreferencesActions {
 public:
  // Widths and height at 96 DPI.
  static constexpr int kCollapsedWidth = 6;
  static constexpr int kOpenWidth = 38;
  static constexpr int kHeight = 302;

  // `args` are the command line's arguments after the program. The bar hears
  // hand-offs from the moment it exists; it serves them once started up: a
  // web-service file handed over by a second instance or given on the command
  // line goes to the preferences window's import.
  // The Information Item windows it opens act through `entryActions`.
  BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args);
  ~BarWindow() override;

  // Places the bar at the left edge where the settings say, asks about the
  // ".qrv" association and starts the start-up timer. The program calls it
  // once, right after making the bar.
  void Launch();
  bool Collapsed() const { return collapsed_; }
  // Opens the collapsed bar, or collapses the open one.
  void ToggleCollapsed();
  // Connects to Outlook, reads the settings and the files, collapses the bar
  // and serves the requests that waited for it. The start-up timer runs it.
  void StartUp();
  // Asked before the bar closes: the questions about open Information Items
  // and Outlook; true lets it close.
  bool CanClose() override;
  // The bar menu, also the notification-area icon's.
  PopupMenu& BarMenu() { return barMenu_; }
  // The Outlook programs' menu items are enabled when the programs are there.
  void EnableMenuPrograms();
  // Opens the preferences window on a page; before start-up has read the
  // settings the request waits until it has.
  void ShowPreferences(PreferencePage page);
  // The open preferences window; null when none is open.
  PreferencesWindow* Preferences() const { return prefs_; }
  // Whether the bar looks for due web-service updates (not while the preferences are open).
  bool UpdateCheckRunning() const { return updateCheckTimer_.Enabled(); }

  // The windows the bar keeps: open Information Item windows (placed in the
  // cascade by their place in the list), the preferences window at left 40 and
  // the bar's top.
  EntryWindowList& EntryWindows() { return entryWindows_; }
  void PlacePrefsWindow(Form& prefs);
  // The preferences window closed: the update check, paused while it was open, runs again.
  void ForgetPrefsWindow() {
    prefsWindow_ = nullptr;
    updateCheckTimer_.SetEnabled(true);
  }
  bool PrefsWindowOpen() const;
  // Opens the help viewer on a page beside the bar, or turns the open one to it.
  void ShowHelp(int page) override;

  // What the user's hotkeys reach in the bar; the menu's "Hotkeys..." runs
  // showHotkeyEditor.
  HotkeyTargets ForHotkeys();
  std::function<void()> showHotkeyEditor;

  // The buttons, for the tests that click them.
  BarButton& NewItemButton(EntryType type) { return newItemButtons_.at(static_cast<std::size_t>(type) - 1); }
  BarButton& FolderButton(FolderKind folder) { return folderButtons_.at(static_cast<std::size_t>(folder) - 1); }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void DpiChanged() override;

 private:
  // Building (bar_layout.cpp, bar_menu.cpp).
  void BindButtons();
  void BindTimers();
  void BindMenu();
  void LoadMenuPictures();
  void LoadBackground();

  // Messages.
  bool KeepAwake(const MSG& msg);
  void ReceiveHandOff(WPARAM atom);
  void ServeHandedFiles();
  static constexpr UINT kServeHandedFiles = WM_APP + 40;
  LRESULT OnEndSession(WPARAM ending);

  // Timers.
  void OnStartUpTimer();
  void OnIdleTimer();
  void OnPositionTimer();
  void OnUpdateCheckTimer();
  void OnReadyEntryTimer();

  // Buttons and the strip.
  void OnNewItemButtonClick(EntryType type);
  void OnNewItemButtonRightClick(EntryType type, MouseButton button);
  void OnFolderButtonClick(FolderKind folder);
  void OnFolderButtonRightClick(FolderKind folder, MouseButton button);
  void OnExtraButtonClick(ExtraAction action);
  void OnPrefsButtonRightClick(MouseButton button);
  void OnCollapsedStripMouseUp(MouseButton button, int x, int y);

  // The bar menu.
  void OnNewItemMenuClick(EntryType type, const MenuItem& item);
  void OnToggleBarMenuClick();
  void OnHotkeysMenuClick();
  MenuItem* HotkeyMenuItem(HotkeyAction action, int index);

  // CommandHost.
  HWND Owner() const override { return Handle(); }
  int BarTop() const override { return WindowRect().top; }
  int StripHeight() const override;
  void CollapseAfterAction() override;

  // PreferencesActions (bar_preferences.cpp).
  void ClaimAssociation() override;
  std::vector<std::string> CategoryNames() override;
  SaveContext SaveContextNow() const override;
  bool StoreSettings(const SettingsWrite& values) override;
  void PreferencesClosed(bool pagesShown) override;

  // The bar itself.
  int Left() const { return WindowRect().left; }
  int Top() const { return WindowRect().top; }
  void MoveTo(int left, int top);
  void SetBarWidth(int designWidth);
  void SetShown(bool shown);
  void ShowButtons(bool shown);
  void HideLoadingLetters();
  void ApplyProgramMode();
  void ApplyPosition(const std::string& text);
  void ReadSettings();
  void PlaceButtons();
  void ConnectOutlook();
  bool UpdateDue() const;
  void StorePosition();
  void TakeFileArgument();
  void ReceiveHandedFile(const std::wstring& path);
  void ServePendingRequests();
  void BindTrayIcon();
  void CreateEntry();

  BarData& data_;
  OutlookSession& outlook_;
  BarCommands commands_;
  std::vector<std::string> args_;
  std::vector<std::wstring> handedFiles_;  // read from hand-offs, served next
  EntryWindowList entryWindows_;
  EntryData entryData_{data_.settings,     data_.keywords,        data_.webServiceCaptions, data_.categoryNames,
                       data_.journalTypes, data_.icons.noteFound, &data_.icons.definitions, &data_.icons.images};
  ItemActions& entryActions_;
  ReadyEntryWindow readyEntry_{entryData_, entryActions_};
  HWND prefsWindow_ = nullptr;
  PreferencesWindow* prefs_ = nullptr;
  PreferencesData prefsData_{data_.settings,        data_.keywordList,  data_.journalTypes, data_.icons.definitions,
                             data_.icons.noteFound, data_.icons.images, ProgramFolder()};
  bool settingsRead_ = false;
  bool waited_ = false;  // the start-up's pause has passed
  bool collapsed_ = false;
  int filterId_ = 0;
  std::vector<std::wstring> pendingFiles_;
  std::optional<PreferencePage> pendingPreferences_;

  // Controls, in places at 96 DPI. The first made lies on top.
  BarImage collapsedStrip_{*this, {0, 0, 10, 298}, L"BARSTRIP"};
  std::array<PictureLabel, 8> loadingLetters_;
  std::array<BarButton, 8> newItemButtons_;  // by entry type, task first
  std::array<BarButton, 6> folderButtons_;   // by folder kind, tasks first
  std::array<BarButton, 4> extraButtons_;    // by extra action, Open Outlook first
  BarButton collapseButton_{*this, {1, 223, 9, 54}, L"COLLAPSE"};
  BarButton prefsButton_{*this, {12, 258, 25, 24}, L"PREFS"};
  BarButton quitButton_{*this, {0, 282, 13, 13}, L"QUIT", true};

  // The bar menu, item by item in its order, and its items' pictures.
  std::vector<OwnedBitmap> menuPictures_;
  PopupMenu barMenu_;
  TrayIcon trayIcon_{*this, {.tip = L"Quorvel"}};
  std::array<MenuItem, 6> folderItems_;  // by folder kind
  MenuItem foldersSeparator_{barMenu_, {.text = L"-"}};
  std::array<MenuItem, 6> newItemItems_;  // entry types task to journal
  MenuItem itemsSeparator_{barMenu_, {.text = L"-"}};
  MenuItem newTaskRequestItem_{barMenu_, {.text = L"New Task Request"}};
  MenuItem newMeetingRequestItem_{barMenu_, {.text = L"New Meeting Request"}};
  MenuItem requestsSeparator_{barMenu_, {.text = L"-"}};
  MenuItem openOutlookItem_{barMenu_, {.text = L"Open Outlook"}};
  MenuItem outlookTodayItem_{barMenu_, {.text = L"Open Outlook Today"}};
  MenuItem advancedFindItem_{barMenu_, {.text = L"Advanced Find..."}};
  MenuItem informationItemItem_{barMenu_, {.text = L"New Information Item"}};
  MenuItem officeDocumentItem_{barMenu_, {.text = L"New Office Document"}};
  MenuItem actionsSeparator_{barMenu_, {.text = L"-"}};
  MenuItem toggleBarItem_{barMenu_, {.text = L"Tavrobar Enabled", .checked = true}};
  MenuItem preferencesItem_{barMenu_, {.text = L"About / Preferences..."}};
  MenuItem keywordsItem_{barMenu_, {.text = L"Keywords..."}};
  MenuItem hotkeysItem_{barMenu_, {.text = L"Hotkeys..."}};
  MenuItem updateItem_{barMenu_, {.text = L"Update Web Services"}};
  MenuItem helpItem_{barMenu_, {.text = L"Help"}};
  MenuItem exitSeparator_{barMenu_, {.text = L"-"}};
  MenuItem exitItem_{barMenu_, {.text = L"Exit 'Quorvel'"}};

  Timer startUpTimer_{*this, 100};
  Timer idleTimer_{*this, 0};
  Timer positionTimer_{*this, 1000};
  Timer updateCheckTimer_{*this, kUpdateCheckIntervalMs};
  Timer readyEntryTimer_{*this, 1000};
};

}  // namespace qrv
