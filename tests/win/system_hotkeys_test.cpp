// System-wide hotkeys registered with Wine on their hidden window: their
// identifiers are their places in the list, and only presses of registered
// entries are reported.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "components/system_hotkeys.h"
#include "ui/form.h"
#include "ui_test_support.h"

namespace {

using qrv::HotkeyCombination;
using qrv::testing::Key;
using qrv::testing::Pump;

constexpr HotkeyCombination kCtrlAltF9{.virtualKey = VK_F9, .ctrl = true, .alt = true};
constexpr HotkeyCombination kCtrlAltF10{.virtualKey = VK_F10, .ctrl = true, .alt = true};
constexpr HotkeyCombination kShiftWinF11{.virtualKey = VK_F11, .shift = true, .win = true};

// Whether another window could take the combination now (so nobody holds it).
bool Free(const HotkeyCombination& combination) {
  qrv::Form other({.caption = L"other program"});
  if (!RegisterHotKey(other.Handle(), 77, qrv::ModifierFlags(combination), combination.virtualKey)) return false;
  UnregisterHotKey(other.Handle(), 77);
  return true;
}

std::vector<bool> Registered(const qrv::SystemHotkeys& hotkeys) {
  std::vector<bool> flags;
  for (int n = 0; n < hotkeys.Count(); ++n) flags.push_back(hotkeys.At(n).registered);
  return flags;
}

TEST(SystemHotkeys, RegisterOnlyWhileActiveAndByTheirPlaceInTheList) {
  qrv::SystemHotkeys hotkeys;
  EXPECT_FALSE(hotkeys.Add(kCtrlAltF9).registered);
  hotkeys.Add(kCtrlAltF10);
  hotkeys.Add(kCtrlAltF9);  // the same again: the earlier entry wins
  EXPECT_TRUE(Free(kCtrlAltF9));

  hotkeys.SetActive(true);
  hotkeys.SetActive(true);
  EXPECT_EQ(Registered(hotkeys), (std::vector<bool>{true, true, false}));
  EXPECT_FALSE(Free(kCtrlAltF9));
  EXPECT_FALSE(Free(kCtrlAltF10));

  // A combination another program holds is refused and reported so.
  qrv::Form other({.caption = L"other program"});
  ASSERT_TRUE(RegisterHotKey(other.Handle(), 1, qrv::ModifierFlags(kShiftWinF11), VK_F11));
  EXPECT_FALSE(hotkeys.Add(kShiftWinF11).registered);
  UnregisterHotKey(other.Handle(), 1);

  // Clearing keeps it active: what is added next registers at once.
  hotkeys.Clear();
  EXPECT_TRUE(Free(kCtrlAltF9));
  EXPECT_TRUE(hotkeys.Active());
  EXPECT_TRUE(hotkeys.Add(kShiftWinF11).registered);
  hotkeys.SetActive(false);
  EXPECT_TRUE(Free(kShiftWinF11));
  EXPECT_EQ(Registered(hotkeys), (std::vector<bool>{false}));
}

TEST(SystemHotkeys, ReportPressesByTheIndexTheEntriesHaveAfterADeletion) {
  std::vector<int> pressed;
  {
    qrv::SystemHotkeys hotkeys;
    hotkeys.onHotkey = [&](int index) { pressed.push_back(index); };
    hotkeys.SetActive(true);
    hotkeys.Add(kCtrlAltF9);
    hotkeys.Add(kShiftWinF11);
    hotkeys.Add(kCtrlAltF10);
    EXPECT_FALSE(hotkeys.Delete(3));
    EXPECT_FALSE(hotkeys.Delete(-1));
    EXPECT_EQ(Registered(hotkeys), (std::vector<bool>{true, true, true}));
    ASSERT_TRUE(hotkeys.Delete(1));
    EXPECT_EQ(Registered(hotkeys), (std::vector<bool>{true, true}));
    EXPECT_TRUE(Free(kShiftWinF11));

    // A real press of the former third combination, while a window of ours has the keyboard.
    qrv::Form focus({.caption = L"focus", .clientSize = {120, 60}});
    focus.Show();
    SetForegroundWindow(focus.Handle());
    Pump(100);
    Key(VK_CONTROL, false);
    Key(VK_MENU, false);
    Key(VK_F10, false);
    Key(VK_F10, true);
    Key(VK_MENU, true);
    Key(VK_CONTROL, true);
    Pump(200);
    EXPECT_EQ(pressed, std::vector<int>{1});

    // Identifiers of no registered entry are no press of ours.
    PostMessageW(hotkeys.WindowHandle(), WM_HOTKEY, 2, 0);
    PostMessageW(hotkeys.WindowHandle(), WM_HOTKEY, 0, 0);
    hotkeys.Add(kCtrlAltF9);  // refused: entry 0 holds it
    PostMessageW(hotkeys.WindowHandle(), WM_HOTKEY, 2, 0);
    Pump(50);
    EXPECT_EQ(pressed, (std::vector<int>{1, 0}));
  }
  // Gone with the list: every combination is free again.
  EXPECT_TRUE(Free(kCtrlAltF9));
  EXPECT_TRUE(Free(kCtrlAltF10));
}

}  // namespace
