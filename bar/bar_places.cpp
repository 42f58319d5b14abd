// The windows the bar keeps and places: the preferences window. (Information
// Item windows are placed by OpenEntryWindow.)
#include "bar/bar_window.h"
#include "core/bar_windows.h"

namespace qrv {
namespace {

bool WindowExists(HWND window) { return window && IsWindow(window); }

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

}  // namespace

bool BarWindow::PrefsWindowOpen() const { return WindowExists(prefsWindow_); }

void BarWindow::PlacePrefsWindow(Form& prefs) {
  prefsWindow_ = prefs.Handle();
  const RECT r = prefs.WindowRect();
  prefs.SetWindowRect(Scale(kBesideBarLeft), Top(), WidthOf(r), HeightOf(r));
}

}  // namespace qrv
