#include "entry/open_entry.h"

#include "core/entry_layout.h"
#include "ui/app.h"

namespace qrv {

EntryWindow& OpenEntryWindow(const EntryData& data, EntryActions& actions, const EntryOpening& opening) {
  EntryWindow& window =
      Application::Get().CreateForm<EntryWindow>(data, actions, opening.clock ? *opening.clock : SystemClock());
  const int n = opening.listWindow ? opening.listWindow(window.Handle()) : 1;
  window.onClosed = opening.unlistWindow;
  ScreenSize screen = opening.screen;
  if (screen.width <= 0 || screen.height <= 0) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    screen = {area.right - area.left, area.bottom - area.top};
  }
  const RECT rc = window.WindowRect();
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  const WindowPlace place = EntryWindowPlace(n, width, height, window.Scale(kDatePanelHeight), opening.barTop, screen);
  window.SetWindowRect(place.left, place.top, width, height);
  // The window was reset to an empty task as it was made; showing it puts the
  // focus on the subject, its first field.
  window.Show();
  SetForegroundWindow(window.Handle());
  return window;
}

}  // namespace qrv
