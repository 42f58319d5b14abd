// The notification-area icon under Wine (whose shell keeps a notification area
// on the virtual display), and the window subscriptions it receives its
// messages through.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "components/tray_icon.h"
#include "components/window_subclass.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui_test_support.h"

namespace {

using qrv::testing::Pump;

// --- subscriptions to a window ------------------------------------------------

std::vector<std::string> seen;
WNDPROC procedureBefore = nullptr;

LRESULT CALLBACK OtherPartyProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_USER) seen.push_back("other party");
  return CallWindowProcW(procedureBefore, hwnd, msg, wp, lp);
}

class TestWindow : public qrv::Form {
 public:
  TestWindow() : Form({.caption = L"subscribed", .clientSize = {80, 40}}) {}

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_USER) return Form::WndProc(msg, wp, lp);
    seen.push_back("window");
    return 42;
  }
};

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

qrv::WindowSubclass::Handler Recorder(const std::string& name) {
  return [name](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_USER) seen.push_back(name);
    return false;
  };
}

TEST(WindowSubclass, SubscribersAndAProcedurePutInBetweenEachSeeAMessageOnce) {
  seen.clear();
  TestWindow window;
  qrv::WindowSubclass first, second;
  ASSERT_TRUE(first.Attach(window.Handle(), Recorder("first")));
  // Someone else replaces the window procedure between two subscriptions.
  procedureBefore = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherPartyProcedure)));
  ASSERT_TRUE(second.Attach(window.Handle(), Recorder("second")));
  EXPECT_EQ(SendMessageW(window.Handle(), WM_USER, 0, 0), 42);
  EXPECT_EQ(Sorted(seen), (std::vector<std::string>{"first", "other party", "second", "window"}));
  EXPECT_EQ(seen.back(), "window");

  // The first leaves: the others still see every message, once.
  seen.clear();
  first.Detach();
  EXPECT_EQ(SendMessageW(window.Handle(), WM_USER, 0, 0), 42);
  EXPECT_EQ(Sorted(seen), (std::vector<std::string>{"other party", "second", "window"}));
  seen.clear();
  second.Detach();
  EXPECT_EQ(SendMessageW(window.Handle(), WM_USER, 0, 0), 42);
  EXPECT_EQ(seen.back(), "window");
}

TEST(WindowSubclass, HandledMessageStopsThereAndAGoneWindowIsLetGo) {
  seen.clear();
  auto window = std::make_unique<TestWindow>();
  qrv::WindowSubclass subscriber;
  subscriber.Attach(window->Handle(), [](UINT msg, WPARAM, LPARAM, LRESULT& result) {
    result = 7;
    return msg == WM_USER;
  });
  EXPECT_EQ(SendMessageW(window->Handle(), WM_USER, 0, 0), 7);
  EXPECT_TRUE(seen.empty());
  window.reset();
  EXPECT_EQ(subscriber.Window(), nullptr);
  subscriber.Detach();  // nothing left to undo
}

// --- the icon -----------------------------------------------------------------

// The shell's answer for an icon: it changes an icon it knows, refuses others.
bool ShellKnows(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = id;
  data.uFlags = NIF_ICON;
  data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class Tray : public ::testing::Test {
 protected:
  qrv::Form owner_{{.caption = L"tray owner", .clientSize = {100, 60}}};
  HICON icon_ = LoadIconW(nullptr, IDI_APPLICATION);
};

TEST_F(Tray, IconIsShownWithItsTipAndRemoved) {
  auto tray = std::make_unique<qrv::TrayIcon>(owner_, qrv::TrayIconArgs{.tip = L"Quorvel", .icon = icon_});
  qrv::TrayIcon other(owner_, {.icon = icon_});
  EXPECT_NE(tray->Id(), other.Id());
  std::vector<bool> changes;
  tray->onShownChange = [&](bool shown) { changes.push_back(shown); };
  EXPECT_FALSE(ShellKnows(owner_.Handle(), tray->Id()));
  tray->SetActive(true);
  EXPECT_TRUE(tray->Shown());
  EXPECT_TRUE(ShellKnows(owner_.Handle(), tray->Id()));
  tray->SetTip(std::wstring(70, L'x'));
  EXPECT_EQ(tray->Tip().size(), qrv::TrayIcon::kMaxTipLength);
  tray->SetActive(false);
  EXPECT_FALSE(ShellKnows(owner_.Handle(), tray->Id()));
  EXPECT_EQ(changes, (std::vector<bool>{true, false}));
  // A freed icon leaves the notification area.
  tray->SetActive(true);
  const UINT id = tray->Id();
  tray.reset();
  EXPECT_FALSE(ShellKnows(owner_.Handle(), id));
}

TEST_F(Tray, MouseOnTheIconFiresItsEventsAndOpensTheMenu) {
  qrv::TrayIcon tray(owner_, {.icon = icon_});
  tray.SetActive(true);
  std::vector<std::string> events;
  tray.onLeftClick = [&](POINT) { events.push_back("left"); };
  tray.onDoubleClick = [&](POINT) { events.push_back("double"); };
  qrv::PopupMenu menu;
  qrv::MenuItem folders{menu, {.text = L"Tasks"}};
  qrv::MenuItem newTask{menu, {.text = L"New Task"}};
  newTask.onClick = [&] { events.push_back("New Task"); };
  menu.onPopup = [] {
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
      qrv::testing::Key(key, false);
      qrv::testing::Key(key, true);
    }
  };
  tray.onRightClick = [&](POINT at) {
    events.push_back("right");
    tray.ShowMenu(menu, at);
  };
  const auto send = [&](WPARAM id, UINT mouse) {
    SendMessageW(owner_.Handle(), qrv::TrayIcon::kCallbackMessage, id, mouse);
  };
  send(tray.Id(), WM_LBUTTONDOWN);
  send(tray.Id(), WM_LBUTTONDBLCLK);
  send(tray.Id() + 1, WM_LBUTTONDOWN);  // another icon's
  send(tray.Id(), WM_RBUTTONDOWN);
  Pump(50);
  EXPECT_EQ(events, (std::vector<std::string>{"left", "double", "right", "New Task"}));
}

TEST_F(Tray, RestartedShellGetsTheIconAgain) {
  qrv::TrayIcon tray(owner_, {.icon = icon_});
  tray.SetActive(true);
  // The shell restarts and knows no icons.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_.Handle();
  data.uID = tray.Id();
  Shell_NotifyIconW(NIM_DELETE, &data);
  ASSERT_FALSE(ShellKnows(owner_.Handle(), tray.Id()));
  SendMessageW(owner_.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(tray.Shown());
  EXPECT_TRUE(ShellKnows(owner_.Handle(), tray.Id()));
}

TEST_F(Tray, AShellThatAnnouncesItselfWhileHoldingTheIconKeepsIt) {
  qrv::TrayIcon tray(owner_, {.icon = icon_});
  std::vector<bool> changes;
  tray.onShownChange = [&](bool shown) { changes.push_back(shown); };
  tray.SetActive(true);
  ASSERT_TRUE(tray.Shown());
  // The shell still knows the icon, so adding it again is refused.
  SendMessageW(owner_.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  Pump(1200);
  EXPECT_TRUE(tray.Shown());
  EXPECT_TRUE(ShellKnows(owner_.Handle(), tray.Id()));
  // The owner (a bar that lives in the icon) never thought it gone.
  EXPECT_EQ(changes, std::vector<bool>{true});
}

// A shell that is not ready for the first adds.
int refusals = 0;
int adds = 0;
BOOL WINAPI SlowShell(DWORD message, PNOTIFYICONDATAW data) {
  if (message == NIM_ADD) {
    ++adds;
    if (refusals > 0) {
      --refusals;
      return FALSE;
    }
  }
  return Shell_NotifyIconW(message, data);
}

TEST_F(Tray, RefusedIconIsTriedAgainAndTheOwnerToldWhenItShows) {
  refusals = 2;
  adds = 0;
  qrv::TrayIcon tray(owner_, {.icon = icon_, .notify = SlowShell});
  std::vector<bool> changes;
  tray.onShownChange = [&](bool shown) { changes.push_back(shown); };
  tray.SetActive(true);
  EXPECT_FALSE(tray.Shown());  // the owner keeps its window on the screen
  EXPECT_FALSE(ShellKnows(owner_.Handle(), tray.Id()));
  Pump(2600);
  EXPECT_TRUE(tray.Shown());
  EXPECT_TRUE(ShellKnows(owner_.Handle(), tray.Id()));
  EXPECT_EQ(changes, std::vector<bool>{true});
  EXPECT_EQ(adds, 3);
  Pump(1200);
  EXPECT_EQ(adds, 3);  // no more tries once shown

  // Without an icon of its own, the icon is the program's.
  qrv::TrayIcon programIcon(owner_, {.notify = SlowShell});
  programIcon.SetActive(true);
  EXPECT_TRUE(programIcon.Shown());
}

}  // namespace
