// What the preferences window reads and asks of the program that opens it
// (the bar): the settings it edits, the lists it shows, and the actions that
// belong to the program.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/bar_settings.h"
#include "core/preferences.h"
#include "ui/image_list.h"

namespace qrv {

class Form;

// Told true when a long piece of work starts and false when it ended.
using BusyShown = std::function<void(bool busy)>;

struct PreferencesData {
  BarSettings& settings;  // the update changes its update fields
  const std::vector<std::string>& keywordList;
  const std::vector<std::string>& journalTypes;
  const std::vector<std::string>& iconDefinitions;
  const bool& iconNoteFound;
  const ImageList& iconImages;   // picture n - 1 is icon n
  std::filesystem::path folder;  // of the keyword files and the web-services editor
};

class PreferencesActions {
 public:
  virtual ~PreferencesActions() = default;
  virtual void ShowHelp(int page) = 0;
  // Offers to open ".qrv" files with this program.
  virtual void ClaimAssociation() = 0;
  // Outlook's category names, read anew.
  virtual std::vector<std::string> CategoryNames() = 0;
  // What a save needs beside the pages: the bar's place, the update fields, ...
  virtual SaveContext SaveContextNow() const = 0;
  // Writes values of the settings key; false when any could not be written.
  virtual bool StoreSettings(const SettingsWrite& values) = 0;
  // The web-service update and import on the window's working list; true or
  // a count above 0 when the list changed. The update changes the update
  // fields of `settings`. Unless replaced, the update from the site list and
  // the import of the files run (web_service_update.h).
  virtual bool UpdateWebServices(Form& owner, std::vector<std::string>& services, BarSettings& settings, bool silent,
                                 const BusyShown& showBusy);
  virtual int ImportWebServiceFiles(Form& owner, const std::vector<std::wstring>& paths,
                                    std::vector<std::string>& services);
  // The window closes: the program re-reads its settings when the pages were
  // open, and lets the window go.
  virtual void PreferencesClosed(bool pagesShown) = 0;
};

}  // namespace qrv
