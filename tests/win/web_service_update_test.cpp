// The web-service update against site-list servers on 127.0.0.1 and the import
// of web-service files, with a plain window standing for the preferences window
// and every dialog answered by the test.
#include "prefs/web_service_update.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "components/settings.h"
#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "ui/shell.h"
#include "ui/wide.h"
#include "ui_test_support.h"

namespace qrv {
namespace {

std::string Service(const std::string& caption, const std::string& url, const std::string& hint = "h",
                    const std::string& marker = "") {
  return "S=0{k}11<CB=" + caption + "!><D=!D>" + marker + "<HINT=" + hint + "!H>|" + url;
}

std::vector<std::wstring> prompts;
std::vector<std::wstring> opened;
const std::wstring kNotFound =
    L"QRV Update site not found.\r\nIf you continue to experience this problem,\r\nplease contact the author.";

// A moment after the update dialog opened: clicks the automatic update, types
// 14 days beside it and presses Enter (or only Esc).
void AnswerUpdateDialogLater(bool yes) {
  static bool answerYes;
  answerYes = yes;
  SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(nullptr, L"Update");
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, id);
    if (answerYes) {
      SendMessageW(FindWindowExW(dialog, nullptr, L"Button", L"Automatically connect and update every"), BM_CLICK, 0,
                   0);
      SetWindowTextW(FindWindowExW(dialog, FindWindowExW(dialog, nullptr, L"Edit", nullptr), L"Edit", nullptr), L"14");
    }
    PostMessageW(GetFocus(), WM_KEYDOWN, answerYes ? VK_RETURN : VK_ESCAPE, 1);
  });
}

class WebServiceUpdate : public ::testing::Test {
 protected:
  static INTERNET_PORT Port(const char* name) {
    std::ifstream ports(std::filesystem::path(QRV_PEERS_DIR) / "ports.txt");
    std::string peer;
    int port = 0;
    while (ports >> peer >> port)
      if (peer == name) return static_cast<INTERNET_PORT>(port);
    ADD_FAILURE() << "no peer " << name;
    return 1;
  }
  static void UsePeers(const char* first, const char* second, const char* third) {
    SiteListPeers peers;
    peers.sources = {{{L"127.0.0.1", Port(first), L"/qrv/sitelist.txt"},
                      {L"127.0.0.1", Port(second), L"/qrv/sitelist.txt"},
                      {L"127.0.0.1", Port(third), L"/~qrv/sitelist.txt"}}};
    peers.httpTimeoutMs = 1500;
    peers.retryWaitsMs = {10, 10};
    SetSiteListPeers(peers);
  }
  static void Publish(const std::vector<std::string>& lines) {
    std::string body;
    for (const auto& line : lines) body += EncipherLine(line) + "\r\n";
    for (const char* folder : {"www/qrv", "www/~qrv"}) {
      const auto path = std::filesystem::path(QRV_PEERS_DIR) / folder;
      std::filesystem::create_directories(path);
      ASSERT_TRUE(WriteFileSafely(path / "sitelist.txt", body));
    }
  }

  void SetUp() override {
    prompts.clear();
    opened.clear();
    SetPromptHandler([](const std::wstring& text, MessageKind, MessageButtons buttons) {
      prompts.push_back(text);
      return buttons == MessageButtons::kYesNo ? DialogResult::kYes : DialogResult::kOk;
    });
    SetShellHandler([](const std::wstring& file, const std::wstring&, int) { opened.push_back(file); });
    owner_.SetWindowRect(100, 80, 520, 440);
    owner_.Show();
    settings_.updateDays = 45;
    UsePeers("files", "files", "files");
  }
  void TearDown() override {
    SetPromptHandler(nullptr);
    SetShellHandler(nullptr);
  }

  const std::string local_ = Service("Google", "http://old/", "Old");
  const std::string server_ = Service("Google", "https://new/", "New");
  const std::string mine_ = Service("Mine", "http://mine/", "h", "<CUST=Y>");
  Form owner_{{.caption = L"Preferences", .clientSize = {500, 400}}};
  BarSettings settings_;
};

TEST_F(WebServiceUpdate, YesMergesReportsAnnouncesAndKeepsTheScheduleNoOnlyTheSchedule) {
  Publish({"VER=3.5", "VERTEXT=Faster", server_, Service("Wiki", "https://wiki/")});
  std::vector<std::string> services = {local_, Service("Gone", "http://gone/"), mine_};
  AnswerUpdateDialogLater(true);
  // Busy from after the question until the reports are answered.
  static std::vector<bool> busyShown;
  SetPromptHandler([](const std::wstring& text, MessageKind, MessageButtons buttons) {
    prompts.push_back(text);
    EXPECT_EQ(busyShown, std::vector<bool>{true});
    return buttons == MessageButtons::kYesNo ? DialogResult::kYes : DialogResult::kOk;
  });
  EXPECT_TRUE(UpdateWebServices(owner_, services, settings_, false, [](bool busy) { busyShown.push_back(busy); }));
  EXPECT_EQ(busyShown, (std::vector<bool>{true, false}));
  EXPECT_EQ(services, (std::vector<std::string>{server_, mine_, Service("Wiki", "https://wiki/")}));
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_TRUE(Contains(Narrow(prompts[0]), "New sites: 1\r\nUpdated sites: 1\r\nOutdated sites: 1\r\nTotal sites: 3"));
  EXPECT_EQ(prompts[1], L"New version of Quorvel available.\r\nFaster\r\nLaunch QRV web site?");
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(settings_.updateCheck, 2);
  EXPECT_EQ(settings_.updateDays, 14);
  EXPECT_EQ(settings_.lastUpdate, Today());
  EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));

  // No: nothing fetched, the shown schedule (days at most 31) taken.
  settings_ = {};
  settings_.updateDays = 45;
  services = {local_};
  prompts.clear();
  AnswerUpdateDialogLater(false);
  EXPECT_FALSE(UpdateWebServices(owner_, services, settings_, false));
  EXPECT_EQ(services, std::vector<std::string>{local_});
  EXPECT_TRUE(prompts.empty());
  EXPECT_EQ(settings_.updateDays, 31);
  EXPECT_EQ(settings_.lastUpdate, Today());
}

TEST_F(WebServiceUpdate, TheReportStandsOverThePreferencesWindowWhichItKeepsDisabled) {
  Publish({server_});
  SetPromptHandler(nullptr);  // the real box
  testing::AnswerNextBox(IDOK);
  std::vector<std::string> services = {local_};
  EXPECT_TRUE(UpdateWebServices(owner_, services, settings_, true));
  const RECT window = owner_.WindowRect();
  const testing::AnsweredBox& box = testing::answeredBox;
  EXPECT_EQ(box.rect.left, window.left + 75);
  EXPECT_EQ(box.rect.top, window.top + 90);
  EXPECT_EQ(box.owner, owner_.Handle());
  EXPECT_FALSE(box.ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

TEST_F(WebServiceUpdate, SilentlyEachHostOnItsOwnAndNoReportWithoutChanges) {
  Publish({"VER=4", server_});
  std::vector<std::string> services = {server_};
  UsePeers("refused", "silent", "files");  // refused, then a time-out, then the home folder
  // A dialog shown here would wait for an answer that never comes.
  EXPECT_FALSE(UpdateWebServices(owner_, services, settings_, true));
  EXPECT_EQ(prompts, std::vector<std::wstring>{L"New version of Quorvel available.\r\nLaunch QRV web site?"});
  EXPECT_EQ(settings_.updateDays, 31);  // as the dialog would have shown it
  EXPECT_EQ(settings_.lastUpdate, Today());
}

TEST_F(WebServiceUpdate, BadAnswersLoseNothingAndSayTheSiteWasNotFound) {
  std::vector<std::string> list = {Service("Google", "javascript:alert(1)"), "VER=9"};
  for (int n = 0; n < 40; ++n) list.push_back(Service("S" + std::to_string(n), "http://s/"));
  const std::vector<std::string> before = {local_, Service("Gone", "http://gone/"), mine_};
  for (const char* first :
       {"refused", "html", "empty", "truncated", "chunked", "cut", "chunkcut", "trickle", "files"}) {
    SCOPED_TRACE(first);
    const auto start = std::chrono::steady_clock::now();
    // The files peer serves a list of no sound record: its first two lines.
    Publish(first == std::string("files") ? std::vector<std::string>(list.begin(), list.begin() + 2) : list);
    prompts.clear();
    std::vector<std::string> services = before;
    UsePeers(first, "missing", "refused");
    EXPECT_FALSE(UpdateWebServices(owner_, services, settings_, true));
    EXPECT_EQ(services, before);
    EXPECT_EQ(prompts, std::vector<std::wstring>{kNotFound});
    // Each host has 1.5 s in all, however slowly it sends.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
  }
}

TEST_F(WebServiceUpdate, LargeListsAreFetchedAndMergedWhole) {
  for (const int count : {500, 20000}) {
    std::vector<std::string> server, local;
    for (int n = 0; n < count; ++n) {
      server.push_back(Service("Site" + std::to_string(n), "https://s" + std::to_string(n) + "/"));
      local.push_back(n < count * 3 / 5 ? server.back() : Service("Site" + std::to_string(n), "http://old/"));
    }
    Publish(server);
    std::vector<std::string> services = local;
    EXPECT_TRUE(UpdateWebServices(owner_, services, settings_, true)) << count;
    EXPECT_EQ(services, server) << count;
  }
}

TEST_F(WebServiceUpdate, ImportTakesEachSoundNewCustomServiceOnceInOneReport) {
  const auto folder = std::filesystem::temp_directory_path() / "qrv-import";
  std::filesystem::create_directories(folder);
  const auto file = [&](const char* name, const std::string& record, std::size_t padding = 0) {
    EXPECT_TRUE(WriteFileSafely(folder / name, *ServiceFileBytes(record, "3.22") + std::string(padding, '\n')));
    return (folder / name).wstring();
  };
  const std::wstring good = file("good.qrv", mine_);
  const std::vector<std::wstring> paths = {good,
                                           good,
                                           file("standard.qrv", Service("Std", "http://std/")),
                                           file("unsafe.qrv", Service("U", "file:///c:/x.exe", "h", "<CUST=Y>")),
                                           file("large.qrv", Service("Big", "http://big/", "h", "<CUST=Y>"), 70000),
                                           (folder / "missing.qrv").wstring()};
  std::vector<std::string> services = {local_};
  EXPECT_EQ(ImportWebServiceFiles(owner_, paths, services), 1);
  EXPECT_EQ(services, (std::vector<std::string>{local_, mine_}));
  // Each file that gave nothing says why.
  EXPECT_EQ(prompts, std::vector<std::wstring>{L"Web services added: 1" + std::wstring(22, L' ') +
                                               L"\r\n\r\nstandard.qrv: It holds no usable web service."
                                               L"\r\nunsafe.qrv: 1 refused: no web address that can be opened safely."
                                               L"\r\nlarge.qrv: It is too large."
                                               L"\r\nmissing.qrv: It is not there."});
  // A folder is no file; a file holding only an added service says nothing more.
  prompts.clear();
  EXPECT_EQ(ImportWebServiceFiles(owner_, {folder.wstring(), good}, services), 0);
  EXPECT_EQ(prompts, std::vector<std::wstring>{L"Web services added: 0" + std::wstring(22, L' ') +
                                               L"\r\n\r\nqrv-import: It is no file."});
}

}  // namespace
}  // namespace qrv
