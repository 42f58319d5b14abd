// The web-service update against site-list servers on 127.0.0.1 (good lists and
// bad answers) and the import of web-service files, with a plain window as the
// preferences window and the dialogs answered by the test.
#include "bar/web_service_update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bar/settings.h"
#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "ui/shell.h"
#include "ui/wide.h"
#include "ui_test_support.h"

namespace qrv {
namespace {

std::string Service(const std::string& keyword, const std::string& caption, const std::string& hint,
                    const std::string& url, bool custom = false) {
  return "S=0{" + keyword + "}11<CB=" + caption + "!><D=!D>" + (custom ? "<CUST=Y>" : "") + "<HINT=" + hint + "!H>|" +
         url;
}

struct Prompt {
  std::wstring text;
  MessageButtons buttons;
};
std::vector<Prompt> prompts;
std::vector<std::wstring> opened;
DialogResult versionAnswer = DialogResult::kNo;

// What the user sees of the update dialog once it is up, and the answer given.
struct DialogVisit {
  bool seen = false;
  RECT rect{};
  bool remindChecked = false;
  std::wstring remindDays;
  std::wstring automaticDays;
};
DialogVisit visit;
std::wstring chosenMode;  // the text of the radio button to click; empty: none
std::wstring typedDays;   // typed into the edit beside the chosen mode
WPARAM answerKey = VK_RETURN;

HWND FindOwnWindow(const wchar_t* caption) {
  struct Search {
    const wchar_t* caption;
    HWND found;
  } search{caption, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lp) {
        auto& s = *reinterpret_cast<Search*>(lp);
        wchar_t text[64]{};
        GetWindowTextW(window, text, 64);
        if (IsWindowVisible(window) && std::wstring(text) == s.caption) s.found = window;
        return s.found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[64]{};
  GetWindowTextW(window, text, 64);
  return text;
}

// Answers the update dialog a moment after it opened: notes what it shows,
// clicks the chosen mode, types the days and presses Enter or Esc.
void AnswerUpdateDialogLater() {
  SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindOwnWindow(L"Update");
    if (!dialog) return;
    KillTimer(nullptr, id);
    visit.seen = true;
    GetWindowRect(dialog, &visit.rect);
    HWND remind = FindWindowExW(dialog, nullptr, L"Button", L"Remind me to update web services every");
    visit.remindChecked = SendMessageW(remind, BM_GETCHECK, 0, 0) == BST_CHECKED;
    HWND remindEdit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    HWND automaticEdit = FindWindowExW(dialog, remindEdit, L"Edit", nullptr);
    visit.remindDays = TextOf(remindEdit);
    visit.automaticDays = TextOf(automaticEdit);
    if (!chosenMode.empty()) {
      HWND mode = FindWindowExW(dialog, nullptr, L"Button", chosenMode.c_str());
      SendMessageW(mode, BM_CLICK, 0, 0);
      if (!typedDays.empty())
        SetWindowTextW(Contains(Narrow(chosenMode), "Remind") ? remindEdit : automaticEdit, typedDays.c_str());
    }
    PostMessageW(GetFocus(), WM_KEYDOWN, answerKey, 1);
  });
}

class WebServiceUpdate : public ::testing::Test {
 protected:
  static std::filesystem::path PeersFolder() { return QRV_PEERS_DIR; }
  static INTERNET_PORT Port(const char* name) {
    std::ifstream ports(PeersFolder() / "ports.txt");
    std::string peer;
    int port = 0;
    while (ports >> peer >> port)
      if (peer == name) return static_cast<INTERNET_PORT>(port);
    ADD_FAILURE() << "no peer " << name;
    return 1;
  }
  // The three hosts, each one of the peers by name.
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
    std::vector<std::string> enciphered;
    for (const auto& line : lines) enciphered.push_back(EncipherLine(line));
    for (const char* folder : {"www/qrv", "www/~qrv"}) {
      std::filesystem::create_directories(PeersFolder() / folder);
      ASSERT_TRUE(WriteFileSafely(PeersFolder() / folder / "sitelist.txt", JoinLines(enciphered)));
    }
  }

  void SetUp() override {
    prompts.clear();
    opened.clear();
    visit = {};
    chosenMode.clear();
    typedDays.clear();
    answerKey = VK_RETURN;
    versionAnswer = DialogResult::kNo;
    SetPromptHandler([](const std::wstring& text, MessageKind, MessageButtons buttons) {
      prompts.push_back({text, buttons});
      return buttons == MessageButtons::kYesNo ? versionAnswer : DialogResult::kOk;
    });
    SetShellHandler([](const std::wstring& file, const std::wstring&, int) { opened.push_back(file); });
    owner_ = std::make_unique<Form>(FormArgs{.caption = L"Preferences", .clientSize = {500, 400}});
    owner_->SetWindowRect(100, 80, 520, 440);
    owner_->Show();
    settings_.updateCheck = 1;
    settings_.updateDays = 7;
    settings_.lastUpdate = {2001, 1, 1};
    UsePeers("files", "files", "files");
  }
  void TearDown() override {
    SetPromptHandler(nullptr);
    SetShellHandler(nullptr);
  }

  const std::string localGoogle_ = Service("goo", "Google", "Old hint", "http://old.example/?q=<QRV!>");
  const std::string serverGoogle_ = Service("g", "Google", "New hint", "https://new.example/?q=<QRV!>");
  const std::string outdated_ = Service("x", "Gone", "x", "http://gone.example/");
  const std::string mine_ = Service("m", "Mine", "x", "http://mine.example/", true);
  const std::string wiki_ = Service("w", "Wiki", "w", "https://wiki.example/<QRV!>");
  std::unique_ptr<Form> owner_;
  BarSettings settings_;
};

TEST_F(WebServiceUpdate, AskedFirstThenMergedReportedAndTheChosenScheduleKept) {
  Publish({"VER=3.5", "VERTEXT=Faster search", serverGoogle_, wiki_});
  std::vector<std::string> services = {localGoogle_, outdated_, mine_};
  settings_.updateDays = 45;
  chosenMode = L"Automatically connect and update every";
  typedDays = L"14";
  versionAnswer = DialogResult::kYes;
  AnswerUpdateDialogLater();
  EXPECT_TRUE(UpdateWebServices(*owner_, services, settings_, false));

  // The dialog showed the schedule (days at most 31), centred over the window, 8 pixels above its bottom.
  EXPECT_TRUE(visit.seen);
  EXPECT_TRUE(visit.remindChecked);
  EXPECT_EQ(visit.remindDays, L"31");
  EXPECT_EQ(visit.automaticDays, L"31");
  const RECT window = owner_->WindowRect();
  EXPECT_EQ(visit.rect.bottom, window.bottom - 8);
  EXPECT_LE(std::abs((visit.rect.left + visit.rect.right) - (window.left + window.right)), 1);

  EXPECT_EQ(services, (std::vector<std::string>{Service("goo", "Google", "New hint", "https://new.example/?q=<QRV!>"),
                                                mine_, wiki_}));
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_TRUE(Contains(Narrow(prompts[0].text),
                       "New sites: 1\r\nUpdated sites: 1\r\nOutdated sites: 1\r\n"
                       "Total sites: 3"));
  EXPECT_EQ(prompts[1].text, L"New version of Quorvel available.\r\nFaster search\r\nLaunch QRV web site?");
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(settings_.updateCheck, 2);
  EXPECT_EQ(settings_.updateDays, 14);
  EXPECT_EQ(settings_.lastUpdate, Today());
  EXPECT_TRUE(IsWindowEnabled(owner_->Handle()));
}

TEST_F(WebServiceUpdate, NoFetchesNothingButTakesTheScheduleAndTheDate) {
  Publish({serverGoogle_, wiki_});
  std::vector<std::string> services = {localGoogle_};
  chosenMode = L"I will select UPDATE when I want to update web services.";
  answerKey = VK_ESCAPE;
  AnswerUpdateDialogLater();
  EXPECT_FALSE(UpdateWebServices(*owner_, services, settings_, false));
  EXPECT_TRUE(visit.seen);
  EXPECT_EQ(services, std::vector<std::string>{localGoogle_});
  EXPECT_TRUE(prompts.empty());
  EXPECT_EQ(settings_.updateCheck, 3);
  EXPECT_EQ(settings_.updateDays, 7);
  EXPECT_EQ(settings_.lastUpdate, Today());
}

TEST_F(WebServiceUpdate, SilentUpdateAsksNothingReportsNoChangeButAnnouncesANewVersion) {
  Publish({"VER=4", serverGoogle_});
  std::vector<std::string> services = {serverGoogle_};
  settings_.updateCheck = 2;
  // A dialog shown here would wait for an answer that never comes.
  EXPECT_FALSE(UpdateWebServices(*owner_, services, settings_, true));
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, L"New version of Quorvel available.\r\nLaunch QRV web site?");
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(settings_.updateCheck, 2);
  EXPECT_EQ(settings_.lastUpdate, Today());
}

TEST_F(WebServiceUpdate, EachHostIsTriedOnItsOwnAfterARefusalOrATimeOut) {
  Publish({serverGoogle_});
  std::vector<std::string> services = {localGoogle_};
  UsePeers("refused", "silent", "files");
  EXPECT_TRUE(UpdateWebServices(*owner_, services, settings_, true));
  EXPECT_EQ(services, std::vector<std::string>{Service("goo", "Google", "New hint", "https://new.example/?q=<QRV!>")});
}

TEST_F(WebServiceUpdate, BadAnswersLoseNothingAndSayTheSiteWasNotFound) {
  std::vector<std::string> lines = {Service("j", "Google", "x", "javascript:alert(1)"), "VER=9"};
  for (int n = 0; n < 40; ++n)
    lines.push_back(Service("k" + std::to_string(n), "S" + std::to_string(n), "h", "http://s/"));
  const std::vector<std::string> before = {localGoogle_, outdated_, mine_};
  const std::pair<std::vector<const char*>, bool> cases[] = {
      {{"refused", "refused", "refused"}, false}, {{"html", "missing", "missing"}, false},
      {{"empty", "refused", "refused"}, false},   {{"truncated", "refused", "refused"}, false},
      {{"files", "files", "files"}, true},  // a list of no sound record: the first two lines only
  };
  for (const auto& [peers, unsound] : cases) {
    SCOPED_TRACE(peers[0]);
    Publish(unsound ? std::vector<std::string>(lines.begin(), lines.begin() + 2) : lines);
    prompts.clear();
    std::vector<std::string> services = before;
    UsePeers(peers[0], peers[1], peers[2]);
    EXPECT_FALSE(UpdateWebServices(*owner_, services, settings_, true));
    EXPECT_EQ(services, before);
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text,
              L"QRV Update site not found.\r\nIf you continue to experience this problem,\r\nplease contact the "
              L"author.");
    EXPECT_EQ(settings_.lastUpdate, Today());
  }
}

TEST_F(WebServiceUpdate, FiveHundredRecordsFetchedAndMergedWellUnderTheBudget) {
  std::vector<std::string> server, local;
  for (int n = 0; n < 500; ++n) {
    const std::string name = "Site" + std::to_string(n);
    server.push_back(Service("k" + std::to_string(n), name, "Hint " + name, "https://" + name + ".example/<QRV!>"));
    if (n < 250)
      local.push_back(server.back());
    else if (n < 450)
      local.push_back(Service("k", name, "Old", "http://old.example/"));
  }
  for (int n = 0; n < 50; ++n) local.push_back(Service("d", "Dropped" + std::to_string(n), "h", "http://d/"));
  Publish(server);
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    std::vector<std::string> services = local;
    prompts.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(UpdateWebServices(*owner_, services, settings_, true));
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    EXPECT_EQ(services.size(), 500u);
    EXPECT_TRUE(Contains(Narrow(prompts.at(0).text), "New sites: 50\r\nUpdated sites: 200\r\nOutdated sites: 50"));
  }
  std::sort(times.begin(), times.end());
  std::printf("site list update, 500 records: median %.1f ms\n", times[2]);
  EXPECT_LE(times[2], 200.0);
}

// --- web-service files -------------------------------------------------------------------

TEST_F(WebServiceUpdate, ImportTakesEachSoundNewCustomServiceOnceWithOneReport) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qrv-import";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto file = [&](const char* name, const std::string& record) {
    const auto path = folder / name;
    EXPECT_TRUE(WriteFileSafely(path, *ServiceFileBytes(record, "3.22")));
    return path.wstring();
  };
  const std::wstring good = file("good.qrv", mine_);
  const std::wstring standard = file("standard.qrv", wiki_);
  const std::wstring unsafe = file("unsafe.qrv", Service("u", "U", "x", "file:///c:/windows/notepad.exe", true));
  const std::wstring large = (folder / "large.qrv").wstring();
  ASSERT_TRUE(WriteFileSafely(
      large, *ServiceFileBytes(Service("b", "Big", "x", "http://big/", true), "3.22") + std::string(70 * 1024, '\n')));
  std::vector<std::string> services = {localGoogle_};
  const std::vector<std::wstring> paths = {good, good, standard, unsafe, large, (folder / "missing.qrv").wstring()};
  EXPECT_EQ(ImportWebServiceFiles(*owner_, paths, services), 1);
  EXPECT_EQ(services, (std::vector<std::string>{localGoogle_, mine_}));
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, L"Web services added: 1" + std::wstring(22, L' '));
  prompts.clear();
  EXPECT_EQ(ImportWebServiceFiles(*owner_, {good}, services), 0);
  EXPECT_EQ(prompts.at(0).text, L"Web services added: 0" + std::wstring(22, L' '));
}

}  // namespace
}  // namespace qrv
