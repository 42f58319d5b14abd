// How long the preferences window takes from being asked for its Keywords page
// to showing it, under Wine: a new window each run, its pages loaded from the
// settings and the factory keyword list, the grid filled and painted. The
// median of several runs, printed in milliseconds. Run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
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
  bool UpdateWebServices(qrv::Form&, std::vector<std::string>&, bool) override { return false; }
  int ImportWebServiceFiles(qrv::Form&, const std::vector<std::wstring>&, std::vector<std::string>&) override {
    return 0;
  }
  void PreferencesClosed(bool) override { open = false; }
  bool open = false;
};

double OpenKeywordsPageMs(qrv::Form& bar, const qrv::PreferencesData& data, QuietActions& actions) {
  const auto start = std::chrono::steady_clock::now();
  auto& window = bar.CreateOwned<qrv::PreferencesWindow>(data, actions);
  actions.open = true;
  window.Show();
  window.OpenPages();
  window.ShowTab(qrv::PreferencesTab::kKeywords);
  UpdateWindow(window.Handle());
  qrv::Application::Get().ProcessMessages();
  const auto end = std::chrono::steady_clock::now();
  window.Close();
  qrv::Application::Get().RunUntil([&] { return !actions.open; });
  qrv::Application::Get().ProcessMessages();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
  constexpr int kRuns = 21;
  qrv::Form& bar =
      qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"bar", .clientSize = {40, 300}});
  bar.Show();
  qrv::BarSettings settings;
  const std::vector<std::string> keywords = qrv::LoadKeywordFiles(qrv::ProgramFolder(), {}).keywordList;
  const std::vector<std::string> journalTypes{"Phone call", "Meeting", "E-mail message"}, icons;
  const bool noteFound = false;
  const qrv::ImageList images{16, 16};
  const qrv::PreferencesData data{settings, keywords, journalTypes, icons, noteFound, images, qrv::ProgramFolder()};
  QuietActions actions;
  OpenKeywordsPageMs(bar, data, actions);  // classes registered, libraries loaded
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) times.push_back(OpenKeywordsPageMs(bar, data, actions));
  std::sort(times.begin(), times.end());
  std::printf(
      "preferences window opened on its Keywords page (%zu keywords): median %.2f ms (min %.2f, max %.2f, %d runs)\n",
      keywords.size(), times[kRuns / 2], times.front(), times.back(), kRuns);
  return 0;
}
