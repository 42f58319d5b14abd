// The hotkey editor driven by the keys a user presses: adding a row, the
// conflict between two rows, Apply and the file's bytes, the close question,
// a failed save, reopening.
#include "hotkey_test_support.h"

namespace qrv::testing {
namespace {

using HotkeyEditorTest = HotkeyTest;

// What the conflict dialog showed, and the key that answered it.
struct ConflictAnswer {
  WORD key = VK_ESCAPE;
  std::vector<std::wstring> texts;
  int shown = 0;
};
ConflictAnswer gConflict;

void CALLBACK AnswerConflict(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowW(nullptr, L"Hotkey definition error");
  if (!dialog || !IsWindowVisible(dialog) || GetForegroundWindow() != dialog) return;
  gConflict.texts.clear();
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[256] = L"";
    GetWindowTextW(child, text, 256);
    gConflict.texts.push_back(text);
  }
  ++gConflict.shown;
  Key(gConflict.key, false);
  Key(gConflict.key, true);
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The list's rows as description:action, the selected one marked with "*".
std::wstring ListShown(const HotkeyEditor& editor) {
  HWND list = FindWindowExW(editor.Handle(), nullptr, WC_LISTVIEWW, nullptr);
  std::wstring shown;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    wchar_t description[64] = L"", action[64] = L"";
    ListView_GetItemText(list, row, 0, description, 64);
    ListView_GetItemText(list, row, 1, action, 64);
    shown += (ListView_GetItemState(list, row, LVIS_SELECTED) ? L"*" : L"") + std::wstring(description) + L":" +
             action + L" ";
  }
  return shown;
}

// Replaces the description with one typed letter.
void RetypeDescription(char c) {
  Alt('S');
  PressKeys({VK_HOME});
  PressKeys({VK_END}, VK_SHIFT);
  Type(std::string(1, c));
}

TEST_F(HotkeyEditorTest, ARowAddedFromTheKeyboardIsAppliedToTheFileByteForByteAndRegistered) {
  HotkeyEditor& editor = OpenEditor();
  // No file: one new blank row, unsaved.
  ASSERT_EQ(editor.Rows().size(), 1u);
  EXPECT_TRUE(editor.Modified());
  EXPECT_TRUE(IsWindowEnabled(ControlNamed(editor, L"&Apply")));

  Alt('S');
  Type("pad");
  Alt('T');
  PressKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});  // Open Outlook Folder
  Alt('F');
  PressKeys({VK_DOWN, VK_DOWN});  // Calendar
  Alt('H');
  PressKeys({VK_SPACE, VK_TAB, VK_SPACE, VK_TAB, VK_TAB, VK_TAB});  // Ctrl, Alt, then the key list
  Type("7");
  EXPECT_EQ(Prompts().size(), 0u);
  Alt('A');

  EXPECT_FALSE(editor.Modified());
  EXPECT_FALSE(IsWindowEnabled(ControlNamed(editor, L"&Apply")));
  const std::string header =
      "\x06\x1F"
      "Hotkey definitions, version 1.1\x01";
  const std::string record = std::string("\x06\x03pad\x02\x04\x02\x02\x09\x09\x08\x08\x02\x19\x09", 16);
  EXPECT_EQ(FileBytes(), header + record + std::string(1, '\0'));
  ASSERT_EQ(editor.Actions().Hotkeys().Count(), 1);
  EXPECT_TRUE(editor.Actions().Hotkeys().At(0).registered);

  // Pressed, it turns Outlook to the calendar; the menu shows it beside "Calendar".
  ASSERT_TRUE(parts_.outlook.Connect());
  Configure("explorer=yes\n");
  Press(0);
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Calendar");
  EXPECT_EQ(MenuHotkey(L"Calendar"), L"Ctrl+Alt+7");

  // Opened again, the editor shows the row as saved, unchanged.
  editor_.reset();
  HotkeyEditor& again = OpenEditor();
  ASSERT_EQ(again.Rows().size(), 1u);
  EXPECT_EQ(HotkeyText(again.Rows()[0]), "Ctrl+Alt+7");
  EXPECT_EQ(DataText(again.Rows()[0]), "Calendar");
  EXPECT_FALSE(again.Modified());
}

TEST_F(HotkeyEditorTest, AConflictNamesTheLaterRowAndResetPutsTheCombinationBack) {
  WriteRows(
      {Row("alpha", HotkeyAction::kOpenOutlook, "Ctrl+Alt+7"), Row("gamma", HotkeyAction::kOpenOutlookToday, "")});
  HotkeyEditor& editor = OpenEditor();
  const UINT_PTR answerer = SetTimer(nullptr, 0, 30, AnswerConflict);
  gConflict = {};

  // The keyboard moves the current row in the list as a click does.
  RECT first{};
  ListView_GetItemRect(FindWindowExW(editor.Handle(), nullptr, WC_LISTVIEWW, nullptr), 0, &first, LVIR_LABEL);
  POINT at{first.left + 10, (first.top + first.bottom) / 2};
  ClientToScreen(FindWindowExW(editor.Handle(), nullptr, WC_LISTVIEWW, nullptr), &at);
  ClickAt(at);
  PressKeys({VK_DOWN});
  ASSERT_EQ(editor.CurrentRow(), 1);
  EXPECT_EQ(editor.Rows()[1].description, "gamma");

  Alt('H');
  PressKeys({VK_SPACE, VK_TAB, VK_SPACE, VK_TAB, VK_TAB, VK_TAB});
  Type("7");  // Ctrl+Alt+7, which "alpha" has
  ASSERT_EQ(gConflict.shown, 1);
  EXPECT_EQ(gConflict.texts[1], L"alpha");
  EXPECT_EQ(gConflict.texts[2], L"If you continue the hotkey combination for 'gamma' will not work.");
  // Reset: the row and the boxes keep the row's own combination (Ctrl and Alt alone).
  EXPECT_EQ(HotkeyText(editor.Rows()[1]), "Ctrl+Alt+");
  EXPECT_TRUE(Checked(ControlNamed(editor, L"Ctrl")));

  gConflict.key = VK_RETURN;
  Type("67");  // Ctrl+Alt+6, free; then Ctrl+Alt+7 again
  ASSERT_EQ(gConflict.shown, 2);
  EXPECT_EQ(HotkeyText(editor.Rows()[1]), "Ctrl+Alt+7");

  // Both are saved; the earlier one has the combination, and only it shows in the menu.
  Alt('A');
  ASSERT_EQ(editor.Actions().Hotkeys().Count(), 2);
  EXPECT_TRUE(editor.Actions().Hotkeys().At(0).registered);
  EXPECT_FALSE(editor.Actions().Hotkeys().At(1).registered);
  EXPECT_EQ(MenuHotkey(L"Open Outlook"), L"Ctrl+Alt+7");
  EXPECT_EQ(MenuHotkey(L"Open Outlook Today"), L"");

  // An inactive row meets no conflict.
  Alt('O');  // the box's mnemonic clicks it
  ASSERT_FALSE(editor.Rows()[1].active);
  Alt('H');
  PressKeys({VK_SPACE, VK_SPACE});
  EXPECT_EQ(gConflict.shown, 2);
  KillTimer(nullptr, answerer);
}

TEST_F(HotkeyEditorTest, ClosingAsksAndAFailedSaveKeepsTheChangesUnsaved) {
  WriteRows({Row("notes", HotkeyAction::kViewHotkeys, "Ctrl+Alt+9")});
  HotkeyEditor& editor = OpenEditor();
  EXPECT_EQ(editor.Actions().Hotkeys().Count(), 1);
  Alt('S');
  Type("x");
  EXPECT_TRUE(editor.Modified());
  EXPECT_EQ(editor.Actions().Hotkeys().Count(), 0);  // no hotkey works while the list is changed

  // Yes, but the file is protected: the box says so and the editor stays, unsaved.
  SetFileAttributesW(File(L"prefs-qrv.hkd").c_str(), FILE_ATTRIBUTE_READONLY);
  PromptAnswer() = DialogResult::kYes;
  Alt('C');
  Pump(100);
  ASSERT_EQ(Prompts().size(), 2u);
  EXPECT_EQ(Prompts()[0].text, L"Hotkey definitions have changed. Save changes?");
  EXPECT_EQ(Prompts()[1].kind, MessageKind::kError);
  EXPECT_TRUE(editor.Visible());
  EXPECT_TRUE(editor.Modified());
  EXPECT_TRUE(IsWindowEnabled(ControlNamed(editor, L"&Apply")));

  // No: the changes are dropped and the saved hotkeys work again.
  SetFileAttributesW(File(L"prefs-qrv.hkd").c_str(), FILE_ATTRIBUTE_NORMAL);
  PromptAnswer() = DialogResult::kNo;
  Alt('C');
  Pump(100);
  EXPECT_FALSE(editor.Visible());
  EXPECT_FALSE(editor.Modified());
  EXPECT_EQ(editor.Rows()[0].description, "notes");
  EXPECT_EQ(editor.Actions().Hotkeys().Count(), 1);
  EXPECT_EQ(MenuHotkey(L"Hotkeys..."), L"Ctrl+Alt+9");

  // Deleting the only row leaves a new blank one.
  editor.ShowEditor();
  Pump(50);
  Alt('D');
  ASSERT_EQ(editor.Rows().size(), 1u);
  EXPECT_EQ(editor.Rows()[0], HotkeyRow{});
}

TEST_F(HotkeyEditorTest, ShowingRowsAsksNothingAndARowWithoutAKeyIsNoHotkey) {
  Form other({.caption = L"other program"});
  ASSERT_TRUE(RegisterHotKey(other.Handle(), 1, MOD_CONTROL | MOD_ALT, '8'));
  ASSERT_TRUE(RegisterHotKey(other.Handle(), 2, MOD_CONTROL | MOD_ALT, '9'));
  WriteRows({Row("held", HotkeyAction::kOpenOutlook, "Ctrl+Alt+8"), Row("keyless", HotkeyAction::kViewHotkeys, "Ctrl+"),
             Row("plain", HotkeyAction::kNewInformationItem, "Ctrl+Alt+Shift+Win+F12")});
  HotkeyEditor& editor = OpenEditor();
  // The held one is tried and refused, the keyless one never registered.
  ASSERT_EQ(editor.Actions().Hotkeys().Count(), 2);
  EXPECT_FALSE(editor.Actions().Hotkeys().At(0).registered);
  EXPECT_EQ(MenuHotkey(L"Open Outlook"), L"");
  EXPECT_EQ(MenuHotkey(L"Hotkeys..."), L"");

  HWND list = FindWindowExW(editor.Handle(), nullptr, WC_LISTVIEWW, nullptr);
  SetFocus(list);
  PressKeys({VK_DOWN, VK_DOWN, VK_UP, VK_UP});
  EXPECT_EQ(Prompts().size(), 0u);

  // Choosing the held combination is refused with the box, and the boxes go back.
  PressKeys({VK_DOWN});  // "keyless": Ctrl ticked, no key
  Alt('H');
  PressKeys({VK_TAB, VK_SPACE});  // Alt
  EXPECT_EQ(Prompts().size(), 0u);
  PressKeys({VK_TAB, VK_TAB, VK_TAB});
  Type("9");
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, L"This hotkey combination is in use by another application.");
  EXPECT_EQ(HotkeyText(editor.Rows()[1]), "Ctrl+Alt+");
  UnregisterHotKey(other.Handle(), 1);
  UnregisterHotKey(other.Handle(), 2);
}

TEST_F(HotkeyEditorTest, EditsGoToTheRowShownSelectedWhileItMovesInTheList) {
  WriteRows({Row("bravo", HotkeyAction::kOpenOutlook, "Ctrl+Alt+1"), Row("delta", HotkeyAction::kViewHotkeys, ""),
             Row("foxtrot", HotkeyAction::kOpenOutlookToday, "")});
  HotkeyEditor& editor = OpenEditor();
  // A click below the rows leaves the edited row selected.
  HWND list = FindWindowExW(editor.Handle(), nullptr, WC_LISTVIEWW, nullptr);
  RECT client{};
  GetClientRect(list, &client);
  POINT below{40, client.bottom - 10};
  ClientToScreen(list, &below);
  ClickAt(below);
  EXPECT_EQ(ListShown(editor), L"*bravo:Open Outlook delta:View Hotkeys foxtrot:Open Outlook Today ");

  // Each keystroke of a description puts its row in its place.
  RetypeDescription('z');
  EXPECT_EQ(ListShown(editor), L"delta:View Hotkeys foxtrot:Open Outlook Today *z:Open Outlook ");
  RetypeDescription('e');
  Type("cho");
  EXPECT_EQ(ListShown(editor), L"delta:View Hotkeys *echo:Open Outlook foxtrot:Open Outlook Today ");
  EXPECT_EQ(editor.Rows()[editor.CurrentRow()].description, "echo");

  Alt('N');
  EXPECT_EQ(ListShown(editor), L"*:Execute Program delta:View Hotkeys echo:Open Outlook foxtrot:Open Outlook Today ");
  Alt('D');
  EXPECT_EQ(ListShown(editor), L"*delta:View Hotkeys echo:Open Outlook foxtrot:Open Outlook Today ");
}

TEST_F(HotkeyEditorTest, AFileNotReadWholeIsToldAsItIsAndReplacedOnlyWhenTheUserSaysSo) {
  // Too large: nothing was read, and the blank row shown is no change to save.
  const std::string large((16u << 20) + 1, '\x01');
  std::ofstream(File(L"prefs-qrv.hkd").c_str(), std::ios::binary) << large;
  HotkeyEditor& editor = OpenEditor();
  EXPECT_EQ(Prompts().at(0).text,
            L"The hotkey file \"prefs-qrv.hkd\" could not be read: It is too large. No hotkeys were read from it. "
            L"The file stays as it is until the list is saved.");
  Alt('C');
  Pump(100);
  EXPECT_FALSE(editor.Visible());
  EXPECT_EQ(Prompts().size(), 1u);

  // A change saved over it asks first.
  editor.ShowEditor();
  Pump(50);
  Alt('S');
  Type("x");
  PromptAnswer() = DialogResult::kNo;
  Alt('A');
  EXPECT_EQ(Prompts().at(1).text,
            L"The hotkey file \"prefs-qrv.hkd\" could not be read whole. Saving replaces it with the list as shown, "
            L"and what could not be read is lost. Save anyway?");
  EXPECT_TRUE(FileBytes() == large);  // 16 MB: not printed when it fails
  PromptAnswer() = DialogResult::kYes;
  Alt('A');
  EXPECT_EQ(ReadHotkeyFile(FileBytes()).rows.at(0).description, "x");
}

}  // namespace
}  // namespace qrv::testing
