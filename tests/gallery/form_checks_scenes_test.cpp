// Every scene of the gallery played at 96 and at 144 DPI, with the form
// checks run on each look of one of our windows: one failure per scene and
// DPI, with every finding of its looks.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
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
const auto* const sceneProgram = ::testing::AddGlobalTestEnvironment(new SceneProgram);

// What the checks of a scene's looks share: the windows and buttons already
// examined by the checks that need each only once.
struct Examined {
  std::set<HWND> pressed;
  std::set<HWND> boxed;
};

// The checks that leave a look as they found it; the order keeps the
// keyboard ones, which move the focus and open lists, after the pictures.
// Where the focus goes after a click or a box is the same at any DPI: those
// two are run at 96 only.
std::string CheckLook(const qrv::gallery::Look& look, UINT dpi, Examined& examined) {
  const struct {
    const char* name;
    Findings (*check)(HWND);
  } checks[] = {{"paint", qrv::checks::CheckPaint},           {"overlaps", qrv::checks::CheckOverlaps},
                {"text fit", qrv::checks::CheckTextFit},      {"tab order", qrv::checks::CheckTabOrder},
                {"tab pages", qrv::checks::CheckTabPageKeys}, {"esc in lists", qrv::checks::CheckEscInDropDowns}};
  std::string report;
  auto note = [&](const char* name, const Findings& findings) {
    if (!findings.empty()) report += "\n" + look.name + ", " + qrv::checks::Report(name, findings);
  };
  auto standing = [&] { return IsWindow(look.window) && IsWindowVisible(look.window); };
  for (const auto& check : checks) {
    if (!standing()) return report;
    note(check.name, check.check(look.window));
  }
  if (dpi != 96) return report;
  if (standing()) note("letter after a click", qrv::checks::CheckLetterAfterClick(look.window, examined.pressed));
  // A box after each look of a window would say nothing new.
  if (standing() && examined.boxed.insert(look.window).second)
    note("focus after a box", qrv::checks::CheckFocusAfterBox(look.window, look.window));
  return report;
}

class SceneChecks : public ::testing::TestWithParam<std::tuple<std::size_t, UINT>> {};

TEST_P(SceneChecks, EveryLookPaintsFitsAndTakesTheKeys) {
  const auto& [index, dpi] = GetParam();
  const qrv::gallery::Scene& scene = qrv::gallery::Scenes().at(index);
  std::string report;
  Examined examined;
  scene.play(
      [&](const qrv::gallery::Look& look) {
        if (look.ourForm) report += CheckLook(look, dpi, examined);
      },
      dpi);
  EXPECT_TRUE(report.empty()) << scene.group << " at " << dpi << " DPI:" << report;
}

std::string SceneName(const ::testing::TestParamInfo<SceneChecks::ParamType>& info) {
  std::string name = qrv::gallery::Scenes().at(std::get<0>(info.param)).group;
  std::erase_if(name, [](char c) { return !isalnum(static_cast<unsigned char>(c)); });
  return std::to_string(std::get<0>(info.param)) + "_" + name + "_" + std::to_string(std::get<1>(info.param));
}

std::vector<std::size_t> SceneIndices() {
  std::vector<std::size_t> indices(qrv::gallery::Scenes().size());
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = i;
  return indices;
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneChecks,
                         ::testing::Combine(::testing::ValuesIn(SceneIndices()), ::testing::Values(96u, 144u)),
                         SceneName);

}  // namespace
