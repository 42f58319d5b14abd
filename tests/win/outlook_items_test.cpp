// Items of the stand-in Outlook as Outlook gives them: each kind with its own
// properties and their values, names split as Outlook splits them, and the
// refusals the bar's commands may meet.
#include "standin_fixture.h"

namespace qrv::testing {
namespace {

using OutlookItems = StandInTest;

TEST_F(OutlookItems, EachKindTakesTheValuesOutlookGivesItAndNoOthers) {
  const OleObject outlook = StartOutlook();
  struct Case {
    int kind;
    const char* member;
    OleArg value;
    const char* error;  // null: taken
  };
  const Case cases[] = {
      {0, "Subject", "Lunch", nullptr},
      {0, "Location", "Room 4", "The automation object has no member \"Location\"."},
      {1, "Location", "Room 4", nullptr},
      {1, "AllDayEvent", true, nullptr},
      {1, "MeetingStatus", 1, nullptr},
      {1, "Status", 2, "The automation object has no member \"Status\"."},
      {1, "ReminderTime", "3/5/2004", "The automation object has no member \"ReminderTime\"."},
      {2, "BusinessTelephoneNumber", "555 0100", nullptr},
      {2, "Start", "3/5/2004", "The automation object has no member \"Start\"."},
      {3, "Status", 4, nullptr},
      {3, "Status", 5, "The value 5 is out of range for \"Status\"."},
      {3, "Importance", -1, "The value -1 is out of range for \"Importance\"."},
      {3, "ReminderTime", "3/5/2004 8:30 PM", nullptr},
      {3, "Type", "Phone call", "The automation object has no member \"Type\"."},
      {4, "Type", "Phone call", nullptr},
      {4, "End", "3/5/2004 9:15:00 AM", nullptr},
      {5, "Importance", 2, "The automation object has no member \"Importance\"."},
      {5, "Left", -4, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + c.member);
    const OleObject item = outlook.Call("CreateItem", c.kind).Object();
    EXPECT_EQ(FailureOf([&] { item.Put(c.member, c.value); }), c.error ? c.error : "(no error)");
  }
  // What a get answers before anything was put.
  const OleObject task = outlook.Call("CreateItem", 3).Object();
  EXPECT_EQ(task.Get("Importance").Int(), 1);
  EXPECT_EQ(task.Get("DueDate").Text(), "1/1/4501");
  EXPECT_FALSE(task.Get("ReminderSet").Bool());
  EXPECT_EQ(task.Get("Body").Text(), "");
}

TEST_F(OutlookItems, ResultsConvertAsAutomationConvertsThem) {
  const OleObject outlook = StartOutlook();
  const OleObject task = outlook.Call("CreateItem", 3).Object();
  task.Put("Subject", "42");
  task.Put("Status", 3);
  EXPECT_EQ(task.Get("Subject").Int(), 42);
  EXPECT_EQ(task.Get("Status").Text(), "3");
  EXPECT_TRUE(task.Get("Status").Bool());
  EXPECT_THROW(task.Get("Subject").Object(), OleError);
  task.Put("Subject", "forty-two");
  EXPECT_THROW(task.Get("Subject").Int(), OleError);
  // Text given for a number is converted by Outlook, as automation does.
  task.Put("Importance", "0");
  EXPECT_EQ(task.Get("Importance").Int(), 0);
  EXPECT_EQ(Calls(Log(), "put", "Importance").at(0).args, "\"0\"");
}

TEST_F(OutlookItems, FirstAndLastNamesComeFromTheFullNameUnlessPut) {
  const OleObject outlook = StartOutlook();
  const OleObject contact = outlook.Call("CreateItem", 2).Object();
  auto names = [&](const char* fullName) {
    contact.Put("FullName", fullName);
    return contact.Get("FirstName").Text() + "|" + contact.Get("LastName").Text();
  };
  EXPECT_EQ(names("Jean Paul Sartre"), "Jean|Sartre");
  EXPECT_EQ(names("Doe, Jane"), "Jane|Doe");
  EXPECT_EQ(names("Cher"), "Cher|");
  EXPECT_EQ(names(""), "|");
  contact.Put("LastName", "Smith-Jones");
  EXPECT_EQ(names("Ann Smith"), "Ann|Smith-Jones");
}

TEST_F(OutlookItems, JournalTimerAndTaskAssignmentAreKeptAsState) {
  {
    const OleObject outlook = StartOutlook();
    const OleObject journal = outlook.Call("CreateItem", 4).Object();
    journal.Put("Start", "3/5/2004 9:00:00 AM");
    journal.Call("StartTimer");
    journal.Call("Save");
    EXPECT_THROW(outlook.Call("CreateItem", 3).Object().Call("StartTimer"), OleError);
    EXPECT_THROW(journal.Call("Assign"), OleError);
  }
  const StoreSection journal = Stored("Item", "1");
  EXPECT_EQ(journal.Get("Class"), "JournalItem");
  EXPECT_EQ(journal.Get("Folder"), "Journal");
  EXPECT_EQ(journal.Get("TimerStarted"), "yes");
  EXPECT_EQ(journal.Get("Saved"), "yes");
  EXPECT_EQ(Stored("Item", "2").Get("Assigned"), "no");
}

TEST_F(OutlookItems, TheApplicationRefusesWhatOutlookRefuses) {
  Configure("fail=Logon The profile is in use.\r\nfail=Display\r\nwindows=many\r\n");
  const OleObject outlook = StartOutlook();
  EXPECT_EQ(FailureOf([&] { outlook.Call("GetNameSpace", "Exchange"); }), "Only the \"MAPI\" namespace is offered.");
  EXPECT_EQ(FailureOf([&] { outlook.Call("CreateItem", 7); }), "CreateItem makes no item of kind 7.");
  const OleObject session = outlook.Call("GetNameSpace", "MAPI").Object();
  EXPECT_EQ(FailureOf([&] { session.Call("GetDefaultFolder", 3); }), "There is no default folder number 3.");
  EXPECT_EQ(FailureOf([&] { session.Call("Logon"); }), "The profile is in use.");
  // A member named alone fails on every object that has it.
  EXPECT_EQ(FailureOf([&] { outlook.Call("CreateItem", 5).Object().Call("Display"); }), "The operation failed.");
  EXPECT_EQ(FailureOf([&] { session.Call("GetDefaultFolder", 12).Object().Call("Display"); }), "The operation failed.");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
  const std::vector<LogEntry> config = Calls(Log(), "config", "");
  ASSERT_EQ(config.size(), 1u);
  EXPECT_EQ(config[0].result, "unknown setting \"windows\"");
  EXPECT_EQ(Calls(Log(), "fail", "Logon").size(), 1u);
}

}  // namespace
}  // namespace qrv::testing
