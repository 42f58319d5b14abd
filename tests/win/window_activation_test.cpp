// Window activation by title among real top-level windows of the test.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/window_activation.h"

namespace qrv {
namespace {

TEST(WindowActivation, BringsTheFirstMatchingTitleToTheFront) {
  HWND windows[3]{};
  const wchar_t* titles[] = {L"The qv bar", L"qv and more", L"Untitled - NOTEPAD"};
  for (int i = 0; i < 3; ++i)
    windows[i] = CreateWindowExW(0, L"STATIC", titles[i], WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                                 nullptr, nullptr);
  EXPECT_EQ(ActivateWindowByTitle(L"*notepad"), windows[2]);
  EXPECT_EQ(ActivateWindowByTitle(L"QV"), windows[1]);
  EXPECT_EQ(GetForegroundWindow(), windows[1]);
  // Refused or unmatched: nothing moves.
  EXPECT_EQ(ActivateWindowByTitle(L"*no*"), nullptr);
  EXPECT_EQ(ActivateWindowByTitle(L"No such window title"), nullptr);
  EXPECT_EQ(GetForegroundWindow(), windows[1]);
  for (HWND w : windows) DestroyWindow(w);
}

}  // namespace
}  // namespace qrv
