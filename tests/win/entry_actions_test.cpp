// The Information Item window's Save and Open against the stand-in Outlook:
// every entry type lands in its folder with its properties, requests are sent
// only when their names resolve, text documents and web searches leave the
// window as the user expects, and Find Contact finds seeded contacts.
#include "entry_actions_fixture.h"

namespace qrv::testing {
namespace {

using EntryActions = EntryActionsTest;

const StoreSection* OnlyItem(const StandInStore& store, std::string_view className) {
  const auto items = store.Items(className);
  EXPECT_EQ(items.size(), 1u) << className;
  return items.empty() ? nullptr : items.front();
}

TEST_F(EntryActions, EachTypeIsSavedInItsFolderWithItsProperties) {
  struct Case {
    EntryType type;
    const char* className;
    const char* folder;
    const char* member;  // a property the type writes from the subject
  };
  const Case cases[] = {{EntryType::kTask, "TaskItem", "Tasks", "Subject"},
                        {EntryType::kNote, "NoteItem", "Notes", "Body"},
                        {EntryType::kAppointment, "AppointmentItem", "Calendar", "Subject"},
                        {EntryType::kContact, "ContactItem", "Contacts", "FullName"},
                        {EntryType::kJournal, "JournalItem", "Journal", "Subject"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    EntryWindow& window = Window(c.type, L"Ann Lee");
    EXPECT_TRUE(window.Save());
    Pump(50);
    EXPECT_FALSE(IsOpen(&window));           // a finished save clears and closes the window
    const StandInStore itemStore = Store();  // the items point into it
    const StoreSection* item = OnlyItem(itemStore, c.className);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Get("Folder"), c.folder);
    EXPECT_EQ(item->Get("Saved"), "yes");
    EXPECT_NE(item->Get(c.member).find("Ann Lee"), std::string::npos);
  }
  // The contact's company and telephone number come from its rows 2 and 3.
  EntryWindow& contact = Window(EntryType::kContact, L"Bob Ray", L"Acme", L"555 0100");
  EXPECT_TRUE(contact.Save());
  const StandInStore store = Store();
  const auto contacts = store.Items("ContactItem");
  ASSERT_EQ(contacts.size(), 2u);
  EXPECT_EQ(contacts[1]->Get("CompanyName"), "Acme");
  EXPECT_EQ(contacts[1]->Get("BusinessTelephoneNumber"), "555 0100");
}

// The date words the entry used are left out of the stored subject while
// keyword removal is on, and stored as typed when it is off.
TEST_F(EntryActions, TheStoredSubjectLeavesOutTheDateWordsTheEntryUsed) {
  EntryWindow& removed = Window(EntryType::kTask, L"");
  SetForegroundWindow(removed.Handle());
  Pump(30);
  TypeText(L"Pay rent tomorrow");
  Pump(50);
  EXPECT_TRUE(removed.Save());
  EntryWindow& kept = Window(EntryType::kTask, L"");
  SetForegroundWindow(kept.Handle());
  Pump(30);
  TypeText(L"Call Bo tomorrow");
  Pump(50);
  kept.Parser().SetKeywordRemoval(false);
  EXPECT_TRUE(kept.Save());
  const StandInStore store = Store();
  const auto tasks = store.Items("TaskItem");
  ASSERT_EQ(tasks.size(), 2u);
  EXPECT_EQ(tasks[0]->Get("Subject"), "Pay rent");
  EXPECT_EQ(tasks[1]->Get("Subject"), "Call Bo tomorrow");
  EXPECT_NE(tasks[0]->Get("DueDate"), "");
}

// A typed prefix is shown as taken out of every type's subject, and so it is
// stored; marks and brackets go with the phrase; a task whose dates were hidden
// keeps its date word, as it keeps no date.
TEST_F(EntryActions, WhatTheMarksPromiseIsWhatEveryTypeStores) {
  const auto typed = [&](EntryType type, const wchar_t* subject) {
    EntryWindow& window = Window(type, L"");
    SetForegroundWindow(window.Handle());
    Pump(30);
    TypeText(subject);
    if (type == EntryType::kEmail)
      window.Header().Recipients().SetText(L"Ann", Notify::kYes);  // Outlook sends only to someone
    return &window;
  };
  struct Case {
    EntryType type;
    const char* className;
    const char* member;
    const char* stored;
  };
  const Case cases[] = {{EntryType::kNote, "NoteItem", "Body", "lunch plans\r\n"},
                        {EntryType::kEmail, "MailItem", "Subject", "lunch plans"},
                        {EntryType::kJournal, "JournalItem", "Subject", "lunch plans"},
                        {EntryType::kContact, "ContactItem", "FullName", "lunch plans"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    EXPECT_TRUE(typed(c.type, L"Email: lunch plans")->Save());
    const StandInStore store = Store();
    const StoreSection* item = OnlyItem(store, c.className);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Get(c.member), c.stored);
  }
  EXPECT_TRUE(typed(EntryType::kTask, L"Dinner with Sam (friday)")->Save());
  EntryWindow* undated = typed(EntryType::kTask, L"Buy milk tomorrow");
  ASSERT_TRUE(undated->Dates().PanelShown());
  PressKeys({'N'}, VK_CONTROL);
  ASSERT_FALSE(undated->Dates().PanelShown());
  EXPECT_EQ(undated->Parser().StoredSubject(), L"Buy milk tomorrow");
  EXPECT_TRUE(undated->Save());
  const StandInStore store = Store();
  const auto tasks = store.Items("TaskItem");
  ASSERT_EQ(tasks.size(), 2u);
  EXPECT_EQ(tasks[0]->Get("Subject"), "Dinner with Sam");
  EXPECT_EQ(tasks[1]->Get("Subject"), "Buy milk tomorrow");
  EXPECT_EQ(tasks[1]->Get("DueDate"), "");
}

TEST_F(EntryActions, RequestsAreSentOnlyWhenEveryNameResolves) {
  Configure("unresolved=Nobody\n");
  EntryWindow& request = Window(EntryType::kTask, L"Report", L"Ann; ;Bob ");
  ASSERT_TRUE(request.Sends());
  EXPECT_TRUE(request.Save());
  const StandInStore sentStore = Store();  // the items point into it
  const StoreSection* sent = OnlyItem(sentStore, "TaskItem");
  ASSERT_NE(sent, nullptr);
  EXPECT_EQ(sent->Get("Sent"), "yes");
  EXPECT_EQ(sent->Get("Recipient1"), "Ann");  // trimmed, the empty entry skipped
  EXPECT_EQ(sent->Get("Recipient2"), "Bob");
  EXPECT_FALSE(sent->Has("Recipient3"));

  // A name Outlook does not know: the item is shown instead of sent.
  EntryWindow& meeting = Window(EntryType::kAppointment, L"Review", L"Nobody");
  EXPECT_TRUE(meeting.Save());
  EXPECT_NE(prompts.text.find(L"Some names could not be resolved."), std::wstring::npos);
  const StandInStore shownStore = Store();  // the items point into it
  const StoreSection* shown = OnlyItem(shownStore, "AppointmentItem");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Get("Sent"), "no");
  EXPECT_EQ(shown->Get("Displays"), "1");

  // An e-mail through Outlook takes its Cc names even with To empty.
  EntryWindow& mail = Window(EntryType::kEmail, L"Hello", L"", L"Carl");
  EXPECT_TRUE(mail.Save());
  const StandInStore emailStore = Store();  // the items point into it
  const StoreSection* email = OnlyItem(emailStore, "MailItem");
  ASSERT_NE(email, nullptr);
  EXPECT_EQ(email->Get("Recipient1"), "Carl");
  EXPECT_EQ(email->Get("Recipient1.Type"), "2");
}

TEST_F(EntryActions, QuestionsAnsweredNoAndRefusedCallsKeepTheWindow) {
  promptAnswer = DialogResult::kNo;
  EntryWindow& empty = Window(EntryType::kTask, L"");
  EXPECT_FALSE(empty.Save());
  EXPECT_EQ(prompts.text, L"Information Item is empty, continue with save?");
  EXPECT_TRUE(Store().Items().empty());
  EXPECT_TRUE(IsOpen(&empty));

  // Outlook refusing the save: the error is told and the entry stays.
  promptAnswer = DialogResult::kOk;
  Configure("fail=TaskItem.Save The store is full\n");
  EntryWindow& task = Window(EntryType::kTask, L"Pay rent");
  EXPECT_FALSE(task.Save());
  EXPECT_NE(prompts.text.find(L"The store is full"), std::wstring::npos);
  EXPECT_TRUE(IsOpen(&task));
  EXPECT_EQ(task.Header().Subject().Text(), L"Pay rent");
}

TEST_F(EntryActions, TextDocumentsAreWrittenWhereTheUserChose) {
  EntryWindow& cancelled = Window(EntryType::kTextDocument, L"Plan 3/5: draft");
  EXPECT_FALSE(cancelled.Save());  // the dialog cancelled: nothing written, the window stays
  EXPECT_EQ(offeredName_, L"Plan 3_5_ draft.txt");
  EXPECT_TRUE(IsOpen(&cancelled));
  chosenPath_ = Folder() + L"\\plan.txt";
  EXPECT_TRUE(cancelled.Save());
  EXPECT_EQ(ReadText(chosenPath_), "Plan 3/5: draft\r\n");
  Pump(50);
  EXPECT_FALSE(IsOpen(&cancelled));
  DeleteFileW(chosenPath_.c_str());

  // Open with no program for the file: told, and the entry stays.
  promptAnswer = DialogResult::kOk;
  chosenPath_ = Folder() + L"\\plan.qrvnoprogram";
  EntryWindow& unopened = Window(EntryType::kTextDocument, L"Plan");
  EXPECT_FALSE(unopened.Open());
  EXPECT_NE(prompts.text.find(L"No program could open"), std::wstring::npos) << prompts.text;
  EXPECT_TRUE(IsOpen(&unopened));
  EXPECT_EQ(unopened.Header().Subject().Text(), L"Plan");
  DeleteFileW(chosenPath_.c_str());
}

TEST_F(EntryActions, WebSearchesOpenOnlyWebAddressesInTheBrowser) {
  const std::wstring browser = Folder() + L"\\web browser.exe", log = Folder() + L"\\browser.log";
  ASSERT_TRUE(CopyFileW((TestFolder() + L"\\..\\..\\standins\\arglog.exe").c_str(), browser.c_str(), FALSE));
  SetEnvironmentVariableW(L"QRV_ARGLOG", log.c_str());
  data_.settings.newIeWindow = true;
  data_.settings.browserPath = qrv::Narrow(browser);

  EntryWindow& plain = Window(EntryType::kInternet, L"example.com/\"a\" --evil");
  EXPECT_TRUE(plain.Open());
  EXPECT_TRUE(WaitForLine(log, 1));
  EXPECT_NE(ReadText(log).find("\"Http://example.com/%22a%22%20--evil\""), std::string::npos) << ReadText(log);

  EntryWindow& ftp = Window(EntryType::kInternet, L"FTP://127.0.0.1/pub");
  EXPECT_TRUE(ftp.Open());
  EXPECT_TRUE(WaitForLine(log, 2));
  EXPECT_NE(ReadText(log).find("\"FTP://127.0.0.1/pub\""), std::string::npos);

  EntryWindow& refused = Window(EntryType::kInternet, L"file:///C:/windows/notepad.exe");
  EXPECT_FALSE(refused.Open());
  EXPECT_NE(prompts.text.find(L"Only addresses beginning"), std::wstring::npos);
  Pump(200);
  EXPECT_EQ(ReadText(log).find("notepad"), std::string::npos);
  DeleteFileW(log.c_str());
  DeleteFileW(browser.c_str());
}

TEST_F(EntryActions, FindContactOpensTheContactAndClosesAnEmptyWindowOnly) {
  Seed(
      "[Item 1]\nClass=ContactItem\nFullName=Ann Lee\n\n"
      "[Item 2]\nClass=ContactItem\nCompanyName=Acme \"West\"\n\n");
  EntryWindow& byName = Window(EntryType::kTask, L"Lee");  // the last name alone finds her
  byName.FindContact();
  Pump(50);
  EXPECT_FALSE(IsOpen(&byName));
  EXPECT_EQ(Store().Items("ContactItem")[0]->Get("Displays"), "1");

  EntryWindow& byCompany = Window(EntryType::kTask, L"Acme \"West\"", L"keep me");
  byCompany.FindContact();
  Pump(50);
  EXPECT_EQ(Store().Items("ContactItem")[1]->Get("Displays"), "1");
  EXPECT_TRUE(IsOpen(&byCompany));  // something else was typed: the window stays

  EntryWindow& unknown = Window(EntryType::kTask, L"Zed");
  unknown.FindContact();
  EXPECT_EQ(prompts.text, L"Name not found.");
  EXPECT_TRUE(IsOpen(&unknown));

  // A search Outlook fails is told as the error it is.
  Configure("fail=Items.Find The address book is offline.\n");
  unknown.FindContact();
  EXPECT_NE(prompts.text.find(L"The address book is offline."), std::wstring::npos) << prompts.text;
  EXPECT_TRUE(IsOpen(&unknown));
}

// In Outlook's mode Check Names asks Outlook: the names resolve against its
// contacts in a scratch e-mail that is released unsaved and unshown.
TEST_F(EntryActions, CheckNamesResolvesTheBoxesThroughOutlookAndLeavesNoItem) {
  Seed(
      "[Item 1]\nClass=ContactItem\nFullName=Ann Lee\n\n"
      "[Item 2]\nClass=ContactItem\nFullName=Carl Lee\n\n"
      "[Item 3]\nClass=ContactItem\nFullName=Smith, John\n\n");
  EntryWindow& mail = Window(EntryType::kEmail, L"Hello", L"ann, john ", L"carl lee");
  mail.CheckNames();
  EXPECT_EQ(mail.Header().Recipients().Text(), L"Ann Lee;Smith, John");
  EXPECT_EQ(mail.Header().Copies().Text(), L"Carl Lee");
  EXPECT_EQ(prompts.count, 0);
  mail.CheckNames();  // the display name holding a comma stays one name
  EXPECT_EQ(mail.Header().Recipients().Text(), L"Ann Lee;Smith, John");

  // "Lee" is two contacts: it is reported and the box keeps what was typed.
  EntryWindow& task = Window(EntryType::kTask, L"Review", L"bob; Lee");
  task.CheckNames();
  EXPECT_EQ(prompts.text, L"These names could not be resolved:\r\nLee");
  EXPECT_EQ(task.Header().Recipients().Text(), L"bob; Lee");

  // No folder holds a scratch e-mail, each was released, and the contacts are as seeded.
  for (const OutlookFolder folder : {OutlookFolder::kSentMail, OutlookFolder::kDrafts}) {
    EXPECT_EQ(outlook_.DefaultFolder(folder).Get("Items").Object().Get("Count").Int(), 0) << static_cast<int>(folder);
  }
  const StandInStore store = Store();
  const auto scratch = store.Items("MailItem");
  EXPECT_FALSE(scratch.empty());
  for (const StoreSection* item : scratch) {
    EXPECT_EQ(item->Get("Saved") + item->Get("Sent") + item->Get("Displays"), "nono0");
  }
  for (const std::string& object : UnreleasedObjects(Log())) {  // only what the session holds
    EXPECT_TRUE(object.starts_with("Application") || object.starts_with("NameSpace") || object.starts_with("Folder"))
        << object;
  }
  const auto contacts = store.Items("ContactItem");
  ASSERT_EQ(contacts.size(), 3u);
  EXPECT_EQ(contacts[2]->Get("FullName"), "Smith, John");
}

// Ctrl+S on a typed task saves it each time (its time is measured in
// save_bench). Each call crosses to Outlook's process: a member's number and the
// tasks folder are asked for once, not on every save.
TEST_F(EntryActions, CtrlSOnATypedTaskSavesItEveryTime) {
  for (std::size_t i = 0; i < 2; ++i) {
    EntryWindow& window = Window(EntryType::kTask, L"");
    SetForegroundWindow(window.Handle());
    Pump(30);
    TypeText(L"Pay");
    PressKeys({'S'}, VK_CONTROL);
    std::vector<LogEntry> saves;
    for (int tries = 0; tries < 400 && saves.size() <= i; ++tries) {
      Pump(5);
      saves = Calls(Log(), "call", "Save");
    }
    ASSERT_EQ(saves.size(), i + 1);
  }
  EXPECT_EQ(Store().Items("TaskItem").size(), 2u);
  const std::vector<LogEntry> log = Log();
  EXPECT_EQ(Calls(log, "name", "Subject").size(), 1u);
  EXPECT_EQ(Calls(log, "name", "Save").size(), 1u);
  EXPECT_EQ(Calls(log, "call", "GetDefaultFolder").size(), 1u);
}

}  // namespace
}  // namespace qrv::testing
