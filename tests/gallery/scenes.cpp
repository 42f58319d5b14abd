#include "tests/gallery/scenes.h"

#include "tests/gallery/scene_groups.h"

namespace qrv::gallery {

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> kScenes = [] {
    std::vector<Scene> all;
    for (auto group : {BarScenes, EntryScenes, PreferencesScenes, HotkeyScenes, HelpScenes, EditorScenes}) {
      for (Scene& scene : group()) all.push_back(std::move(scene));
    }
    return all;
  }();
  return kScenes;
}

}  // namespace qrv::gallery
