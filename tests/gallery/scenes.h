// Every window of both programs in every state a user meets, played one after
// another: the gallery takes a picture of each state, the form checks examine
// each one. A scene opens its window (with the stand-ins where the window needs
// Outlook or Simple MAPI), brings it into each state in turn, shows each state
// to the viewer and closes what it opened before it returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace qrv::gallery {

// One state of one window, as the viewer is shown it.
struct Look {
  std::string name;       // the picture's file name without extension: "entry-appointment"
  std::string title;      // what the gallery's index says under it: "Information Item: appointment"
  HWND window = nullptr;  // the top-level window in that state, shown and painted
  bool ourForm = true;    // false for the system's own windows (message boxes, menus): seen, not checked
};
using Viewer = std::function<void(const Look&)>;

struct Scene {
  std::string group;  // "Bar", "Information Item", "Preferences", "Help", "Web-services editor", ...
  // Plays the scene; `dpi` 0 keeps the system's DPI, any other is applied to
  // each form the scene opens (Form::ApplyDpi) before its first look.
  std::function<void(const Viewer& viewer, UINT dpi)> play;
};

// Every scene, in the order the gallery shows them.
const std::vector<Scene>& Scenes();

}  // namespace qrv::gallery
