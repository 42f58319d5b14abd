// The form layer under Wine: timers, the report of an exception that leaves a
// handler, message filters, modal and owned forms, the loop run twice, what
// opening many forms leaves behind, and the files a file dialog answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <commctrl.h>

#include "ui/app.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using qrv::testing::prompts;
using qrv::testing::Pump;

class FormLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    prompts = {};
    qrv::SetPromptHandler(qrv::testing::RecordPrompt);
  }
  void TearDown() override { qrv::SetPromptHandler(nullptr); }
  qrv::Form form_{{.caption = L"test", .clientSize = {100, 80}}};
};

TEST_F(FormLayer, TimerWithIntervalZeroIsOff) {
  qrv::Timer timer(form_, 0);
  int fired = 0;
  timer.onTimer = [&] { ++fired; };
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

TEST_F(FormLayer, ExceptionLeavingATimerIsReportedOnceAndTheProgramRunsOn) {
  qrv::Timer timer(form_, 10, true);
  int fired = 0;
  timer.onTimer = [&] {
    if (++fired == 1) throw std::runtime_error("Disk full");
    timer.SetEnabled(false);
  };
  Pump(300);
  EXPECT_EQ(prompts.count, 1);
  EXPECT_EQ(prompts.text, L"Disk full");
  EXPECT_EQ(prompts.kind, qrv::MessageKind::kError);
  EXPECT_EQ(fired, 2);
}

TEST_F(FormLayer, ExceptionLeavingAControlsEventIsReportedOnce) {
  qrv::Button button(form_, {.bounds = {10, 10, 60, 20}, .text = L"Go"});
  button.onClick = [] { throw std::logic_error("bad click"); };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(prompts.count, 1);
  EXPECT_EQ(prompts.text, L"bad click");
}

// A form's own handler (the bar's hand-off, for one) that throws is reported
// once, and the form answers on.
TEST_F(FormLayer, ExceptionLeavingAFormsOwnHandlerIsReported) {
  struct HandOffForm : qrv::Form {
    HandOffForm() : Form({.caption = L"hand-off", .clientSize = {100, 80}}) {}
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
      if (msg == WM_APP + 3) throw std::logic_error("bad hand-off");
      return Form::WndProc(msg, wp, lp);
    }
  } receiver;
  SendMessageW(receiver.Handle(), WM_APP + 3, 0, 0);
  EXPECT_EQ(prompts.text, L"bad hand-off");
  EXPECT_EQ(prompts.count, 1);
  EXPECT_EQ(SendMessageW(receiver.Handle(), WM_GETTEXTLENGTH, 0, 0), 8);
}

// A dialog's caption has only the system menu (its close box); a sizable window
// keeps its minimise and maximise boxes.
TEST_F(FormLayer, ADialogHasOnlyTheSystemMenuAndASizableWindowItsBoxes) {
  qrv::Form dialog({.caption = L"dialog", .clientSize = {100, 80}});
  qrv::Form sizable({.caption = L"sizable", .clientSize = {100, 80}, .style = qrv::FormStyle::kSizable});
  constexpr LONG_PTR kBoxes = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  EXPECT_EQ(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE) & kBoxes, WS_SYSMENU);
  EXPECT_EQ(GetWindowLongPtrW(sizable.Handle(), GWL_STYLE) & kBoxes, kBoxes);
}

// The dialog answers one file as its full path, several as their folder and
// then their names.
TEST(FileDialog, ChosenFilesAreFullPathsWhetherOneOrSeveralWereChosen) {
  using namespace std::string_view_literals;
  EXPECT_EQ(qrv::ChosenFiles(L"C:\\a b\\one.txt\0\0"sv), std::vector<std::wstring>{L"C:\\a b\\one.txt"});
  EXPECT_EQ(qrv::ChosenFiles(L"C:\\a b\0one.txt\0two\0\0"sv),
            (std::vector<std::wstring>{L"C:\\a b\\one.txt", L"C:\\a b\\two"}));
  EXPECT_TRUE(qrv::ChosenFiles(L"\0\0"sv).empty());
  EXPECT_EQ(qrv::ChosenFiles(L"C:\\x.txt"sv), std::vector<std::wstring>{L"C:\\x.txt"});  // no end marks
}

// Moved to a screen of 144 DPI, the form gets the system's message (the new DPI
// in wParam, its new window rectangle in lParam): it takes the rectangle, its
// controls and their fonts scale, and a form that draws pictures of its own
// takes them anew once its controls have the new DPI, whichever way it changed.
TEST_F(FormLayer, DpiChangedRunsAfterTheControlsTookTheNewDpi) {
  struct PictureForm : qrv::Form {
    PictureForm() : Form({.caption = L"pictures", .clientSize = {100, 80}}) {}
    void DpiChanged() override { seen.push_back({Dpi(), label.PlacedRect().right}); }
    qrv::Label label{*this, {.bounds = {10, 10, 40, 16}, .text = L"x"}};
    std::vector<std::pair<UINT, LONG>> seen;
  } pictures;
  const RECT before = pictures.WindowRect();
  RECT suggested{before.left + 300, before.top + 200, before.left + 300 + (before.right - before.left) * 3 / 2,
                 before.top + 200 + (before.bottom - before.top) * 3 / 2};
  SendMessageW(pictures.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const RECT after = pictures.WindowRect();
  EXPECT_EQ(std::make_pair(after.left, after.top), std::make_pair(suggested.left, suggested.top));
  EXPECT_EQ(std::make_pair(after.right, after.bottom), std::make_pair(suggested.right, suggested.bottom));
  EXPECT_EQ(pictures.Dpi(), 144u);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(pictures.label.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -16);  // 8 points at 144 DPI
  pictures.ApplyDpi(144);         // no change, no call
  pictures.ApplyDpi(96);
  EXPECT_EQ(pictures.seen, (std::vector<std::pair<UINT, LONG>>{{144, 75}, {96, 50}}));
}

TEST_F(FormLayer, MessageFiltersRunNewestFirstAndCanKeepAMessageBack) {
  auto& app = qrv::Application::Get();
  std::vector<int> order;
  const int first = app.AddMessageFilter([&](MSG& msg) {
    if (msg.message == WM_APP + 7) order.push_back(1);
    return false;
  });
  const int second = app.AddMessageFilter([&](MSG& msg) {
    if (msg.message != WM_APP + 7) return false;
    order.push_back(2);
    return msg.wParam == 1;  // kept back: the first filter never sees it
  });
  PostMessageW(form_.Handle(), WM_APP + 7, 0, 0);
  PostMessageW(form_.Handle(), WM_APP + 7, 1, 0);
  app.ProcessMessages();
  app.RemoveMessageFilter(second);
  PostMessageW(form_.Handle(), WM_APP + 7, 0, 0);
  app.ProcessMessages();
  app.RemoveMessageFilter(first);
  EXPECT_EQ(order, (std::vector<int>{2, 1, 2, 1}));
}

TEST_F(FormLayer, ModalFormDisablesOnlyItsOwnerAndEndsWithItsButtonsResult) {
  qrv::Form other{{.caption = L"other", .clientSize = {60, 40}}};
  form_.Show();
  other.Show();
  qrv::Form dialog{{.caption = L"dialog", .clientSize = {120, 60}, .owner = &form_}};
  qrv::Button yes(dialog, {.bounds = {10, 10, 60, 24}, .text = L"&Yes", .result = qrv::DialogResult::kYes});
  qrv::Timer answer(dialog, 30, true);
  bool ownerDisabled = false, otherEnabled = false;
  answer.onTimer = [&] {
    answer.SetEnabled(false);
    ownerDisabled = !IsWindowEnabled(form_.Handle());
    otherEnabled = IsWindowEnabled(other.Handle()) != FALSE;
    SendMessageW(yes.Handle(), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(dialog.ShowModal(), qrv::DialogResult::kYes);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(form_.Handle()));
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(FormLayer, ClosingAModalFormCancelsIt) {
  qrv::Form dialog{{.caption = L"dialog", .clientSize = {60, 40}, .owner = &form_}};
  qrv::Timer close(dialog, 30, true);
  close.onTimer = [&] {
    close.SetEnabled(false);
    dialog.Close();
  };
  EXPECT_EQ(dialog.ShowModal(), qrv::DialogResult::kCancel);
}

// An owned form that says when it goes.
class Noted : public qrv::Form {
 public:
  Noted(qrv::Form& owner, bool& gone)
      : Form({.caption = L"owned", .clientSize = {50, 30}, .owner = &owner}), gone_(gone) {}
  ~Noted() override { gone_ = true; }

 private:
  bool& gone_;
};

TEST_F(FormLayer, ClosingAFormFreesItOnlyAfterItsHandlerAndOwnedFormsGoWithTheirOwner) {
  bool closedGone = false, keptGone = false;
  auto& closed = form_.CreateOwned<Noted>(closedGone);
  closed.closeAction = qrv::CloseAction::kFree;
  form_.CreateOwned<Noted>(keptGone);
  closed.Close();
  EXPECT_FALSE(closedGone);  // posted, not done inside the caller
  Pump(50);
  EXPECT_TRUE(closedGone);
  EXPECT_FALSE(keptGone);
  {
    qrv::Form owner{{.caption = L"owner", .clientSize = {50, 30}}};
    owner.CreateOwned<Noted>(keptGone);
  }
  EXPECT_TRUE(keptGone);
}

TEST_F(FormLayer, TerminateLeavesNoQuitMessageAndALaterLoopRunsAgain) {
  auto& app = qrv::Application::Get();
  for (int run = 0; run < 2; ++run) {
    auto& main = app.CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"main", .clientSize = {50, 30}});
    int ticks = 0;
    qrv::Timer timer(main, 20, true);
    timer.onTimer = [&] {
      if (++ticks == 3) app.Terminate();
    };
    app.Run();
    EXPECT_EQ(ticks, 3) << "run " << run;
  }
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  // A box shown after the loop still waits for its answer.
  EXPECT_EQ(qrv::ShowMessage(L"still asked", qrv::MessageKind::kWarning), qrv::DialogResult::kOk);
  EXPECT_EQ(prompts.text, L"still asked");
}

// The visible tooltip of this process, if any.
HWND VisibleHint() {
  HWND tip = nullptr;
  while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(tip, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(tip)) return tip;
  }
  return nullptr;
}

TEST_F(FormLayer, HintShowsUnderTheMouseOverAControlThatHasOne) {
  form_.SetWindowRect(200, 200, 200, 120);
  qrv::Button quit(form_, {.bounds = {10, 10, 60, 24}, .text = L"Quit"});
  quit.SetHint(L"Quit the program");
  form_.Show();
  SetForegroundWindow(form_.Handle());
  RECT rc{};
  GetWindowRect(quit.Handle(), &rc);
  SetCursorPos(rc.left + 5, rc.top + 5);
  SetCursorPos(rc.left + 10, rc.top + 10);
  Pump(1200);
  EXPECT_EQ(VisibleHint(), nullptr) << "hints are off until the form shows them";
  form_.SetShowHints(true);
  SetCursorPos(rc.left + 5, rc.top + 5);
  Pump(50);
  SetCursorPos(rc.left + 12, rc.top + 8);
  Pump(1500);
  HWND tip = VisibleHint();
  ASSERT_NE(tip, nullptr);
  wchar_t text[64] = L"";
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Quit the program");
}

// A form of a few controls, shown and freed.
struct SmallForm : qrv::Form {
  SmallForm() : Form({.caption = L"small", .clientSize = {200, 100}}) {}
  qrv::Label label{*this, {.bounds = {8, 8, 60, 16}, .text = L"&Name"}};
  qrv::Edit edit{*this, {.bounds = {70, 8, 100, 20}}};
  qrv::Button ok{*this, {.bounds = {70, 40, 60, 24}, .text = L"OK", .isDefault = true}};
};

TEST_F(FormLayer, OpeningAndClosingManyFormsLeavesNoSystemObjectsBehind) {
  auto counts = [] {
    return std::pair{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                     GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
  };
  auto windows = [] {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM p) {
          ++*reinterpret_cast<int*>(p);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
  };
  {
    SmallForm warmUp;
    warmUp.Show();
    Pump(10);
  }
  const auto before = counts();
  const int windowsBefore = windows();
  for (int i = 0; i < 200; ++i) {
    SmallForm small;
    small.Show();
    qrv::Application::Get().ProcessMessages();
  }
  Pump(20);
  EXPECT_EQ(counts(), before);
  EXPECT_EQ(windows(), windowsBefore);
}

// A window or control the system refuses to make is told with the system's
// reason, so that a failure in a loaded run says what ran out or went away.
TEST_F(FormLayer, AWindowOrControlTheSystemCannotMakeIsToldWithTheSystemsReason) {
  struct OrphanWindow : qrv::Window {
    explicit OrphanWindow(HWND parent) {
      CreateHandle({.className = L"QrvOrphanTest", .style = WS_CHILD, .text = L"", .parent = parent});
    }
  };
  struct UnknownControl : qrv::Control {
    explicit UnknownControl(qrv::Form& form) : Control(form, {.className = L"QrvNoSuchClass"}) {}
  };
  const auto reason = [](const auto& make) -> std::string {
    try {
      make();
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "made";
  };
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  const std::string window = reason([gone] { OrphanWindow orphan(gone); });
  EXPECT_EQ(window.rfind("The window could not be created. ", 0), 0u) << window;
  EXPECT_NE(window.find("(1400)"), std::string::npos) << window;  // an invalid window handle
  const std::string control = reason([this] { UnknownControl unknown(form_); });
  EXPECT_EQ(control.rfind("The control could not be created. ", 0), 0u) << control;
  // No such class: Windows and Wine say it with different codes.
  EXPECT_TRUE(control.find("(1407)") != std::string::npos || control.find("(1411)") != std::string::npos) << control;
  EXPECT_TRUE(prompts.text.empty());
}

}  // namespace
