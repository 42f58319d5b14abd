// How long a form of sixty controls takes to be created and shown under Wine:
// the median of several runs, printed in milliseconds. Not a timed test; run
// with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ui/app.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"

namespace {

// Twenty rows of a label, an edit and a check box, as a quick-entry window has.
class SixtyControls : public qrv::Form {
 public:
  SixtyControls() : Form({.caption = L"bench", .clientSize = {600, 20 * 24 + 16}}) {
    for (int row = 0; row < 20; ++row) {
      const int top = 8 + row * 24;
      labels_.push_back(std::make_unique<qrv::Label>(
          *this, qrv::StaticArgs{.bounds = {8, top + 2, 80, 16}, .text = L"&Field " + std::to_wstring(row)}));
      edits_.push_back(std::make_unique<qrv::Edit>(*this, qrv::EditArgs{.bounds = {96, top, 300, 20}}));
      checks_.push_back(
          std::make_unique<qrv::CheckBox>(*this, qrv::CheckArgs{.bounds = {404, top, 120, 20}, .text = L"Option"}));
    }
  }

 private:
  std::vector<std::unique_ptr<qrv::Label>> labels_;
  std::vector<std::unique_ptr<qrv::Edit>> edits_;
  std::vector<std::unique_ptr<qrv::CheckBox>> checks_;
};

double CreateAndShowMs() {
  const auto start = std::chrono::steady_clock::now();
  SixtyControls form;
  form.Show();
  UpdateWindow(form.Handle());
  qrv::Application::Get().ProcessMessages();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
  constexpr int kRuns = 21;
  CreateAndShowMs();  // classes registered, libraries loaded, fonts made
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) times.push_back(CreateAndShowMs());
  std::sort(times.begin(), times.end());
  std::printf("form of 60 controls, create and show: median %.2f ms (min %.2f, max %.2f, %d runs)\n", times[kRuns / 2],
              times.front(), times.back(), kRuns);
  std::printf("GDI objects %lu, USER objects %lu\n", GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
              GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  return 0;
}
