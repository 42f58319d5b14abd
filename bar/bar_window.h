// The bar: the program's main window. A narrow borderless topmost window at
// the left screen edge, shaped by its background picture, either collapsed to
// a 6-pixel strip or open at 38 pixels with its buttons. It owns its controls
// and timers; what its buttons and menu start runs in BarCommands, and it reads
// its files through the bar's files unit.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/bar_commands.h"
#include "bar/bar_data.h"
#include "bar/bar_types.h"
#include "bar/entry_window_list.h"
#include "bar/outlook_session.h"
#include "components/CoolButton.h"
#include "components/CoolForm.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {

class BarWindow : public ui::Form, private CommandHost {
 public:
  static constexpr int kCollapsedWidth = 6;
  static constexpr int kOpenWidth = 38;

  // Takes a web-service file handed over by a second instance or given on the
  // command line.
  using WebServiceFileImport = std::function<void(const std::wstring& path)>;

  // `args` are the command line's arguments after the program. The bar hears
  // hand-offs from the moment it exists; it serves them once started up.
  BarWindow(BarData& data, OutlookSession& outlook, std::vector<std::string> args, WebServiceFileImport import);
  ~BarWindow() override;

  bool Collapsed() const { return Width() == kCollapsedWidth; }
  // Opens the collapsed bar, or collapses the open one.
  void ToggleCollapsed();
  // Connects to Outlook, reads the settings and the files, collapses the bar
  // and serves the requests that waited for it. The start-up timer runs it.
  void StartUp();
  // The bar menu, also the notification-area icon's.
  ui::PopupMenu& BarMenu() const { return *barMenu_; }
  // The Outlook programs' menu items are enabled when the programs are there.
  void EnableMenuPrograms();
  // Opens the preferences window on a page; before start-up has read the
  // settings the request waits until it has.
  void ShowPreferences(PreferencePage page);

  // The windows the bar keeps: open Information Item windows (placed in the
  // cascade by their place in the list), the preferences window at left 40 and
  // the bar's top, and the help viewer (placed unless it is showing).
  EntryWindowList& EntryWindows() { return entryWindows_; }
  void PlaceEntryWindow(ui::Form& entry, int datePanelHeight);
  void PlacePrefsWindow(ui::Form& prefs);
  void ForgetPrefsWindow() { prefsWindow_ = nullptr; }
  bool PrefsWindowOpen() const;
  void PlaceHelpViewer(ui::Form& viewer);
  void ForgetHelpViewer() { helpViewer_ = nullptr; }
  bool HelpViewerOpen() const;

 private:
  // Building (bar_layout.cpp, bar_menu.cpp).
  void BuildLayout();
  void BindButtons();
  void BuildTimers();
  void BuildMenu();

  // Form events and messages.
  void OnFormCreate();
  void OnFormActivate();
  void OnFormShow();
  void OnFormCloseQuery(bool& canClose);
  void OnFormDestroy();
  void OnAppMessage(MSG& msg, bool& handled);
  bool OnHandOff(UINT msg, WPARAM wp, LRESULT& result);
  LRESULT OnEndSession(WPARAM ending);

  // Timers.
  void OnStartUpTimer();
  void OnIdleTimer();
  void OnPositionTimer();
  void OnUpdateCheckTimer();

  // Buttons and the strip.
  void OnNewItemButtonClick(ui::Control& sender);
  void OnNewItemButtonMouseUp(ui::Control& sender, ui::MouseButton button, int, int);
  void OnFolderButtonClick(ui::Control& sender);
  void OnFolderButtonRightClick(ui::Control& sender, ui::MouseButton button, int, int);
  void OnExtraButtonClick(ui::Control& sender);
  void OnPrefsButtonClick(ui::Control&);
  void OnPrefsButtonMouseUp(ui::Control&, ui::MouseButton button, int, int);
  void OnCollapseButtonClick(ui::Control&);
  void OnQuitButtonClick(ui::Control&);
  void OnCollapsedStripMouseUp(ui::Control&, ui::MouseButton button, int x, int y);

  // The bar menu.
  void OnFolderMenuClick(ui::Control& sender);
  void OnNewItemMenuClick(ui::Control& sender);
  void OnExtraMenuClick(ui::Control& sender);
  void OnInformationItemMenuClick(ui::Control&);
  void OnToggleBarMenuClick(ui::Control&);
  void OnPreferencesMenuClick(ui::Control&);
  void OnKeywordsMenuClick(ui::Control&);
  void OnHotkeysMenuClick(ui::Control&);
  void OnUpdateMenuClick(ui::Control&);
  void OnHelpMenuClick(ui::Control&);

  // CommandHost.
  HWND Owner() const override { return Handle(); }
  int BarTop() const override { return Top(); }
  int StripHeight() const override;
  void CollapseAfterAction() override;

  // The bar itself.
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
  void SetTrayIcon(bool shown);
  void ShowHelp(int page);
  void CreateEntry();

  BarData& data_;
  OutlookSession& outlook_;
  BarCommands commands_;
  std::vector<std::string> args_;
  WebServiceFileImport import_;
  EntryWindowList entryWindows_;
  HWND prefsWindow_ = nullptr;
  HWND helpViewer_ = nullptr;
  bool settingsRead_ = false;
  std::vector<std::wstring> pendingFiles_;
  std::optional<PreferencePage> pendingPreferences_;

  // Controls (index = tag; index 0 unused) and timers.
  TCoolForm* background_;
  ui::Image* collapsedStrip_;
  std::array<ui::Label*, 9> loadingLetters_{};
  std::array<TCoolButton*, 9> newItemButtons_{};
  std::array<TCoolButton*, 7> folderButtons_{};
  std::array<TCoolButton*, 5> extraButtons_{};
  TCoolButton* collapseButton_;
  TCoolButton* prefsButton_;
  ui::SpeedButton* quitButton_;
  ui::PopupMenu* barMenu_;
  ui::MenuItem* toggleBarItem_;
  ui::Timer* startUpTimer_;
  ui::Timer* idleTimer_;
  ui::Timer* positionTimer_;
  ui::Timer* updateCheckTimer_;
};

}  // namespace qrv
