// The real Quorvel.exe under Wine on the test display: start-up, opening and
// collapsing, the second instance and its hand-off, the position on exit, and
// the program modes with the notification-area icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace {

using e2e::Process;

class Bar : public ::testing::Test {
 protected:
  // Starts the bar and waits until it stands collapsed.
  void StartBar(const std::wstring& args = L"") {
    hwnd_ = e2e::StartBar(bar_, args);
    EXPECT_TRUE(hwnd_) << "the bar did not come up collapsed";
  }
  // A temporary folder and file with long names, and the file's short name.
  std::wstring MakeServiceFile(std::wstring& shortPath) {
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH], shortName[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    const std::wstring folder = std::wstring(longTemp) + L"Quorvel End To End";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring file = folder + L"\\Handed Over Service.qrv";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    GetShortPathNameW(file.c_str(), shortName, MAX_PATH);
    shortPath = shortName;
    return file;
  }
  // Starts the bar with settings that hold this POSITION text.
  void StartWithPosition(const wchar_t* position) {
    auto settings = e2e::DefaultSettings(L"10");
    settings[L"POSITION"] = position;
    e2e::ResetSettings(settings);
    StartBar();
  }
  void CloseBar() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(bar_.WaitForExit(5000));
  }

  Process bar_;
  HWND hwnd_ = nullptr;
};

// The notification area Wine keeps on a display without one of its own: a
// window holding one child window per icon. The bar's icon (the only one the
// tests make), or null.
HWND TrayIconWindow() {
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  return tray ? FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
}

TEST_F(Bar, StartsCollapsedTopmostAtTheLeftEdgeWithItsShape) {
  e2e::ResetSettings({});
  StartBar();
  ASSERT_TRUE(hwnd_);
  const RECT r = e2e::WindowRect(hwnd_);
  EXPECT_EQ(r.left, -1);
  EXPECT_EQ(r.top, 106);
  EXPECT_EQ(r.bottom - r.top, 302);
  EXPECT_TRUE(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(hwnd_, region), COMPLEXREGION);
  RECT box{};
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, 36);
  EXPECT_EQ(box.bottom, 298);
  // A first start leaves the date of the last update in the key.
  EXPECT_FALSE(e2e::ReadSetting(L"LASTUPDATE").empty());
}

TEST_F(Bar, StripClickOpensItAndTheIdleTimeCollapsesIt) {
  e2e::ResetSettings(e2e::DefaultSettings(L"2"));
  StartBar();
  ASSERT_TRUE(hwnd_);
  const RECT r = e2e::WindowRect(hwnd_);
  e2e::Click(2, r.top + 100);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 38; }, 3000)) << "the strip click did not open the bar";
  e2e::MoveMouse(24, r.top + 66);  // over the note button, then away
  const DWORD opened = GetTickCount();
  e2e::MoveMouse(300, 600);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 6; }, 6000)) << "the idle time did not collapse it";
  EXPECT_GE(GetTickCount() - opened, 1500u);
}

TEST_F(Bar, DraggingTheBackgroundMovesTheBarAndItSnapsBackToTheEdge) {
  e2e::ResetSettings(e2e::DefaultSettings(L"30"));
  StartBar();
  const RECT r = e2e::WindowRect(hwnd_);
  e2e::Click(2, r.top + 100);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 38; }, 3000));
  e2e::Drag({20, r.top + 8}, {40, r.top + 68});  // the background above the first button
  EXPECT_EQ(e2e::WindowRect(hwnd_).top, r.top + 60);
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowRect(hwnd_).left == -1; }, 2500)) << "no snap back";
  EXPECT_EQ(e2e::WindowRect(hwnd_).top, r.top + 60);
  // The right button on the background moves nothing.
  e2e::Click(20, r.top + 68, true);
  EXPECT_EQ(e2e::WindowRect(hwnd_).top, r.top + 60);
}

TEST_F(Bar, SecondInstanceHandsItsFileOverAndEnds) {
  e2e::ResetSettings(e2e::DefaultSettings(L"10"));
  StartBar();
  std::wstring shortPath;
  const std::wstring file = MakeServiceFile(shortPath);
  e2e::HandOffListener listener;
  Process second = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"\"" + shortPath + L"\"");
  ASSERT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(listener.Paths(), std::vector<std::wstring>{file});
  // The bar's preferences window opens on the web services in front of it,
  // with the import's report in front of that.
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ForegroundOwnedBy(hwnd_); }, 3000));
  EXPECT_TRUE(bar_.Running());
  EXPECT_EQ(e2e::FindBar(second.Id()), nullptr);
}

TEST_F(Bar, SecondInstanceWithoutArgumentsEndsAtOnce) {
  e2e::ResetSettings(e2e::DefaultSettings(L"10"));
  StartBar();
  Process second = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"");
  ASSERT_TRUE(second.WaitForExit(5000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(bar_.Running());
}

TEST_F(Bar, FilesHandedOverDuringStartUpAreServedAfterIt) {
  e2e::ResetSettings(e2e::DefaultSettings(L"10"));
  e2e::HandOffListener listener;
  std::wstring shortPath;
  const std::wstring file = MakeServiceFile(shortPath);
  // Started with the file itself, and given it again while it waits in start-up.
  bar_ = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"\"" + file + L"\" WAIT:2");
  ASSERT_TRUE(e2e::WaitFor([&] { return (hwnd_ = e2e::FindBar(bar_.Id())) != nullptr; }, 10000));
  Process second = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"\"" + shortPath + L"\"");
  ASSERT_TRUE(second.WaitForExit(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(listener.Paths(), std::vector<std::wstring>{file});
  // Once started up, the bar serves both files and comes to the front.
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 6; }, 10000));
  // Each file's import report comes and goes first: on a loaded machine that takes its time.
  EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == hwnd_; }, 10000));
}

// A remembered position is where the bar starts and is stored on exit; one
// not remembered is left alone, wherever the bar was moved.
TEST_F(Bar, PositionIsStoredOnExitOnlyWhenRemembered) {
  struct Case {
    const wchar_t* position;
    LONG top;
    const wchar_t* stored;
  };
  for (const Case& c : {Case{L"YES,300", 300, L"YES,250"}, Case{L"NO,300", 106, L"NO,300"}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.position)));
    StartWithPosition(c.position);
    EXPECT_EQ(e2e::WindowRect(hwnd_).top, c.top);
    SetWindowPos(hwnd_, nullptr, -1, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowRect(hwnd_).top == 250; }, 2000));
    CloseBar();
    EXPECT_EQ(e2e::ReadSetting(L"POSITION"), c.stored);
  }
}

TEST_F(Bar, EndOfSessionEndsTheBarOnlyWhenWindowsReallyEnds) {
  StartWithPosition(L"YES,200");
  EXPECT_EQ(SendMessageW(hwnd_, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(hwnd_, WM_ENDSESSION, FALSE, 0);
  EXPECT_FALSE(bar_.WaitForExit(1000));
  SetWindowPos(hwnd_, nullptr, -1, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowRect(hwnd_).top == 220; }, 2000));
  SendMessageW(hwnd_, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(e2e::ReadSetting(L"POSITION"), L"YES,220");  // stored before the answer
  EXPECT_TRUE(bar_.WaitForExit(5000));
}

// PROGRAMMODE "1": the bar lives in its icon alone; a click on the icon
// opens the bar menu, whose items run as from the bar.
TEST_F(Bar, TrayOnlyModeShowsTheIconAloneAndItsClickOpensTheBarMenu) {
  auto settings = e2e::DefaultSettings(L"10");
  settings[L"PROGRAMMODE"] = L"1";
  e2e::ResetSettings(settings);
  bar_ = Process::Start(e2e::AppProgram(L"Quorvel.exe"), L"");
  ASSERT_TRUE(e2e::WaitFor([] { return TrayIconWindow() != nullptr; }, 5000)) << "no icon in the notification area";
  hwnd_ = e2e::FindBar(bar_.Id());
  ASSERT_TRUE(hwnd_);
  // Started up (the icon's tip is set by then) and still not shown.
  Sleep(1500);
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  const RECT icon = e2e::WindowRect(TrayIconWindow());
  e2e::Click((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindWindowOf(bar_.Id(), L"#32768") != nullptr; }, 3000)) << "no menu";
  // The last item but one: "Help".
  e2e::PressKeys({VK_UP, VK_UP, VK_RETURN});
  EXPECT_TRUE(e2e::WaitFor(
      [&] {
        const HWND help = FindWindowW(nullptr, L"Quorvel Help");
        DWORD owner = 0;
        GetWindowThreadProcessId(help, &owner);
        return help && owner == bar_.Id() && IsWindowVisible(help);
      },
      3000));
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  CloseBar();
  // The icon goes with the program.
  EXPECT_TRUE(e2e::WaitFor([] { return TrayIconWindow() == nullptr; }, 3000));
}

// PROGRAMMODE "2": the bar and its icon.
TEST_F(Bar, BarAndTrayModeShowsBoth) {
  auto settings = e2e::DefaultSettings(L"10");
  settings[L"PROGRAMMODE"] = L"2";
  e2e::ResetSettings(settings);
  StartBar();
  ASSERT_TRUE(hwnd_);
  EXPECT_TRUE(e2e::WaitFor([] { return TrayIconWindow() != nullptr; }, 3000));
  Sleep(1500);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  CloseBar();
}

}  // namespace
