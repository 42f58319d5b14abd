// The bar's commands with the stand-in Outlook: the items each button and menu
// item makes, the categories prompt, the folders, the extra actions; and with a
// real bar, the connection and the closing question.
#include <fstream>

#include "bar_fixture.h"
#include "components/ole_auto.h"
#include "ui/wide.h"

namespace qrv::testing {
namespace {

using BarOutlook = BarTest;

class ConnectedBar : public BarTest {
 protected:
  void SetUp() override {
    BarTest::SetUp();
    ASSERT_TRUE(parts_.outlook.Connect());
  }
  void Show(int type, Origin origin = Origin::kMenu, const std::wstring& caption = L"New Item 0", bool ask = false) {
    commands_.ShowNewItem(static_cast<EntryType>(type), origin, ask, caption);
  }
  void View(int folder, Origin origin = Origin::kMenu, bool newWindow = false) {
    commands_.ViewFolder(static_cast<FolderKind>(folder), origin, newWindow);
  }
  void Extra(int action, Origin origin = Origin::kMenu) {
    commands_.RunExtraAction(static_cast<ExtraAction>(action), origin);
  }
  // A file that stands for a program the bar starts, in a folder with blanks.
  std::string Program(const std::string& name) {
    std::string path = FolderPath() + "\\" + name;
    std::ofstream(path, std::ios::binary) << "MZ";
    return path;
  }

  TestHost host_;
  BarCommands commands_{parts_.outlook, parts_.data, host_};
};

TEST_F(ConnectedBar, EveryNewItemIsMadeInItsFolderWithItsFinishingStepsAndShown) {
  for (int type = 1; type <= 8; ++type) Show(type, Origin::kMenu, L"New Item " + std::to_wstring(type));
  std::vector<std::string> folders, kinds;
  for (const LogEntry& call : Calls(Log(), "call", "GetDefaultFolder")) folders.push_back(call.args);
  for (const LogEntry& call : Calls(Log(), "call", "CreateItem")) kinds.push_back(call.args);
  // Each kind's folder is opened before its first item, once while Outlook runs.
  EXPECT_EQ(folders, (std::vector<std::string>{"13", "12", "9", "10", "6", "11"}));
  EXPECT_EQ(kinds, (std::vector<std::string>{"3", "5", "1", "2", "0", "4", "3", "1"}));
  const auto items = Items();
  ASSERT_EQ(items.size(), 8u);
  for (int type = 1; type <= 8; ++type) {
    SCOPED_TRACE(type);
    const StoreSection& item = items[static_cast<std::size_t>(type - 1)];
    EXPECT_EQ(item.Get("Displays"), "1");
    EXPECT_EQ(item.Get("Saved"), "no");
    // No prompt ran: the empty text (a note has no categories to put).
    if (type != 2) {
      EXPECT_TRUE(item.Has("Categories") && item.Get("Categories").empty());
    }
  }
  EXPECT_EQ(items[0].Get("Assigned"), "no");
  EXPECT_EQ(items[6].Get("Assigned"), "yes");
  EXPECT_FALSE(items[2].Has("MeetingStatus"));
  EXPECT_EQ(items[7].Get("MeetingStatus"), "1");
  // The note opens beside the bar, as high as its strip.
  EXPECT_EQ(items[1].Get("Left"), "40");
  EXPECT_EQ(items[1].Get("Top"), "150");
  EXPECT_EQ(items[1].Get("Height"), "298");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(ConnectedBar, BarButtonAsksForCategoriesBesideTheBarAndKeepsTheListOrder) {
  parts_.data.settings.categoryPromptTypes = {"OFF", "1"};
  AnswerCategories({L"VIP", L"Business"});
  Show(1, Origin::kBar, L"New Task");
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Task");
  EXPECT_EQ(Shown()[0].bounds.left, 40);
  EXPECT_EQ(Shown()[0].bounds.top, 150);
  EXPECT_EQ(Shown()[0].entries.size(), 20u);
  const auto tasks = Items("TaskItem");
  ASSERT_EQ(tasks.size(), 1u);
  EXPECT_EQ(tasks[0].Get("Categories"), "Business, VIP");
  EXPECT_EQ(tasks[0].Get("Displays"), "1");
  EXPECT_EQ(host_.collapses, 1);  // an item made from the bar collapses it
  // A type that is not asked for makes its item straight away.
  Show(3, Origin::kBar, L"New Appointment");
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(host_.collapses, 2);
  // Without collapsing after an action, the bar is left as it is.
  parts_.data.settings.minimizeButton = false;
  Show(3, Origin::kBar, L"New Appointment");
  EXPECT_EQ(host_.collapses, 2);
}

TEST_F(ConnectedBar, MenuAsksInTheScreenCentreUnderThePlainCaption) {
  parts_.data.settings.categoryPromptTypes = {"3"};
  AnswerCategories({L"Ideas", L"Gifts", L"Ideas"});        // the second click takes "Ideas" back
  Show(3, Origin::kMenu, L"New Appointment\tCtrl+Alt+A");  // a caption as a hotkey writes it
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Appointment");
  const RECT& r = Shown()[0].bounds;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  EXPECT_EQ(Items("AppointmentItem").at(0).Get("Categories"), "Gifts");
  EXPECT_EQ(host_.collapses, 0);  // not from the bar
}

// ALL and NONE set every entry; Esc makes the item all the same, without categories.
TEST_F(ConnectedBar, AllNoneAndEscAnswerThePromptAndAnInformationItemNeverAsks) {
  parts_.data.settings.categoryPromptTypes = {"6"};
  AnswerCategories({}, L"&ALL");
  Show(6, Origin::kMenu, L"New Journal Item");
  AnswerCategories({L"VIP"}, L"&NONE");
  Show(6, Origin::kMenu, L"New Journal Item");
  AnswerCategories({L"VIP"}, L"Esc");
  Show(6, Origin::kMenu, L"New Journal Item");
  EXPECT_FALSE(NewOutlookItem(parts_.outlook, EntryType::kJournal, {}, {}).IsEmpty());
  ASSERT_EQ(Shown().size(), 3u);
  const auto journal = Items("JournalItem");
  ASSERT_EQ(journal.size(), 4u);
  EXPECT_EQ(journal[0].Get("Categories").substr(0, 24), "Business, Competition, F");
  for (std::size_t n = 1; n < 4; ++n) EXPECT_EQ(journal[n].Get("Categories"), "") << n;
  EXPECT_EQ(journal[2].Get("Displays"), "1");
  EXPECT_EQ(journal[3].Get("Displays"), "0");  // the Information Item window fills and saves it
}

TEST_F(ConnectedBar, RightButtonForcesThePromptExceptOnTheOtherMailProgramsRoad) {
  // On the bar's contact button a left click makes the contact straight away;
  // the right button asks for its categories first.
  HWND contactButton = bar_->Buttons().NewItemButton(EntryType::kContact).Handle();
  const auto press = [&](UINT down, UINT up, WPARAM held) {
    SendMessageW(contactButton, down, held, MAKELPARAM(10, 10));
    SendMessageW(contactButton, up, 0, MAKELPARAM(10, 10));
  };
  press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
  EXPECT_TRUE(Shown().empty());
  AnswerCategories({L"Hot Contacts"});
  press(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Contact");
  const auto contacts = Items("ContactItem");
  ASSERT_EQ(contacts.size(), 2u);
  EXPECT_EQ(contacts[0].Get("Categories"), "");
  EXPECT_EQ(contacts[1].Get("Categories"), "Hot Contacts");

  parts_.data.settings.emailType = "1";
  parts_.data.settings.addressBookPath = R"(C:\Address Book\wab.exe)";
  Show(5, Origin::kBar, L"New E-Mail Item", true);
  EXPECT_TRUE(commands_.NewItem(EntryType::kContact, Origin::kBar, true, L"New Contact").IsEmpty());
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{L"mailto:", L""}, {LR"(C:\Address Book\wab.exe)", L""}}));
  // Nothing made and nothing shown.
  EXPECT_EQ(Items().size(), 2u);
  EXPECT_EQ(Calls(Log(), "call", "Display").size(), 2u);
}

TEST_F(ConnectedBar, RefusedMemberEndsTheCommandWithOutlooksMessage) {
  Configure("fail=TaskItem.Categories Categories are locked.\n");
  EXPECT_EQ(FailureOf([&] { Show(1, Origin::kMenu, L"New Task"); }), "Categories are locked.");
  // Made, but not shown: nothing after the refused step runs.
  EXPECT_EQ(Items("TaskItem").at(0).Get("Displays"), "0");
}

TEST_F(ConnectedBar, FoldersCollapseTheBarByTheirSettingAndItemsAndExtrasByTheirs) {
  Configure("explorer=yes\n");
  parts_.data.settings.minimizeView = true;
  parts_.data.settings.minimizeButton = false;
  View(1, Origin::kBar);
  EXPECT_EQ(host_.collapses, 1);
  Show(1, Origin::kBar, L"New Task");
  Extra(1, Origin::kBar);
  EXPECT_EQ(host_.collapses, 1);
  parts_.data.settings.minimizeView = false;
  parts_.data.settings.minimizeButton = true;
  View(1, Origin::kBar);
  EXPECT_EQ(host_.collapses, 1);
  Show(1, Origin::kBar, L"New Task");
  Extra(1, Origin::kBar);
  EXPECT_EQ(host_.collapses, 3);
}

TEST_F(ConnectedBar, FolderButtonTurnsTheOpenOutlookWindowOrStartsOutlookOnTheFolder) {
  Configure("explorer=yes\n");
  View(1, Origin::kBar);
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Tasks");
  EXPECT_EQ(Stored("Explorer", "1").Get("Displays"), "1");
  EXPECT_EQ(host_.collapses, 1);

  Configure("explorer=no\n");
  View(3);  // outlook.exe is not there: nothing
  EXPECT_TRUE(Opened().empty());
  parts_.data.settings.outlookExePath = Program("OUTLOOK.EXE");
  View(3);
  EXPECT_EQ(Opened(),
            (std::vector<ShellRequest>{{qrv::Widen(parts_.data.settings.outlookExePath), L"Outlook:Calendar"}}));
  EXPECT_EQ(Stored("Explorer", "2").kind, "");  // no window opened by the bar itself
}

TEST_F(ConnectedBar, NewWindowRoadsOpenTheFolderWithOrWithoutTheOutlookBar) {
  View(2, Origin::kBar, true);  // a new window even with FolderState 0
  EXPECT_EQ(Stored("Folder", "Notes").Get("Displays"), "1");
  parts_.data.settings.folderState = 1;
  View(5);
  EXPECT_EQ(Stored("Folder", "Inbox").Get("Displays"), "1");
  parts_.data.settings.folderType = 1;  // without the Outlook Bar: through an explorer of the folder
  View(6);
  EXPECT_EQ(Stored("Folder", "Journal").Get("Displays"), "0");
  EXPECT_EQ(Calls(Log(), "call", "GetExplorer").at(0).args, "1");
  EXPECT_EQ(Stored("Explorer", "3").Get("Folder"), "Journal");
  EXPECT_EQ(Stored("Explorer", "3").Get("Displays"), "1");

  parts_.data.settings.emailType = "1";
  parts_.data.settings.expressPath = R"(C:\Mail\msimn.exe)";
  parts_.data.settings.addressBookPath = R"(C:\Mail\wab.exe)";
  View(5, Origin::kMenu, true);
  View(4, Origin::kMenu, true);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{LR"(C:\Mail\msimn.exe)", L""}, {LR"(C:\Mail\wab.exe)", L""}}));
}

TEST_F(ConnectedBar, ExtraActionsStartTheirProgramsOnlyWhenThereAreSome) {
  for (int action = 1; action <= 5; ++action) Extra(action);
  EXPECT_TRUE(Opened().empty());
  parts_.data.settings.outlookExePath = Program("OUTLOOK.EXE");
  parts_.data.settings.officeShortcutPath = Program("OSA9.EXE");
  parts_.data.settings.fileName = Program("My Tool.exe");
  for (int action = 1; action <= 6; ++action) Extra(action);
  const std::wstring outlookExe = qrv::Widen(parts_.data.settings.outlookExePath);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{outlookExe, L""},
                                                 {outlookExe, L"Outlook:Outlook Today"},
                                                 {qrv::Widen(parts_.data.settings.officeShortcutPath), L"-n"},
                                                 {qrv::Widen(parts_.data.settings.fileName), L""},
                                                 {qrv::Widen(FolderPath()) + L"\\Finder.exe", L""}}));
  // With an Outlook window open, "Open Outlook" shows that window.
  Opened().clear();
  Configure("explorer=yes\n");
  Extra(1, Origin::kBar);
  EXPECT_TRUE(Opened().empty());
  EXPECT_EQ(Stored("Explorer", "1").Get("Displays"), "1");
  EXPECT_EQ(host_.collapses, 1);
}

// The prompts whose text starts so.
std::vector<Prompt> PromptsStartingWith(const std::wstring& start) {
  std::vector<Prompt> found;
  for (const Prompt& prompt : BarTest::Prompts())
    if (prompt.text.starts_with(start)) found.push_back(prompt);
  return found;
}

TEST_F(BarOutlook, OutlookThatCannotStartIsReportedOnceAndTheBarRunsOn) {
  for (const char* refusal : {"fail=CreateObject\n", "fail=Logon No profile.\n"}) {
    SCOPED_TRACE(refusal);
    Prompts().clear();
    Configure(refusal);
    bar_->StartUp();
    const auto warnings = PromptsStartingWith(L"Outlook could not be accessed");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.");
    EXPECT_EQ(warnings[0].kind, qrv::MessageKind::kWarning);
    EXPECT_FALSE(parts_.outlook.Connected());
    EXPECT_TRUE(parts_.data.icons.definitions.empty());
    // Closing asks nothing about an Outlook the bar does not hold.
    const std::size_t asked = Prompts().size();
    EXPECT_TRUE(bar_->CanClose());
    EXPECT_EQ(Prompts().size(), asked);
  }
  EXPECT_TRUE(UnreleasedObjects(Log()).empty());
}

TEST_F(ConnectedBar, ClosingQuitsOutlookSilentlyOnlyWhenItShowsNoWindowAtAll) {
  Show(1, Origin::kMenu, L"New Task");  // an item window stays open
  PromptAnswer() = qrv::DialogResult::kNo;
  EXPECT_TRUE(bar_->CanClose());
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, L"Do you want to close Outlook also?");
  EXPECT_EQ(Stored("Session").Get("Quit"), "no");

  Configure("item-windows=closed\nexplorer=yes\n");
  PromptAnswer() = qrv::DialogResult::kYes;
  EXPECT_TRUE(bar_->CanClose());
  EXPECT_EQ(Prompts().size(), 2u);
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
}

TEST_F(ConnectedBar, ClosingWithoutOutlookWindowsLogsOffAndQuitsWithoutAsking) {
  // Also when Outlook cannot tell its item windows.
  Configure("fail=Inspectors The server is busy.\n");
  EXPECT_TRUE(bar_->CanClose());
  EXPECT_TRUE(Prompts().empty());
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
}

// --- the session: what it makes it returns, and it keeps nothing ---------------------------

TEST_F(ConnectedBar, SessionReturnsWhatItMakesAndAFailedItemLeavesNothing) {
  OleObject folder = parts_.outlook.DefaultFolder(OutlookFolder::kTasks);
  EXPECT_FALSE(folder.IsEmpty());
  OleObject first = parts_.outlook.CreateItem(OutlookItemKind::kTask);
  OleObject second = parts_.outlook.CreateItem(OutlookItemKind::kTask);
  first.Put("Subject", "first");
  second.Put("Subject", "second");
  const auto tasks = Items("TaskItem");
  ASSERT_EQ(tasks.size(), 2u);
  EXPECT_EQ(tasks[0].Get("Subject"), "first");  // two items, each its own
  EXPECT_EQ(tasks[1].Get("Subject"), "second");
  EXPECT_TRUE(parts_.outlook.ActiveExplorer().IsEmpty());
  Configure("explorer=yes\n");
  EXPECT_FALSE(parts_.outlook.ActiveExplorer().IsEmpty());

  Configure("fail=CreateItem Out of memory.\n");
  EXPECT_THROW(parts_.outlook.CreateItem(OutlookItemKind::kTask), OleError);
  EXPECT_THROW(Show(1, Origin::kMenu, L"New Task"), OleError);
  EXPECT_EQ(Items("TaskItem").size(), 2u);
  EXPECT_EQ(Calls(Log(), "call", "Display").size(), 0u);
  folder.Clear();
  first.Clear();
  second.Clear();
  parts_.outlook.Release();
  EXPECT_TRUE(UnreleasedObjects(Log()).empty());
}

TEST_F(BarOutlook, SessionWithoutOutlookRefusesEveryCallAndIsNeverClosed) {
  EXPECT_FALSE(parts_.outlook.Connected());
  EXPECT_THROW(parts_.outlook.CreateItem(OutlookItemKind::kTask), OleError);
  EXPECT_THROW(parts_.outlook.DefaultFolder(OutlookFolder::kTasks), OleError);
  EXPECT_THROW(parts_.outlook.ActiveExplorer(), OleError);
  EXPECT_FALSE(parts_.outlook.AnyWindowOpen());
  parts_.outlook.Close();
  EXPECT_TRUE(Calls(Log(), "call", "Quit").empty());
}

}  // namespace
}  // namespace qrv::testing
