// Simple MAPI: the loader takes only a complete library, the e-mail component
// resolves, sends and releases everything it built and every logon of its own,
// and the Information Item window's e-mail goes through it while the other
// mail program takes the e-mail.
#include "classes_key.h"
#include "entry_actions_fixture.h"

namespace qrv::testing {
namespace {

using SimpleMapiMail = EntryActionsTest;

std::size_t Count(const std::string& log, const std::string& call) {
  std::size_t n = 0;
  for (std::size_t at = log.find(call); at != std::string::npos; at = log.find(call, at + 1)) ++n;
  return n;
}

// Every logon of the component's own was logged off, every buffer freed.
void ExpectReleased(const std::string& log) {
  EXPECT_EQ(Count(log, "MAPILogon\t"), Count(log, "MAPILogoff\t"));
  EXPECT_EQ(Count(log, "allocate"), Count(log, "MAPIFreeBuffer"));
}

std::string SendLine(const std::string& log) {
  const auto at = log.find("MAPISendMail\t");
  return at == std::string::npos ? "" : log.substr(at, log.find('\n', at) - at);
}

void SetMapiInstalled(const wchar_t* value) {
  SetKeyText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem", L"MAPI", value);
}

TEST_F(SimpleMapiMail, TheLoaderTakesOnlyACompleteInstalledLibrary) {
  EXPECT_TRUE(mapi_.Available());
  SimpleMapi incomplete;
  incomplete.Load(L"Z:" + Widen(QRV_BUILD_DIR) + L"/standins/mapi32-incomplete/mapi32.dll", true);
  EXPECT_EQ(incomplete.Status(), SimpleMapi::State::kIncomplete);
  LHANDLE session = 0;
  EXPECT_EQ(incomplete.Logon(0, nullptr, nullptr, 0, &session), static_cast<ULONG>(MAPI_E_FAILURE));
  Email mail(incomplete);
  EXPECT_THROW(mail.ResolveName("Ann"), MapiUnavailable);

  SimpleMapi missing;
  missing.Load(Folder() + L"\\none\\mapi32", true);
  EXPECT_EQ(missing.Status(), SimpleMapi::State::kNotInstalled);
  // Only a "MAPI" value of exactly "1" says a mail system is installed.
  SetMapiInstalled(L"1 ");
  EXPECT_FALSE(MapiInstalled());
  SetMapiInstalled(L"0");
  EXPECT_FALSE(MapiInstalled());
  SetMapiInstalled(L"1");
  EXPECT_TRUE(MapiInstalled());
  EXPECT_EQ(MapiLog().find("MAPILogon"), std::string::npos);
}

TEST_F(SimpleMapiMail, ResolvedNamesAreSentAndReplaceTheTypedOnes) {
  ConfigureMapi(
      "contact=Ann|Ann Lee|ann@x.org\nambiguous=Bo|Bob Ray|bob@x.org\n"
      "contact=[carl@x.org]|carl@x.org|SMTP:carl@x.org\n");
  const std::wstring file = Folder() + L"\\abcdefghijklmnop.txt";
  std::ofstream(file.c_str()) << "x";
  email_.recipients = {"Ann", "", "Bo"};
  email_.copies = {"[carl@x.org]"};
  email_.attachments = {qrv::Narrow(file)};
  email_.subject = "Hi";
  email_.body = "Body";
  EXPECT_EQ(email_.SendMail(), SUCCESS_SUCCESS);
  const std::string line = SendLine(MapiLog());
  EXPECT_NE(line.find("recipients=1:Ann Lee<ann@x.org>;1:Bob Ray<bob@x.org>;2:carl@x.org<carl@x.org>"),
            std::string::npos)
      << line;
  EXPECT_NE(line.find("flags=0\t"), std::string::npos);
  EXPECT_NE(line.find("|ijklmnop.txt"), std::string::npos);  // the name shown, cut to 12 characters
  EXPECT_EQ(email_.recipients, (std::vector<std::string>{"Ann Lee", "", "Bob Ray"}));
  EXPECT_EQ(email_.copies, (std::vector<std::string>{"[carl@x.org]"}));  // a typed address stays as typed
  EXPECT_EQ(email_.ResolveName("[carl@x.org]"), "[carl@x.org]");
  ExpectReleased(MapiLog());
  DeleteFileW(file.c_str());
}

TEST_F(SimpleMapiMail, NothingIsSentUnlessEveryNameAndFileIsThere) {
  ConfigureMapi("contact=Ann|Ann Lee|ann@x.org\n");
  std::vector<ULONG> errors;
  email_.onMapiError = [&](ULONG code) { errors.push_back(code); };
  email_.recipients = {"Ann", "Zed"};
  EXPECT_EQ(email_.SendMail(), static_cast<ULONG>(MAPI_E_UNKNOWN_RECIPIENT));
  EXPECT_EQ(email_.UnresolvedNames(), std::vector<std::string>{"Zed"});
  email_.recipients = {"Ann"};
  email_.attachments = {qrv::Narrow(Folder() + L"\\gone.txt")};
  EXPECT_EQ(email_.SendMail(), kMapiAttachmentMissing);
  EXPECT_EQ(errors, (std::vector<ULONG>{MAPI_E_UNKNOWN_RECIPIENT, kMapiAttachmentMissing}));
  EXPECT_EQ(SendLine(MapiLog()), "");
  // Without any name the mail system's own send dialog asks for them.
  email_.recipients.clear();
  email_.attachments.clear();
  EXPECT_EQ(email_.SendMail(), SUCCESS_SUCCESS);
  EXPECT_NE(SendLine(MapiLog()).find("flags=8\t"), std::string::npos);
  ExpectReleased(MapiLog());
}

TEST_F(SimpleMapiMail, TheAddressBookFillsTheListsWithWhatWasChosen) {
  ConfigureMapi("contact=Ann|Ann Lee|ann@x.org\npick=1|Ann Lee|ann@x.org\npick=2|Dee|dee@x.org\n");
  email_.recipients = {"Ann"};
  email_.editFields = 2;
  EXPECT_EQ(email_.ShowAddressBook(), SUCCESS_SUCCESS);
  EXPECT_EQ(email_.recipients, std::vector<std::string>{"Ann Lee"});
  EXPECT_EQ(email_.copies, std::vector<std::string>{"Dee"});
  EXPECT_NE(MapiLog().find("MAPIAddress\teditFields=2\trecipients=1:Ann Lee<ann@x.org>"), std::string::npos);
  ExpectReleased(MapiLog());
  EXPECT_EQ(Email::TruncateFileName("abcd.efghijkl"), "bcd.efghijkl");  // its last 12 characters
  EXPECT_EQ(Email::TruncateFileName("ab.cdefghijklm"), "cdefghijklm");  // without a leading dot
  EXPECT_EQ(Email::TruncateFileName("short.txt"), "short.txt");
}

TEST_F(SimpleMapiMail, TheWindowSendsOnlyAFullyResolvedMailAndKeepsItOtherwise) {
  data_.settings.emailType = "1";
  ConfigureMapi("contact=Ann|Ann Lee|ann@x.org\ncontact=Smith|Smith, John|js@x.org\n");
  EntryWindow& window = Window(EntryType::kEmail, L"Lunch", L"Ann, Zed");
  promptAnswer = DialogResult::kOk;
  EXPECT_FALSE(window.Save());
  EXPECT_NE(prompts.text.find(L"Zed"), std::wstring::npos);
  EXPECT_TRUE(IsOpen(&window));
  EXPECT_EQ(window.Header().Recipients().Text(), L"Ann, Zed");  // a name failed: the box keeps what was typed
  EXPECT_EQ(SendLine(MapiLog()), "");

  // Check Names writes the display names back; a comma inside one is no separator later.
  window.Header().Recipients().SetText(L"Smith; Ann", Notify::kYes);
  window.CheckNames();
  EXPECT_EQ(window.Header().Recipients().Text(), L"Smith, John;Ann Lee");
  ConfigureMapi("contact=Smith, John|Smith, John|js@x.org\ncontact=Ann Lee|Ann Lee|ann@x.org\nsend=1\n");
  EXPECT_FALSE(window.Save());  // the user cancelled the send: the entry stays
  EXPECT_TRUE(IsOpen(&window));
  EXPECT_NE(SendLine(MapiLog()).find("recipients=1:Smith, John<js@x.org>;1:Ann Lee<ann@x.org>"), std::string::npos);

  ConfigureMapi("contact=Smith, John|Smith, John|js@x.org\ncontact=Ann Lee|Ann Lee|ann@x.org\n");
  EXPECT_TRUE(window.Save());
  Pump(50);
  EXPECT_FALSE(IsOpen(&window));
  ExpectReleased(MapiLog());
  EXPECT_TRUE(Store().Items("MailItem").empty());  // Outlook made nothing
}

// The To and Cc buttons open the address book on the boxes' names and write
// back what the user confirmed; a cancelled book leaves the boxes alone.
TEST_F(SimpleMapiMail, TheAddressButtonsFillTheBoxesWithWhatWasChosen) {
  data_.settings.emailType = "1";
  ConfigureMapi("pick=1|Ann Lee|ann@x.org\npick=1|Bo|bo@x.org\npick=2|Dee|dee@x.org\naddress=1\n");
  EntryWindow& window = Window(EntryType::kEmail, L"Lunch", L"Ann", L"Dee");
  actions_->ChooseAddresses(window, 2);
  EXPECT_EQ(window.Header().Recipients().Text(), L"Ann");
  ConfigureMapi(
      "contact=Ann|Ann Lee|ann@x.org\ncontact=Dee|Dee|dee@x.org\n"
      "pick=1|Ann Lee|ann@x.org\npick=1|Bo|bo@x.org\npick=2|Dee|dee@x.org\n");
  actions_->ChooseAddresses(window, 2);
  EXPECT_EQ(window.Header().Recipients().Text(), L"Ann Lee;Bo");
  EXPECT_EQ(window.Header().Copies().Text(), L"Dee");
  EXPECT_NE(MapiLog().find("MAPIAddress\teditFields=2"), std::string::npos);
  ExpectReleased(MapiLog());

  // A typed name the book could not show stays; a picked name with a comma is
  // one name from then on, for the book and for the send.
  ConfigureMapi(
      "contact=Picked One|Picked One|p1@x.org\ncontact=Picked, Two|Picked, Two|p2@x.org\n"
      "pick=1|Picked One|p1@x.org\npick=1|Picked, Two|p2@x.org\n");
  window.Header().Recipients().SetText(L"Picked One; Zed Nobody", Notify::kYes);
  window.Header().Copies().SetText(L"");
  actions_->ChooseAddresses(window, 2);
  EXPECT_EQ(window.Header().Recipients().Text(), L"Picked One;Picked, Two;Zed Nobody");
  window.Header().Recipients().SetText(L"Picked One", Notify::kYes);
  actions_->ChooseAddresses(window, 2);
  ASSERT_EQ(window.Header().Recipients().Text(), L"Picked One;Picked, Two");
  actions_->ChooseAddresses(window, 2);
  EXPECT_NE(MapiLog().rfind("recipients=1:Picked One<p1@x.org>;1:Picked, Two<p2@x.org>"), std::string::npos);
  EXPECT_TRUE(window.Save());
  EXPECT_NE(SendLine(MapiLog()).find("recipients=1:Picked One<p1@x.org>;1:Picked, Two<p2@x.org>\t"), std::string::npos)
      << MapiLog();
}

// The subject goes to the mail system whole up to its limit, counted in
// characters: accented letters are never cut into a "?".
TEST_F(SimpleMapiMail, TheSubjectIsCutAtACharacterNeverInsideOne) {
  data_.settings.emailType = "1";
  ConfigureMapi("contact=Ann Lee|Ann Lee|ann@x.org\n");
  EntryWindow& window = Window(EntryType::kEmail, std::wstring(300, L'\u00e9'), L"Ann Lee");
  EXPECT_TRUE(window.Save()) << prompts.text;
  const std::string line = SendLine(MapiLog());
  EXPECT_NE(line.find("subject=\"" + std::string(255, '\xE9') + "\"\t"), std::string::npos) << line;
}

// The mail program registered for "mailto:" addresses: the argument logger,
// in place of the prefix's own handler until the test ends.
class MailtoHandler {
 public:
  explicit MailtoHandler(const std::wstring& program) : previous_(Command()) { SetCommand(L"\"" + program + L"\" %1"); }
  ~MailtoHandler() {
    if (previous_.empty()) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    } else {
      SetCommand(previous_);
    }
  }
  MailtoHandler(const MailtoHandler&) = delete;
  MailtoHandler& operator=(const MailtoHandler&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"mailto\\shell\\open\\command";
  static std::wstring Command() { return ClassesDefault(kKey).value_or(L""); }
  static void SetCommand(const std::wstring& command) { SetClassesDefault(kKey, command); }
  std::wstring previous_;
};

TEST_F(SimpleMapiMail, OpenHandsTheMailToTheProgramOfMailtoAddresses) {
  const std::wstring program = Folder() + L"\\mailer.exe", log = Folder() + L"\\mailer.log";
  ASSERT_TRUE(CopyFileW((TestFolder() + L"\\..\\..\\standins\\arglog.exe").c_str(), program.c_str(), FALSE));
  SetEnvironmentVariableW(L"QRV_ARGLOG", log.c_str());
  const MailtoHandler handler(program);
  data_.settings.emailType = "1";
  ConfigureMapi("contact=Ann|Ann \"A\" Lee|ann@x.org\n");
  EntryWindow& window = Window(EntryType::kEmail, L"Tea & cake", L"Ann");
  EXPECT_TRUE(window.Open());
  ASSERT_TRUE(WaitForLine(log, 1));
  // The mail program's command line takes the address unquoted: its blanks and quotes go encoded.
  EXPECT_NE(ReadText(log).find(" mailto:Ann%20%22A%22%20Lee?subject=Tea%20%26%20cake&body="), std::string::npos)
      << ReadText(log);
  EXPECT_EQ(SendLine(MapiLog()), "");  // opened, not sent

  // Too long for the mail program: told, and the window stays.
  promptAnswer = DialogResult::kOk;
  EntryWindow& longer = Window(EntryType::kEmail, std::wstring(240, L'x'), L"Ann");
  EXPECT_FALSE(longer.Open());
  EXPECT_NE(prompts.text.find(L"256 characters"), std::wstring::npos);
  EXPECT_TRUE(IsOpen(&longer));
  DeleteFileW(log.c_str());
  DeleteFileW(program.c_str());
}

TEST_F(SimpleMapiMail, TwentySendsInARowEachSucceed) {
  ConfigureMapi("contact=Ann|Ann Lee|ann@x.org\n");
  for (int i = 0; i < 20; ++i) {
    email_.recipients = {"Ann"};
    ASSERT_EQ(email_.SendMail(), SUCCESS_SUCCESS) << i;
  }
  ExpectReleased(MapiLog());
}

}  // namespace
}  // namespace qrv::testing
