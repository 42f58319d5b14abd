// The stand-in Outlook as the out-of-process server Outlook is: a process of
// its own that ends with the last object a program holds, a start that takes
// its time, members that answer slowly, and the user's own Outlook that every
// program shares and that outlives them.
#include <functional>

#include "standin_fixture.h"

namespace qrv::testing {
namespace {

bool WaitFor(const std::function<bool()>& condition, DWORD ms = 3000) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(20))
    if (condition()) return true;
  return condition();
}

class OutlookServer : public StandInTest {
 protected:
  // The processes that logged an Outlook start, in order.
  std::vector<DWORD> Starts() const {
    std::vector<DWORD> processes;
    for (const LogEntry& entry : Log())
      if (entry.kind == "start") processes.push_back(static_cast<DWORD>(std::stoul(entry.process)));
    return processes;
  }
  static bool Ends(DWORD processId, DWORD ms) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return true;  // gone already
    const bool ended = WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
  }
  static bool Ends(HANDLE process, DWORD ms) { return WaitForSingleObject(process, ms) == WAIT_OBJECT_0; }
};

TEST_F(OutlookServer, AnswersFromAProcessOfItsOwnThatEndsWithTheLastObject) {
  Seed("[Item 1]\nClass=TaskItem\nSubject=Seeded\n");
  {
    OleObject outlook = StartOutlook();
    OleObject tasks = outlook.Call("GetNameSpace", "MAPI").Object().Call("GetDefaultFolder", 13).Object();
    outlook.Call("CreateItem", 3).Object().Call("Save");
    EXPECT_EQ(tasks.Get("Items").Object().Get("Count").Int(), 2);
    // A second request while the first Outlook runs reaches the same one.
    EXPECT_EQ(StartOutlook().Call("GetNameSpace", "MAPI").Object().Call("GetDefaultFolder", 13).Object()
                  .Get("Items").Object().Get("Count").Int(),
              2);
    ASSERT_EQ(Starts().size(), 1u);
    EXPECT_NE(Starts()[0], GetCurrentProcessId());
    // A folder handed back to Outlook is its own object again.
    OleObject explorer = tasks.Call("GetExplorer").Object();
    explorer.Put("CurrentFolder", outlook.Call("GetNameSpace", "MAPI").Object().Call("GetDefaultFolder", 9).Object());
    EXPECT_EQ(explorer.Get("CurrentFolder").Object().Get("Name").Text(), "Calendar");
  }
  EXPECT_TRUE(UnreleasedObjects(Log()).empty());
  EXPECT_TRUE(Ends(Starts()[0], 5000)) << "Outlook ran on without objects";
  // The next request starts a new Outlook from the seed.
  OleObject outlook = StartOutlook();
  EXPECT_EQ(outlook.Call("GetNameSpace", "MAPI").Object().Call("GetDefaultFolder", 13).Object()
                .Get("Items").Object().Get("Count").Int(),
            1);
  ASSERT_EQ(Starts().size(), 2u);
  EXPECT_NE(Starts()[1], Starts()[0]);
}

TEST_F(OutlookServer, AStartDelayAndASlowMemberKeepTheCallerWaitingThatLong) {
  Configure("start-delay=1500\nslow=TaskItem.Save 700\n");
  DWORD start = GetTickCount();
  OleObject outlook = StartOutlook();
  EXPECT_GE(GetTickCount() - start, 1500u);
  OleObject task = outlook.Call("CreateItem", 3).Object();
  start = GetTickCount();
  task.Call("Save");
  EXPECT_GE(GetTickCount() - start, 700u);
  // Other members, and Save of another kind, answer at once.
  start = GetTickCount();
  outlook.Call("CreateItem", 0).Object().Call("Save");
  EXPECT_LT(GetTickCount() - start, 500u);
  EXPECT_EQ(Store().Items().size(), 2u);
}

TEST_F(OutlookServer, AnOutlookThatCannotStartEndsItsProcess) {
  Configure("fail=CreateObject\n");
  EXPECT_THROW(StartOutlook(), EOleError);
  ASSERT_EQ(Starts().size(), 1u);
  EXPECT_TRUE(Ends(Starts()[0], 5000));
  Configure("");
  EXPECT_NO_THROW(StartOutlook());
  EXPECT_EQ(Starts().size(), 2u);
}

TEST_F(OutlookServer, TheUsersOutlookIsSharedAndOutlivesThePrograms) {
  HANDLE users = StartUsersOutlook();
  ASSERT_TRUE(users) << "the user's Outlook did not start";
  ASSERT_TRUE(UsersOutlookWindow());
  {
    OleObject outlook = StartOutlook();
    EXPECT_FALSE(outlook.Call("ActiveExplorer").IsEmpty()) << "no window of the user's";
    outlook.Call("CreateItem", 3).Object().Call("Save");
  }
  EXPECT_FALSE(Ends(users, 500)) << "the user's Outlook ended with the program";
  {
    OleObject outlook = StartOutlook();
    EXPECT_EQ(Store().Items().size(), 1u);
    EXPECT_EQ(Starts().size(), 1u);
    // The user closes the window; Outlook ends once the program lets go.
    PostMessageW(UsersOutlookWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([] { return !UsersOutlookWindow(); }));
    EXPECT_TRUE(outlook.Call("ActiveExplorer").IsEmpty());
    EXPECT_FALSE(Ends(users, 300));
  }
  EXPECT_TRUE(Ends(users, 5000));
  CloseHandle(users);
}

TEST_F(OutlookServer, QuitEndsTheUsersOutlookAndTheNextRequestStartsANewOne) {
  HANDLE users = StartUsersOutlook();
  ASSERT_TRUE(users);
  {
    OleObject outlook = StartOutlook();
    outlook.Call("Quit");
    EXPECT_FALSE(UsersOutlookWindow());
    OleObject fresh = StartOutlook();
    EXPECT_TRUE(fresh.Call("ActiveExplorer").IsEmpty());
    EXPECT_EQ(Starts().size(), 2u);
  }
  EXPECT_TRUE(Ends(users, 5000));
  CloseHandle(users);
}

}  // namespace
}  // namespace qrv::testing
