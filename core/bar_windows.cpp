#include "core/bar_windows.h"

namespace qrv {

WindowPlace EntryWindowPlace(int n, int width, int height, int date_panel_height, int bar_top, ScreenSize screen) {
  WindowPlace place{(n - 1) * 24 + 40, (n - 1) * 12 + bar_top};
  if (place.left + width > screen.width) place.left = 64;
  if (place.top + height + date_panel_height > screen.height) place.top = bar_top + 12;
  return place;
}

HelpViewerPlace PlaceHelpViewer(int width, int bar_top, ScreenSize screen) {
  HelpViewerPlace place{395, bar_top, 430};
  if (place.left + width > screen.width) place.left = 64;
  if (place.top + place.height > screen.height) place.top = 15;
  return place;
}

}  // namespace qrv
