// The windows the bar keeps and places: the Information Item windows, the
// preferences window and the help viewer.
#include "bar/bar_window.h"
#include "core/bar_windows.h"

namespace qrv {
namespace {

bool WindowExists(HWND window) { return window && IsWindow(window); }

ScreenSize Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

bool BarWindow::PrefsWindowOpen() const { return WindowExists(prefsWindow_); }

bool BarWindow::HelpViewerOpen() const { return WindowExists(helpViewer_); }

void BarWindow::PlacePrefsWindow(ui::Form& prefs) {
  prefsWindow_ = prefs.Handle();
  prefs.SetBounds(40, Top(), prefs.Width(), prefs.Height());
}

void BarWindow::PlaceHelpViewer(ui::Form& viewer) {
  helpViewer_ = viewer.Handle();
  if (viewer.Visible()) return;  // an open viewer keeps its place and size
  const HelpViewerPlace place = qrv::PlaceHelpViewer(viewer.Width(), Top(), Screen());
  viewer.SetBounds(place.left, place.top, viewer.Width(), place.height);
}

void BarWindow::PlaceEntryWindow(ui::Form& entry, int datePanelHeight) {
  const int n = entryWindows_.Add(entry.Handle());
  const WindowPlace place = EntryWindowPlace(n, entry.Width(), entry.Height(), datePanelHeight, Top(), Screen());
  entry.SetBounds(place.left, place.top, entry.Width(), entry.Height());
}

}  // namespace qrv
