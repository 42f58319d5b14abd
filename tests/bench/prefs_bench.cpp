// How long the preferences window takes to open under Wine, as the bar opens
// it: on its about face, and straight on its Keywords page (its pages loaded
// from the settings and the factory keyword list, the grid filled), a new
// window each run, shown and painted. The median of several runs, printed in
// milliseconds. Run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/keyword_file.h"
#include "prefs/preferences_window.h"
#include "ui/app.h"
#include "ui/program_file.h"

namespace {

// A program that keeps nothing: the window's own work is what is timed.
class QuietActions : public qrv::PreferencesActions {
 public:
  void ShowHelp(int) override {}
  void ClaimAssociation() override {}
  std::vector<std::string> CategoryNames() override { return {"Business", "Personal"}; }
  qrv::SaveContext SaveContextNow() const override { return {}; }
  bool StoreSettings(const qrv::SettingsWrite&) override { return true; }
  bool UpdateWebServices(qrv::Form&, std::vector<std::string>&, qrv::BarSettings&, bool,
                         const qrv::BusyShown&) override {
    return false;
  }
  int ImportWebServiceFiles(qrv::Form&, const std::vector<std::wstring>&, std::vector<std::string>&) override {
    return 0;
  }
  void PreferencesClosed(bool) override { open = false; }
  bool open = false;
};

// Opens a window, on the Keywords page or on the about face, and answers the
// time until it was painted.
double OpenMs(qrv::Form& bar, const qrv::PreferencesData& data, QuietActions& actions, bool keywordsPage) {
  const auto start = std::chrono::steady_clock::now();
  auto& window = bar.CreateOwned<qrv::PreferencesWindow>(data, actions);
  actions.open = true;
  window.Show();
  if (keywordsPage) window.OpenPages(qrv::PreferencesTab::kKeywords);
  UpdateWindow(window.Handle());
  qrv::Application::Get().ProcessMessages();
  const auto end = std::chrono::steady_clock::now();
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

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The keyword dialog, once it shows, is answered with OK (a keyword typed into
// an empty one): the clock starts at that click.
std::chrono::steady_clock::time_point okPressed;

void CALLBACK PressOk(HWND, UINT, UINT_PTR, DWORD) {
  HWND field = GetFocus();
  HWND dialog = field ? GetAncestor(field, GA_ROOT) : nullptr;
  HWND ok = dialog ? FindWindowExW(dialog, nullptr, L"Button", L"OK") : nullptr;
  if (!ok || !IsWindowEnabled(dialog)) return;
  if (GetWindowTextLengthW(field) == 0) SetWindowTextW(field, L"ADDED");
  okPressed = std::chrono::steady_clock::now();
  SendMessageW(ok, BM_CLICK, 0, 0);
}

// The keyword grid with thousands of rows: the whole list shown at once, and
// one row added, modified, removed or moved, each painted before the clock
// stops (an edit's clock starts at its dialog's OK).
void MeasureLargeGrid(qrv::Form& bar, qrv::BarSettings& settings, QuietActions& actions) {
  std::vector<std::string> keywords;
  for (int n = 0; n < 5000; ++n) keywords.push_back("K=0{KEY" + std::to_string(n) + "}1");
  for (int n = 0; n < 20000; ++n)
    keywords.push_back("S=0{s" + std::to_string(n) + "}11<CB=Service " + std::to_string(n) +
                       "!><D=!D><CUST=Y><HINT=Search!H>|https://s.example/?q=<QRV!>");
  const std::vector<std::string> journalTypes, icons;
  const bool noteFound = false;
  const qrv::ImageList images{16, 16};
  const qrv::PreferencesData data{settings, keywords, journalTypes, icons, noteFound, images, qrv::ProgramFolder()};
  auto& window = bar.CreateOwned<qrv::PreferencesWindow>(data, actions);
  actions.open = true;
  window.Show();
  window.OpenPages(qrv::PreferencesTab::kKeywords);
  qrv::KeywordsPage& page = window.Keywords();
  const auto painted = [&] {
    UpdateWindow(window.Handle());
    qrv::Application::Get().ProcessMessages();
  };
  painted();
  auto start = std::chrono::steady_clock::now();
  page.ShowList(qrv::KeywordListKind::kInternet);
  painted();
  std::printf("keyword grid filled with 20,000 web services: %.1f ms\n", MsSince(start));
  page.ShowList(qrv::KeywordListKind::kItems);
  painted();
  std::vector<double> adds, modifications, moves, removals;
  const UINT_PTR answer = SetTimer(nullptr, 0, 20, PressOk);
  for (int run = 0; run < 11; ++run) {
    page.Grid().SetSelection(2500);
    page.ModifyButton().Click();
    painted();
    modifications.push_back(MsSince(okPressed));
    start = std::chrono::steady_clock::now();
    page.MoveDownButton().Click();
    painted();
    moves.push_back(MsSince(start));
    start = std::chrono::steady_clock::now();
    page.RemoveButton().Click();
    painted();
    removals.push_back(MsSince(start));
    page.AddButton().Click();
    painted();
    adds.push_back(MsSince(okPressed));
  }
  KillTimer(nullptr, answer);
  for (auto* times : {&adds, &modifications, &moves, &removals}) std::sort(times->begin(), times->end());
  std::printf("one row of 5,000 added: median %.2f ms; modified: %.2f ms; moved: %.2f ms; removed: %.2f ms\n", adds[5],
              modifications[5], moves[5], removals[5]);
  window.Close();
  qrv::Application::Get().RunUntil([&] { return !actions.open; });
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
  MeasureLargeGrid(bar, settings, actions);
  return 0;
}
