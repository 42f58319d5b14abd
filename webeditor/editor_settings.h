// The two values of the bar's settings key that the editor reads: the bar's
// version, written into every saved web-service file, and the bar's folder,
// where the editor lists the user's web-service files and finds the bar.
#pragma once

#include <filesystem>
#include <string>

namespace qrv {

struct EditorSettings {
  std::string barVersion;           // "None Installed" when not known
  std::filesystem::path barFolder;  // an existing folder
};

// Reads VERSION and PATH without creating the key. A missing or empty version
// reads as "None Installed"; a missing, empty or vanished folder as the
// editor's own folder.
EditorSettings ReadEditorSettings();

}  // namespace qrv
