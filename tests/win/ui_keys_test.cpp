// The form layer's keyboard, focus and paint rules under Wine, driven with real
// input: frames lie below what they frame, toolbar buttons and drawn controls
// leave the focus where it was, Esc never ends a program from its main window
// and first closes an open list, Tab and Shift+Tab select a combo box's text,
// Enter in a list view acts as a double click where the form says so, Ctrl+Tab
// and Ctrl+PageDown change tab pages, the buttons under a tab control follow its
// page in the Tab order, and a window's keys work whichever control has the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "components/image_button.h"
#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/menu.h"
#include "ui/panels.h"
#include "ui/pickers.h"
#include "ui/timer.h"
#include "ui/tree_view.h"
#include "ui_test_support.h"

namespace {

using qrv::testing::ClickOn;
using qrv::testing::Describe;
using qrv::testing::Key;
using qrv::testing::PressAndLeave;
using qrv::testing::PressKeys;
using qrv::testing::Pump;
using qrv::testing::ScreenPixels;
using qrv::testing::TypeCharacter;

void ShowInFront(qrv::Form& form, int left = 60, int top = 60) {
  const RECT w = form.WindowRect();
  form.SetWindowRect(left, top, w.right - w.left, w.bottom - w.top);
  form.Show();
  SetForegroundWindow(form.Handle());
  Pump(80);
}

// Presses Tab (held with `modifier` when given) once for each window of
// `route`, checking that the focus lands on it.
void ExpectTabRoute(std::initializer_list<HWND> route, WORD modifier = 0) {
  for (HWND next : route) {
    PressKeys({VK_TAB}, modifier);
    EXPECT_EQ(GetFocus(), next) << "expected " << Describe(next) << ", got " << Describe(GetFocus());
  }
}

// Whether `lower` comes after `upper` among their parent's children (lies below it).
bool LiesBelow(HWND lower, HWND upper) {
  for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
    if (w == lower) return true;
  return false;
}

// Whether a control shows on the screen: its rectangle is mostly the face
// colour it fills itself with, with some dark pixels of its text. A control
// that was never drawn shows what lay there before (the screen's black).
bool DrawnOnTheScreen(HWND window) {
  const std::vector<COLORREF> shown = ScreenPixels(window);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const auto faced = std::count(shown.begin(), shown.end(), face);
  const auto dark = std::count_if(shown.begin(), shown.end(),
                                  [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; });
  return faced > std::ssize(shown) / 2 && dark > 10;
}

// --- 1. Frames ----------------------------------------------------------------------

struct FramedForm : qrv::Form {
  FramedForm() : Form({.caption = L"framed", .clientSize = {260, 200}}) {}
  qrv::Edit before{*this, {.bounds = {10, 170, 80, 20}}};
  qrv::GroupBox frame{*this, {.bounds = {10, 10, 220, 150}, .text = L"Frame"}};
  qrv::CheckBox framedCheck{*this, {.bounds = {24, 34, 150, 20}, .text = L"Framed check box"}};
  qrv::RadioButton first{*this, {.bounds = {24, 60, 90, 20}, .text = L"First", .checked = true, .groupStart = true}};
  qrv::RadioButton second{*this, {.bounds = {24, 84, 90, 20}, .text = L"Second"}};
  qrv::GroupBox inner{*this, {.bounds = {120, 56, 100, 60}, .text = L"Inner"}};
  qrv::Edit framedEdit{*this, {.bounds = {130, 80, 80, 20}, .text = L"WWWWWW"}};
  qrv::Edit after{*this, {.bounds = {100, 170, 80, 20}}};
};

TEST(Frames, LieBelowWhatTheyFrameSoThatItIsDrawn) {
  FramedForm form;
  ShowInFront(form);
  for (HWND framed : {form.framedCheck.Handle(), form.first.Handle(), form.second.Handle(), form.framedEdit.Handle()})
    EXPECT_TRUE(LiesBelow(form.frame.Handle(), framed)) << Describe(framed);
  EXPECT_TRUE(LiesBelow(form.inner.Handle(), form.framedEdit.Handle()));
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(80);
  EXPECT_TRUE(DrawnOnTheScreen(form.framedCheck.Handle()));
  EXPECT_TRUE(DrawnOnTheScreen(form.second.Handle()));
}

TEST(Frames, KeepTheTabOrderAndTheRadioGroups) {
  FramedForm form;
  ShowInFront(form);
  form.before.Focus();
  ExpectTabRoute({form.framedCheck.Handle(), form.first.Handle()});
  PressKeys({VK_DOWN});
  EXPECT_EQ(GetFocus(), form.second.Handle()) << Describe(GetFocus());
  EXPECT_TRUE(form.second.Checked());
  PressKeys({VK_UP});
  EXPECT_EQ(GetFocus(), form.first.Handle()) << Describe(GetFocus());
  EXPECT_TRUE(form.first.Checked());
  ExpectTabRoute({form.framedEdit.Handle(), form.after.Handle()});
}

// --- 2. Toolbar buttons and drawn controls --------------------------------------------

struct ToolbarForm : qrv::Form {
  ToolbarForm() : Form({.caption = L"toolbar", .clientSize = {300, 120}}) {}
  qrv::Edit subject{*this, {.bounds = {8, 8, 200, 20}}};
  qrv::Button saveButton{*this, {.bounds = {8, 40, 50, 22}, .text = L"&Save", .takesFocus = false}};
  qrv::Button resetButton{*this, {.bounds = {60, 40, 50, 22}, .text = L"&Reset", .takesFocus = false}};
  qrv::RadioButton taskType{*this,
                            {.bounds = {120, 40, 24, 22},
                             .text = L"T",
                             .checked = true,
                             .groupStart = true,
                             .pushLike = true,
                             .takesFocus = false}};
  qrv::RadioButton appointmentType{*this,
                                   {.bounds = {146, 40, 24, 22}, .text = L"A", .pushLike = true, .takesFocus = false}};
  qrv::CheckBox reminder{*this, {.bounds = {172, 40, 24, 22}, .text = L"R", .pushLike = true, .takesFocus = false}};
  qrv::Button plainButton{*this, {.bounds = {200, 40, 60, 22}, .text = L"&Plain"}};
  qrv::PictureLabel drawn{*this, {.bounds = {8, 80, 60, 20}, .text = L"drawn"}, {}};
  qrv::ImageButton image{*this, {.bounds = {80, 80, 40, 24}}};
};

TEST(ToolbarButtons, ClickWithoutTakingTheFocusAndTheNextLettersAreTyped) {
  ToolbarForm form;
  ShowInFront(form);
  int saves = 0, resets = 0, appointments = 0, reminders = 0;
  form.saveButton.onClick = [&] { ++saves; };
  form.resetButton.onClick = [&] { ++resets; };
  form.appointmentType.onChange = [&] { ++appointments; };
  form.reminder.onChange = [&] { ++reminders; };
  ClickOn(form.subject.Handle());
  for (wchar_t c : std::wstring(L"Team")) TypeCharacter(c);
  Pump(60);
  ClickOn(form.appointmentType.Handle());
  EXPECT_EQ(appointments, 1);
  EXPECT_TRUE(form.appointmentType.Checked());
  EXPECT_FALSE(form.taskType.Checked());
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
  ClickOn(form.saveButton.Handle());
  EXPECT_EQ(saves, 1);
  ClickOn(form.reminder.Handle());
  EXPECT_EQ(reminders, 1);
  EXPECT_TRUE(form.reminder.Checked());
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
  for (wchar_t c : std::wstring(L" sync for Q3")) TypeCharacter(c);
  Pump(80);
  EXPECT_EQ(form.subject.Text(), L"Team sync for Q3");
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(resets, 0);
  // A press released outside the button clicks nothing.
  PressAndLeave(form.saveButton.Handle());
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ToolbarButtons, AreNoTabStopsWhilePlainButtonsAre) {
  ToolbarForm form;
  ShowInFront(form);
  for (HWND w : {form.saveButton.Handle(), form.taskType.Handle(), form.reminder.Handle(), form.drawn.Handle(),
                 form.image.Handle()})
    EXPECT_FALSE(GetWindowLongPtrW(w, GWL_STYLE) & WS_TABSTOP) << Describe(w);
  form.subject.Focus();
  PressKeys({VK_TAB});
  EXPECT_EQ(GetFocus(), form.plainButton.Handle()) << Describe(GetFocus());
  // Its mnemonic still clicks it.
  int saves = 0;
  form.saveButton.onClick = [&] { ++saves; };
  form.subject.Focus();
  PressKeys({'S'}, VK_MENU);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
}

// A click leaves the focus on a plain button; a letter typed next is no
// mnemonic and runs nothing, while Alt with it still clicks its button.
TEST(Mnemonics, RunOnlyWithAltWhileAButtonHasTheFocus) {
  ToolbarForm form;
  ShowInFront(form);
  int saves = 0, resets = 0;
  form.saveButton.onClick = [&] { ++saves; };
  form.resetButton.onClick = [&] { ++resets; };
  ClickOn(form.plainButton.Handle());
  ASSERT_EQ(GetFocus(), form.plainButton.Handle()) << Describe(GetFocus());
  PressKeys({'S', 'R'});
  EXPECT_EQ(saves + resets, 0);
  PressKeys({'S'}, VK_MENU);
  EXPECT_EQ(saves, 1);
}

TEST(DrawnControls, NeverTakeTheFocus) {
  ToolbarForm form;
  ShowInFront(form);
  int clicks = 0;
  form.image.onClick = [&] { ++clicks; };
  ClickOn(form.subject.Handle());
  ClickOn(form.image.Handle());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
  ClickOn(form.drawn.Handle());
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
  // Asked for by the program, the focus goes back where it was.
  SetFocus(form.image.Handle());
  Pump(20);
  EXPECT_EQ(GetFocus(), form.subject.Handle()) << Describe(GetFocus());
}

// --- 3. Esc ----------------------------------------------------------------------------

// Hears the Esc character as the Information Item window does (it closes on it).
struct ListDialog : qrv::Form {
  explicit ListDialog(qrv::Form& owner)
      : Form({.caption = L"list dialog", .clientSize = {240, 120}, .owner = &owner}) {}
  int escapeCharacters = 0;
  bool PreTranslate(MSG& msg) override {
    if (msg.message == WM_CHAR && msg.wParam == VK_ESCAPE) ++escapeCharacters;
    return false;
  }
  qrv::ComboBox choice{*this, {.bounds = {8, 8, 150, 120}, .items = {L"One", L"Two", L"Three"}}};
  qrv::ComboBox typed{*this, {.bounds = {8, 40, 150, 120}, .editable = true, .items = {L"9:00 AM", L"9:30 AM"}}};
  qrv::Button cancelButton{*this, {.bounds = {160, 90, 70, 23}, .text = L"Cancel", .isCancel = true}};
};

TEST(Esc, InAnOpenListClosesTheListOnly) {
  qrv::Form owner{{.caption = L"owner", .clientSize = {100, 40}}};
  ListDialog dialog(owner);
  int cancels = 0;
  dialog.cancelButton.onClick = [&] { ++cancels; };
  ShowInFront(dialog);
  for (qrv::ComboBox* box : {&dialog.choice, &dialog.typed}) {
    for (bool byMouse : {false, true}) {
      box->Focus();
      Pump(20);
      if (byMouse) {
        RECT rc{};
        GetWindowRect(box->Handle(), &rc);
        qrv::testing::ClickAt({rc.right - 8, rc.top + 10});  // the arrow
      } else {
        PressKeys({VK_DOWN}, VK_MENU);
      }
      Pump(60);
      ASSERT_TRUE(SendMessageW(box->Handle(), CB_GETDROPPEDSTATE, 0, 0)) << Describe(box->Handle()) << byMouse;
      PressKeys({VK_ESCAPE});
      Pump(60);
      EXPECT_FALSE(SendMessageW(box->Handle(), CB_GETDROPPEDSTATE, 0, 0));
      EXPECT_EQ(cancels, 0) << byMouse;
      EXPECT_EQ(dialog.escapeCharacters, 0) << Describe(box->Handle()) << byMouse;
      EXPECT_TRUE(dialog.Visible());
      PressKeys({VK_ESCAPE});
      EXPECT_EQ(cancels, 1);
      cancels = 0;
      dialog.escapeCharacters = 0;
    }
  }
}

// --- 4. Tab and Shift+Tab into an editable combo box -----------------------------------

struct TimeForm : qrv::Form {
  TimeForm() : Form({.caption = L"times", .clientSize = {300, 80}}) {}
  qrv::Edit before{*this, {.bounds = {8, 8, 60, 20}}};
  qrv::ComboBox time{*this, {.bounds = {80, 8, 90, 200}, .editable = true, .items = {L"9:00 AM", L"9:30 AM"}}};
  qrv::Edit after{*this, {.bounds = {180, 8, 60, 20}}};
};

TEST(ComboBoxes, SelectTheirTextWhenEnteredByTabOrShiftTab) {
  TimeForm form;
  ShowInFront(form);
  form.time.SetText(L"9:00 AM");
  form.after.Focus();
  PressKeys({VK_TAB}, VK_SHIFT);
  ASSERT_EQ(GetFocus(), form.time.EditHandle()) << Describe(GetFocus());
  TypeCharacter(L'2');
  Pump(40);
  EXPECT_EQ(form.time.Text(), L"2");
  form.time.SetText(L"9:00 AM");
  form.before.Focus();
  PressKeys({VK_TAB});
  ASSERT_EQ(GetFocus(), form.time.EditHandle()) << Describe(GetFocus());
  TypeCharacter(L'3');
  Pump(40);
  EXPECT_EQ(form.time.Text(), L"3");
}

// --- 5. Enter in a list view ------------------------------------------------------------

struct ListForm : qrv::Form {
  ListForm() : Form({.caption = L"lists", .clientSize = {300, 160}}) {}
  qrv::ListView opening{*this, {.bounds = {8, 8, 130, 100}, .columns = {{L"Name", 100}}, .enterOpens = true}};
  qrv::ListView plain{*this, {.bounds = {150, 8, 130, 100}, .columns = {{L"Name", 100}}}};
  qrv::Button okButton{*this, {.bounds = {200, 125, 75, 23}, .text = L"OK", .isDefault = true}};
};

TEST(ListViews, EnterActsAsADoubleClickWhereTheFormSaysSo) {
  ListForm form;
  for (qrv::ListView* list : {&form.opening, &form.plain}) {
    list->AddRow({L"alpha"});
    list->AddRow({L"beta"});
  }
  ShowInFront(form);
  std::vector<int> opened;
  int oks = 0;
  form.opening.onDoubleClick = [&](int row) { opened.push_back(row); };
  form.plain.onDoubleClick = [&](int row) { opened.push_back(100 + row); };
  form.okButton.onClick = [&] { ++oks; };
  form.opening.Focus();
  form.opening.SetSelection(1);
  PressKeys({VK_RETURN});
  EXPECT_EQ(opened, std::vector<int>{1});
  EXPECT_EQ(oks, 0);
  form.plain.Focus();
  form.plain.SetSelection(0);
  PressKeys({VK_RETURN});
  EXPECT_EQ(opened, std::vector<int>{1});
  EXPECT_EQ(oks, 1);
}

// --- 6. Ctrl+Tab and Ctrl+PageDown ---------------------------------------------------------

struct PagesForm : qrv::Form {
  PagesForm() : Form({.caption = L"pages", .clientSize = {300, 200}}) {}
  qrv::Edit field{*this, {.bounds = {8, 8, 100, 20}}};
  qrv::TabControl tabs{*this, {.bounds = {8, 36, 280, 120}, .pages = {L"One", L"Two", L"Three"}}};
  qrv::CheckBox onOne{tabs.Page(0), {.bounds = {8, 8, 100, 20}, .text = L"On one"}};
  qrv::Edit onTwo{tabs.Page(1), {.bounds = {8, 8, 100, 20}}};
  qrv::Edit notesOnThree{tabs.Page(2), {.bounds = {8, 8, 150, 60}, .multiLine = true}};
};

TEST(TabPages, ChangeWithCtrlTabAndCtrlPageDownWhereverTheFocusIs) {
  PagesForm form;
  ShowInFront(form);
  int selects = 0;
  form.tabs.onSelect = [&] { ++selects; };
  form.onOne.Focus();
  PressKeys({VK_TAB}, VK_CONTROL);
  EXPECT_EQ(form.tabs.Selection(), 1);
  EXPECT_TRUE(form.tabs.Page(1).Visible());
  EXPECT_FALSE(form.tabs.Page(0).Visible());
  EXPECT_EQ(selects, 1);
  EXPECT_TRUE(GetFocus() && IsWindowVisible(GetFocus())) << Describe(GetFocus());
  PressKeys({VK_NEXT}, VK_CONTROL);
  EXPECT_EQ(form.tabs.Selection(), 2);
  form.notesOnThree.Focus();
  PressKeys({VK_NEXT}, VK_CONTROL);  // round to the first
  EXPECT_EQ(form.tabs.Selection(), 0);
  EXPECT_EQ(form.notesOnThree.Text(), L"");
  PressKeys({VK_PRIOR}, VK_CONTROL);
  EXPECT_EQ(form.tabs.Selection(), 2);
  Key(VK_CONTROL, false);
  Key(VK_SHIFT, false);
  PressKeys({VK_TAB});
  Key(VK_SHIFT, true);
  Key(VK_CONTROL, true);
  Pump(40);
  EXPECT_EQ(form.tabs.Selection(), 1);
  // From a control outside the pages too.
  form.field.Focus();
  PressKeys({VK_TAB}, VK_CONTROL);
  EXPECT_EQ(form.tabs.Selection(), 2);
  EXPECT_EQ(selects, 6);
}

// --- 7. Tab order of a tab control made after the buttons under it -------------------------

struct LatePagesForm : qrv::Form {
  LatePagesForm() : Form({.caption = L"late pages", .clientSize = {300, 220}}) {}
  qrv::Button okButton{*this, {.bounds = {60, 190, 70, 23}, .text = L"OK", .isDefault = true}};
  qrv::Button prefsButton{*this, {.bounds = {140, 190, 70, 23}, .text = L"Preferences"}};
  qrv::Button cancelButton{*this,
                           {.bounds = {140, 190, 70, 23}, .text = L"Cancel", .visible = false, .isCancel = true}};
  qrv::Button helpButton{*this, {.bounds = {220, 190, 25, 23}, .text = L"?"}};
  std::unique_ptr<qrv::TabControl> tabs;
  std::unique_ptr<qrv::CheckBox> first, second;
  void OpenPages() {
    tabs = std::make_unique<qrv::TabControl>(*this, qrv::TabArgs{.bounds = {8, 8, 280, 170}, .pages = {L"General"}});
    first = std::make_unique<qrv::CheckBox>(tabs->Page(0), qrv::CheckArgs{.bounds = {8, 8, 100, 20}, .text = L"First"});
    second =
        std::make_unique<qrv::CheckBox>(tabs->Page(0), qrv::CheckArgs{.bounds = {8, 32, 100, 20}, .text = L"Second"});
    prefsButton.SetVisible(false);
    cancelButton.SetVisible(true);
  }
};

// As in the preferences window: "Preferences" opens the pages and hides itself.
TEST(TabOrder, APagesControlsComeRightAfterItsTabControlAndBeforeTheButtonsUnderIt) {
  LatePagesForm form;
  ShowInFront(form);
  form.prefsButton.onClick = [&] { form.OpenPages(); };
  ClickOn(form.prefsButton.Handle());
  ASSERT_TRUE(form.tabs);
  ExpectTabRoute({form.first->Handle()});
  form.first->Focus();
  ExpectTabRoute({form.second->Handle(), form.okButton.Handle(), form.cancelButton.Handle(), form.helpButton.Handle(),
                  form.first->Handle()});
  ExpectTabRoute({form.helpButton.Handle()}, VK_SHIFT);
}

// --- 8. A window's keys whichever control has the focus ---------------------------------

struct KeysForm : qrv::Form {
  KeysForm() : Form({.caption = L"window keys", .clientSize = {420, 260}}) {}
  qrv::Edit field{*this, {.bounds = {8, 8, 100, 20}}};
  qrv::Button button{*this, {.bounds = {120, 8, 60, 22}, .text = L"Test"}};
  qrv::ListBox list{*this, {.bounds = {8, 40, 100, 60}, .items = {L"one", L"two"}}};
  qrv::ListView view{*this, {.bounds = {120, 40, 100, 60}, .columns = {{L"Name", 80}}}};
  qrv::MonthCalendar calendar{*this, {.bounds = {8, 110, 200, 140}}};
  qrv::TabControl tabs{*this, {.bounds = {230, 8, 180, 120}, .pages = {L"Files", L"Library"}}};
  qrv::ListBox fileList{tabs.Page(0), {.bounds = {0, 0, 170, 80}, .items = {L"a.qrv"}}};
  qrv::TreeView tree{tabs.Page(1), {.bounds = {0, 0, 170, 80}}};
  qrv::MenuBar bar{*this};
  qrv::MenuItem file{bar, {.text = L"&File"}};
  qrv::MenuItem save{file, {.text = L"&Save", .hotkeyText = L"Ctrl+S", .accelerator = {FVIRTKEY | FCONTROL, 'S', 0}}};
  qrv::MenuItem help{file, {.text = L"Contents", .hotkeyText = L"F1", .accelerator = {FVIRTKEY, VK_F1, 0}}};
};

TEST(WindowKeys, WorkWhicheverControlHasTheFocus) {
  KeysForm form;
  form.bar.Attach();
  form.view.AddRow({L"row"});
  ShowInFront(form);
  int saves = 0, helps = 0;
  form.save.onClick = [&] { ++saves; };
  form.help.onClick = [&] { ++helps; };
  int expected = 0;
  for (qrv::Control* control :
       std::vector<qrv::Control*>{&form.field, &form.button, &form.list, &form.view, &form.calendar, &form.fileList}) {
    ClickOn(control->Handle());
    control->Focus();
    Pump(20);
    ASSERT_EQ(GetFocus(), control->Handle()) << Describe(control->Handle());
    PressKeys({'S'}, VK_CONTROL);
    PressKeys({VK_F1});
    ++expected;
    EXPECT_EQ(saves, expected) << Describe(control->Handle());
    EXPECT_EQ(helps, expected) << Describe(control->Handle());
    saves = helps = expected;
  }
}

// Last: a run ended by Terminate leaves the loop ended for ProcessMessages.
// The main form of a run, with a field and the timer that drives the test.
struct MainForm : qrv::Form {
  MainForm() : Form({.caption = L"main", .clientSize = {120, 60}}) {}
  qrv::Edit field{*this, {.bounds = {4, 4, 100, 20}}};
  qrv::Timer timer{*this, 60, true};
};

TEST(EscOnTheMainForm, NeverEndsTheProgram) {
  auto& app = qrv::Application::Get();
  auto& main = app.CreateForm<MainForm>();
  ASSERT_EQ(app.MainForm(), &main);
  int ticks = 0;
  bool shownAfterEsc = false;
  main.timer.onTimer = [&] {
    ++ticks;
    if (ticks == 1) {
      SetForegroundWindow(main.Handle());
      main.field.Focus();
    } else if (ticks == 2) {
      Key(VK_ESCAPE, false);
      Key(VK_ESCAPE, true);
    } else if (ticks == 6) {
      shownAfterEsc = main.Visible();
      app.Terminate();
    }
  };
  app.Run();  // frees the main form when it ends
  EXPECT_EQ(ticks, 6);
  EXPECT_TRUE(shownAfterEsc);
}

}  // namespace
