// Where the bar puts the windows it opens: the Information Item windows in a
// cascade from the bar and the help viewer beside it, brought back onto the
// screen when they would leave it.
#pragma once

namespace qrv {

struct ScreenSize {
  int width;
  int height;
};

// The left edge of the windows the bar opens beside itself, right of the open
// bar (38 pixels wide), in pixels at 96 DPI as the rest of these places.
constexpr int kBesideBarLeft = 40;

struct WindowPlace {
  int left;
  int top;
};

// The n-th open Information Item window (n from 1, counting itself): 24 pixels
// right and 12 down for each earlier one from (40, the bar's top); at left 64
// when it would leave the screen at the right, at the bar's top + 12 when it
// would leave it at the bottom with its date panel shown.
WindowPlace EntryWindowPlace(int n, int width, int height, int datePanelHeight, int barTop, ScreenSize screen);

// The help viewer, when it is not showing yet: left 395 beside the bar (64 when
// that leaves the screen), the bar's top (15 when that leaves the screen), and
// always 430 high.
struct HelpViewerPlace {
  int left;
  int top;
  int height;
};
HelpViewerPlace PlaceHelpViewer(int width, int barTop, ScreenSize screen);

}  // namespace qrv
