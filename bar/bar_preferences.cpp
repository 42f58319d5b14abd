// The bar's preferences window: opened in one of its modes, placed beside the
// bar, and what it asks of the bar (settings written and read anew, Outlook's
// categories, the update and import of web services).
#include "bar/bar_files.h"
#include "bar/bar_window.h"
#include "components/settings.h"
#include "outlook/outlook_categories.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// The update mode that runs without asking.
constexpr int kAutomaticUpdate = 2;

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void BarWindow::ShowPreferences(PreferencePage page) {
  if (!settingsRead_) {
    pendingPreferences_ = page;
    return;
  }
  // No scheduled update starts while the window is open; it runs again when it closes.
  updateCheckTimer_.SetEnabled(false);
  if (!prefs_) {
    prefs_ = &CreateOwned<PreferencesWindow>(prefsData_, static_cast<PreferencesActions&>(*this));
    PlacePrefsWindow(*prefs_);
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
      BringToFront(Handle());
      BringToFront(prefs.Handle());
      if (!prefs.PagesShown()) prefs.ShowWebServices();
      break;
  }
}

// --- what the window asks of the bar ------------------------------------------------

void BarWindow::ClaimAssociation() { CheckAssociation("YES", prefs_ ? prefs_->Handle() : Handle()); }

std::vector<std::string> BarWindow::CategoryNames() {
  data_.categoryNames = ReadCategoryNames();
  return data_.categoryNames;
}

SaveContext BarWindow::SaveContextNow() const {
  const BarSettings& s = data_.settings;
  std::string folder = Narrow(ProgramFolder().wstring());
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return {.programFolder = folder,
          .barTop = Top(),
          .updateCheck = s.updateCheck,
          .updateDays = s.updateDays,
          .lastUpdateText = FormatShortDate(s.lastUpdate, ShortDateFormat()),
          .extraTops = ExtraButtonTops(s),
          .idleSeconds = s.minimizeTimeMs / 1000};
}

bool BarWindow::StoreSettings(const SettingsWrite& values) {
  bool stored = true;
  for (const auto& [name, text] : values) stored = WriteSetting(name.c_str(), text) && stored;
  return stored;
}

void BarWindow::PreferencesClosed(bool pagesShown) {
  prefs_ = nullptr;
  ForgetPrefsWindow();
  // What OK saved takes effect; what Cancel dropped comes back.
  if (pagesShown) ReadSettings();
  updateCheckTimer_.SetEnabled(true);
}

}  // namespace qrv
