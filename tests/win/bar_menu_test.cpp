// The bar menu and the windows the bar places, with a real bar form; the
// reading of Outlook's category list from the registry.
#include <algorithm>

#include "bar/categories_dialog.h"
#include "bar_fixture.h"
#include "classes_key.h"
#include "help/help_viewer.h"
#include "ui_test_support.h"

namespace qrv::testing {
namespace {

using BarMenu = BarTest;

std::vector<std::wstring> MenuLines(HMENU menu) {
  std::vector<std::wstring> lines;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    lines.push_back((state & MF_SEPARATOR) ? L"-" : std::wstring(text) + ((state & MF_CHECKED) ? L" [x]" : L""));
  }
  return lines;
}

TEST_F(BarMenu, HoldsTheBarCommandsInTheirOrderWithTheirNumbers) {
  std::vector<qrv::MenuItem*> commands;
  HMENU menu = bar_->Menu().Popup().Build(commands);
  EXPECT_EQ(MenuLines(menu), (std::vector<std::wstring>{L"Tasks",
                                                        L"Notes",
                                                        L"Calendar",
                                                        L"Contacts",
                                                        L"Inbox",
                                                        L"Journal",
                                                        L"-",
                                                        L"New Task",
                                                        L"New Note",
                                                        L"New Appointment",
                                                        L"New Contact",
                                                        L"New E-Mail Item",
                                                        L"New Journal Item",
                                                        L"-",
                                                        L"New Task Request",
                                                        L"New Meeting Request",
                                                        L"-",
                                                        L"Open Outlook",
                                                        L"Open Outlook Today",
                                                        L"Advanced Find...",
                                                        L"New Information Item",
                                                        L"New Office Document",
                                                        L"-",
                                                        L"Tavrobar Enabled [x]",
                                                        L"About / Preferences...",
                                                        L"Keywords...",
                                                        L"Hotkeys...",
                                                        L"Update Web Services",
                                                        L"Help",
                                                        L"-",
                                                        L"Exit 'Quorvel'"}));
  DestroyMenu(menu);
  ASSERT_EQ(commands.size(), 26u);
  // The folder items turn Outlook's window to their folders, and the new-item
  // items make items of their kinds, in the menu's order.
  ASSERT_TRUE(parts_.outlook.Connect());
  Configure("explorer=yes\n");
  const std::vector<std::string> folders{"Tasks", "Notes", "Calendar", "Contacts", "Inbox", "Journal"};
  for (std::size_t n = 0; n < folders.size(); ++n) {
    commands[n]->onClick();
    EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), folders[n]);
  }
  for (std::size_t n = 6; n < 14; ++n) commands[n]->onClick();
  std::vector<std::string> kinds;
  for (const LogEntry& call : Calls(Log(), "call", "CreateItem")) kinds.push_back(call.args);
  EXPECT_EQ(kinds, (std::vector<std::string>{"3", "5", "1", "2", "0", "4", "3", "1"}));
}

// A bar menu item by its text.
const MenuItem& ItemNamed(BarWindow& bar, const std::wstring& text) {
  for (const MenuItem* item : bar.Menu().Popup().Items())
    if (item->text == text) return *item;
  throw std::logic_error("no such menu item");
}

TEST_F(BarMenu, OutlookProgramsEnableTheirItemsOnlyWhenTheyAreThere) {
  const auto enabled = [&](const wchar_t* text) { return ItemNamed(*bar_, text).enabled; };
  parts_.data.settings.outlookExePath = FolderPath() + "\\OUTLOOK.EXE";
  bar_->Menu().EnablePrograms();
  EXPECT_FALSE(enabled(L"Open Outlook") || enabled(L"Open Outlook Today") || enabled(L"Advanced Find...") ||
               enabled(L"New Office Document"));
  for (const char* name : {"\\OUTLOOK.EXE", "\\Finder.exe"}) {
    CloseHandle(
        CreateFileW(qrv::Widen(FolderPath() + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  parts_.data.settings.officeShortcutPath = FolderPath() + "\\OUTLOOK.EXE";
  bar_->Menu().EnablePrograms();
  EXPECT_TRUE(enabled(L"Open Outlook") && enabled(L"Open Outlook Today") && enabled(L"Advanced Find...") &&
              enabled(L"New Office Document"));
  for (const char* name : {"\\OUTLOOK.EXE", "\\Finder.exe"}) DeleteFileW(qrv::Widen(FolderPath() + name).c_str());
}

TEST_F(BarMenu, ChosenItemsRunTheirCommands) {
  ASSERT_TRUE(parts_.outlook.Connect());
  Configure("explorer=yes\n");
  bar_->Show();
  SetForegroundWindow(bar_->Handle());
  ChooseByKeys(MenuPlace(3));  // "Calendar"
  bar_->Menu().Popup().Popup(*bar_, 10, 200);
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Calendar");
  ChooseByKeys(MenuPlace(14));  // "New Meeting Request"
  bar_->Menu().Popup().Popup(*bar_, 10, 200);
  const auto meetings = Items("AppointmentItem");
  ASSERT_EQ(meetings.size(), 1u);
  EXPECT_EQ(meetings[0].Get("MeetingStatus"), "1");
  EXPECT_EQ(meetings[0].Get("Displays"), "1");
  // "Tavrobar Enabled" hides the bar and leaves the icon alone.
  parts_.data.settings.programMode = ProgramMode::kBarAndTray;
  ChooseByKeys(MenuPlace(20));
  bar_->Menu().Popup().Popup(*bar_, 10, 200);
  EXPECT_EQ(parts_.data.settings.programMode, ProgramMode::kTrayOnly);
  EXPECT_FALSE(bar_->Visible());
  EXPECT_FALSE(ItemNamed(*bar_, L"Tavrobar Enabled").checked);
}

// The Information Item window the bar's menu opened just now.
HWND OpenFromMenu(BarWindow& bar) {
  std::vector<HWND> before;
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, L"Task - QRV"));) before.push_back(w);
  ItemNamed(bar, L"New Information Item").onClick();
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, L"Task - QRV"));)
    if (std::find(before.begin(), before.end(), w) == before.end()) return w;
  return nullptr;
}

void CloseAndWait(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  for (int n = 0; n < 50 && IsWindow(window); ++n) Pump(20);
}

RECT PlaceOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  return place;
}

TEST_F(BarMenu, InformationItemWindowsCascadeFromTheBarAndLeaveTheListAsTheyClose) {
  // In the program the bar is the application's main form; here a stand-in is.
  Application::Get().CreateForm<Form>(FormArgs{.caption = L"main"});
  bar_->Show();
  std::vector<HWND> windows;
  for (int n = 0; n < 3; ++n) windows.push_back(OpenFromMenu(*bar_));
  ASSERT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
  EXPECT_EQ(bar_->EntryWindows().Count(), 3);
  EXPECT_EQ(PlaceOf(windows[0]).left, 40);
  EXPECT_GE(PlaceOf(windows[0]).left, bar_->WindowRect().right);
  EXPECT_EQ(PlaceOf(windows[0]).top, 150);
  EXPECT_EQ(PlaceOf(windows[2]).left, 88);
  EXPECT_EQ(PlaceOf(windows[2]).top, 174);
  // Empty, a window closes without a question, frees itself and leaves its
  // place to the next one.
  CloseAndWait(windows[1]);
  EXPECT_FALSE(IsWindow(windows[1]));
  EXPECT_EQ(bar_->EntryWindows().Count(), 2);
  windows[1] = OpenFromMenu(*bar_);
  ASSERT_NE(windows[1], nullptr);
  EXPECT_EQ(bar_->EntryWindows().Count(), 3);
  EXPECT_EQ(PlaceOf(windows[1]).left, 88);
  for (HWND window : windows) CloseAndWait(window);
  EXPECT_TRUE(bar_->EntryWindows().Empty());
}

TEST_F(BarMenu, ABarOffTheScreenAboveOrBelowComesBackWhole) {
  bar_->StartUp();
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  for (const int top : {-5000, -20, screenHeight - 20, screenHeight + 300}) {
    SetWindowPos(bar_->Handle(), nullptr, -1, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto onScreen = [&] {
      const RECT r = bar_->WindowRect();
      return r.top >= 0 && r.bottom <= screenHeight;
    };
    for (int n = 0; n < 150 && !onScreen(); ++n) Pump(20);
    EXPECT_TRUE(onScreen()) << top;
  }
}

// Help opened from the bar does not stay on top of other programs as the bar
// does; where the viewer stands and how it is reused is the help viewer's own test.
TEST_F(BarMenu, TheHelpViewerIsNotOnTopAndAGonePreferencesWindowIsNoneToReuse) {
  bar_->ShowHelp(0);
  HelpViewer* viewer = OpenHelpViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_FALSE(GetWindowLongPtrW(viewer->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  viewer->Close();
  for (int n = 0; n < 50 && OpenHelpViewer(); ++n) Pump(20);

  // A window that went without clearing its handle is no window to reuse.
  auto prefs = std::make_unique<Form>(FormArgs{.caption = L"prefs", .clientSize = {300, 200}});
  bar_->Preferences().Place(*prefs);
  EXPECT_EQ(prefs->WindowRect().left, 40);
  EXPECT_TRUE(bar_->Preferences().WindowOpen());
  prefs.reset();
  EXPECT_FALSE(bar_->Preferences().WindowOpen());
  bar_->Preferences().Forget();
}

// --- the categories dialog on its own --------------------------------------------------

// Messages posted to the focused window a moment from now: keys the user
// presses in a dialog that is up by then.
void PostLater(std::vector<std::pair<UINT, WPARAM>> messages) {
  static std::vector<std::pair<UINT, WPARAM>> pending;
  pending = std::move(messages);
  SetTimer(nullptr, 0, 120, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (const auto& [message, key] : pending) PostMessageW(GetFocus(), message, key, 1);
  });
}

TEST(CategoriesDialog, EachClickTogglesOneEntryAndTheKeysChooseAllNoneOkAndCancel) {
  CategoriesDialog dialog;
  dialog.SetEntries({L"Business", L"Ideas", L"VIP"});
  EXPECT_EQ(dialog.Caption(), L"Categories");
  EXPECT_FALSE(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE) & WS_SYSMENU);
  HWND list = dialog.List().Handle();
  const auto click = [&](int index) {
    const RECT r = dialog.List().ItemRect(index);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 5, r.top + 2));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 5, r.top + 2));
  };
  click(2);
  click(0);
  EXPECT_EQ(dialog.ChosenEntries(), (std::vector<std::wstring>{L"Business", L"VIP"}));
  click(2);
  EXPECT_EQ(dialog.ChosenEntries(), std::vector<std::wstring>{L"Business"});
  // OK, ALL and NONE are toolbar buttons: a click leaves the focus in the list.
  dialog.Show();
  SetForegroundWindow(dialog.Handle());
  SetFocus(list);
  for (const wchar_t* text : {L"&NONE", L"&ALL"}) {
    HWND button = FindWindowExW(dialog.Handle(), nullptr, L"Button", text);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(GetFocus(), list) << text;
  }
  EXPECT_EQ(dialog.ChosenEntries().size(), 3u);
  dialog.Hide();
  click(1);
  click(2);
  // Alt+A chooses every entry and Enter is OK; Alt+N clears them and Esc cancels.
  PostLater({{WM_SYSCHAR, L'a'}, {WM_KEYDOWN, VK_RETURN}});
  EXPECT_EQ(dialog.ShowModal(), DialogResult::kOk);
  EXPECT_EQ(dialog.ChosenEntries().size(), 3u);
  PostLater({{WM_SYSCHAR, L'n'}, {WM_KEYDOWN, VK_ESCAPE}});
  EXPECT_EQ(dialog.ShowModal(), DialogResult::kCancel);
  EXPECT_TRUE(dialog.ChosenEntries().empty());
}

// --- Outlook's category list --------------------------------------------------------------

constexpr wchar_t kOffice[] = L"Software\\QV\\QuorvelCategoriesTest";

class CategoryNamesRead : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kOffice); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kOffice); }
  // A value of a version's key (name null: its default value).
  void SetValue(const wchar_t* version, const wchar_t* name, DWORD type, const std::wstring& text) {
    SetKeyText(HKEY_CURRENT_USER, std::wstring(kOffice) + L"\\" + version + L"\\Outlook\\Categories", name, text, type);
  }
  static std::vector<std::string> Read() { return ReadCategoryNames(kOffice); }
};

TEST_F(CategoryNamesRead, MasterListGivesItsNamesSortedWithEmptyOnesKept) {
  SetValue(L"9.0", L"MasterList", REG_SZ, L"vip;;Business;Gifts;");
  EXPECT_EQ(Read(), (std::vector<std::string>{"", "Business", "Gifts", "vip"}));
}

TEST_F(CategoryNamesRead, NoListAnywhereGivesOutlooksOwnNames) {
  EXPECT_EQ(Read().size(), 20u);
  EXPECT_EQ(Read().front(), "Business");
  // An empty list under the newer key gives them too, whatever the older key holds.
  SetValue(L"9.0", L"Other", REG_SZ, L"x");
  SetValue(L"8.0", nullptr, REG_SZ, L"Ideas;Gifts");
  EXPECT_EQ(Read().size(), 20u);
}

TEST_F(CategoryNamesRead, ListOfAnotherTypeCountsAsNoneAndTheOlderKeyIsRead) {
  SetValue(L"9.0", L"MasterList", REG_BINARY, L"VIP;Ideas");
  SetValue(L"8.0", nullptr, REG_SZ, L"Ideas;Gifts");
  EXPECT_EQ(Read(), (std::vector<std::string>{"Gifts", "Ideas"}));
  SetValue(L"8.0", nullptr, REG_MULTI_SZ, L"Ideas");
  EXPECT_EQ(Read().size(), 20u);
}

}  // namespace
}  // namespace qrv::testing
