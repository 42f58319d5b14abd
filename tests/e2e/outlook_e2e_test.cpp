// The real Quorvel.exe under Wine with the stand-in Outlook and the argument
// logger in place of the programs it starts: what its buttons and menu make in
// Outlook, the categories prompt, the folders, the extra actions, a start
// without Outlook and the closing question.
#include <fstream>
#include <sstream>

#include "bar_with_outlook.h"

namespace qrv::testing {
namespace {

using e2e::Process;

// The slot tops of the bar.
constexpr int kSlot[] = {0, 20, 54, 88, 122, 156, 190};

TEST_F(BarWithOutlook, NewItemButtonsMakeTheirItemsInTheirFoldersAndShowThem) {
  StartBar();
  for (int n = 1; n <= 6; ++n) {
    ClickButton(kSlot[n]);
    ASSERT_TRUE(WaitForItemDisplays(static_cast<std::size_t>(n))) << "button " << n;
    // An item made from the bar collapses it.
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kCollapsed; }, 3000));
  }
  const auto items = StoredItems();
  ASSERT_EQ(items.size(), 6u);
  const char* expected[] = {"TaskItem", "NoteItem", "AppointmentItem", "ContactItem", "MailItem", "JournalItem"};
  for (int n = 0; n < 6; ++n) {
    EXPECT_EQ(items[static_cast<std::size_t>(n)].Get("Class"), expected[n]);
    EXPECT_EQ(items[static_cast<std::size_t>(n)].Get("Displays"), "1");
  }
  EXPECT_EQ(items[0].Get("Folder"), "Tasks");
  EXPECT_EQ(items[5].Get("Folder"), "Journal");
  EXPECT_EQ(items[1].Get("Left"), "40");
  EXPECT_EQ(items[1].Get("Top"), std::to_string(top_));
  EXPECT_EQ(items[1].Get("Height"), "298");
}

TEST_F(BarWithOutlook, WithoutOutlookTheBarStartsWarnsOnceAndRunsOn) {
  // Outlook that cannot start, and Outlook that refuses the logon.
  for (const char* refusal : {"fail=CreateObject\n", "fail=Logon No profile.\n"}) {
    SCOPED_TRACE(refusal);
    Configure(refusal);
    e2e::ResetSettings(settings_);
    bar_ = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"");
    HWND box = WaitForBox();
    ASSERT_TRUE(box) << "no warning";
    EXPECT_EQ(e2e::MessageText(box), L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.");
    e2e::Answer(box, IDOK);
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
          hwnd_ = e2e::FindBar(bar_.Id());
          return hwnd_ && e2e::WidthOf(hwnd_) == kCollapsed;
        },
        10000))
        << "start-up did not complete";
    top_ = e2e::WindowRect(hwnd_).top;
    EXPECT_EQ(WaitForBox(1000), nullptr) << "warned twice";
    // A command that needs Outlook reports it and the bar runs on.
    ClickButton(kSlot[1]);
    box = WaitForBox();
    ASSERT_TRUE(box);
    EXPECT_NE(e2e::MessageText(box).find(L"GetDefaultFolder"), std::wstring::npos) << Ascii(e2e::MessageText(box));
    e2e::Answer(box, IDOK);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(box); }, 3000));
    EXPECT_TRUE(bar_.Running());
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);  // nothing to ask about
    EXPECT_TRUE(bar_.WaitForExit(5000));
  }
}

// At start-up the bar looks for the icon definitions note and reads its body;
// a note that is missing, or a lookup that fails, never stops the start-up.
TEST_F(BarWithOutlook, StartUpReadsTheIconNoteAndRunsOnWithoutIt) {
  Seed("[Item 1]\nClass=NoteItem\nBody=VIDODU3\\r\\nAStar=183C7EFFFF7E3C18\\r\\nBDot=0000183C3C180000\n");
  StartBar();
  const auto reads = Calls(Log(), "get", "Body");
  ASSERT_EQ(reads.size(), 1u) << "the note's body was not read";
  EXPECT_NE(reads[0].object.find("NoteItem"), std::string::npos);
  const auto finds = Calls(Log(), "call", "Find");
  ASSERT_EQ(finds.size(), 1u);
  EXPECT_EQ(finds[0].args, R"("[Subject] = \"VIDODU3\"")");
  EXPECT_EQ(WaitForBox(500), nullptr);
  CloseBar();

  for (const char* broken : {"", "fail=Find The operation failed.\n"}) {
    SCOPED_TRACE(broken);
    Seed("");
    Configure(broken);
    StartBar();
    EXPECT_TRUE(Calls(Log(), "get", "Body").size() == 1u) << "a body was read without a note";
    EXPECT_EQ(WaitForBox(500), nullptr) << "the lookup interrupted the start-up";
    CloseBar();
  }
}

TEST_F(BarWithOutlook, MenuItemsMakeEveryKindOfItem) {
  StartBar();
  // Places in the menu: "New Task" .. "New Journal Item" are 7 .. 12, the requests 13 and 14.
  for (int place = 7; place <= 14; ++place) {
    ChooseFromMenu(place);
    ASSERT_TRUE(WaitForItemDisplays(static_cast<std::size_t>(place - 6))) << "menu place " << place;
  }
  const auto items = StoredItems();
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[0].Get("Class"), "TaskItem");
  EXPECT_EQ(items[4].Get("Class"), "MailItem");
  EXPECT_EQ(items[6].Get("Class"), "TaskItem");
  EXPECT_EQ(items[6].Get("Assigned"), "yes");
  EXPECT_EQ(items[7].Get("Class"), "AppointmentItem");
  EXPECT_EQ(items[7].Get("MeetingStatus"), "1");
  EXPECT_EQ(e2e::WidthOf(hwnd_), kCollapsed);  // the menu does not open the bar
}

// What a categories dialog of the bar's shows.
struct CategoriesDialog {
  HWND window = nullptr;
  std::wstring caption;
  RECT bounds{};
  std::vector<std::wstring> entries;
};

class CategoriesPrompt : public BarWithOutlook {
 protected:
  void SetUp() override {
    BarWithOutlook::SetUp();
    SetText(HKEY_CURRENT_USER, kOfficeCategories, L"MasterList", L"Zeta;alpha;VIP;");
  }
  CategoriesDialog WaitForDialog() const {
    CategoriesDialog dialog;
    if (!e2e::WaitFor([&] { return (dialog.window = e2e::FindWindowWithChild(bar_.Id(), L"LISTBOX")) != nullptr; },
                      5000))
      return dialog;
    wchar_t caption[256] = L"";
    GetWindowTextW(dialog.window, caption, 256);
    dialog.caption = caption;
    GetWindowRect(dialog.window, &dialog.bounds);
    HWND list = FindWindowExW(dialog.window, nullptr, L"LISTBOX", nullptr);
    for (int i = 0, n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); i < n && i < 100; ++i) {
      wchar_t text[256] = L"";
      if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 255)
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      dialog.entries.push_back(text);
    }
    return dialog;
  }
  // Clicks entries of the list with the mouse, then the dialog's OK button.
  void Choose(const CategoriesDialog& dialog, std::initializer_list<const wchar_t*> entries) {
    HWND list = FindWindowExW(dialog.window, nullptr, L"LISTBOX", nullptr);
    for (const wchar_t* entry : entries) {
      const LRESULT index =
          SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
      RECT item{};
      SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
      POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
      ClientToScreen(list, &at);
      e2e::Click(at.x, at.y);
    }
    POINT ok{31 + 24, 22 + 246 + 11};  // the "&OK" button
    ClientToScreen(dialog.window, &ok);
    e2e::Click(ok.x, ok.y);
  }
};

TEST_F(CategoriesPrompt, BarButtonAsksBesideTheBarAndTheRightButtonAlwaysAsks) {
  settings_[L"BUTTON1"] = L"20,OFF";
  settings_[L"BUTTON2"] = L"54,OFF";
  settings_[L"BUTTON7"] = L"20,ON";
  settings_[L"BUTTON8"] = L"54,ON";
  settings_[L"CATEGORY1"] = L"7";
  StartBar();
  ClickButton(kSlot[1]);
  CategoriesDialog dialog = WaitForDialog();
  ASSERT_TRUE(dialog.window) << "no categories dialog";
  EXPECT_EQ(dialog.caption, L"New Task Request");
  EXPECT_EQ(dialog.bounds.left, 40);
  EXPECT_EQ(dialog.bounds.top, top_);
  EXPECT_EQ(dialog.entries, (std::vector<std::wstring>{L"alpha", L"VIP", L"Zeta"}));
  Choose(dialog, {L"VIP", L"alpha"});
  ASSERT_TRUE(WaitForItemDisplays(1));
  // The meeting request does not ask, unless the right button makes it.
  ClickButton(kSlot[2], true);
  dialog = WaitForDialog();
  ASSERT_TRUE(dialog.window) << "the right button did not ask";
  EXPECT_EQ(dialog.caption, L"New Meeting Request");
  Choose(dialog, {L"Zeta"});
  ASSERT_TRUE(WaitForItemDisplays(2));
  ClickButton(kSlot[2]);
  ASSERT_TRUE(WaitForItemDisplays(3));
  const auto items = StoredItems();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Get("Categories"), "alpha, VIP");
  EXPECT_EQ(items[0].Get("Assigned"), "yes");
  EXPECT_EQ(items[1].Get("Categories"), "Zeta");
  EXPECT_EQ(items[1].Get("MeetingStatus"), "1");
  EXPECT_EQ(items[2].Get("Categories"), "");
}

TEST_F(CategoriesPrompt, MenuAsksInTheMiddleOfTheScreen) {
  settings_[L"CATEGORY3"] = L"1";
  StartBar();
  ChooseFromMenu(7);  // "New Task"
  const CategoriesDialog dialog = WaitForDialog();
  ASSERT_TRUE(dialog.window) << "no categories dialog";
  EXPECT_EQ(dialog.caption, L"New Task");
  const int width = dialog.bounds.right - dialog.bounds.left;
  EXPECT_EQ(dialog.bounds.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  Choose(dialog, {L"Zeta"});
  ASSERT_TRUE(WaitForItemDisplays(1));
  EXPECT_EQ(StoredItems().at(0).Get("Categories"), "Zeta");
}

// The dialog by keyboard alone: the list has the focus, arrows move in it,
// Space chooses, Tab reaches OK and Enter presses it; Esc applies nothing.
TEST_F(CategoriesPrompt, KeysChooseAndEnterIsOkWhileEscAppliesNothing) {
  settings_[L"CATEGORY3"] = L"1";
  StartBar();
  ClickButton(kSlot[1]);  // "New Task"
  ASSERT_TRUE(WaitForDialog().window) << "no categories dialog";
  Sleep(200);
  e2e::PressKeys({VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE, VK_TAB, VK_RETURN});  // alpha and Zeta
  ASSERT_TRUE(WaitForItemDisplays(1));
  ClickButton(kSlot[1]);
  ASSERT_TRUE(WaitForDialog().window) << "no categories dialog";
  Sleep(200);
  e2e::PressKeys({VK_DOWN, VK_SPACE, VK_ESCAPE});
  ASSERT_TRUE(WaitForItemDisplays(2));
  EXPECT_EQ(e2e::FindWindowWithChild(bar_.Id(), L"LISTBOX"), nullptr);
  const auto items = StoredItems();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Get("Categories"), "alpha, Zeta");
  EXPECT_EQ(items[1].Get("Categories"), "");
}

// The Information Item window the bar opens, typed into from the keyboard:
// Ctrl+S saves the task in Outlook with the date words taken out of its
// subject and the date they gave, and the window closes.
TEST_F(BarWithOutlook, ATaskTypedInTheBarsInformationItemWindowIsSavedInOutlook) {
  StartBar();
  e2e::Click(2, top_ + 250);  // the strip's quick-entry zone
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (window = FindWindowW(nullptr, L"Task - QRV")) && GetForegroundWindow() == window; }, 5000));
  ASSERT_TRUE(e2e::XType(L"Pay rent tomorrow"));
  Sleep(300);  // the last keys reach the window after xdotool has ended
  ASSERT_TRUE(e2e::XKeys(L"ctrl+s"));
  // Outlook writes its store at each of the bar's calls: the item is there
  // (empty, unsaved) from its creation on, so wait for its save.
  StandInStore store;
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        store = Store();
        const auto tasks = store.Items("TaskItem");
        return !tasks.empty() && tasks[0]->Get("Saved") == "yes";
      },
      5000));
  const StoreSection* task = store.Items("TaskItem").at(0);
  EXPECT_EQ(task->Get("Subject"), "Pay rent");
  EXPECT_EQ(task->Get("Folder"), "Tasks");
  EXPECT_EQ(task->Get("Saved"), "yes");
  EXPECT_NE(task->Get("DueDate"), "");
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(window); }, 3000));
}

TEST_F(BarWithOutlook, FolderButtonsTurnOutlooksWindowOrStartOutlookOnTheFolder) {
  StartBar();
  ClickFolderButton(kSlot[1]);  // no Outlook window: outlook.exe opens the tasks
  ASSERT_TRUE(WaitForStarts(1));
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kCollapsed; }, 3000));
  EXPECT_EQ(StartedPrograms()[0].program, OfficePath(L"OUTLOOK.EXE"));
  EXPECT_EQ(StartedPrograms()[0].commandLine, "\"" + OfficePath(L"OUTLOOK.EXE") + "\" Outlook:Tasks");
  Configure("explorer=yes\n");
  ClickFolderButton(kSlot[3]);
  // Display is the last call: the folder is turned by then.
  ASSERT_TRUE(e2e::WaitFor([&] { return Stored("Explorer", "1").Get("Displays") == "1"; }, 5000));
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Calendar");
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kCollapsed; }, 3000));
  ClickFolderButton(kSlot[5], true);  // the right button: a window of its own
  ASSERT_TRUE(e2e::WaitFor([&] { return Stored("Folder", "Inbox").Get("Displays") == "1"; }, 5000));
  ChooseFromMenu(6);  // "Journal": the window shown last turns to it and shows again
  ASSERT_TRUE(e2e::WaitFor([&] { return Stored("Explorer", "2").Get("Displays") == "2"; }, 5000));
  EXPECT_EQ(Stored("Explorer", "2").Get("Folder"), "Journal");
  EXPECT_EQ(StartedPrograms().size(), 1u);
}

TEST_F(BarWithOutlook, FolderSettingsOpenEachFolderInANewWindowWithoutTheOutlookBar) {
  settings_[L"FOLDERSTATE"] = L"1";
  settings_[L"FOLDERTYPE"] = L"1";
  StartBar();
  Configure("explorer=yes\n");
  ClickFolderButton(kSlot[2]);
  ASSERT_TRUE(e2e::WaitFor([&] { return Stored("Explorer", "2").Get("Displays") == "1"; }, 5000));
  EXPECT_EQ(Stored("Explorer", "2").Get("Folder"), "Notes");
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Inbox");  // the open window stays as it was
  EXPECT_EQ(Calls(Log(), "call", "GetExplorer").at(0).args, "1");
}

TEST_F(BarWithOutlook, ExtraActionsStartTheirProgramsWithTheirArguments) {
  settings_[L"BUTTON6"] = L"190,OFF";
  settings_[L"BUTTONE4"] = L"190,ON";
  StartBar();
  ClickButton(224);  // "Open Outlook" without an Outlook window
  ASSERT_TRUE(WaitForStarts(1));
  ClickButton(kSlot[6]);  // "Launch My Tool.exe"
  ASSERT_TRUE(WaitForStarts(2));
  ChooseFromMenu(16);  // "Open Outlook Today"
  ASSERT_TRUE(WaitForStarts(3));
  ChooseFromMenu(17);  // "Advanced Find..."
  ASSERT_TRUE(WaitForStarts(4));
  ChooseFromMenu(19);  // "New Office Document"
  ASSERT_TRUE(WaitForStarts(5));
  const std::string outlook = OfficePath(L"OUTLOOK.EXE");
  const std::vector<Started> expected = {{outlook, "\"" + outlook + "\""},
                                         {ProgramPath(L"My Tool.exe"), "\"" + ProgramPath(L"My Tool.exe") + "\""},
                                         {outlook, "\"" + outlook + "\" Outlook:Outlook Today"},
                                         // Advanced Find, from a folder with blanks: the program beside Outlook's,
                                         // not a program named by the path's first words.
                                         {OfficePath(L"Finder.exe"), "\"" + OfficePath(L"Finder.exe") + "\""},
                                         {OfficePath(L"OSA9.EXE"), "\"" + OfficePath(L"OSA9.EXE") + "\" -n"}};
  EXPECT_EQ(StartedPrograms(), expected);
}

TEST_F(BarWithOutlook, OtherMailProgramTakesTheMailAndContactRoads) {
  settings_[L"EMAILTYPE"] = L"1";
  StartBar();
  ClickButton(kSlot[5]);
  ASSERT_TRUE(WaitForStarts(1));
  ClickButton(kSlot[4]);
  ASSERT_TRUE(WaitForStarts(2));
  ClickFolderButton(kSlot[5]);
  ASSERT_TRUE(WaitForStarts(3));
  ClickFolderButton(kSlot[4]);
  ASSERT_TRUE(WaitForStarts(4));
  const auto started = StartedPrograms();
  EXPECT_EQ(started[0].program, ProgramPath(L"Mail.exe"));
  EXPECT_NE(started[0].commandLine.find(" mailto:"), std::string::npos) << started[0].commandLine;
  EXPECT_EQ(started[1].program, ProgramPath(L"wab.exe"));
  EXPECT_EQ(started[2].program, ProgramPath(L"MSIMN.EXE"));
  EXPECT_EQ(started[3].program, ProgramPath(L"wab.exe"));
  EXPECT_TRUE(StoredItems().empty());
  EXPECT_TRUE(ItemDisplays().empty());
}

TEST_F(BarWithOutlook, ClosingAsksAboutOutlookOnlyWhileItShowsAWindow) {
  StartBar();
  ClickButton(kSlot[1]);
  ASSERT_TRUE(WaitForItemDisplays(1));
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);  // the task's window is open
  HWND box = WaitForBox();
  ASSERT_TRUE(box) << "no question";
  EXPECT_EQ(e2e::MessageText(box), L"Do you want to close Outlook also?");
  e2e::Answer(box, IDNO);
  ASSERT_TRUE(bar_.WaitForExit(5000));
  EXPECT_EQ(Stored("Session").Get("Quit"), "no");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "yes");

  StartBar();  // a new Outlook session, with no window
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(bar_.WaitForExit(5000)) << "the bar asked";
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
}

}  // namespace
}  // namespace qrv::testing
