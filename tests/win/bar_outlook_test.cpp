// The bar's Outlook road with a real bar form and the stand-in Outlook: the
// items each button and menu item makes, the categories prompt, the folders,
// the extra actions, the connection and the closing question.
#include <fstream>

#include "bar_fixture.h"
#include "components/OleAuto.h"
#include "ui/wide.h"

namespace qrv::testing {
namespace {

using BarOutlook = BarTest;

class ConnectedBar : public BarTest {
 protected:
  void SetUp() override {
    BarTest::SetUp();
    ASSERT_TRUE(bar->ConnectToOutlook());
  }
  // A file that stands for a program the bar starts, in a folder with blanks.
  std::string Program(const std::string& name) {
    const std::string path = FolderPath() + "\\" + name;
    std::ofstream(path, std::ios::binary) << "MZ";
    return path;
  }
};

TEST_F(ConnectedBar, EveryNewItemIsMadeInItsFolderWithItsFinishingStepsAndShown) {
  for (int type = 1; type <= 8; ++type) bar->CreateDisplayOLItem(type, false, false, L"New Item " + std::to_wstring(type));
  std::vector<std::string> folders, kinds;
  for (const LogEntry& call : Calls(Log(), "call", "GetDefaultFolder")) folders.push_back(call.args);
  for (const LogEntry& call : Calls(Log(), "call", "CreateItem")) kinds.push_back(call.args);
  EXPECT_EQ(folders, (std::vector<std::string>{"13", "12", "9", "10", "6", "11", "13", "9"}));
  EXPECT_EQ(kinds, (std::vector<std::string>{"3", "5", "1", "2", "0", "4", "3", "1"}));
  const auto items = Items();
  ASSERT_EQ(items.size(), 8u);
  for (int type = 1; type <= 8; ++type) {
    SCOPED_TRACE(type);
    const StoreSection& item = items[static_cast<std::size_t>(type - 1)];
    EXPECT_EQ(item.Get("Displays"), "1");
    EXPECT_EQ(item.Get("Saved"), "no");
    // No prompt ran: the empty text (a note has no categories to put).
    if (type != 2) EXPECT_TRUE(item.Has("Categories") && item.Get("Categories").empty());
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
  ::BarSettings.categoryPromptTypes = {"OFF", "1"};
  AnswerCategories({L"VIP", L"Business"});
  bar->NewItemClick(*bar->CoolButton[1]);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Task");
  EXPECT_EQ(Shown()[0].bounds.left, 40);
  EXPECT_EQ(Shown()[0].bounds.top, 150);
  EXPECT_EQ(Shown()[0].entries.size(), 20u);
  const auto tasks = Items("TaskItem");
  ASSERT_EQ(tasks.size(), 1u);
  EXPECT_EQ(tasks[0].Get("Categories"), "Business, VIP");
  EXPECT_EQ(tasks[0].Get("Displays"), "1");
  EXPECT_TRUE(bar->Collapsed());  // an item made from the bar collapses it
  // A type that is not asked for makes its item straight away; a bar that
  // collapsed meanwhile stays so.
  bar->NewItemClick(*bar->CoolButton[3]);
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_TRUE(bar->Collapsed());
}

TEST_F(ConnectedBar, MenuAsksInTheScreenCentreUnderThePlainCaption) {
  ::BarSettings.categoryPromptTypes = {"3"};
  auto& item = bar->Get<ui::MenuItem>(L"Appointment1");
  item.SetCaption(L"New Appointment\tCtrl+Alt+A");  // as a hotkey writes it
  AnswerCategories({L"Ideas", L"Gifts", L"Ideas"});  // the second click takes "Ideas" back
  bar->NewItemMenuClick(item);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Appointment");
  const RECT& r = Shown()[0].bounds;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  EXPECT_EQ(Items("AppointmentItem").at(0).Get("Categories"), "Gifts");
  EXPECT_FALSE(bar->Collapsed());  // not from the bar
}

TEST_F(ConnectedBar, AllAndNoneSetEveryEntryAndAnInformationItemNeverAsks) {
  ::BarSettings.categoryPromptTypes = {"6"};
  AnswerCategories({}, L"&ALL");
  bar->CreateDisplayOLItem(6, false, false, L"New Journal Item");
  AnswerCategories({L"VIP"}, L"&NONE");
  bar->CreateDisplayOLItem(6, false, false, L"New Journal Item");
  bar->NewItem(6, false, false, L"New Item");
  ASSERT_EQ(Shown().size(), 2u);
  const auto journal = Items("JournalItem");
  ASSERT_EQ(journal.size(), 3u);
  EXPECT_EQ(journal[0].Get("Categories").substr(0, 24), "Business, Competition, F");
  EXPECT_EQ(journal[1].Get("Categories"), "");
  EXPECT_EQ(journal[2].Get("Categories"), "");
  EXPECT_EQ(journal[2].Get("Displays"), "0");  // the Information Item window fills and saves it
}

TEST_F(ConnectedBar, RightButtonForcesThePromptExceptOnTheOtherMailProgramsRoad) {
  bar->NewItemRightClick(*bar->CoolButton[4], ui::MouseButton::kLeft, 0, 0);  // the left button is the click's
  EXPECT_TRUE(Shown().empty());
  AnswerCategories({L"Hot Contacts"});
  bar->NewItemRightClick(*bar->CoolButton[4], ui::MouseButton::kRight, 0, 0);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].caption, L"New Contact");
  EXPECT_EQ(Items("ContactItem").at(0).Get("Categories"), "Hot Contacts");

  ::BarSettings.emailType = "1";
  ::BarSettings.addressBookPath = R"(C:\Address Book\wab.exe)";
  ASSERT_FALSE(OutlookItem.IsEmpty());
  bar->NewItemRightClick(*bar->CoolButton[5], ui::MouseButton::kRight, 0, 0);
  bar->NewItemRightClick(*bar->CoolButton[4], ui::MouseButton::kRight, 0, 0);
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{L"mailto:", L""}, {LR"(C:\Address Book\wab.exe)", L""}}));
  // Nothing made, nothing shown, and no earlier item is left to be filled.
  EXPECT_TRUE(OutlookItem.IsEmpty());
  EXPECT_EQ(Items().size(), 1u);
  EXPECT_TRUE(Calls(Log(), "call", "Display").size() == 1);
}

TEST_F(ConnectedBar, RefusedMemberEndsTheCommandWithOutlooksMessage) {
  Configure("fail=TaskItem.Categories Categories are locked.\n");
  try {
    bar->CreateDisplayOLItem(1, false, false, L"New Task");
    FAIL() << "no error";
  } catch (const EOleError& error) {
    EXPECT_STREQ(error.what(), "Categories are locked.");
  }
  // Made, but not shown: nothing after the refused step runs.
  EXPECT_EQ(Items("TaskItem").at(0).Get("Displays"), "0");
}

TEST_F(ConnectedBar, FolderButtonTurnsTheOpenOutlookWindowOrStartsOutlookOnTheFolder) {
  Configure("explorer=yes\n");
  bar->BListFoldersClick(*bar->BList[1]);
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Tasks");
  EXPECT_EQ(Stored("Explorer", "1").Get("Displays"), "1");
  EXPECT_TRUE(bar->Collapsed());

  Configure("explorer=no\n");
  bar->FolderView(3, false, false);  // outlook.exe is not there: nothing
  EXPECT_TRUE(Opened().empty());
  ::BarSettings.outlookExePath = Program("OUTLOOK.EXE");
  bar->FolderViewMenuClick(bar->Get<ui::MenuItem>(L"ViewCalendarFolder1"));
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{ui::Widen(::BarSettings.outlookExePath), L"Outlook:Calendar"}}));
  EXPECT_EQ(Stored("Explorer", "2").kind, "");  // no window opened by the bar itself
}

TEST_F(ConnectedBar, NewWindowRoadsOpenTheFolderWithOrWithoutTheOutlookBar) {
  bar->BList1MouseUp(*bar->BList[2], ui::MouseButton::kRight, 0, 0);  // a new window even with FolderState 0
  EXPECT_EQ(Stored("Folder", "Notes").Get("Displays"), "1");
  ::BarSettings.folderState = 1;
  bar->FolderView(5, false, false);
  EXPECT_EQ(Stored("Folder", "Inbox").Get("Displays"), "1");
  ::BarSettings.folderType = 1;  // without the Outlook Bar: through an explorer of the folder
  bar->FolderView(6, false, false);
  EXPECT_EQ(Stored("Folder", "Journal").Get("Displays"), "0");
  EXPECT_EQ(Calls(Log(), "call", "GetExplorer").at(0).args, "1");
  EXPECT_EQ(Stored("Explorer", "3").Get("Folder"), "Journal");
  EXPECT_EQ(Stored("Explorer", "3").Get("Displays"), "1");

  ::BarSettings.emailType = "1";
  ::BarSettings.expressPath = R"(C:\Mail\msimn.exe)";
  ::BarSettings.addressBookPath = R"(C:\Mail\wab.exe)";
  bar->FolderView(5, false, true);
  bar->FolderView(4, false, true);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{LR"(C:\Mail\msimn.exe)", L""}, {LR"(C:\Mail\wab.exe)", L""}}));
}

TEST_F(ConnectedBar, ExtraActionsStartTheirProgramsOnlyWhenThereAreSome) {
  for (int action = 1; action <= 5; ++action) bar->OpenExtraItem(action, false);
  EXPECT_TRUE(Opened().empty());
  ::BarSettings.outlookExePath = Program("OUTLOOK.EXE");
  ::BarSettings.officeShortcutPath = Program("OSA9.EXE");
  ::BarSettings.fileName = Program("My Tool.exe");
  for (int action = 1; action <= 6; ++action) bar->OpenExtraItem(action, false);
  const std::wstring outlook = ui::Widen(::BarSettings.outlookExePath);
  EXPECT_EQ(Opened(), (std::vector<ShellRequest>{{outlook, L""},
                                                  {outlook, L"Outlook:Outlook Today"},
                                                  {ui::Widen(::BarSettings.officeShortcutPath), L"-n"},
                                                  {ui::Widen(::BarSettings.fileName), L""},
                                                  {ui::Widen(FolderPath()) + L"\\Finder.exe", L""}}));
  // With an Outlook window open, "Open Outlook" shows that window.
  Opened().clear();
  Configure("explorer=yes\n");
  bar->CoolButtonE1Click(*bar->CoolButtonE[1]);
  EXPECT_TRUE(Opened().empty());
  EXPECT_EQ(Stored("Explorer", "1").Get("Displays"), "1");
  EXPECT_TRUE(bar->Collapsed());
}

TEST_F(BarOutlook, OutlookThatCannotStartIsReportedOnceAndTheBarRunsOn) {
  for (const char* refusal : {"fail=CreateObject\n", "fail=Logon No profile.\n"}) {
    SCOPED_TRACE(refusal);
    Prompts().clear();
    Configure(refusal);
    EXPECT_FALSE(bar->ConnectToOutlook());
    ASSERT_EQ(Prompts().size(), 1u);
    EXPECT_EQ(Prompts()[0].text, L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.");
    EXPECT_EQ(Prompts()[0].kind, ui::MsgKind::kWarning);
    EXPECT_TRUE(OutlookApp.IsEmpty());
    EXPECT_TRUE(OutlookNameSpace.IsEmpty());
    // Closing asks nothing about an Outlook the bar does not hold.
    bool can_close = false;
    bar->FormCloseQuery(can_close);
    EXPECT_TRUE(can_close);
    EXPECT_EQ(Prompts().size(), 1u);
  }
  EXPECT_TRUE(UnreleasedObjects(Log()).empty());
}

TEST_F(ConnectedBar, ClosingQuitsOutlookSilentlyOnlyWhenItShowsNoWindowAtAll) {
  bool can_close = false;
  bar->CreateDisplayOLItem(1, false, false, L"New Task");  // an item window stays open
  PromptAnswer() = ui::mrNo;
  bar->FormCloseQuery(can_close);
  EXPECT_TRUE(can_close);
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, L"Do you want to close Outlook also?");
  EXPECT_EQ(Stored("Session").Get("Quit"), "no");

  Configure("item-windows=closed\nexplorer=yes\n");
  PromptAnswer() = ui::mrYes;
  bar->FormCloseQuery(can_close);
  EXPECT_EQ(Prompts().size(), 2u);
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
}

TEST_F(ConnectedBar, ClosingWithoutOutlookWindowsLogsOffAndQuitsWithoutAsking) {
  bool can_close = false;
  bar->FormCloseQuery(can_close);
  EXPECT_TRUE(can_close);
  EXPECT_TRUE(Prompts().empty());
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
}

}  // namespace
}  // namespace qrv::testing
