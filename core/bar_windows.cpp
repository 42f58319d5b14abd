#include "core/bar_windows.h"

namespace qrv {

WindowPlace EntryWindowPlace(int n, int width, int height, int datePanelHeight, int barTop, ScreenSize screen) {
  WindowPlace place{(n - 1) * 24 + kBesideBarLeft, (n - 1) * 12 + barTop};
  if (place.left + width > screen.width) place.left = 64;
  if (place.top + height + datePanelHeight > screen.height) place.top = barTop + 12;
  return place;
}

HelpViewerPlace PlaceHelpViewer(int width, int barTop, ScreenSize screen) {
  HelpViewerPlace place{395, barTop, 430};
  if (place.left + width > screen.width) place.left = 64;
  if (place.top + place.height > screen.height) place.top = 15;
  return place;
}

}  // namespace qrv
