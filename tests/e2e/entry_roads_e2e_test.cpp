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

std::wstring TextOf(HWND window) {
  wchar_t text[512]{};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The bar with the stand-in Simple MAPI library beside it (installed as the
// system's mail library, its answers and log in the test's folder).
class EntryRoads : public BarWithOutlook {
 protected:
  void SetUp() override {
    BarWithOutlook::SetUp();
    SetText(HKEY_LOCAL_MACHINE, kMessaging, L"MAPI", L"1");
    mapiConfig_ = programs_ + L"\\mapi.ini";
    mapiLog_ = programs_ + L"\\mapi.log";
    SetEnvironmentVariableW(L"QRV_MAPI_CONFIG", mapiConfig_.c_str());
    SetEnvironmentVariableW(L"QRV_MAPI_LOG", mapiLog_.c_str());
  }
  void TearDown() override {
    BarWithOutlook::TearDown();
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

  // An Information Item window from the collapsed strip, in front; with
  // `email` turned into an e-mail by its key.
  HWND OpenEntry(bool email = false) {
    e2e::Click(2, top_ + 250);
    HWND window = nullptr;
    e2e::WaitFor([&] { return (window = FindWindowW(nullptr, L"Task - QRV")) && GetForegroundWindow() == window; },
                 5000);
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
    const std::wstring text = e2e::MessageText(box);
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

}  // namespace
}  // namespace qrv::testing
