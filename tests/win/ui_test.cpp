// The form layer under Wine: timers, the report of an exception that leaves a
// handler, modal forms and the application's message handling.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/layout.h"

#include <commctrl.h>

namespace {

struct Prompt {
  std::wstring text;
  ui::MsgKind kind{};
  int count = 0;
};
Prompt g_prompt;

int RecordPrompt(const std::wstring& text, ui::MsgKind kind, unsigned) {
  g_prompt = {text, kind, g_prompt.count + 1};
  return ui::mrOk;
}

// Runs the message loop for a while.
void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (GetTickCount() < end) {
    ui::Application::Get().ProcessMessages();
    Sleep(5);
  }
}

class FormLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    g_prompt = {};
    ui::SetPromptHandler(RecordPrompt);
  }
  void TearDown() override { ui::SetPromptHandler(nullptr); }
  ui::Form form{L"TTestForm", L"test", 100, 80};
};

TEST_F(FormLayer, TimerWithIntervalZeroIsOff) {
  ui::Timer& timer = form.AddTimer(L"T", 0);
  int fired = 0;
  timer.OnTimer = [&](ui::Timer&) { ++fired; };
  timer.SetEnabled(true);
  Pump(120);
  EXPECT_EQ(fired, 0);
  EXPECT_FALSE(timer.Running());
  timer.SetInterval(20);
  Pump(200);
  EXPECT_GT(fired, 0);
  timer.SetInterval(0);
  const int before = fired;
  Pump(100);
  EXPECT_EQ(fired, before);
}

TEST_F(FormLayer, ExceptionLeavingATimerIsReportedAndTheProgramRunsOn) {
  ui::Timer& timer = form.AddTimer(L"T", 10);
  int fired = 0;
  timer.OnTimer = [&](ui::Timer& t) {
    if (++fired == 1) throw std::runtime_error("Disk full");
    t.SetEnabled(false);
  };
  timer.SetEnabled(true);
  Pump(300);
  EXPECT_EQ(g_prompt.count, 1);
  EXPECT_EQ(g_prompt.text, L"Disk full");
  EXPECT_EQ(g_prompt.kind, ui::MsgKind::kError);
  EXPECT_EQ(fired, 2);  // the timer went on after the report
}

TEST_F(FormLayer, ExceptionLeavingAMainWindowHookIsReported) {
  auto& app = ui::Application::Get();
  const UINT message = RegisterWindowMessageW(L"QuorvelUiTestHook");
  app.HookMainWindow(this, [message](UINT msg, WPARAM, LPARAM, LRESULT&) -> bool {
    if (msg == message) throw std::logic_error("bad hand-off");
    return false;
  });
  SendMessageW(app.Handle(), message, 0, 0);
  app.UnhookMainWindow(this);
  EXPECT_EQ(g_prompt.text, L"bad hand-off");
}

TEST_F(FormLayer, ApplicationMessageHandlerSeesQueuedMessagesAndCanKeepThemBack) {
  auto& app = ui::Application::Get();
  int seen = 0, dispatched = 0;
  form.HandleMessage(WM_APP + 7, [&](WPARAM, LPARAM) -> LRESULT {
    ++dispatched;
    return 0;
  });
  app.OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_APP + 7) return;
    ++seen;
    handled = msg.wParam == 1;
  };
  PostMessageW(form.Handle(), WM_APP + 7, 0, 0);
  PostMessageW(form.Handle(), WM_APP + 7, 1, 0);
  app.ProcessMessages();
  app.OnMessage = nullptr;
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(dispatched, 1);
}

TEST_F(FormLayer, ModalFormDisablesTheOthersUntilItHasAResult) {
  form.Show();
  ui::Form dialog(L"TTestDialog", L"dialog", 60, 40);
  ui::Timer& answer = dialog.AddTimer(L"Answer", 30);
  bool other_disabled = false;
  answer.OnTimer = [&](ui::Timer& t) {
    other_disabled = !IsWindowEnabled(form.Handle());
    t.SetEnabled(false);
    dialog.ModalResult = ui::mrYes;
  };
  answer.SetEnabled(true);
  EXPECT_EQ(dialog.ShowModal(), ui::mrYes);
  EXPECT_TRUE(other_disabled);
  EXPECT_TRUE(IsWindowEnabled(form.Handle()));
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(FormLayer, ClosingAModalFormCancelsIt) {
  ui::Form dialog(L"TTestDialog", L"dialog", 60, 40);
  ui::Timer& close = dialog.AddTimer(L"Close", 30);
  close.OnTimer = [&](ui::Timer& t) {
    t.SetEnabled(false);
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  };
  close.SetEnabled(true);
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
}

TEST_F(FormLayer, TerminateEndsTheLoopWithoutLeavingAQuitMessage) {
  auto& app = ui::Application::Get();
  app.Terminate();
  EXPECT_FALSE(app.HandleMessage());
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  // A box shown while the forms are freed still waits for its answer.
  EXPECT_EQ(ui::MessageDlg(L"still asked", ui::MsgKind::kWarning, ui::kOk), ui::mrOk);
  EXPECT_EQ(g_prompt.text, L"still asked");
}

// The visible tooltip of this thread, if any.
HWND VisibleHint() {
  HWND tip = nullptr;
  while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(tip, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(tip)) return tip;
  }
  return nullptr;
}

TEST_F(FormLayer, HintShowsAfterAPauseOverAControlThatHasOne) {
  form.SetBounds(200, 200, 100, 80);
  form.Show();
  ui::Control& label = ui::Make<ui::Label>(form, ui::LayoutRow{L"L", ui::Make<ui::Label>, 10, 10, 50, 20, L"x"});
  label.Hint = L"Quit";
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  Pump(900);
  EXPECT_EQ(VisibleHint(), nullptr) << "hints are off until the form shows them";
  form.SetShowHint(true);
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(80, 70));  // off the control
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  Pump(900);
  HWND tip = VisibleHint();
  ASSERT_NE(tip, nullptr);
  SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));  // a press hides it
  SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_FALSE(IsWindowVisible(tip));
}

}  // namespace
