// The real Quorvel.exe with the stand-in Outlook as the out-of-process server
// Outlook is: an Outlook that takes seconds to start, a call that keeps the
// bar waiting while its timers come due, and the user's own Outlook window
// that the bar attaches to and leaves open when it closes.
#include "../win/standin_fixture.h"
#include "e2e_support.h"

namespace qrv::testing {
namespace {

using e2e::Process;

constexpr int kCollapsed = 6;
constexpr int kOpen = 38;
constexpr int kTaskButton = 20;  // the slot top of "New Task"

class BarWithOutlookServer : public StandInTest {
 protected:
  void TearDown() override {
    if (bar_.Running()) {
      Configure("item-windows=closed\nexplorer=no\n");
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      if (!bar_.WaitForExit(5000)) ADD_FAILURE() << "the bar did not close";
    }
    bar_ = Process();
    if (users_) {
      if (HWND window = UsersOutlookWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(users_, 5000) != WAIT_OBJECT_0) TerminateProcess(users_, 1);
      CloseHandle(users_);
    }
    StandInTest::TearDown();
  }

  void StartBar(const wchar_t* idleSeconds = L"60") {
    e2e::ResetSettings(e2e::DefaultSettings(idleSeconds));
    hwnd_ = e2e::StartBar(bar_);
    ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
    top_ = e2e::WindowRect(hwnd_).top;
  }
  void ClickNewTask() {
    e2e::Click(2, top_ + 100);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kOpen; }, 3000)) << "the bar did not open";
    e2e::Click(24, top_ + kTaskButton + 12);
  }
  // The bar handles what is sent to it: it is not hung.
  bool Answers() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
  }
  std::size_t Count(std::string_view kind, std::string_view member) const { return Calls(Log(), kind, member).size(); }
  HWND Box(DWORD ms) const {
    HWND box = nullptr;
    e2e::WaitFor([&] { return (box = e2e::FindWindowOf(bar_.Id(), L"#32770")) != nullptr; }, ms);
    return box;
  }

  Process bar_;
  HWND hwnd_ = nullptr;
  HANDLE users_ = nullptr;
  int top_ = 0;
};

TEST_F(BarWithOutlookServer, ASlowOutlookStartKeepsTheBarPaintedAndStartsItOnce) {
  Seed("[Item 1]\nClass=NoteItem\nBody=VIDODU3\\r\\nAStar=183C7EFFFF7E3C18\n");
  Configure("start-delay=3000\n");
  e2e::ResetSettings(e2e::DefaultSettings(L"60"));
  const DWORD started = GetTickCount();
  bar_ = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"");
  // Outlook is starting: the bar is up, answers, and paints what needs it.
  ASSERT_TRUE(e2e::WaitFor([&] { return Count("start", "") == 1; }, 10000)) << "Outlook was not asked for";
  ASSERT_TRUE(e2e::WaitFor([&] { return (hwnd_ = e2e::FindBar(bar_.Id())) != nullptr; }, 3000));
  Sleep(500);
  ASSERT_EQ(Count("new", ""), 0u) << "Outlook started too soon to tell";
  EXPECT_TRUE(Answers());
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  EXPECT_TRUE(e2e::WaitFor([&] { return !GetUpdateRect(hwnd_, nullptr, FALSE); }, 1000)) << "not painted";
  EXPECT_EQ(Count("new", ""), 0u);

  hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
  ASSERT_TRUE(hwnd_) << "start-up did not complete";
  EXPECT_GE(GetTickCount() - started, 3000u);
  EXPECT_EQ(Box(500), nullptr) << "a slow Outlook was taken for a missing one";
  // One Outlook, one logon, one look for the icon note, its body read once.
  EXPECT_EQ(Count("start", ""), 1u);
  EXPECT_EQ(Count("call", "Logon"), 1u);
  EXPECT_EQ(Count("call", "Find"), 1u);
  EXPECT_EQ(Count("get", "Body"), 1u);
  top_ = e2e::WindowRect(hwnd_).top;
  ClickNewTask();
  ASSERT_TRUE(e2e::WaitFor([&] { return Count("call", "Display") == 1; }, 5000));
  EXPECT_EQ(Store().Items("TaskItem").size(), 1u);
}

TEST_F(BarWithOutlookServer, TheIdleTimerComingDueDuringASlowCallRunsOnceItReturns) {
  Configure("slow=CreateItem 3000\n");
  StartBar(L"1");
  // Timed from before the click: Outlook's slow call starts as the bar takes it.
  const DWORD clicked = GetTickCount();
  ClickNewTask();
  // The bar waits for Outlook past its idle time and still answers.
  Sleep(1500);
  EXPECT_EQ(Count("call", "CreateItem"), 0u);
  EXPECT_TRUE(Answers());
  ASSERT_TRUE(e2e::WaitFor([&] { return Count("call", "Display") == 1; }, 10000));
  EXPECT_GE(GetTickCount() - clicked, 3000u);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kCollapsed; }, 3000)) << "left open";
  Sleep(1500);  // room for a command run twice
  EXPECT_EQ(Count("call", "CreateItem"), 1u);
  EXPECT_EQ(Count("call", "Display"), 1u);
  EXPECT_EQ(Store().Items().size(), 1u);
  EXPECT_EQ(Box(300), nullptr);
  EXPECT_TRUE(Answers());
}

TEST_F(BarWithOutlookServer, ClosingTheBarLeavesTheUsersOutlookWindowOpen) {
  users_ = StartUsersOutlook();
  ASSERT_TRUE(users_) << "the user's Outlook did not start";
  StartBar();
  ClickNewTask();
  ASSERT_TRUE(e2e::WaitFor([&] { return Count("call", "Display") == 1; }, 5000));
  EXPECT_EQ(Count("start", ""), 1u) << "the bar started an Outlook of its own";

  // Outlook shows a window: the bar asks, and "No" leaves Outlook as it is.
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  HWND box = Box(5000);
  ASSERT_TRUE(box) << "no question";
  EXPECT_EQ(e2e::MessageText(box), L"Do you want to close Outlook also?");
  e2e::Answer(box, IDNO);
  ASSERT_TRUE(bar_.WaitForExit(5000));
  EXPECT_TRUE(UsersOutlookWindow());
  EXPECT_EQ(WaitForSingleObject(users_, 500), static_cast<DWORD>(WAIT_TIMEOUT)) << "Outlook ended with the bar";
  EXPECT_EQ(Stored("Session").Get("Quit"), "no");
  // Everything the bar was given is released; Outlook keeps only its own.
  EXPECT_EQ(UnreleasedObjects(Log()), std::vector<std::string>{"Application#1"});

  // A new bar attaches to the same Outlook; "Yes" closes it.
  StartBar();
  EXPECT_EQ(Count("start", ""), 1u);
  EXPECT_EQ(Store().Items("TaskItem").size(), 1u);
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  box = Box(5000);
  ASSERT_TRUE(box) << "no question";
  e2e::Answer(box, IDYES);
  ASSERT_TRUE(bar_.WaitForExit(5000));
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  EXPECT_EQ(WaitForSingleObject(users_, 5000), static_cast<DWORD>(WAIT_OBJECT_0)) << "Outlook did not end";
  EXPECT_FALSE(UsersOutlookWindow());
}

}  // namespace
}  // namespace qrv::testing
