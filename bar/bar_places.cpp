// The windows the bar keeps and places: the Information Item windows, the
// preferences window.
#include "bar/bar_window.h"
#include "core/bar_windows.h"

namespace qrv {
namespace {

bool WindowExists(HWND window) { return window && IsWindow(window); }

ScreenSize Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

}  // namespace

bool BarWindow::PrefsWindowOpen() const { return WindowExists(prefsWindow_); }

void BarWindow::PlacePrefsWindow(Form& prefs) {
  prefsWindow_ = prefs.Handle();
  const RECT r = prefs.WindowRect();
  prefs.SetWindowRect(40, Top(), WidthOf(r), HeightOf(r));
}

void BarWindow::PlaceEntryWindow(Form& entry, int datePanelHeight) {
  const int n = entryWindows_.Add(entry.Handle());
  const RECT r = entry.WindowRect();
  const WindowPlace place = EntryWindowPlace(n, WidthOf(r), HeightOf(r), datePanelHeight, Top(), Screen());
  entry.SetWindowRect(place.left, place.top, WidthOf(r), HeightOf(r));
}

}  // namespace qrv
