// TQV: the bar form, the main form of the program. A narrow borderless topmost
// window at the left screen edge, shaped by its background picture, either
// collapsed to a 6-pixel handle strip or open at 38 pixels with its buttons.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "components/CoolButton.h"
#include "components/CoolForm.h"
#include "components/OleAuto.h"
#include "components/ShellExt.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"

// Program-wide state of the bar's unit, created empty by the bar form and
// cleared when it goes.
extern std::vector<std::string> EntryWindows;  // open Information Item windows, as decimal handles
extern std::vector<std::string> CategoryNames;
extern std::vector<std::string> KeywordList;
extern std::vector<std::string> IconDefinitions;
extern std::vector<std::string> JournalTypes;
extern std::vector<std::string> WebServiceCaptions;
extern HWND HelpHandle;
extern HWND PrefsHandle;
extern bool SilentUpdate;
extern bool IconNoteFound;  // the icon definitions note was found at the last settings read

// Outlook automation objects, empty until set: the application, its MAPI
// namespace, the default folder and the explorer fetched last, and the item
// made last by TQV::NewItem.
extern qrv::OleObject OutlookApp;
extern qrv::OleObject OutlookNameSpace;
extern qrv::OleObject OutlookFolder;
extern qrv::OleObject OutlookExplorer;
extern qrv::OleObject OutlookItem;

class TQV : public ui::Form {
 public:
  static constexpr int kCollapsedWidth = 6;
  static constexpr int kOpenWidth = 38;

  TQV();
  ~TQV() override;

  // Components of the form (index = Tag; index 0 unused).
  TCoolForm* CoolForm1;
  ui::SpeedButton* BQuit;
  std::array<TCoolButton*, 9> CoolButton{};
  std::array<TCoolButton*, 7> BList{};
  std::array<TCoolButton*, 5> CoolButtonE{};
  TCoolButton* BMin;
  TCoolButton* BPrefs;
  ui::Image* BMinBar;
  std::array<ui::Label*, 9> Label{};
  ui::Timer* Startup;
  ui::Timer* IdleTimer;
  ui::Timer* PositionTimer;
  ui::Timer* RTimer;
  qrv::TShellExt QRVExtension;      // the association of web-service files with the bar
  ui::ImageList IconImages{16, 16};  // image n - 1 is icon n of IconDefinitions
  ui::Bitmap Image1;                 // the icon picture drawn last
  ui::PopupMenu* PopUpActions;  // the bar menu, also the notification-area icon's

  // Form events and the application's messages.
  void FormCreate();
  void FormActivate();
  void FormShow();
  void FormCloseQuery(bool& can_close);
  void FormDestroy();
  void AppMessage(MSG& msg, bool& handled);
  bool MainWindowHook(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT WMQueryEndSession(WPARAM, LPARAM);
  LRESULT WMEndSession(WPARAM ending, LPARAM);

  // Timers.
  void StartupTimer(ui::Timer&);
  void IdleTimerTimer(ui::Timer&);
  void PositionTimerTimer(ui::Timer&);
  void RTimerTimer(ui::Timer&);

  // The bar itself.
  bool Collapsed() const { return Width() == kCollapsedWidth; }
  void MinimizeBar();
  void DisplayButtons(bool shown);
  void HideLables();
  void ProgramMode();
  void CheckFormPosition(const std::string& text);
  void ReadINI();
  void BMinBarMouseUp(ui::Control&, ui::MouseButton button, int x, int y);
  void BMaxMin(ui::Control&);
  void QuitClick(ui::Control&);

  // Button and menu commands, and the windows the bar opens.
  void NewItemClick(ui::Control& sender);
  void NewItemRightClick(ui::Control& sender, ui::MouseButton button, int, int);
  void BListFoldersClick(ui::Control& sender);
  void BList1MouseUp(ui::Control& sender, ui::MouseButton button, int, int);
  void CoolButtonE1Click(ui::Control& sender);
  void AboutButton1Click(ui::Control&);
  void BPrefsMouseUp(ui::Control&, ui::MouseButton button, int, int);
  // Opens the preferences window in a mode; before start-up has read the
  // settings the request waits until it has.
  void ShowUse(int mode);
  void ShowHelp(int page);
  void CreateEntry();
  void ClearPrefsHandle();
  void ClearHelpHandle();
  void TrayShowMenu();
  // Whether the preferences window or the help viewer is there to be reused.
  static bool PrefsWindowExists();
  static bool HelpViewerExists();
  // A new preferences window: kept in PrefsHandle, at left 40 and the bar's top.
  void PlacePrefsWindow(ui::Form& prefs);
  // The help viewer: kept in HelpHandle and, unless it is showing, placed.
  void PlaceHelpViewer(ui::Form& viewer);
  // A new Information Item window: listed in EntryWindows and placed in the
  // cascade by its count.
  void PlaceEntryWindow(ui::Form& entry, int date_panel_height);

  // The bar menu's items; those of Outlook's programs are enabled when the
  // programs are there.
  void EnableMenuPrograms();
  void FolderViewMenuClick(ui::Control& sender);
  void NewItemMenuClick(ui::Control& sender);
  void OpenExtraMenuItem(ui::Control& sender);
  void QuickInformationItem1Click(ui::Control&);
  void ToggleTavrobar1Click(ui::Control&);
  void Keywords1Click(ui::Control&);
  void Hotkeys1Click(ui::Control&);
  void Update1Click(ui::Control&);
  void Help1Click(ui::Control&);

  // Outlook.
  bool ConnectToOutlook();
  void CloseOutlook();
  bool OutlookWindowOpen();
  void NewItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption);
  void CreateDisplayOLItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption);
  void FolderView(int folder_type, bool collapse, bool new_window);
  void OpenExtraItem(int action, bool collapse);
  // Refills CategoryNames from Outlook's category list in the registry (under
  // `office_key` of HKEY_CURRENT_USER), or with Outlook's own names.
  static void ReadCategories(const wchar_t* office_key = L"Software\\Microsoft\\Office");

  // Files and the notification-area icon.
  void CheckExtensions(const std::string& answer);
  void LoadKeywordFile();
  void ReadIconNote();
  void GenerateIconList();
  void DrawIcon(const std::string& data, COLORREF foreground, COLORREF background);
  static std::string IconDataAt(int line);
  void SetTrayIcon(bool active);
  // A web-service file handed over by a second instance or given on the command
  // line; before start-up has finished it waits until it has.
  void ReceiveHandedFile(const std::wstring& path);
  void ImportWebServiceFile(const std::wstring& path);

 private:
  void BuildLayout();
  void BuildMenus();
  std::string AskCategories(bool from_bar, const std::wstring& caption);
  void CollapseAfterAction();
  void ReleaseOutlook();
  void PlaceButtons();
  bool UpdateDue() const;
  void StorePosition();
  void ServePendingRequests();

  std::vector<std::string> args_;
  bool settings_read_ = false;
  std::vector<std::wstring> pending_files_;
  std::optional<int> pending_show_use_;
};
