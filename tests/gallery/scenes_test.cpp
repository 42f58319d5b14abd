// The catalogue of scenes itself, played at a DPI other than the system's: each
// look is of a window that is shown, on the screen and, when it is our form, at
// the DPI asked for; no two looks share a picture's name; a scene closes every
// window it opened.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "components/ole_auto.h"
#include "tests/gallery/scene_support.h"
#include "tests/gallery/scenes.h"
#include "ui/app.h"

namespace qrv::gallery {
namespace {

constexpr UINT kAskedDpi = 144;

TEST(Scenes, EveryLookIsOfAShownWindowOnTheScreenAtTheAskedDpiAndEverySceneClosesWhatItOpened) {
  const OleSession ole;
  if (!Application::Get().MainForm()) Application::Get().CreateForm<Form>(FormArgs{.caption = L"main"});
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  std::map<std::string, std::string> groupOfName;
  std::set<std::string> groups;
  for (const Scene& scene : Scenes()) {
    groups.insert(scene.group);
    int looks = 0;
    scene.play(
        [&](const Look& look) {
          ++looks;
          SCOPED_TRACE(look.name);
          EXPECT_FALSE(look.title.empty());
          EXPECT_TRUE(groupOfName.emplace(look.name, scene.group).second) << "a second look named so";
          ASSERT_TRUE(IsWindow(look.window));
          EXPECT_TRUE(IsWindowVisible(look.window));
          EXPECT_EQ(GetAncestor(look.window, GA_ROOT), look.window) << "not a top-level window";
          RECT shown{}, onScreen{};
          GetWindowRect(look.window, &shown);
          EXPECT_TRUE((IntersectRect(&onScreen, &shown, &screen) && EqualRect(&onScreen, &shown)) ||
                      (shown.left < 0 && onScreen.right - onScreen.left > 0))
              << "not on the screen";
          const Form* form = FormOf(look.window);
          EXPECT_EQ(form != nullptr, look.ourForm) << "our form or the system's, as the look says";
          if (form) {
            EXPECT_EQ(form->Dpi(), kAskedDpi);
          }
        },
        kAskedDpi);
    EXPECT_GT(looks, 0) << scene.group;
    Pump(100);
    EXPECT_EQ(ShownWindowsOfThread(), 0) << "a scene of " << scene.group << " left a window open";
  }
  EXPECT_EQ(groups, (std::set<std::string>{"Bar", "Information Item", "Preferences", "Hotkey editor", "Help",
                                           "Web-services editor"}));
}

}  // namespace
}  // namespace qrv::gallery
