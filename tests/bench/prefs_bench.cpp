// How long the preferences window takes to open under Wine, as the bar opens
// it: on its about face, and straight on its Keywords page (its pages loaded
// from the settings and the factory keyword list, the grid filled), a new
// window each run, shown and painted; then the keyword grid with thousands of
// rows, and the web-service update against a site list of 20,000 services
// served on this machine. Medians of several runs, printed in milliseconds.
// Run with `make bench`.
#include <windows.h>
#include <winsock2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/keyword_file.h"
#include "core/text.h"
#include "prefs/preferences_window.h"
#include "prefs/web_service_update.h"
#include "tests/bench/bench_timing.h"
#include "tests/support/site_list_server.h"
#include "ui/app.h"
#include "ui/program_file.h"

using namespace qrv::bench;

namespace {

// A program that keeps nothing: the window's own work is what is timed (the
// update is the program's own).
class QuietActions : public qrv::PreferencesActions {
 public:
  void ShowHelp(int) override {}
  void ClaimAssociation() override {}
  std::vector<std::string> CategoryNames() override { return {"Business", "Personal"}; }
  qrv::SaveContext SaveContextNow() const override { return {}; }
  bool StoreSettings(const qrv::SettingsWrite&) override { return true; }
  void PreferencesClosed(bool) override { open = false; }
  bool open = false;
};

// Opens a window, on the Keywords page or on the about face, and answers the
// time until it was painted.
double OpenMs(qrv::Form& bar, const qrv::PreferencesData& data, QuietActions& actions, bool keywordsPage) {
  const auto start = Clock::now();
  auto& window = bar.CreateOwned<qrv::PreferencesWindow>(data, actions);
  actions.open = true;
  window.Show();
  if (keywordsPage) window.OpenPages(qrv::PreferencesTab::kKeywords);
  UpdateWindow(window.Handle());
  qrv::Application::Get().ProcessMessages();
  const auto end = Clock::now();
  window.Close();
  qrv::Application::Get().RunUntil([&] { return !actions.open; });
  qrv::Application::Get().ProcessMessages();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

void Measure(const char* what, qrv::Form& bar, const qrv::PreferencesData& data, QuietActions& actions,
             bool keywordsPage) {
  constexpr int kRuns = 21;
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) times.push_back(OpenMs(bar, data, actions, keywordsPage));
  std::sort(times.begin(), times.end());
  std::printf("preferences window opened %s: median %.2f ms (min %.2f, max %.2f, %d runs)\n", what, times[kRuns / 2],
              times.front(), times.back(), kRuns);
}

// A keyword dialog or a report of the preferences window, once it shows, is
// answered with OK (a keyword typed into an empty field), or with Cancel when
// asked: an edit's clock starts at that click. The preferences window's own OK
// is never pressed.
HWND preferences;
const wchar_t* answerButton = L"OK";
Clock::time_point answered;

void CALLBACK PressOk(HWND, UINT, UINT_PTR, DWORD) {
  HWND field = GetFocus();
  HWND dialog = field ? GetAncestor(field, GA_ROOT) : nullptr;
  HWND button = dialog ? FindWindowExW(dialog, nullptr, L"Button", answerButton) : nullptr;
  if (!button || !IsWindowEnabled(dialog) || GetWindow(dialog, GW_OWNER) != preferences) return;
  if (GetWindowTextLengthW(field) == 0) SetWindowTextW(field, L"ADDED");
  answered = Clock::now();
  SendMessageW(button, BM_CLICK, 0, 0);
}

// The window on its Keywords page, with `keywords` for the keyword list.
struct OpenWindow {
  OpenWindow(qrv::Form& bar, qrv::BarSettings& settings, QuietActions& actions, std::vector<std::string> list)
      : keywords(std::move(list)),
        data{settings, keywords, journalTypes, icons, noteFound, images, qrv::ProgramFolder()},
        window(bar.CreateOwned<qrv::PreferencesWindow>(data, actions)),
        actions(actions) {
    preferences = window.Handle();
    actions.open = true;
    window.Show();
    window.OpenPages(qrv::PreferencesTab::kKeywords);
    Paint();
  }
  ~OpenWindow() {
    window.Close();
    qrv::Application::Get().RunUntil([&] { return !actions.open; });
    qrv::Application::Get().ProcessMessages();
  }
  void Paint() {
    UpdateWindow(window.Handle());
    qrv::Application::Get().ProcessMessages();
  }

  const std::vector<std::string> keywords, journalTypes, icons;
  const bool noteFound = false;
  const qrv::ImageList images{16, 16};
  const qrv::PreferencesData data;
  qrv::PreferencesWindow& window;
  QuietActions& actions;
};

std::string Service(int n, const std::string& url, const std::string& marker = "") {
  return "S=0{s" + std::to_string(n) + "}11<CB=Service " + std::to_string(n) + "!><D=!D>" + marker +
         "<HINT=Search!H>|" + url + "?q=<QRV!>";
}

// The keyword grid with thousands of rows: the whole list shown at once, and
// one row of `rows` added, modified, removed or moved, each through its button
// and painted before the clock stops (an edit's clock starts at its dialog's
// OK, so it holds the dialog's close too: the close alone is timed as the
// dialog is cancelled). Measured with 5,000 rows and with a screenful, what a
// long list costs more is the difference.
void MeasureGridEdits(qrv::Form& bar, qrv::BarSettings& settings, QuietActions& actions, int rows) {
  std::vector<std::string> keywords;
  for (int n = 0; n < rows; ++n) keywords.push_back("K=0{KEY" + std::to_string(n) + "}1");
  for (int n = 0; n < 20000; ++n) keywords.push_back(Service(n, "https://s.example/", "<CUST=Y>"));
  OpenWindow open(bar, settings, actions, keywords);
  qrv::KeywordsPage& page = open.window.Keywords();
  auto start = Clock::now();
  page.ShowList(qrv::KeywordListKind::kInternet);
  open.Paint();
  if (rows > 100) std::printf("keyword grid filled with 20,000 web services: %.1f ms\n", Ms(start));
  page.ShowList(qrv::KeywordListKind::kItems);
  open.Paint();
  std::vector<double> adds, modifications, movesDown, movesUp, removals, cancels;
  const auto timed = [&](qrv::Button& button, std::vector<double>& times) {
    start = Clock::now();
    button.Click();
    open.Paint();
    times.push_back(Ms(start));
  };
  const UINT_PTR answer = SetTimer(nullptr, 0, 20, PressOk);
  for (int run = 0; run < 11; ++run) {
    page.Grid().SetSelection(rows / 2);
    page.ModifyButton().Click();
    open.Paint();
    modifications.push_back(Ms(answered));
    timed(page.MoveDownButton(), movesDown);
    timed(page.MoveUpButton(), movesUp);
    timed(page.RemoveButton(), removals);
    page.AddButton().Click();
    open.Paint();
    adds.push_back(Ms(answered));
    answerButton = L"Cancel";
    page.ModifyButton().Click();
    open.Paint();
    cancels.push_back(Ms(answered));
    answerButton = L"OK";
  }
  KillTimer(nullptr, answer);
  std::printf(
      "one row of %d added: median %.2f ms; modified: %.2f ms; moved down: %.2f ms; moved up: %.2f ms; "
      "removed: %.2f ms; the dialog cancelled: %.2f ms\n",
      rows, Median(adds), Median(modifications), Median(movesDown), Median(movesUp), Median(removals), Median(cancels));
}

// The scheduled update on the Keywords page showing the user's 20,000 web
// services, against a site list of as many: a third unchanged, a third with a
// new address, a third gone and as many new. The clock runs from the start
// through the download, the merge, its report (answered by the timer) and the
// grid's refill until it is painted.
int MeasureUpdate(qrv::Form& bar, qrv::BarSettings& settings, QuietActions& actions) {
  constexpr int kServices = 20000;
  std::vector<std::string> listed;
  std::vector<std::string> keywords;
  listed.reserve(kServices);
  keywords.reserve(kServices);
  for (int n = 0; n < kServices; ++n) {
    listed.push_back(Service(n, "https://new.example/"));
    keywords.push_back(n % 3 == 0   ? Service(n, "https://new.example/")
                       : n % 3 == 1 ? Service(n, "http://old.example/")
                                    : Service(n + kServices, "http://gone.example/"));
  }
  const qrv::testing::SiteListServer server(listed);
  qrv::SiteListPeers peers;
  for (qrv::HttpSource& source : peers.sources) source = {L"127.0.0.1", server.Port(), L"/qrv/sitelist.txt"};
  qrv::SetSiteListPeers(peers);
  std::vector<double> times;
  const UINT_PTR answer = SetTimer(nullptr, 0, 20, PressOk);
  for (int run = 0; run < 5; ++run) {
    OpenWindow open(bar, settings, actions, keywords);
    open.window.Keywords().ShowList(qrv::KeywordListKind::kInternet);
    open.Paint();
    const auto start = Clock::now();
    open.window.RunUpdate(true);
    open.Paint();
    times.push_back(Ms(start));
    const std::vector<std::string>& services = open.window.Keywords().Lists().webServices;
    if (std::any_of(services.begin(), services.end(),
                    [](const std::string& s) { return qrv::Contains(s, "old.example"); })) {
      std::printf("the update did not reach the working list\n");
      return 1;
    }
  }
  KillTimer(nullptr, answer);
  std::printf("update against a site list of 20,000 web services (report answered within 20 ms): median %.1f ms\n",
              Median(times));
  return 0;
}

}  // namespace

int main() {
  qrv::Form& bar =
      qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"bar", .clientSize = {40, 300}});
  bar.Show();
  qrv::BarSettings settings;
  // The factory keywords, as a new installation has them; the program's pictures are compiled in.
  const std::vector<std::string> keywords = qrv::LoadKeywordFiles(QRV_ASSETS_DIR, {}).keywordList;
  const std::vector<std::string> journalTypes{"Phone call", "Meeting", "E-mail message"}, icons;
  const bool noteFound = false;
  const qrv::ImageList images{16, 16};
  const qrv::PreferencesData data{settings, keywords, journalTypes, icons, noteFound, images, qrv::ProgramFolder()};
  QuietActions actions;
  OpenMs(bar, data, actions, true);  // classes registered, libraries loaded
  Measure("in its about view", bar, data, actions, false);
  const std::string keywordsPage = "on its Keywords page (" + std::to_string(keywords.size()) + " keywords)";
  Measure(keywordsPage.c_str(), bar, data, actions, true);
  MeasureGridEdits(bar, settings, actions, 5000);
  MeasureGridEdits(bar, settings, actions, 16);
  const int result = MeasureUpdate(bar, settings, actions);
  // The forms go while what they show is still here.
  qrv::Application::Get().DestroyForms();
  return result;
}
