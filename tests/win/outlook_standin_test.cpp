// The stand-in Outlook as the bar and its tests meet it: registered under
// Outlook's name, finding items with the conditions the bar writes, keeping
// recipients, attachments and what was saved, sent and shown, and writing a
// store file that reads back as it was.
#include <iterator>

#include "classes_key.h"
#include "registration.h"
#include "standin_fixture.h"

namespace qrv::testing {
namespace {

using OutlookStandIn = StandInTest;

// Contacts as the contact search meets them, and the note of icon definitions.
const char kSeed[] =
    "[Item 1]\r\nClass=ContactItem\r\nFullName=Bob Smith\r\n"
    "[Item 2]\r\nClass=ContactItem\r\nCompanyName=Acme Trading\r\n"
    "[Item 3]\r\nClass=ContactItem\r\nFullName=Doe, Jane\r\n"
    "[Item 4]\r\nClass=NoteItem\r\nBody=VIDODU3\\r\\nAAPhone=FF00FF00FF00FF00\r\n"
    "[Item 5]\r\nClass=ContactItem\r\nFolder=Contacts/Contacts-Shared\r\nFullName=Kim Lee\r\n"
    "[Item 6]\r\nClass=ContactItem\r\nFullName=Bob Jones\r\n";

class Outlook {
 public:
  explicit Outlook(OleObject app) : app(std::move(app)), session(this->app.Call("GetNameSpace", "MAPI").Object()) {}
  OleObject Folder(int number) const { return session.Call("GetDefaultFolder", number).Object(); }
  OleValue Find(int folder, const std::string& condition) const {
    return Folder(folder).Get("Items").Object().Call("Find", condition);
  }
  OleObject app;
  OleObject session;
};

TEST_F(OutlookStandIn, IsRegisteredUnderOutlooksNameAsALocalServer) {
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"Outlook.Application", &clsid), S_OK);
  wchar_t text[64];
  StringFromGUID2(clsid, text, 64);
  const std::wstring key = std::wstring(L"CLSID\\") + text;
  wchar_t command[MAX_PATH]{};
  DWORD size = sizeof command;
  ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, (key + L"\\LocalServer32").c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                         command, &size),
            ERROR_SUCCESS);
  std::wstring program(command);
  ASSERT_TRUE(program.size() > 2 && program.front() == L'"' && program.back() == L'"') << "unquoted";
  EXPECT_NE(GetFileAttributesW(program.substr(1, program.size() - 2).c_str()), INVALID_FILE_ATTRIBUTES);
  // An in-process registration left from before would win over the server.
  HKEY inProcess = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, (key + L"\\InprocServer32").c_str(), 0, KEY_READ, &inProcess),
            ERROR_SUCCESS);
  if (inProcess) RegCloseKey(inProcess);
}

TEST_F(OutlookStandIn, FindMatchesTheConditionsOfTheIconNoteAndTheContactSearch) {
  Seed(kSeed);
  const Outlook outlook(StartOutlook());
  const OleValue note = outlook.Find(12, "[Subject] = \"VIDODU3\"");
  ASSERT_FALSE(note.IsEmpty());
  EXPECT_EQ(note.Object().Get("Body").Text(), "VIDODU3\r\nAAPhone=FF00FF00FF00FF00");

  auto fullName = [&](const std::string& condition) {
    const OleValue found = outlook.Find(10, condition);
    return found.IsEmpty() ? std::string("(none)") : found.Object().Get("FullName").Text();
  };
  EXPECT_EQ(fullName("[FullName] = \"bob smith\""), "Bob Smith");
  EXPECT_EQ(fullName("[FullName] = \"\" and [CompanyName] = \"Acme Trading\""), "");
  EXPECT_EQ(fullName("[LastName] = \"Smith\""), "Bob Smith");
  EXPECT_EQ(fullName("[FirstName] = \"Jane\""), "Doe, Jane");
  EXPECT_EQ(fullName("[LastName] = \"Doe\" or [FullName] = \"Bob Jones\""), "Doe, Jane");
  EXPECT_EQ(fullName("[FullName] <> \"Bob Smith\" and [FirstName] = 'Bob'"), "Bob Jones");
  // A quote inside a quoted value is doubled, as Outlook's filters write it.
  OleObject quoted = outlook.app.Call("CreateItem", 2).Object();
  quoted.Put("FullName", "Bob \"Jr\" O'Neil");
  quoted.Call("Save");
  EXPECT_EQ(fullName("[FullName] = \"Bob \"\"Jr\"\" O'Neil\""), "Bob \"Jr\" O'Neil");
  EXPECT_EQ(fullName("[FullName] = 'Bob \"Jr\" O''Neil'"), "Bob \"Jr\" O'Neil");
  EXPECT_EQ(fullName("[FullName] = \"Bob \"\"Jr\"\"\" or [FullName] = \"Bob Jones\""), "Bob Jones");
  // Only the folder searched counts: the note is no contact, the shared contact
  // lives in a folder of its own.
  EXPECT_EQ(fullName("[Subject] = \"VIDODU3\""), "(none)");
  EXPECT_EQ(fullName("[FullName] = \"Kim Lee\""), "(none)");
}

TEST_F(OutlookStandIn, FindNextWalksTheMatchesAndUnsavedItemsAreNotInAFolder) {
  Seed(kSeed);
  const Outlook outlook(StartOutlook());
  outlook.app.Call("CreateItem", 2).Object().Put("FullName", "Bob Unsaved");
  const OleObject items = outlook.Folder(10).Get("Items").Object();
  EXPECT_EQ(items.Get("Count").Int(), 4);
  EXPECT_EQ(items.Call("Find", "[FirstName] = \"Bob\"").Object().Get("FullName").Text(), "Bob Smith");
  EXPECT_EQ(items.Call("FindNext").Object().Get("FullName").Text(), "Bob Jones");
  EXPECT_TRUE(items.Call("FindNext").IsEmpty());
  EXPECT_TRUE(items.Call("FindNext").IsEmpty());
  EXPECT_EQ(items.Call("Item", 2).Object().Get("CompanyName").Text(), "Acme Trading");
  EXPECT_EQ(FailureOf([&] { items.Call("Item", 5); }), "There is no item at position 5.");
}

TEST_F(OutlookStandIn, ConditionsOutlookCannotReadAreRefusedWithItsMessage) {
  Seed(kSeed);
  const Outlook outlook(StartOutlook());
  // A name with a quote in it, put in without escaping, breaks the condition.
  EXPECT_EQ(FailureOf([&] { outlook.Find(10, "[FullName] = \"Bob \"Jr\" Smith\""); }),
            "Cannot parse condition. Error at \"Jr\" Smith\"\".");
  EXPECT_EQ(FailureOf([&] { outlook.Find(10, "[Nickname] = \"Bob\""); }),
            "The property \"Nickname\" in the condition is unknown.");
  EXPECT_EQ(FailureOf([&] { outlook.Find(10, "[FullName] = \"Bob"); }), "Cannot parse condition. Error at \"Bob\".");
  EXPECT_EQ(FailureOf([&] { outlook.Find(10, "[FullName] = \"Bob\" andalso"); }),
            "Cannot parse condition. Error at \"andalso\".");
}

TEST_F(OutlookStandIn, TheSharedContactsFolderIsReachedByNameOnlyWhenItExists) {
  {
    const Outlook outlook(StartOutlook());
    const OleObject contacts = outlook.session.Call("Folders", 1).Object().Call("Folders", "Contacts").Object();
    EXPECT_EQ(FailureOf([&] { contacts.Call("Folders", "Contacts-Shared"); }),
              "The folder \"Contacts-Shared\" was not found.");
  }
  Seed(kSeed);
  const Outlook outlook(StartOutlook());
  const OleObject shared = outlook.session.Call("Folders", 1)
                               .Object()
                               .Call("Folders", "Contacts")
                               .Object()
                               .Call("Folders", "Contacts-Shared")
                               .Object();
  EXPECT_EQ(shared.Get("Name").Text(), "Contacts-Shared");
  EXPECT_EQ(shared.Get("Items").Object().Call("Find", "[LastName] = \"Lee\"").Object().Get("FullName").Text(),
            "Kim Lee");
  EXPECT_EQ(outlook.session.Get("Folders").Object().Call("Item", 1).Object().Get("Name").Text(), "Personal Folders");
}

TEST_F(OutlookStandIn, RecipientsResolveUnlessToldOtherwiseAndSendNeedsThemAll) {
  Configure("unresolved=Nobody Known\r\n");
  const Outlook outlook(StartOutlook());
  const OleObject mail = outlook.app.Call("CreateItem", 0).Object();
  EXPECT_EQ(FailureOf([&] { mail.Call("Send"); }), "There must be at least one name in the To, Cc or Bcc box.");
  const OleObject recipients = mail.Get("Recipients").Object();
  recipients.Call("Add", "Bob Smith");
  recipients.Call("Add", "nobody known");
  recipients.Call("Add", "");
  EXPECT_TRUE(recipients.Call("Item", 1).Object().Call("Resolve").Bool());
  EXPECT_FALSE(recipients.Call("Item", 2).Object().Call("Resolve").Bool());
  EXPECT_FALSE(recipients.Call("Item", 3).Object().Call("Resolve").Bool());
  recipients.Call("Item", 2).Object().Put("Type", 2);
  EXPECT_EQ(recipients.Get("Count").Int(), 3);
  EXPECT_EQ(FailureOf([&] { recipients.Call("Item", 4); }),
            "Array index out of bounds: there is nothing at position 4.");
  EXPECT_EQ(FailureOf([&] { mail.Call("Send"); }), "Outlook does not recognize one or more names.");

  const StoreSection stored = Stored("Item", "1");
  EXPECT_EQ(stored.Get("Recipient2"), "nobody known");
  EXPECT_EQ(stored.Get("Recipient2.Type"), "2");
  EXPECT_EQ(stored.Get("Recipient2.Resolved"), "no");
  EXPECT_EQ(stored.Get("Sent"), "no");

  Configure("");
  recipients.Call("Item", 3).Object().Put("Type", 1);
  recipients.Call("Add", "Ann");
  EXPECT_EQ(FailureOf([&] { mail.Call("Send"); }), "Outlook does not recognize one or more names.");
}

TEST_F(OutlookStandIn, SendRecordsTheItemAsSentAndATaskMustBeAssignedFirst) {
  const Outlook outlook(StartOutlook());
  const OleObject mail = outlook.app.Call("CreateItem", 0).Object();
  mail.Get("Recipients").Object().Call("Add", "Bob Smith");
  mail.Call("Send");
  const OleObject task = outlook.app.Call("CreateItem", 3).Object();
  task.Get("Recipients").Object().Call("Add", "Bob Smith");
  EXPECT_EQ(FailureOf([&] { task.Call("Send"); }), "The task has not been assigned to anyone.");
  task.Call("Assign");
  task.Call("Send");
  EXPECT_EQ(FailureOf([&] { outlook.app.Call("CreateItem", 2).Object().Call("Send"); }),
            "The automation object has no member \"Send\".");

  const StoreSection sentMail = Stored("Item", "1");
  EXPECT_EQ(sentMail.Get("Sent"), "yes");
  EXPECT_EQ(sentMail.Get("Folder"), "Sent Items");
  EXPECT_EQ(sentMail.Get("Recipient1.Resolved"), "yes");
  const StoreSection request = Stored("Item", "2");
  EXPECT_EQ(request.Get("Assigned"), "yes");
  EXPECT_EQ(request.Get("Sent"), "yes");
  EXPECT_EQ(request.Get("Folder"), "Tasks");
}

TEST_F(OutlookStandIn, AttachmentsNeedAFileThatExistsAndNotesHaveNone) {
  const Outlook outlook(StartOutlook());
  const std::string file = FolderPath() + "\\seed.ini";
  Seed("; any file that exists will do\r\n");
  const OleObject attachments = outlook.app.Call("CreateItem", 1).Object().Get("Attachments").Object();
  EXPECT_EQ(attachments.Call("Add", file, 5).Object().Get("FileName").Text(), "seed.ini");
  EXPECT_EQ(FailureOf([&] { attachments.Call("Add", FolderPath() + "\\missing.txt", 1); }),
            "Cannot find the file \"" + FolderPath() + "\\missing.txt\". Check the path and the file name.");
  EXPECT_EQ(FailureOf([&] { attachments.Call("Add", file, 3); }), "The attachment type 3 is not valid.");
  EXPECT_EQ(FailureOf([&] { outlook.app.Call("CreateItem", 5).Object().Get("Attachments"); }),
            "The automation object has no member \"Attachments\".");

  const StoreSection stored = Stored("Item", "1");
  EXPECT_EQ(stored.Get("Attachment1"), file);
  EXPECT_EQ(stored.Get("Attachment1.Type"), "5");
  EXPECT_FALSE(stored.Has("Attachment2"));
}

TEST_F(OutlookStandIn, StoreFileShowsEachChangeWhileOutlookRuns) {
  const Outlook outlook(StartOutlook());
  const OleObject note = outlook.app.Call("CreateItem", 5).Object();
  note.Put("Body", "Call Bob\r\nabout lunch");
  note.Put("Left", 40);
  note.Put("Top", 100);
  note.Put("Height", 298);
  note.Call("Display");
  EXPECT_EQ(note.Get("Subject").Text(), "Call Bob");
  EXPECT_EQ(FailureOf([&] { note.Put("Subject", "x"); }), "The property \"Subject\" is read-only.");
  EXPECT_EQ(outlook.app.Get("Inspectors").Object().Get("Count").Int(), 1);

  const StoreSection shown = Stored("Item", "1");
  EXPECT_EQ(shown.Get("Class"), "NoteItem");
  EXPECT_EQ(shown.Get("Folder"), "Notes");
  EXPECT_EQ(shown.Get("Saved"), "no");
  EXPECT_EQ(shown.Get("Displays"), "1");
  EXPECT_EQ(shown.Get("Window"), "open");
  EXPECT_EQ(shown.Get("Body"), "Call Bob\r\nabout lunch");
  EXPECT_EQ(shown.Get("Height"), "298");

  note.Call("Save");
  const OleObject meeting = outlook.app.Call("CreateItem", 1).Object();
  meeting.Put("Start", "3/5/2004 9:00 AM");
  meeting.Put("End", "3/5/2004");
  meeting.Put("AllDayEvent", false);
  meeting.Put("MeetingStatus", 1);
  EXPECT_EQ(FailureOf([&] { meeting.Put("Start", "the day after"); }), "Type mismatch. (Start)");
  Configure("item-windows=closed\r\n");
  EXPECT_EQ(outlook.app.Get("Inspectors").Object().Get("Count").Int(), 0);

  EXPECT_EQ(Stored("Item", "1").Get("Saved"), "yes");
  EXPECT_EQ(Stored("Item", "1").Get("Window"), "closed");
  const StoreSection stored = Stored("Item", "2");
  EXPECT_EQ(stored.Get("Start"), "3/5/2004 9:00:00 AM");
  EXPECT_EQ(stored.Get("End"), "3/5/2004");
  EXPECT_EQ(stored.Get("AllDayEvent"), "false");
  EXPECT_EQ(stored.Get("MeetingStatus"), "1");
  EXPECT_EQ(Store().Items("AppointmentItem").size(), 1u);
}

TEST_F(OutlookStandIn, AStoreFileReadsBackAsTheSameStore) {
  Seed(kSeed);
  std::string first;
  {
    const Outlook outlook(StartOutlook());
    const OleObject task = outlook.app.Call("CreateItem", 3).Object();
    task.Put("Subject", "Tab\there, \"quoted\"\\back\r\nnext line");
    task.Put("StartDate", "12/31/2003");
    task.Put("Status", 4);
    task.Get("Recipients").Object().Call("Add", "Ann");
    task.Call("Assign");
    task.Call("Save");
    outlook.Folder(9).Call("Display");
    std::ifstream in((FolderPath() + "\\store.ini").c_str(), std::ios::binary);
    first.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  ASSERT_FALSE(first.empty());
  Seed(first);
  {
    const Outlook outlook(StartOutlook());
    const OleObject task = outlook.Folder(13).Get("Items").Object().Call("Item", 1).Object();
    EXPECT_EQ(task.Get("Subject").Text(), "Tab\there, \"quoted\"\\back\r\nnext line");
    EXPECT_EQ(task.Get("Status").Int(), 4);
  }
  const StandInStore again = Store();
  const StandInStore before = StandInStore::Parse(first);
  ASSERT_EQ(again.Items().size(), before.Items().size());
  for (std::size_t i = 0; i < before.Items().size(); ++i) {
    EXPECT_EQ(again.Items()[i]->entries, before.Items()[i]->entries) << "item " << i + 1;
  }
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Calendar");
  EXPECT_EQ(Stored("Explorer", "1").Get("Open"), "yes");
  EXPECT_TRUE(Calls(Log(), "seed", "").empty());
}

TEST_F(OutlookStandIn, SeedEntriesThatMakeNoSenseAreLeftOutAndNamed) {
  Seed(
      "[Item 1]\r\nFullName=No class\r\n"
      "[Item 2]\r\nClass=TaskItem\r\nSubject=Kept\r\nLocation=Tasks have none\r\n"
      "Importance=9\r\nDueDate=someday\r\nRecipient5000=Too far\r\n"
      "[Item 3]\r\nClass=NoteItem\r\nSubject=Worked out from the body\r\n"
      "[Mailbox]\r\nstray line\r\n");
  const Outlook outlook(StartOutlook());
  EXPECT_EQ(outlook.Find(13, "[Subject] = \"Kept\"").Object().Get("Importance").Int(), 1);
  std::vector<std::string> problems;
  for (const LogEntry& entry : Calls(Log(), "seed", "")) problems.push_back(entry.result);
  EXPECT_EQ(problems,
            (std::vector<std::string>{
                "line 14: not an entry of a section",
                // A sentence split over two literals.
                // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
                "line 1: an item needs a Class: MailItem, AppointmentItem, ContactItem, "
                "TaskItem, JournalItem or NoteItem",
                "line 6: TaskItem has no \"Location\"", "line 7: \"9\" is no value for \"Importance\"",
                "line 8: \"someday\" is no value for \"DueDate\"", "line 9: TaskItem has no \"Recipient5000\"",
                "line 12: \"Subject\" is worked out, not stored", "line 13: unknown section \"Mailbox\""}));
}

TEST_F(OutlookStandIn, ExplorersFollowTheTestAndTheFolderTheyWereGiven) {
  const Outlook outlook(StartOutlook());
  EXPECT_TRUE(outlook.app.Call("ActiveExplorer").IsEmpty());
  const OleObject explorer = outlook.Folder(13).Call("GetExplorer", 1).Object();
  EXPECT_TRUE(outlook.app.Call("ActiveExplorer").IsEmpty());  // not shown yet
  explorer.Call("Display");
  const OleObject active = outlook.app.Call("ActiveExplorer").Object();
  ASSERT_FALSE(active.IsEmpty());
  EXPECT_EQ(active.Get("CurrentFolder").Object().Get("Name").Text(), "Tasks");
  active.Put("CurrentFolder", outlook.Folder(6));
  EXPECT_EQ(explorer.Get("CurrentFolder").Object().Get("Name").Text(), "Inbox");
  EXPECT_THROW(active.Put("CurrentFolder", "Tasks"), OleError);

  Configure("explorer=no\r\n");
  EXPECT_TRUE(outlook.app.Call("ActiveExplorer").IsEmpty());
  Configure("explorer=yes\r\n");
  EXPECT_FALSE(outlook.app.Call("ActiveExplorer").IsEmpty());
}

TEST_F(OutlookStandIn, AfterQuitOutlookAnswersNoMore) {
  const Outlook outlook(StartOutlook());
  outlook.session.Call("Logon");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "yes");
  outlook.session.Call("Logoff");
  outlook.app.Call("Quit");
  EXPECT_EQ(Stored("Session").Get("LoggedOn"), "no");
  EXPECT_EQ(Stored("Session").Get("Quit"), "yes");
  try {
    outlook.app.Call("CreateItem", 3);
    FAIL() << "Outlook answered after it quit";
  } catch (const OleError& error) {
    EXPECT_EQ(error.Code(), RPC_E_DISCONNECTED);
  }
  // Started again, it is a new Outlook.
  const Outlook again(StartOutlook());
  EXPECT_NO_THROW(again.app.Call("CreateItem", 3));
}

// Registration written into private classes and machine keys, so the prefix's own stay.
class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* key : {kClasses, kMachine}) RegDeleteTreeW(HKEY_CURRENT_USER, key);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kClasses, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &classes_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kMachine, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &machine_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_), ERROR_SUCCESS);
  }
  void TearDown() override {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(classes_);
    RegCloseKey(machine_);
    for (const wchar_t* key : {kClasses, kMachine}) RegDeleteTreeW(HKEY_CURRENT_USER, key);
  }
  std::wstring Value(const wchar_t* key, const wchar_t* name = nullptr, HKEY root = nullptr) {
    wchar_t value[MAX_PATH]{};
    DWORD size = sizeof value;
    if (RegGetValueW(root ? root : classes_, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
      return L"(none)";
    }
    return value;
  }

  static constexpr const wchar_t* kClasses = L"Software\\QV\\RegistrationTest";
  static constexpr const wchar_t* kMachine = L"Software\\QV\\RegistrationTestMachine";
  static constexpr const wchar_t* kAppPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";
  static constexpr const wchar_t* kProgram = L"C:\\Stand In\\outlook_standin.exe";
  HKEY classes_ = nullptr;
  HKEY machine_ = nullptr;
};

// As an installed Outlook does, the stand-in says where OUTLOOK.EXE is (the bar
// enables its Outlook commands by it); unregistered, it takes back only its own entry.
TEST_F(Registration, OutlooksAppPathNamesTheStandInUntilItIsUnregistered) {
  ASSERT_TRUE(standin::RegisterServer(kProgram));
  EXPECT_EQ(Value(kAppPath, nullptr, machine_), kProgram);
  EXPECT_EQ(Value(kAppPath, L"Path", machine_), L"C:\\Stand In\\");
  ASSERT_TRUE(standin::UnregisterServer());
  EXPECT_EQ(Value(kAppPath, nullptr, machine_), L"(none)");
  const std::wstring real = L"C:\\Office\\OUTLOOK.EXE";
  SetKeyText(machine_, kAppPath, nullptr, real);
  ASSERT_TRUE(standin::UnregisterServer());
  EXPECT_EQ(Value(kAppPath, nullptr, machine_), real);
}

TEST_F(Registration, UnregisteringRemovesItsOwnClassAndLeavesAnotherOutlooksName) {
  ASSERT_TRUE(standin::RegisterServer(kProgram));
  const std::wstring clsid = Value(L"Outlook.Application\\CLSID");
  ASSERT_EQ(clsid.size(), 38u);
  const std::wstring server = L"CLSID\\" + clsid + L"\\LocalServer32";
  EXPECT_EQ(Value(server.c_str()), L"\"" + std::wstring(kProgram) + L"\"");
  EXPECT_EQ(Value((L"CLSID\\" + clsid + L"\\ProgID").c_str()), L"Outlook.Application");

  ASSERT_TRUE(standin::UnregisterServer());
  EXPECT_EQ(Value(L"Outlook.Application\\CLSID"), L"(none)");
  EXPECT_EQ(Value(server.c_str()), L"(none)");

  // Once another Outlook holds the name, only our class goes.
  ASSERT_TRUE(standin::RegisterServer(kProgram));
  const std::wstring other = L"{12345678-1234-1234-1234-123456789ABC}";
  SetKeyText(classes_, L"Outlook.Application\\CLSID", nullptr, other);
  ASSERT_TRUE(standin::UnregisterServer());
  EXPECT_EQ(Value(L"Outlook.Application\\CLSID"), other);
  EXPECT_EQ(Value(server.c_str()), L"(none)");
}

TEST_F(Registration, AnEarlierInProcessRegistrationIsReplaced) {
  const std::wstring clsid = L"CLSID\\{3E6C0C8A-5B3F-4B8E-9E2D-7A1C4F0B9D21}";
  SetKeyText(classes_, clsid + L"\\InprocServer32", nullptr, L"C:\\Stand In\\outlook_standin.dll");
  ASSERT_TRUE(standin::RegisterServer(kProgram));
  EXPECT_EQ(Value((clsid + L"\\InprocServer32").c_str()), L"(none)");
  EXPECT_EQ(Value((clsid + L"\\LocalServer32").c_str()), L"\"" + std::wstring(kProgram) + L"\"");
}

}  // namespace
}  // namespace qrv::testing
