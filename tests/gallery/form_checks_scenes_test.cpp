// Every scene of the gallery played at 96 and at 144 DPI, with the form
// checks run on each look of one of our windows: one failure per scene and
// DPI, with every finding of its looks.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "components/ole_auto.h"
#include "components/windows_system.h"
#include "form_checks.h"
#include "scenes.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

using qrv::checks::Findings;

// The program the scenes expect around them, as the gallery sets it up: the
// system's services, COM for the stand-ins, and a main form never shown.
class SceneProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    qrv::UseWindowsSystem();
    ole_.emplace();
    qrv::Application::Get().Initialize(L"Quorvel form checks");
    qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"form checks"});
  }
  void TearDown() override { ole_.reset(); }

 private:
  std::optional<qrv::OleSession> ole_;
};
const auto* const kSceneProgram = ::testing::AddGlobalTestEnvironment(new SceneProgram);

// The checks that leave a look as they found it; the order keeps the
// keyboard ones, which move the focus and open lists, after the pictures.
// What the keyboard does is the same at any DPI and in every window made the
// same way: each control is examined by those checks once, a window's tab
// order once for each layout; a box once for each window.
std::string CheckLook(const qrv::gallery::Look& look, qrv::checks::Examined& examined) {
  using namespace qrv::checks;
  const struct {
    const char* name;
    std::function<Findings(HWND)> check;
  } checks[] = {
      {"paint", CheckPaint},
      {"overlaps", CheckOverlaps},
      {"text fit", CheckTextFit},
      {"tab order", [&](HWND form) { return examined.FirstLayout(form) ? CheckTabOrder(form) : Findings{}; }},
      {"tab pages", [&](HWND form) { return CheckTabPageKeys(form, examined); }},
      {"esc in lists", [&](HWND form) { return CheckEscInDropDowns(form, examined); }},
      {"letter after a click", [&](HWND form) { return CheckLetterAfterClick(form, examined); }},
      {"focus after a box",
       [&](HWND form) { return examined.First(form) ? CheckFocusAfterBox(form, form) : Findings{}; }},
  };
  std::string report;
  for (const auto& check : checks) {
    if (!IsWindow(look.window) || !IsWindowVisible(look.window)) break;
    if (const Findings findings = check.check(look.window); !findings.empty())
      report += "\n" + look.name + ", " + Report(check.name, findings);
  }
  return report;
}

class SceneChecks : public ::testing::TestWithParam<std::size_t> {};

// The scene played at 96 and at 144 DPI in turn.
TEST_P(SceneChecks, EveryLookPaintsFitsAndTakesTheKeys) {
  const qrv::gallery::Scene& scene = qrv::gallery::Scenes().at(GetParam());
  qrv::checks::Examined examined;
  for (const UINT dpi : {96u, 144u}) {
    std::string report;
    scene.play(
        [&](const qrv::gallery::Look& look) {
          if (look.ourForm) report += CheckLook(look, examined);
        },
        dpi);
    EXPECT_TRUE(report.empty()) << scene.group << " at " << dpi << " DPI:" << report;
  }
}

std::string SceneName(const ::testing::TestParamInfo<SceneChecks::ParamType>& info) {
  std::string name = qrv::gallery::Scenes().at(info.param).group;
  std::erase_if(name, [](char c) { return !isalnum(static_cast<unsigned char>(c)); });
  return std::to_string(info.param) + "_" + name;
}

std::vector<std::size_t> SceneIndices() {
  std::vector<std::size_t> indices(qrv::gallery::Scenes().size());
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = i;
  return indices;
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneChecks, ::testing::ValuesIn(SceneIndices()), SceneName);

}  // namespace
