// The help viewer on each of the program's help pages, beside a bar.
#include "help/help_viewer.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"

namespace qrv::gallery {
namespace {

void PlayPages(const Viewer& viewer, UINT dpi) {
  Form bar{FormArgs{.caption = L"bar", .clientSize = {40, 300}}};
  bar.SetWindowRect(0, 106, 40, 300);
  for (const HelpPage& page : ProgramHelpBook().Pages()) {
    HelpViewer& help = ShowHelp(bar, page.number);
    Scale(help, dpi);
    Present(viewer, help.Handle(), "help-" + std::to_string(page.number), "Help: " + page.header);
  }
  if (HelpViewer* help = OpenHelpViewer()) help->Close();
  Pump(50);
}

}  // namespace

std::vector<Scene> HelpScenes() { return {{"Help", PlayPages}}; }

}  // namespace qrv::gallery
