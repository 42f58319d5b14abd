// How long the help viewer takes from being asked for a page to showing it,
// under Wine: a new viewer each run, its first page painted. The median of
// several runs, printed in milliseconds. Not a timed test; run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "help/help_viewer.h"
#include "ui/app.h"

namespace {

double OpenToFirstPageMs(qrv::Form& bar, int page) {
  const auto start = std::chrono::steady_clock::now();
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar, page);
  UpdateWindow(viewer.Handle());
  qrv::Application::Get().ProcessMessages();
  const auto end = std::chrono::steady_clock::now();
  viewer.Close();
  qrv::Application::Get().RunUntil([] { return qrv::OpenHelpViewer() == nullptr; });
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
  constexpr int kRuns = 21;
  qrv::Form& bar =
      qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"bar", .clientSize = {40, 300}});
  bar.Show();
  OpenToFirstPageMs(bar, 0);  // classes registered, libraries loaded, pages read
  for (int page : {0, 4}) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(OpenToFirstPageMs(bar, page));
    std::sort(times.begin(), times.end());
    std::printf("help viewer opened on page %d to its first page shown: median %.2f ms (min %.2f, max %.2f, %d runs)\n",
                page, times[kRuns / 2], times.front(), times.back(), kRuns);
  }
  return 0;
}
