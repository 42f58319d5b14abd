#include "bar/bar_preferences.h"

#include <utility>

#include "bar/bar_files.h"
#include "bar/bar_types.h"
#include "components/settings.h"
#include "core/bar_windows.h"
#include "help/help_viewer.h"
#include "outlook/outlook_categories.h"
#include "ui/dialogs.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// The update mode that runs without asking.
constexpr int kAutomaticUpdate = 2;

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

}  // namespace

BarPreferences::BarPreferences(Form& bar, BarData& data, std::function<void()> settingsChanged)
    : bar_(bar), data_(data), settingsChanged_(std::move(settingsChanged)), updateCheck_(bar, kUpdateCheckIntervalMs) {
  updateCheck_.onTimer = [this] { ShowDueUpdate(); };
}

void BarPreferences::Show(PreferencePage page) {
  if (!ready_) {
    pendingPage_ = page;
    return;
  }
  // No scheduled update starts while the window is open; it runs again when it closes.
  updateCheck_.SetEnabled(false);
  if (!prefs_) {
    prefs_ = &bar_.CreateOwned<PreferencesWindow>(prefsData_, static_cast<PreferencesActions&>(*this));
    Place(*prefs_);
  }
  PreferencesWindow& prefs = *prefs_;
  prefs.Show();
  switch (page) {
    case PreferencePage::kGeneral:
      break;
    case PreferencePage::kKeywords:
      // Pages the user has open keep their unsaved edits.
      if (!prefs.PagesShown())
        prefs.OpenPages(PreferencesTab::kKeywords);
      else
        prefs.ShowTab(PreferencesTab::kKeywords);
      break;
    case PreferencePage::kUpdate:
      data_.silentUpdate = data_.settings.updateCheck == kAutomaticUpdate;
      prefs.RunScheduledUpdate(data_.silentUpdate);
      data_.silentUpdate = false;
      break;
    case PreferencePage::kImport:
      BringToFront(bar_.Handle());
      BringToFront(prefs.Handle());
      if (!prefs.PagesShown()) prefs.ShowWebServices();
      break;
  }
}

void BarPreferences::ImportFile(const std::wstring& path) {
  if (!ready_) {
    pendingFiles_.push_back(path);
    return;
  }
  Show(PreferencePage::kImport);
  try {
    if (prefs_) prefs_->ImportFiles({path});
  } catch (const std::exception& e) {
    ShowMessage(Widen(e.what()), MessageKind::kError, MessageButtons::kOk, {.owner = bar_.Handle()});
  }
}

void BarPreferences::ServeWaiting() {
  if (const auto page = std::exchange(pendingPage_, std::nullopt)) Show(*page);
  for (const auto& path : std::exchange(pendingFiles_, {})) ImportFile(path);
}

bool BarPreferences::WindowOpen() const { return prefsWindow_ && IsWindow(prefsWindow_); }

void BarPreferences::Place(Form& prefs) {
  prefsWindow_ = prefs.Handle();
  const RECT r = prefs.WindowRect();
  prefs.SetWindowRect(bar_.Scale(kBesideBarLeft), bar_.WindowRect().top, WidthOf(r), HeightOf(r));
}

void BarPreferences::ShowDueUpdate() {
  const BarSettings& settings = data_.settings;
  if (ChecksForUpdates(settings.updateCheck) && Today() >= AddDays(settings.lastUpdate, settings.updateDays))
    Show(PreferencePage::kUpdate);
}

// --- what the window asks of the program ----------------------------------------------

void BarPreferences::ShowHelp(int page) { qrv::ShowHelp(bar_, page); }

void BarPreferences::ClaimAssociation() { CheckAssociation("YES", prefs_ ? prefs_->Handle() : bar_.Handle()); }

std::vector<std::string> BarPreferences::CategoryNames() {
  data_.categoryNames = ReadCategoryNames();
  return data_.categoryNames;
}

SaveContext BarPreferences::SaveContextNow() const {
  const BarSettings& s = data_.settings;
  std::string folder = Narrow(ProgramFolder().wstring());
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return {.programFolder = folder,
          .barTop = bar_.WindowRect().top,
          .updateCheck = s.updateCheck,
          .updateDays = s.updateDays,
          .lastUpdateText = FormatShortDate(s.lastUpdate, ShortDateFormat()),
          .extraTops = ExtraButtonTops(s),
          .idleSeconds = s.minimizeTimeMs / 1000};
}

bool BarPreferences::StoreSettings(const SettingsWrite& values) {
  bool stored = true;
  for (const auto& [name, text] : values) stored = WriteSetting(name.c_str(), text) && stored;
  return stored;
}

void BarPreferences::PreferencesClosed(bool pagesShown) {
  prefs_ = nullptr;
  Forget();
  // What OK saved takes effect; what Cancel dropped comes back.
  if (pagesShown) settingsChanged_();
  updateCheck_.SetEnabled(true);
}

}  // namespace qrv
