// The bar after its start-up, with the stand-in Outlook: collapsed to its
// strip, open with its buttons, its menu beside it and the same menu where the
// notification-area icon shows it, at the bottom right of the screen.
#include <memory>

#include "bar/bar_window.h"
#include "bar/program.h"
#include "components/ole_auto.h"
#include "components/settings.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"

namespace qrv::gallery {
namespace {

// A bar started as the program starts it, without waiting and without the
// update check a day counted from an earlier run could make due.
struct StartedBar {
  explicit StartedBar(UINT dpi) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"LASTUPDATE");
    bar = std::make_unique<BarWindow>(parts.data, parts.outlook, parts.entryActions, std::vector<std::string>{});
    Scale(*bar, dpi);
    bar->SetWindowRect(-1, 150, bar->Scale(BarWindow::kOpenWidth), bar->Scale(BarWindow::kHeight));
    bar->Show();
    bar->StartUp();
    Pump(100);
  }
  ~StartedBar() {
    bar.reset();
    parts.outlook.Release();
  }
  const OleSession ole;  // the bar drives Outlook
  KeywordFileBeside keywordFile;
  ProgramParts parts;
  std::unique_ptr<BarWindow> bar;
};

void PlayBar(const Viewer& viewer, UINT dpi) {
  StartedBar started(dpi);
  BarWindow& bar = *started.bar;
  if (!bar.Collapsed()) bar.ToggleCollapsed();
  Present(viewer, bar.Handle(), "bar-collapsed", "Bar: collapsed");
  bar.ToggleCollapsed();
  Present(viewer, bar.Handle(), "bar-open", "Bar: open");

  const RECT place = bar.WindowRect();
  LookAtNextMenu(viewer, "bar-menu", "Bar: its menu");
  bar.Menu().Popup().Popup(bar, place.right, place.top + 40);
  Pump(50);

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  LookAtNextMenu(viewer, "bar-tray-menu", "Bar: the notification-area icon's menu");
  SetForegroundWindow(bar.Handle());
  bar.Menu().Popup().Popup(bar, work.right - 20, work.bottom - 4);
  Pump(50);
}

}  // namespace

std::vector<Scene> BarScenes() { return {{"Bar", PlayBar}}; }

}  // namespace qrv::gallery
