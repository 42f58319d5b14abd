// A form with one control of each kind under Wine: where the controls are at
// 96 and 144 DPI, events for real input and none for the program's changes,
// the dialog keys (Tab, Enter, Esc, mnemonics, arrows), menus and lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/lists.h"
#include "ui/menu.h"
#include "ui/panels.h"
#include "ui/pickers.h"
#include "ui/picture.h"
#include "ui/timer.h"
#include "ui/tree_view.h"
#include "ui_test_support.h"

namespace {

using qrv::Notify;
using qrv::testing::answeredBox;
using qrv::testing::AnswerNextBox;
using qrv::testing::ClickOn;
using qrv::testing::Describe;
using qrv::testing::PressKeys;
using qrv::testing::Pump;
using qrv::testing::ScreenPixels;

struct AllKinds : qrv::Form {
  AllKinds() : Form({.caption = L"all kinds", .clientSize = {420, 300}, .style = qrv::FormStyle::kSizable}) {}
  qrv::Label nameLabel{*this, {.bounds = {8, 10, 40, 16}, .text = L"&Name"}};
  qrv::Edit nameEdit{*this, {.bounds = {50, 8, 120, 20}, .anchors = {.right = true}}};
  qrv::CheckBox doneCheck{*this, {.bounds = {8, 34, 100, 20}, .text = L"&Done"}};
  qrv::RadioButton lowRadio{*this, {.bounds = {8, 58, 60, 20}, .text = L"Low", .checked = true, .groupStart = true}};
  qrv::RadioButton highRadio{*this, {.bounds = {70, 58, 60, 20}, .text = L"High"}};
  qrv::GroupBox group{*this, {.bounds = {180, 30, 100, 60}, .text = L"Group"}};
  qrv::ComboBox kindCombo{*this, {.bounds = {8, 84, 120, 100}, .items = {L"Task", L"Note"}}};
  qrv::ListBox list{*this, {.bounds = {8, 110, 120, 60}, .items = {L"one", L"two", L"three"}}};
  qrv::Button okButton{*this,
                       {.bounds = {250, 260, 75, 23},
                        .text = L"&OK",
                        .anchors = {.left = false, .top = false, .right = true, .bottom = true},
                        .isDefault = true}};
  qrv::Button cancelButton{*this, {.bounds = {330, 260, 75, 23}, .text = L"Cancel", .isCancel = true}};
  qrv::RichEdit notes{*this, {.bounds = {140, 110, 140, 60}}};
  qrv::ListView view{*this,
                     {.bounds = {290, 8, 120, 100},
                      .columns = {{L"Name", 60}, {L"Size", 50}},
                      .checkBoxes = true,
                      .editLabels = true}};
  qrv::MonthCalendar calendar{*this, {.bounds = {8, 180, 200, 70}, .visible = false}};
  qrv::Edit countEdit{*this, {.bounds = {290, 120, 50, 20}, .text = L"0"}};
  qrv::UpDown count{*this, {.bounds = {340, 120, 16, 20}, .maximum = 9, .buddy = countEdit.Handle()}};
  qrv::TabControl tabs{*this, {.bounds = {8, 180, 230, 70}, .pages = {L"One", L"Two"}}};
  qrv::CheckBox pageCheck{tabs.Page(1), {.bounds = {4, 4, 80, 18}, .text = L"On page"}};
  qrv::PictureLabel letter{*this, {.bounds = {250, 200, 20, 16}, .text = L"L"}, {.points = 10, .bold = true}};
};

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetWindowRect(40, 40, form_.WindowRect().right - form_.WindowRect().left,
                        form_.WindowRect().bottom - form_.WindowRect().top);
    form_.Show();
    SetForegroundWindow(form_.Handle());
    Pump(50);
  }
  AllKinds form_;
};

using Box = std::array<LONG, 4>;  // left, top, width, height
Box BoxOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
Box Placed(const qrv::Control& control) { return BoxOf(control.PlacedRect()); }
Box ClientOf(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return BoxOf(rc);
}

TEST_F(Controls, StandWhereDesignedAndScaleWithTheDpi) {
  EXPECT_EQ(Placed(form_.nameEdit), (Box{50, 8, 120, 20}));
  EXPECT_EQ(Placed(form_.okButton), (Box{250, 260, 75, 23}));
  EXPECT_EQ(ClientOf(form_.Handle()), (Box{0, 0, 420, 300}));
  form_.ApplyDpi(144);
  EXPECT_EQ(Placed(form_.nameEdit), (Box{75, 12, 180, 30}));
  EXPECT_EQ(Placed(form_.okButton), (Box{375, 390, 113, 35}));
  EXPECT_EQ(ClientOf(form_.Handle()), (Box{0, 0, 630, 450}));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form_.nameEdit.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -16);  // 8 points at 144 DPI
  // Back at 96 through the system's message, taking its suggested rectangle.
  RECT suggested = form_.WindowRect();
  RECT frame{0, 0, 420, 300};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
  suggested.right = suggested.left + frame.right - frame.left;
  suggested.bottom = suggested.top + frame.bottom - frame.top;
  SendMessageW(form_.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(Placed(form_.nameEdit), (Box{50, 8, 120, 20}));
  EXPECT_EQ(Placed(form_.okButton), (Box{250, 260, 75, 23}));
}

TEST_F(Controls, AnchoredControlsFollowTheFormsSize) {
  const RECT w = form_.WindowRect();
  form_.SetWindowRect(w.left, w.top, w.right - w.left + 40, w.bottom - w.top + 20);
  EXPECT_EQ(Placed(form_.nameEdit), (Box{50, 8, 160, 20}));        // stretched
  EXPECT_EQ(Placed(form_.okButton), (Box{290, 280, 75, 23}));      // moved
  EXPECT_EQ(Placed(form_.cancelButton), (Box{330, 260, 75, 23}));  // stays
}

TEST_F(Controls, EventsFireOnceForTheUsersInputAndNotForTheProgramsChanges) {
  int edits = 0, checks = 0, selects = 0, notes = 0;
  form_.nameEdit.onChange = [&] { ++edits; };
  form_.doneCheck.onChange = [&] { ++checks; };
  form_.list.onSelect = [&] { ++selects; };
  form_.notes.onChange = [&] { ++notes; };
  form_.nameEdit.SetText(L"program");
  form_.doneCheck.SetChecked(true);
  form_.list.SetSelected(1, true);
  form_.notes.SetPlainText(L"program");
  EXPECT_EQ(edits + checks + selects + notes, 0);
  form_.nameEdit.SetText(L"asked", Notify::kYes);
  EXPECT_EQ(edits, 1);

  form_.nameEdit.Focus();
  form_.nameEdit.Select(100, 100);
  PressKeys({'A', 'B'});
  EXPECT_EQ(edits, 3);
  EXPECT_EQ(form_.nameEdit.Text(), L"askedab");
  ClickOn(form_.doneCheck.Handle());
  EXPECT_EQ(checks, 1);
  EXPECT_FALSE(form_.doneCheck.Checked());
  const RECT item = form_.list.ItemRect(2);
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(form_.list.Handle(), &at);
  qrv::testing::ClickAt(at);
  EXPECT_EQ(selects, 1);
  EXPECT_TRUE(form_.list.Selected(2));
  form_.notes.Focus();
  PressKeys({'X'});
  EXPECT_EQ(notes, 1);
}

TEST_F(Controls, TabMovesThroughTheControlsInCreationOrder) {
  form_.nameEdit.Focus();
  PressKeys({VK_TAB});
  EXPECT_EQ(GetFocus(), form_.doneCheck.Handle());
  PressKeys({VK_TAB});
  EXPECT_TRUE(GetFocus() == form_.lowRadio.Handle() || GetFocus() == form_.highRadio.Handle()) << Describe(GetFocus());
  PressKeys({VK_TAB});
  EXPECT_EQ(GetFocus(), form_.kindCombo.Handle());
  PressKeys({VK_TAB}, VK_SHIFT);
  PressKeys({VK_TAB}, VK_SHIFT);
  EXPECT_EQ(GetFocus(), form_.doneCheck.Handle());
}

TEST_F(Controls, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
  int oks = 0, cancels = 0;
  form_.okButton.onClick = [&] { ++oks; };
  form_.cancelButton.onClick = [&] { ++cancels; };
  form_.nameEdit.Focus();
  PressKeys({VK_RETURN});
  EXPECT_EQ(oks, 1);
  PressKeys({VK_ESCAPE});
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(oks, 1);
}

TEST_F(Controls, MnemonicsClickButtonsAndLabelsLeadToTheirControl) {
  int checks = 0;
  form_.doneCheck.onChange = [&] { ++checks; };
  form_.list.Focus();
  PressKeys({'N'}, VK_MENU);
  EXPECT_EQ(GetFocus(), form_.nameEdit.Handle()) << Describe(GetFocus());
  PressKeys({'D'}, VK_MENU);
  EXPECT_EQ(checks, 1);
  EXPECT_TRUE(form_.doneCheck.Checked());
}

TEST_F(Controls, ArrowKeysMoveWithinARadioGroup) {
  int changes = 0;
  form_.highRadio.onChange = [&] { ++changes; };
  form_.lowRadio.SetChecked(true);
  form_.lowRadio.Focus();
  PressKeys({VK_RIGHT});
  EXPECT_EQ(GetFocus(), form_.highRadio.Handle());
  EXPECT_TRUE(form_.highRadio.Checked());
  EXPECT_FALSE(form_.lowRadio.Checked());
  EXPECT_EQ(changes, 1);
}

TEST_F(Controls, RichEditStreamsPlainTextInAndOut) {
  const std::wstring text = L"first line\r\nsecond \u00e9 line";
  form_.notes.SetPlainText(text);
  std::wstring back = form_.notes.PlainText();
  // The control keeps its paragraphs with CR alone.
  EXPECT_EQ(back.substr(0, 10), L"first line");
  EXPECT_NE(back.find(L"second \u00e9 line"), std::wstring::npos);
  form_.notes.SetPlainText(L"");
  EXPECT_EQ(form_.notes.PlainText(), L"");
}

TEST_F(Controls, ListViewLabelEditIsKeptOrRefusedByItsHandler) {
  form_.view.AddRow({L"alpha", L"1"});
  form_.view.AddRow({L"beta", L"2"});
  int checks = 0;
  form_.view.onCheck = [&](int, bool) { ++checks; };
  form_.view.SetChecked(1, true);
  EXPECT_TRUE(form_.view.Checked(1));
  EXPECT_EQ(checks, 0);
  bool accept = false;
  form_.view.onLabelEdit = [&](int, const std::wstring& text) { return accept && text == L"gamma"; };
  for (bool keep : {false, true}) {
    accept = keep;
    form_.view.Focus();
    HWND edit = form_.view.EditLabel(0);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"gamma");
    PressKeys({VK_RETURN});
    EXPECT_EQ(form_.view.CellText(0, 0), keep ? L"gamma" : L"alpha");
  }
  EXPECT_EQ(form_.view.CellText(1, 1), L"2");
}

struct LongList : qrv::Form {
  LongList() : Form({.caption = L"long list", .clientSize = {300, 200}}) {}
  std::vector<std::wstring> rows;
  qrv::ListView view{
      *this,
      {.bounds = {8, 8, 265, 148}, .columns = {{L"Row", 120}, {L"Half", 100}}, .rowHeight = 18, .virtualRows = true}};
};

// A list of virtual rows draws anew only what its changes touch: what it then
// shows is what drawing it whole shows, rows, scroll bar and column titles.
TEST(VirtualList, ShowsAfterEachChangeWhatDrawingItWholeShows) {
  LongList form;
  for (int n = 0; n < 5000; ++n) form.rows.push_back(L"row " + std::to_wstring(n));
  form.view.cellText = [&](int row, int column) {
    const std::wstring& text = form.rows[static_cast<std::size_t>(row)];
    return column == 0 ? text : text.substr(0, text.size() / 2);
  };
  form.Show();
  SetForegroundWindow(form.Handle());
  form.view.SetRowCount(static_cast<int>(form.rows.size()));
  form.view.SetSelection(2500);
  Pump(50);
  const auto shownAfter = [&](const char* change) {
    Pump(50);
    const std::vector<COLORREF> shown = ScreenPixels(form.view.Handle());
    RedrawWindow(form.view.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(50);
    EXPECT_TRUE(shown == ScreenPixels(form.view.Handle())) << change;
  };
  const auto count = [&] { return static_cast<int>(form.rows.size()); };
  form.rows.erase(form.rows.begin() + 2500);
  form.view.SetRowCount(count(), qrv::RowsDrawn::kByCaller);
  form.view.RedrawRows(2500, count());
  form.view.SetSelection(2500);
  shownAfter("a row removed");
  form.rows.push_back(L"added");
  form.view.SetRowCount(count(), qrv::RowsDrawn::kByCaller);
  form.view.RedrawRows(count() - 1, count() - 1);
  form.view.SetSelection(count() - 1);
  shownAfter("a row added at the end, out of view");
  form.view.SetSelection(0);
  shownAfter("the first row selected");
  for (std::wstring& row : form.rows) row += L" again";
  form.view.SetRowCount(count());
  shownAfter("every row changed");
  form.rows.resize(3);
  form.view.SetRowCount(count());
  form.view.SetSelection(2);
  shownAfter("fewer rows than the list holds");
}

TEST_F(Controls, PickersKeepTheirValuesQuietly) {
  int changes = 0;
  form_.count.onChange = [&](int) { ++changes; };
  form_.count.SetPosition(4);
  EXPECT_EQ(form_.count.Position(), 4);
  form_.countEdit.Focus();
  PressKeys({VK_UP});
  EXPECT_EQ(form_.count.Position(), 5);
  EXPECT_EQ(changes, 1);
  SYSTEMTIME first{2024, 3, 0, 4, 0, 0, 0, 0}, last{2024, 3, 0, 6, 0, 0, 0, 0};
  int selects = 0;
  form_.calendar.onSelect = [&] { ++selects; };
  ASSERT_TRUE(form_.calendar.SetRange(first, last));
  EXPECT_EQ(form_.calendar.Range().second.wDay, 6);
  EXPECT_EQ(selects, 0);
  form_.tabs.SetSelection(1);
  EXPECT_TRUE(form_.tabs.Page(1).Visible());
  EXPECT_FALSE(form_.tabs.Page(0).Visible());
  EXPECT_EQ(GetParent(form_.pageCheck.Handle()), form_.tabs.Page(1).Handle());
}

TEST_F(Controls, ChildOfAPanelReflectsItsEventsThroughThePanel) {
  int changes = 0;
  form_.pageCheck.onChange = [&] { ++changes; };
  form_.tabs.SetSelection(1);
  Pump(30);
  ClickOn(form_.pageCheck.Handle());
  EXPECT_EQ(changes, 1);
}

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[128] = L"";
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

TEST_F(Controls, PopupMenuShowsTheItemsAsTheyStandAndRunsTheChosenOneAfterClosing) {
  qrv::PopupMenu menu;
  qrv::MenuItem open{menu, {.text = L"Open"}};
  qrv::MenuItem find{menu, {.text = L"Find...", .hotkeyText = L"Ctrl+F", .enabled = false}};
  qrv::MenuItem line{menu, {.text = L"-"}};
  qrv::MenuItem more{menu, {.text = L"More"}};
  qrv::MenuItem deep{more, {.text = L"Deep"}};
  qrv::MenuItem hidden{menu, {.text = L"Hidden", .visible = false}};
  std::vector<std::wstring> chosen;
  for (qrv::MenuItem* item : {&open, &find, &deep}) item->onClick = [&chosen, item] { chosen.push_back(item->text); };
  std::vector<qrv::MenuItem*> commands;
  HMENU built = menu.Build(commands);
  ASSERT_EQ(GetMenuItemCount(built), 4);
  EXPECT_EQ(MenuText(built, 1), L"Find...\tCtrl+F");
  EXPECT_TRUE(GetMenuState(built, 1, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(MenuText(GetSubMenu(built, 3), 0), L"Deep");
  DestroyMenu(built);
  // Down to "More", into it, choose "Deep".
  qrv::Timer keys(form_, 150, true);
  keys.onTimer = [&] {
    keys.SetEnabled(false);
    // The menu's own loop takes these keys: send them without pumping here.
    for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}) {
      qrv::testing::Key(key, false);
      qrv::testing::Key(key, true);
    }
  };
  menu.Popup(form_, 100, 100);
  EXPECT_EQ(chosen, std::vector<std::wstring>{L"Deep"});
}

// A menu item's picture shows over the menu with its transparency: beside the
// one opaque red column of a picture otherwise clear lies the menu's colour,
// not black.
TEST_F(Controls, MenuPicturesShowOverTheMenuWithTheirTransparency) {
  constexpr int kSide = 16;
  BITMAPINFO info = qrv::TopDownBitmapInfo(kSide, kSide);
  void* bits = nullptr;
  qrv::OwnedBitmap picture{CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  ASSERT_TRUE(picture);
  for (int n = 0; n < kSide * kSide; ++n) static_cast<std::uint32_t*>(bits)[n] = n % kSide == 4 ? 0xFFFF0000 : 0;
  qrv::PopupMenu menu;
  qrv::MenuItem pictured{menu, {.text = L"Pictured", .picture = picture.Get()}};
  COLORREF beside = CLR_INVALID;
  qrv::Timer look(form_, 300, true);
  look.onTimer = [&] {
    look.SetEnabled(false);
    if (HWND open = FindWindowW(L"#32768", nullptr)) {
      RECT rc{};
      GetClientRect(open, &rc);
      HDC dc = GetDC(open);
      for (int n = 0; beside == CLR_INVALID && n < rc.right * rc.bottom; ++n) {
        if (GetPixel(dc, n % rc.right, n / rc.right) == RGB(255, 0, 0))
          beside = GetPixel(dc, n % rc.right + 1, n / rc.right);
      }
      ReleaseDC(open, dc);
    }
    qrv::testing::Key(VK_ESCAPE, false);
    qrv::testing::Key(VK_ESCAPE, true);
  };
  menu.Popup(form_, 100, 100);
  EXPECT_EQ(beside, GetSysColor(COLOR_MENU));
}

TEST_F(Controls, MenuBarAcceleratorRunsItsItem) {
  qrv::MenuBar bar(form_);
  qrv::MenuItem file{bar, {.text = L"&File"}};
  qrv::MenuItem save{file, {.text = L"&Save", .hotkeyText = L"Ctrl+S", .accelerator = {FVIRTKEY | FCONTROL, 'S', 0}}};
  bar.Attach();
  int saves = 0;
  save.onClick = [&] { ++saves; };
  form_.nameEdit.Focus();
  PressKeys({'S'}, VK_CONTROL);
  EXPECT_EQ(saves, 1);
  save.enabled = false;
  PressKeys({'S'}, VK_CONTROL);
  EXPECT_EQ(saves, 1);
}

struct TreeForm : qrv::Form {
  TreeForm() : Form({.caption = L"tree", .clientSize = {200, 220}}) {}
  qrv::TreeView tree{*this, {.bounds = {4, 4, 190, 180}}};
  qrv::StatusBar status{*this, {.bounds = {0, 200, 200, 20}, .text = L"Ready"}};
};

TEST(TreeView, NodesKeepTheirNumbersAndOnlyTheUsersSelectionFires) {
  TreeForm form;
  form.Show();
  SetForegroundWindow(form.Handle());
  int selections = 0;
  form.tree.onSelect = [&] { ++selections; };
  const int reading = form.tree.Add(-1, L"Reading");
  EXPECT_EQ(form.tree.Add(reading, L"Books"), 1);
  EXPECT_EQ(form.tree.Add(-1, L"Films"), 2);
  EXPECT_EQ(form.tree.Add(2, L"Cinema"), 3);
  EXPECT_EQ(form.tree.Add(17, L"Out of range goes to the top"), 4);
  EXPECT_EQ(form.tree.NodeText(3), L"Cinema");
  EXPECT_EQ(form.tree.NodeText(9), L"");
  form.tree.SetSelection(3);
  EXPECT_EQ(form.tree.Selection(), 3);
  EXPECT_EQ(selections, 0);
  // Down from "Cinema" is the last top-level node.
  form.tree.Focus();
  PressKeys({VK_DOWN});
  EXPECT_EQ(form.tree.Selection(), 4);
  EXPECT_EQ(selections, 1);
  form.tree.Clear();
  EXPECT_EQ(form.tree.Count(), 0);
  EXPECT_EQ(form.tree.Selection(), -1);
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(form.status.Text(), L"Ready");
  form.status.SetText(L"Done.");
  EXPECT_EQ(form.status.Text(), L"Done.");
}

// Another window's turn and a box of the form's own leave the focus on the
// field the user left.
TEST_F(Controls, TheFocusComesBackToTheFieldTheUserLeft) {
  ClickOn(form_.notes.Handle());
  ASSERT_EQ(GetFocus(), form_.notes.Handle());
  qrv::Form other({.caption = L"other", .clientSize = {120, 40}});
  other.Show();
  SetForegroundWindow(other.Handle());
  Pump(50);
  ASSERT_EQ(GetActiveWindow(), other.Handle());
  SetForegroundWindow(form_.Handle());
  Pump(50);
  EXPECT_EQ(GetFocus(), form_.notes.Handle());

  AnswerNextBox(IDOK);
  qrv::ShowMessage(L"a box of the form's", qrv::MessageKind::kInformation, qrv::MessageButtons::kOk,
                   {.owner = form_.Handle()});
  Pump(50);
  EXPECT_EQ(answeredBox.owner, form_.Handle());
  EXPECT_EQ(GetForegroundWindow(), form_.Handle());
  EXPECT_EQ(GetFocus(), form_.notes.Handle());
}

}  // namespace
