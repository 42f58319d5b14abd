// The bar's preferences window: opened on one of its pages, placed beside the
// bar, and what it asks of the program (settings written and read anew,
// Outlook's categories, the ".qrv" association). It also looks for web-service
// updates that are due, except while the window is open. Requests that come
// before the start-up has read the settings wait until it has.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bar/bar_data.h"
#include "prefs/preferences_window.h"
#include "ui/program_file.h"
#include "ui/timer.h"

namespace qrv {

class BarPreferences;
// Makes the bar's preferences part (a kind of its own for a bar of the tests).
using PreferencesMaker =
    std::function<std::unique_ptr<BarPreferences>(Form& bar, BarData& data, std::function<void()> settingsChanged)>;

class BarPreferences : public PreferencesActions {
 public:
  // The window opens owned by `bar`; `settingsChanged` runs once its OK has
  // saved the settings, or its Cancel dropped pages the user had open.
  BarPreferences(Form& bar, BarData& data, std::function<void()> settingsChanged);

  // Opens the window on a page; before the settings are read the request waits.
  void Show(PreferencePage page);
  // The open window; null when none is open.
  PreferencesWindow* Window() const { return prefs_; }
  // Hands a web-service file to the window's import; before the settings are read it waits.
  void ImportFile(const std::wstring& path);
  // The start-up has read the settings: requests are served from now on.
  void SettingsRead() { ready_ = true; }
  // Serves the requests that waited for the settings.
  void ServeWaiting();

  // The window stands at left 40 and the bar's top.
  void Place(Form& prefs);
  bool WindowOpen() const;
  // The window closed: the update check, paused while it was open, runs again.
  void Forget() {
    prefsWindow_ = nullptr;
    updateCheck_.SetEnabled(true);
  }

  // The check for due updates: started once, paused while the window is open.
  void StartUpdateCheck() { updateCheck_.SetEnabled(true); }
  bool UpdateCheckRunning() const { return updateCheck_.Enabled(); }
  // Opens the update when the settings make it due.
  void ShowDueUpdate();

  // PreferencesActions.
  void ShowHelp(int page) override;
  void ClaimAssociation() override;
  std::vector<std::string> CategoryNames() override;
  SaveContext SaveContextNow() const override;
  bool StoreSettings(const SettingsWrite& values) override;
  void PreferencesClosed(bool pagesShown) override;

 private:
  Form& bar_;
  BarData& data_;
  std::function<void()> settingsChanged_;
  PreferencesData prefsData_{data_.settings,        data_.keywordList,  data_.journalTypes, data_.icons.definitions,
                             data_.icons.noteFound, data_.icons.images, ProgramFolder()};
  PreferencesWindow* prefs_ = nullptr;
  HWND prefsWindow_ = nullptr;
  bool ready_ = false;
  std::optional<PreferencePage> pendingPage_;
  std::vector<std::wstring> pendingFiles_;
  Timer updateCheck_;
};

}  // namespace qrv
