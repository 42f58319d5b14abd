// What an Information Item window of the real bar does with a typed e-mail,
// a web search and a name: the e-mail sent through Outlook, through the stand-in
// Simple MAPI library beside the bar, or opened as a "mailto:" address in the
// mail program; the search opened in the browser; the names checked and the
// contact found in Outlook. Everything is typed through the X display.
#include <algorithm>
#include <sstream>

#include "bar_with_outlook.h"
#include "e2e_controls.h"

namespace qrv::testing {
namespace {

constexpr wchar_t kMessaging[] = L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem";
constexpr wchar_t kBrowserPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

using e2e::TextOf;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The bar with the stand-in Simple MAPI library beside it (installed as the
// system's mail library, its answers and log in the test's folder) and the
// argument logger standing in for the web browser.
class EntryRoads : public BarWithOutlook {
 protected:
  void SetUp() override {
    BarWithOutlook::SetUp();
    SetText(HKEY_LOCAL_MACHINE, kMessaging, L"MAPI", L"1");
    mapiConfig_ = programs_ + L"\\mapi.ini";
    mapiLog_ = programs_ + L"\\mapi.log";
    SetEnvironmentVariableW(L"QRV_MAPI_CONFIG", mapiConfig_.c_str());
    SetEnvironmentVariableW(L"QRV_MAPI_LOG", mapiLog_.c_str());
    ASSERT_TRUE(CopyFileW((office_ + L"\\OUTLOOK.EXE").c_str(), (programs_ + L"\\Browser.exe").c_str(), FALSE));
    SetText(HKEY_LOCAL_MACHINE, kBrowserPath, nullptr, programs_ + L"\\Browser.exe");
  }
  void TearDown() override {
    BarWithOutlook::TearDown();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kBrowserPath);
    SetEnvironmentVariableW(L"QRV_MAPI_CONFIG", nullptr);
    SetEnvironmentVariableW(L"QRV_MAPI_LOG", nullptr);
  }

  void ConfigureMapi(const std::string& text) const {
    std::ofstream(mapiConfig_.c_str(), std::ios::binary | std::ios::trunc) << text;
  }
  std::string MapiLog() const {
    std::ifstream in(mapiLog_.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The line of the first send after `from` (a position in the log), or "".
  std::string SendLine(std::size_t from = 0) const {
    const std::string log = MapiLog();
    const auto at = log.find("MAPISendMail\t", from);
    return at == std::string::npos ? "" : log.substr(at, log.find('\r', at) - at);
  }

  // A new Information Item window from the collapsed strip, in front; with
  // `email` turned into an e-mail by its key.
  HWND OpenEntry(bool email = false) {
    const HWND before = GetForegroundWindow();
    e2e::Click(2, top_ + 250);
    HWND window = nullptr;
    e2e::WaitFor([&] { return (window = GetForegroundWindow()) != before && TextOf(window) == L"Task - QRV"; }, 5000);
    if (TextOf(window) != L"Task - QRV") window = nullptr;
    if (window && email) {
      e2e::XKeys(L"ctrl+shift+m");
      e2e::WaitFor([&] { return TextOf(window) == L"E-Mail - QRV"; }, 3000);
    }
    return window;
  }
  // A box of the window: the subject (0), To (1), Cc (2), by their places from
  // the top among its shown edit boxes; the body (3) is the rich edit below.
  static HWND Box(HWND window, int row) {
    std::vector<std::pair<LONG, HWND>> boxes;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) -> BOOL {
          wchar_t name[64]{}, parent[64]{};
          GetClassNameW(child, name, 64);
          GetClassNameW(GetParent(child), parent, 64);
          const std::wstring type(name);
          const bool box = type == L"Edit" || type.starts_with(L"RichEdit");
          if (box && IsWindowVisible(child) && std::wstring(parent) != L"ComboBox")
            reinterpret_cast<std::vector<std::pair<LONG, HWND>>*>(found)->emplace_back(e2e::WindowRect(child).top,
                                                                                       child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    std::sort(boxes.begin(), boxes.end());
    return row < static_cast<int>(boxes.size()) ? boxes[static_cast<std::size_t>(row)].second : nullptr;
  }
  // Clicks into a box (which gives the window the X display's keyboard too).
  // A window just opened may still be moving to its place: the click is
  // made again where the box stands until the box has the focus.
  static void ClickInto(HWND box) {
    for (int i = 0; i < 3; ++i) {
      const RECT rc = e2e::WindowRect(box);
      e2e::Click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
      if (e2e::WaitFor([&] { return e2e::HasFocus(box); }, 500)) return;
    }
  }
  // Clicks into a box and types, after the box's text when not `replacing` it;
  // waits until the window has read the last key.
  static bool TypeInto(HWND box, const std::wstring& text, bool replacing = false) {
    ClickInto(box);
    const std::wstring expected = (replacing ? L"" : TextOf(box)) + text;
    if (replacing) e2e::XKeys(L"ctrl+a");
    return e2e::XType(text) && e2e::WaitFor([&] { return TextOf(box) == expected; }, 3000);
  }
  // The text of the bar's next message box, answered with OK; the X display's
  // keyboard back to the window.
  std::wstring Told(HWND window) const {
    HWND box = WaitForBox();
    if (!box) return L"(no message)";
    std::wstring text = e2e::MessageText(box);
    e2e::Answer(box, IDOK);
    e2e::WaitFor([&] { return !IsWindow(box); }, 3000);
    e2e::XFocus(TextOf(window));
    return text;
  }
  bool Closes(HWND window) const {
    return e2e::WaitFor([&] { return !IsWindow(window); }, 3000);
  }

  std::wstring mapiConfig_, mapiLog_;
};

// Outlook takes the e-mail: Check Names asks Outlook and names what it does not
// know; the sent mail holds the To names (type 1) and the Cc name (type 2).
TEST_F(EntryRoads, OutlookSendsTheTypedMailOnceCheckNamesFindsEveryName) {
  Configure("unresolved=Zed\n");
  StartBar();
  HWND window = OpenEntry(true);
  ASSERT_TRUE(window) << "no e-mail window";
  ASSERT_TRUE(TypeInto(Box(window, 0), L"Quarterly figures"));
  ASSERT_TRUE(TypeInto(Box(window, 1), L"Ann Lee; Zed"));
  ASSERT_TRUE(TypeInto(Box(window, 2), L"Bob"));
  ASSERT_TRUE(TypeInto(Box(window, 3), L"See the sheet"));
  e2e::XKeys(L"ctrl+k");
  EXPECT_EQ(Told(window), L"These names could not be resolved:\r\nZed");
  EXPECT_EQ(TextOf(Box(window, 1)), L"Ann Lee; Zed");
  ASSERT_TRUE(TypeInto(Box(window, 1), L"Ann Lee; Cy", true));
  e2e::XKeys(L"ctrl+s");
  ASSERT_TRUE(Closes(window)) << "the mail was not sent";
  const StandInStore store = Store();
  const auto mails = store.Items("MailItem");
  const auto sent = std::find_if(mails.begin(), mails.end(), [](auto* m) { return m->Get("Sent") == "yes"; });
  ASSERT_NE(sent, mails.end());
  EXPECT_EQ((*sent)->Get("Subject"), "Quarterly figures");
  EXPECT_EQ((*sent)->Get("Body"), "See the sheet");
  EXPECT_EQ((*sent)->Get("Folder"), "Sent Items");
  const std::vector<std::string> recipients = {(*sent)->Get("Recipient1"), (*sent)->Get("Recipient1.Type"),
                                               (*sent)->Get("Recipient2"), (*sent)->Get("Recipient2.Type"),
                                               (*sent)->Get("Recipient3"), (*sent)->Get("Recipient3.Type")};
  EXPECT_EQ(recipients, (std::vector<std::string>{"Ann Lee", "1", "Cy", "1", "Bob", "2"}));
}

// The other mail program takes the e-mail through Simple MAPI: a name it does
// not know stops the send, names it and keeps the window; a send the user
// cancels keeps it too; once every name resolves the mail goes and the window
// with it. Open hands the mail to the program of "mailto:" addresses.
TEST_F(EntryRoads, TheMailProgramSendsOnlyAFullyResolvedMailAndOpensMailtoAddresses) {
  settings_[L"EMAILTYPE"] = L"1";
  ConfigureMapi("contact=ann|Ann|ann@x.org\n");
  StartBar();
  HWND window = OpenEntry(true);
  ASSERT_TRUE(window) << "no e-mail window";
  ASSERT_TRUE(TypeInto(Box(window, 0), L"Quarterly figures"));
  ASSERT_TRUE(TypeInto(Box(window, 1), L"ann, zed"));
  ASSERT_TRUE(TypeInto(Box(window, 3), L"See the sheet"));
  e2e::XKeys(L"ctrl+s");
  EXPECT_EQ(Told(window), L"The e-mail was not sent: these names could not be resolved:\r\nzed");
  EXPECT_EQ(SendLine(), "");
  EXPECT_EQ(TextOf(Box(window, 1)), L"ann, zed");

  ConfigureMapi("contact=ann|Ann|ann@x.org\ncontact=zed|Zed|zed@x.org\nsend=1\n");  // 1: the user cancels
  ClickInto(Box(window, 3));
  e2e::XKeys(L"ctrl+k");
  EXPECT_TRUE(e2e::WaitFor([&] { return TextOf(Box(window, 1)) == L"Ann;Zed"; }, 3000)) << TextOf(Box(window, 1));
  e2e::XKeys(L"ctrl+s");
  ASSERT_TRUE(e2e::WaitFor([&] { return SendLine() != ""; }, 3000));
  EXPECT_TRUE(EndsWith(SendLine(), "result=1"));
  EXPECT_EQ(WaitForBox(500), nullptr);
  EXPECT_TRUE(IsWindow(window));

  ConfigureMapi("contact=ann|Ann|ann@x.org\ncontact=zed|Zed|zed@x.org\n");
  const std::size_t cancelled = MapiLog().size();
  e2e::XKeys(L"ctrl+s");
  ASSERT_TRUE(Closes(window)) << "the mail was not sent";
  EXPECT_EQ(SendLine(cancelled),
            "MAPISendMail\tsession=7\tflags=0\tsubject=\"Quarterly figures\"\tbody=\"See the sheet\"\t"
            "recipients=1:Ann<ann@x.org>;1:Zed<zed@x.org>\tfiles=\tmessageFlags=0\tresult=0");
  EXPECT_TRUE(Store().Items("MailItem").empty());  // Outlook made nothing

  window = OpenEntry(true);
  ASSERT_TRUE(TypeInto(Box(window, 0), L"Tea & cake"));
  ASSERT_TRUE(TypeInto(Box(window, 1), L"ann"));
  ASSERT_TRUE(TypeInto(Box(window, 3), L"Bring cups"));
  e2e::XKeys(L"ctrl+o");
  ASSERT_TRUE(WaitForStarts(1));
  EXPECT_EQ(StartedPrograms()[0].program, ProgramPath(L"Mail.exe"));
  EXPECT_TRUE(EndsWith(StartedPrograms()[0].commandLine, " mailto:Ann?subject=Tea%20%26%20cake&body=Bring%20cups"))
      << StartedPrograms()[0].commandLine;
  EXPECT_TRUE(Closes(window));
}

// A search typed with a web service's keyword opens the browser on the
// service's address with the words in it; a typed address opens as it is,
// its blank escaped. Each window takes the keys as it opens.
TEST_F(EntryRoads, WebSearchesOpenTheBrowserOnTheirFilledAddress) {
  settings_[L"NEWIEWINDOW"] = L"YES";
  StartBar();
  const std::string browser = ProgramPath(L"Browser.exe");
  for (const wchar_t* typed : {L"google tea & cake", L"www.example.org/tea time"}) {
    HWND window = OpenEntry();
    ASSERT_TRUE(window) << "no window for " << Ascii(typed);
    EXPECT_TRUE(e2e::HasFocus(Box(window, 0))) << "the subject of a window just opened has no focus";
    ASSERT_TRUE(e2e::XType(typed));
    // The keys xdotool sent may still be on their way through Wine's queue.
    ASSERT_TRUE(e2e::WaitFor([&] { return TextOf(Box(window, 0)) == typed; }, 5000)) << Ascii(TextOf(Box(window, 0)));
    EXPECT_EQ(TextOf(window), L"Internet - QRV");
    e2e::XKeys(L"Return");
    EXPECT_TRUE(Closes(window));
  }
  ASSERT_TRUE(WaitForStarts(2));
  const std::vector<Started> expected = {
      {browser, "\"" + browser + "\" \"https://www.google.com/search?q=tea+%26+cake\""},
      {browser, "\"" + browser + "\" \"Http://www.example.org/tea%20time\""}};
  EXPECT_EQ(StartedPrograms(), expected);
}

// Find Contact in a window opened while another is open: the subject is
// resolved through the mail library, the contact is shown and that window
// goes; the first window keeps its text, and a name Outlook does not know
// found from its caption-bar menu is told and keeps it.
TEST_F(EntryRoads, FindContactWorksInAWindowOpenedBesideAnother) {
  Seed("[Item 1]\nClass=ContactItem\nFullName=Ann Lee\nCompanyName=Lee Ltd\n");
  ConfigureMapi("contact=ann|Ann Lee|ann@x.org\n");
  StartBar();
  HWND first = OpenEntry();
  ASSERT_TRUE(first) << "no first window";
  ASSERT_TRUE(TypeInto(Box(first, 0), L"Nobody"));
  HWND second = OpenEntry();
  ASSERT_TRUE(second) << "no second window";
  EXPECT_TRUE(e2e::HasFocus(Box(second, 0))) << "the subject of a window just opened has no focus";
  ASSERT_TRUE(e2e::XType(L"ann"));
  ASSERT_TRUE(e2e::WaitFor([&] { return TextOf(Box(second, 0)) == L"ann"; }, 3000)) << TextOf(Box(second, 0));
  e2e::XKeys(L"ctrl+f");
  ASSERT_TRUE(Closes(second)) << "the contact was not found";
  EXPECT_EQ(Stored("Item", "1").Get("Displays"), "1");
  ASSERT_TRUE(IsWindow(first));
  EXPECT_EQ(TextOf(Box(first, 0)), L"Nobody");

  ClickInto(Box(first, 0));
  const RECT rc = e2e::WindowRect(first);
  const int frame = GetSystemMetrics(SM_CXFRAME), icon = GetSystemMetrics(SM_CXSMICON);
  e2e::Click(rc.right - frame - 4 * icon - 8 + icon / 2, rc.top + frame + 2 + icon / 2);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindWindowOf(bar_.Id(), L"#32768") != nullptr; }, 3000)) << "no menu";
  e2e::PressKeys({VK_DOWN, VK_RETURN});  // "Find Contact in Subject"
  EXPECT_EQ(Told(first), L"Name not found.");
  EXPECT_TRUE(IsWindow(first));
  EXPECT_EQ(TextOf(Box(first, 0)), L"Nobody");

  // The window with text asks before it goes, so that the bar can close.
  ClickInto(Box(first, 0));
  e2e::XKeys(L"Escape");
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = e2e::FindMessageBox(bar_.Id(), L"Warning")); }, 5000));
  e2e::Answer(box, IDNO);
  EXPECT_TRUE(Closes(first));
}

}  // namespace
}  // namespace qrv::testing
