// The stand-in Outlook as the out-of-process server Outlook is: a process of
// its own that ends with the last object a program holds or when it cannot
// start, and the user's own Outlook that ends with its window or on Quit.
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
  // The number of items in the Tasks folder of the Outlook `outlook` reaches.
  static int TaskCount(const OleObject& outlook) {
    return outlook.Call("GetNameSpace", "MAPI")
        .Object()
        .Call("GetDefaultFolder", 13)
        .Object()
        .Get("Items")
        .Object()
        .Get("Count")
        .Int();
  }
};

TEST_F(OutlookServer, AnswersFromAProcessOfItsOwnThatEndsWithTheLastObject) {
  Seed("[Item 1]\nClass=TaskItem\nSubject=Seeded\n");
  {
    OleObject outlook = StartOutlook();
    OleObject tasks = outlook.Call("GetNameSpace", "MAPI").Object().Call("GetDefaultFolder", 13).Object();
    outlook.Call("CreateItem", 3).Object().Call("Save");
    EXPECT_EQ(tasks.Get("Items").Object().Get("Count").Int(), 2);
    // A second request while the first Outlook runs reaches the same one.
    EXPECT_EQ(TaskCount(StartOutlook()), 2);
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
  EXPECT_EQ(TaskCount(outlook), 1);
  ASSERT_EQ(Starts().size(), 2u);
  EXPECT_NE(Starts()[1], Starts()[0]);
}

TEST_F(OutlookServer, AnOutlookThatCannotStartEndsItsProcess) {
  Configure("fail=CreateObject\n");
  EXPECT_THROW(StartOutlook(), OleError);
  ASSERT_EQ(Starts().size(), 1u);
  EXPECT_TRUE(Ends(Starts()[0], 5000));
  Configure("");
  EXPECT_NO_THROW(StartOutlook());
  EXPECT_EQ(Starts().size(), 2u);
}

// The user's Outlook outlives the programs that use it, and ends once its
// window is closed and they let go, or when one of them quits it.
TEST_F(OutlookServer, TheUsersOutlookEndsWithItsWindowOrWhenQuit) {
  HANDLE users = StartUsersOutlook();
  ASSERT_TRUE(users) << "the user's Outlook did not start";
  {
    OleObject outlook = StartOutlook();
    EXPECT_FALSE(outlook.Call("ActiveExplorer").IsEmpty()) << "no window of the user's";
    PostMessageW(UsersOutlookWindow(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([] { return !UsersOutlookWindow(); }));
    EXPECT_TRUE(outlook.Call("ActiveExplorer").IsEmpty());
    EXPECT_FALSE(Ends(users, 300)) << "Outlook ended under a program that uses it";
  }
  EXPECT_TRUE(Ends(users, 5000));
  CloseHandle(users);

  users = StartUsersOutlook();
  ASSERT_TRUE(users);
  {
    OleObject outlook = StartOutlook();
    outlook.Call("Quit");
    EXPECT_FALSE(UsersOutlookWindow());
    // A quit Outlook takes no new requests: the next one starts a new Outlook.
    EXPECT_TRUE(StartOutlook().Call("ActiveExplorer").IsEmpty());
    EXPECT_EQ(Starts().size(), 3u);
  }
  EXPECT_TRUE(Ends(users, 5000));
  CloseHandle(users);
}

}  // namespace
}  // namespace qrv::testing
