// The form layer's menus, list box and captioned buttons under Wine: what the
// system shows of them, how a choice comes back, and the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/app.h"
#include "ui/layout.h"
#include "ui/menu.h"
#include "ui/windowed.h"
#include "bar_fixture.h"

namespace {

using qrv::testing::ChooseByKeys;
using qrv::testing::MenuPlace;
using ui::Make;

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[128] = L"";
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::BuildLayout(form, {
        {.name = L"Menu", .make = Make<ui::PopupMenu>},
        {.name = L"Open", .make = Make<ui::MenuItem>, .caption = L"Open", .tag = 1, .parent = L"Menu"},
        {.name = L"Find", .make = Make<ui::MenuItem>, .caption = L"Find...\t\tCtrl+F", .style = ui::kDisabled,
         .tag = 5, .parent = L"Menu"},
        {.name = L"N1", .make = Make<ui::MenuItem>, .caption = L"-", .parent = L"Menu"},
        {.name = L"More", .make = Make<ui::MenuItem>, .caption = L"More", .parent = L"Menu"},
        {.name = L"Deep", .make = Make<ui::MenuItem>, .caption = L"Deep", .tag = 7, .parent = L"More"},
        {.name = L"Hidden", .make = Make<ui::MenuItem>, .caption = L"Hidden", .style = ui::kHidden,
         .parent = L"Menu"},
        {.name = L"Enabled", .make = Make<ui::MenuItem>, .caption = L"Enabled", .style = ui::kChecked,
         .tag = 9, .parent = L"Menu"},
    });
    menu = &form.Get<ui::PopupMenu>(L"Menu");
    for (const wchar_t* name : {L"Open", L"Find", L"Deep", L"Enabled"}) {
      form.FindControl(name).OnClick = [this](ui::Control& sender) { chosen.push_back(sender.Tag); };
    }
  }

  ui::Form form{L"TMenuTestForm", L"menus", 200, 100};
  ui::PopupMenu* menu = nullptr;
  std::vector<int> chosen;
};

TEST_F(Menus, SystemMenuShowsTheItemsAsTheyStandNow) {
  std::vector<ui::MenuItem*> commands;
  HMENU built = menu->Build(commands);
  ASSERT_EQ(GetMenuItemCount(built), 5);  // the hidden item is left out
  EXPECT_EQ(MenuText(built, 0), L"Open");
  EXPECT_EQ(MenuText(built, 1), L"Find...\t\tCtrl+F");
  EXPECT_TRUE(GetMenuState(built, 1, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(built, 2, MF_BYPOSITION) & MF_SEPARATOR);
  HMENU sub = GetSubMenu(built, 3);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(MenuText(sub, 0), L"Deep");
  EXPECT_TRUE(GetMenuState(built, 4, MF_BYPOSITION) & MF_CHECKED);
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[2]->Tag, 7);
  DestroyMenu(built);

  // A change shows at the next build.
  form.Get<ui::MenuItem>(L"Find").SetEnabled(true);
  form.Get<ui::MenuItem>(L"Enabled").Checked = false;
  form.Get<ui::MenuItem>(L"Hidden").SetVisible(true);
  built = menu->Build(commands);
  EXPECT_EQ(GetMenuItemCount(built), 6);
  EXPECT_FALSE(GetMenuState(built, 1, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(built, 5, MF_BYPOSITION) & MF_CHECKED);
  DestroyMenu(built);
}

TEST_F(Menus, ChosenItemRunsAfterTheMenuClosed) {
  form.SetBounds(100, 100, 200, 100);
  form.Show();
  SetForegroundWindow(form.Handle());
  bool popped = false;
  menu->OnPopup = [&](ui::PopupMenu&) { popped = true; };
  // Escape closes the menu without a choice.
  ChooseByKeys({VK_DOWN, VK_DOWN, VK_ESCAPE});
  menu->Popup(120, 120);
  EXPECT_TRUE(popped);
  EXPECT_TRUE(chosen.empty());
  ChooseByKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});
  menu->Popup(120, 120);
  EXPECT_EQ(chosen, std::vector<int>{7});
  ChooseByKeys(MenuPlace(1));
  menu->Popup(120, 120);
  EXPECT_EQ(chosen, (std::vector<int>{7, 1}));
}

}  // namespace
