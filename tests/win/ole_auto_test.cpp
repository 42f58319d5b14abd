// The late-binding helper against the stand-in Outlook: values arrive with the
// type they were given, results come back converted, "nothing" is recognised
// in every form, failures carry Outlook's message, and every object the helper
// was handed is released again.
#include "standin_fixture.h"

namespace qrv::testing {
namespace {

using OleAutoTest = StandInTest;

TEST_F(OleAutoTest, PutsReachOutlookWithTheirTypeAndGetsComeBackConverted) {
  {
    const OleObject outlook = StartOutlook();
    const OleObject task = outlook.Call("CreateItem", 3).Object();
    task.Put("Subject", "Caf\xC3\xA9 \xE2\x98\x95 plans");
    task.Put("Importance", 2);
    task.Put("ReminderSet", true);
    task.Put("DueDate", "3/5/2004");
    task.Put("Categories", std::string("Business, VIP"));

    EXPECT_EQ(task.Get("Subject").Text(), "Caf\xC3\xA9 \xE2\x98\x95 plans");
    EXPECT_EQ(task.Get("Importance").Int(), 2);
    EXPECT_TRUE(task.Get("ReminderSet").Bool());
    EXPECT_EQ(task.Get("Importance").Text(), "2");
    EXPECT_EQ(task.Get("DueDate").Text(), "3/5/2004");
    // Names are matched without regard to letter case, as Outlook does.
    EXPECT_EQ(task.Get("categories").Text(), "Business, VIP");
  }
  const std::vector<LogEntry> puts = Calls(Log(), "put", "Subject");
  ASSERT_EQ(puts.size(), 1u);
  EXPECT_EQ(puts[0].args, "\"Caf\xC3\xA9 \xE2\x98\x95 plans\"");
  EXPECT_EQ(Calls(Log(), "put", "Importance").at(0).args, "2");
  EXPECT_EQ(Calls(Log(), "put", "ReminderSet").at(0).args, "true");
  EXPECT_EQ(Calls(Log(), "call", "CreateItem").at(0).args, "3");

  const StoreSection task = Stored("Item", "1");
  EXPECT_EQ(task.Get("Class"), "TaskItem");
  EXPECT_EQ(task.Get("Importance"), "2");
  EXPECT_EQ(task.Get("ReminderSet"), "true");
  EXPECT_EQ(task.Get("DueDate"), "3/5/2004");
}

TEST_F(OleAutoTest, ArgumentsArriveInOrderAndOmittedOnesAsLeftOut) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string path;
  for (const wchar_t* c = self; *c; ++c) path += static_cast<char>(*c);
  {
    const OleObject outlook = StartOutlook();
    const OleObject session = outlook.Call("GetNameSpace", "MAPI").Object();
    session.Call("Logon");
    session.Call("Logon", OleArg::Omitted(), OleArg::Omitted(), false, true);
    const OleObject mail = outlook.Call("CreateItem", 0).Object();
    const OleObject attachments = mail.Get("Attachments").Object();
    attachments.Call("Add", path, 5);
    attachments.Call("Add", path, OleArg::Omitted(), OleArg::Omitted(), "Shown name");
    EXPECT_EQ(attachments.Get("Count").Int(), 2);
    EXPECT_EQ(attachments.Call("Item", 2).Object().Get("Type").Int(), 1);  // by value unless told
  }
  const std::vector<LogEntry> logons = Calls(Log(), "call", "Logon");
  ASSERT_EQ(logons.size(), 2u);
  EXPECT_EQ(logons[0].args, "");
  EXPECT_EQ(logons[1].args, "<omitted>, <omitted>, false, true");
  std::string logged = "\"";  // the log doubles every backslash
  for (const char c : path) logged += c == '\\' ? std::string("\\\\") : std::string(1, c);
  logged += "\"";
  const std::vector<LogEntry> adds = Calls(Log(), "call", "Add");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].args, logged + ", 5");
  EXPECT_EQ(adds[1].args, logged + ", <omitted>, <omitted>, \"Shown name\"");
}

TEST_F(OleAutoTest, NothingIsRecognisedInEachFormOutlookMayGiveIt) {
  const OleObject outlook = StartOutlook();
  for (const char* form : {"object", "empty", "null"}) {
    SCOPED_TRACE(form);
    Configure(std::string("nothing=") + form + "\r\n");
    const OleValue none = outlook.Call("ActiveExplorer");
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_TRUE(none.Object().IsEmpty());
    EXPECT_EQ(none.Text(), "");
    EXPECT_EQ(none.Int(), 0);
  }
  Configure("explorer=yes\r\n");
  const OleValue explorer = outlook.Call("ActiveExplorer");
  EXPECT_FALSE(explorer.IsEmpty());
  EXPECT_EQ(explorer.Object().Get("CurrentFolder").Object().Get("Name").Text(), "Inbox");
}

TEST_F(OleAutoTest, FailuresCarryOutlooksMessage) {
  Configure("fail=TaskItem.Save The folder is full.\r\n");
  const OleObject outlook = StartOutlook();
  const OleObject task = outlook.Call("CreateItem", 3).Object();
  EXPECT_EQ(FailureOf([&] { task.Call("Save"); }), "The folder is full.");
  // A report without a description still names what failed.
  Configure("fail=TaskItem.Display -\r\n");
  const std::string display = FailureOf([&] { task.Call("Display"); });
  EXPECT_NE(display.find("(Display)"), std::string::npos) << display;
  // The same member of another object is not touched.
  EXPECT_NO_THROW(outlook.Call("CreateItem", 5).Object().Call("Save"));

  // Outlook's own refusals, in Outlook's words.
  EXPECT_EQ(FailureOf([&] { task.Put("Importance", 7); }), "The value 7 is out of range for \"Importance\".");
  // What the helper itself cannot do says which member it was.
  try {
    task.Call("Frobnicate");
    FAIL() << "an unknown member did not fail";
  } catch (const OleError& error) {
    EXPECT_NE(std::string(error.what()).find("Frobnicate"), std::string::npos);
    EXPECT_EQ(error.Code(), DISP_E_UNKNOWNNAME);
  }
  EXPECT_THROW(task.Put("Importance", "high"), OleError);
  EXPECT_THROW(outlook.Call("CreateItem"), OleError);
  EXPECT_THROW(OleObject().Call("CreateItem", 3), OleError);
  // A property is not a method, nor a method a property.
  EXPECT_THROW(task.Call("Subject", "x"), OleError);
  EXPECT_THROW(task.Get("Save"), OleError);
  EXPECT_THROW(task.Put("Save", 1), OleError);
}

TEST_F(OleAutoTest, OutlookThatCannotStartIsReportedAtCreation) {
  Configure("fail=CreateObject\r\n");
  EXPECT_THROW(StartOutlook(), OleError);
  EXPECT_THROW(OleObject::Create(L"Quorvel.NoSuchServer"), OleError);
  Configure("");
  EXPECT_FALSE(StartOutlook().IsEmpty());
}

TEST_F(OleAutoTest, EveryObjectHandedOutIsReleased) {
  {
    OleObject outlook = StartOutlook();
    OleObject session = outlook.Call("GetNameSpace", "MAPI").Object();
    session.Call("Logon");
    const OleObject tasks = session.Call("GetDefaultFolder", 13).Object();
    tasks.Get("Items").Object().Call("Find", "[Subject] = \"none\"");
    OleObject task = outlook.Call("CreateItem", 3).Object();
    task.Call("Assign");
    const OleObject recipients = task.Get("Recipients").Object();
    recipients.Call("Add", "Bob");
    EXPECT_TRUE(recipients.Call("Item", 1).Object().Call("Resolve").Bool());
    OleObject explorer = tasks.Call("GetExplorer", 1).Object();
    explorer.Put("CurrentFolder", session.Call("GetDefaultFolder", 9).Object());
    explorer.Call("Display");
    session.Call("Folders", 1).Object().Call("Folders", "Contacts").Object().Get("Name");
    outlook.Call("ActiveExplorer").Object().Get("CurrentFolder");

    // Copies share, moves hand over, Clear lets go.
    OleObject copy = task;
    OleObject moved = std::move(task);
    OleValue held = outlook.Call("Inspectors");
    OleValue taken = std::move(held);
    copy.Clear();
    explorer = OleObject();
    EXPECT_FALSE(UnreleasedObjects(Log()).empty());
  }
  const std::vector<LogEntry> log = Log();
  EXPECT_EQ(UnreleasedObjects(log), std::vector<std::string>{});
  EXPECT_GE(Calls(log, "new", "").size(), 15u);
}

}  // namespace
}  // namespace qrv::testing
