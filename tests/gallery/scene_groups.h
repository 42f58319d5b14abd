// The scenes of each group of windows, in the order the gallery shows them.
#pragma once

#include <vector>

#include "tests/gallery/scenes.h"

namespace qrv::gallery {

std::vector<Scene> BarScenes();
std::vector<Scene> EntryScenes();
std::vector<Scene> PreferencesScenes();
std::vector<Scene> HotkeyScenes();
std::vector<Scene> HelpScenes();
std::vector<Scene> EditorScenes();

}  // namespace qrv::gallery
