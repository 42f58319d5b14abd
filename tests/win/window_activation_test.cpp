// Window activation by title against real top-level windows of the test.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/window_activation.h"

namespace qrv {
namespace {

HWND TopWindow(const wchar_t* title) {
  return CreateWindowExW(0, L"STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
}

TEST(WindowActivation, BringsTheFirstMatchingTitleToTheFront) {
  HWND later = TopWindow(L"The qv bar");
  HWND bar = TopWindow(L"qv and more");
  HWND notepad = TopWindow(L"Untitled - NOTEPAD");
  EXPECT_EQ(ActivateWindowByTitle(L"QV"), bar);
  EXPECT_EQ(GetForegroundWindow(), bar);
  EXPECT_EQ(ActivateWindowByTitle(L"*notepad"), notepad);
  EXPECT_EQ(GetForegroundWindow(), notepad);
  EXPECT_EQ(ActivateWindowByTitle(L"qv and*whatever"), bar);
  // Refused or unmatched: nothing moves.
  EXPECT_EQ(ActivateWindowByTitle(L"*no*"), nullptr);
  EXPECT_EQ(ActivateWindowByTitle(L"No such window title at all"), nullptr);
  EXPECT_EQ(GetForegroundWindow(), bar);
  EXPECT_NE(ActivateWindowByTitle(L"*"), nullptr);
  for (HWND w : {later, bar, notepad}) DestroyWindow(w);
}

}  // namespace
}  // namespace qrv
