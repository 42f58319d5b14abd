// The hotkeys' actions end to end: a press reaches the bar's commands and the
// stand-in Outlook, types into the focused window, starts programs through the
// shell and asks to end the session (through a stand-in for the system call).
#include <chrono>
#include <thread>

#include "hotkey_test_support.h"
#include "ui/edits.h"

namespace qrv::testing {
namespace {

using HotkeyActionsTest = HotkeyTest;

std::vector<UINT> gShutdowns;
BOOL gShutdownAnswer = TRUE;

BOOL WINAPI RecordShutdown(UINT flags, DWORD) {
  gShutdowns.push_back(flags);
  SetLastError(ERROR_ACCESS_DENIED);
  return gShutdownAnswer;
}

class TypingTarget : public Form {
 public:
  TypingTarget() : Form({.caption = L"typing target", .clientSize = {300, 60}}) {}
  Edit edit{*this, {.bounds = {8, 8, 280, 21}}};
};

std::wstring Today() {
  wchar_t text[64] = L"";
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 64, nullptr);
  return text;
}

TEST_F(HotkeyActionsTest, EachActionReachesTheBarOutlookTheFocusedWindowOrTheSession) {
  WriteRows({Row("a folder", HotkeyAction::kOpenOutlookFolder, "Ctrl+Alt+1", 1),
             Row("b item", HotkeyAction::kCreateOutlookItem, "Ctrl+Alt+2", 4),
             Row("c information", HotkeyAction::kNewInformationItem, "Ctrl+Alt+3"),
             Row("d editor", HotkeyAction::kViewHotkeys, "Ctrl+Alt+4"),
             Row("e keys", HotkeyAction::kSendKeystrokes, "Ctrl+Alt+5", 0, "Sent {DATE}"),
             Row("f reboot", HotkeyAction::kExitWindows, "Ctrl+Alt+6", 2),
             Row("g log off", HotkeyAction::kExitWindows, "Ctrl+Alt+7", 1),
             Row("h nothing to run", HotkeyAction::kExecuteProgram, "Ctrl+Alt+8"),
             Row("i unreadable keys", HotkeyAction::kSendKeystrokes, "Ctrl+Alt+9", 0, "Dear {NAME}")});
  HotkeyEditor& editor = OpenEditor();
  editor.Hide();
  editor.Actions().shutdown = RecordShutdown;
  gShutdowns.clear();
  // The program row without a program is no hotkey; the others show beside their menu items.
  ASSERT_EQ(editor.Actions().Hotkeys().Count(), 8);
  EXPECT_EQ(MenuHotkey(L"Notes"), L"Ctrl+Alt+1");
  EXPECT_EQ(MenuHotkey(L"New E-Mail Item"), L"Ctrl+Alt+2");
  EXPECT_EQ(MenuHotkey(L"New Information Item"), L"Ctrl+Alt+3");
  EXPECT_EQ(MenuHotkey(L"Hotkeys..."), L"Ctrl+Alt+4");

  ASSERT_TRUE(parts_.outlook.Connect());
  Configure("explorer=yes\n");
  Press(0);
  EXPECT_EQ(Stored("Explorer", "1").Get("Folder"), "Notes");
  Press(1);
  const auto created = Calls(Log(), "call", "CreateItem");
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0].args, "0");  // a mail item
  Press(2);
  EXPECT_EQ(bar_->EntryWindows().Count(), 1);
  Press(3);
  EXPECT_TRUE(editor.Visible());
  editor.Hide();

  // Keys are typed into the window that has the focus, the date as the user writes it.
  TypingTarget target;
  target.Show();
  SetForegroundWindow(target.Handle());
  target.edit.Focus();
  Pump(100);
  Press(4);
  Pump(200);
  EXPECT_EQ(target.edit.Text(), L"Sent " + Today());

  // Reboot asks for the right to and calls the system; a refusal is told.
  Press(5);
  EXPECT_EQ(gShutdowns, std::vector<UINT>{EWX_REBOOT});
  EXPECT_EQ(Prompts().size(), 0u);
  gShutdownAnswer = FALSE;
  Press(6);
  EXPECT_EQ(gShutdowns, (std::vector<UINT>{EWX_REBOOT, EWX_LOGOFF}));
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].kind, MessageKind::kError);
  gShutdownAnswer = TRUE;

  // Keys that cannot be read are told, naming the hotkey, and none is typed.
  SetForegroundWindow(target.Handle());
  target.edit.Focus();
  Press(7);
  Pump(200);
  ASSERT_EQ(Prompts().size(), 2u);
  EXPECT_EQ(Prompts()[1].text, L"The hotkey \"i unreadable keys\" could not type its keys: Invalid token {NAME}.");
  EXPECT_EQ(target.edit.Text(), L"Sent " + Today());

  // Presses of no registered hotkey do nothing.
  Press(8);
  Press(-1);
  EXPECT_EQ(Prompts().size(), 2u);
}

TEST_F(HotkeyActionsTest, AProgramIsStartedByItsWholeTextOrAsProgramAndArguments) {
  wchar_t self[MAX_PATH];
  const std::wstring test(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  const std::wstring program = File(L"run me.exe"), log = File(L"started.log");
  ASSERT_TRUE(CopyFileW((test.substr(0, test.find_last_of(L'\\')) + L"\\..\\..\\standins\\arglog.exe").c_str(),
                        program.c_str(), FALSE));
  SetEnvironmentVariableW(L"QRV_ARGLOG", log.c_str());
  const std::string path = qrv::Narrow(program);
  WriteRows({Row("a whole", HotkeyAction::kExecuteProgram, "Ctrl+Alt+1", 0, path),
             Row("b arguments", HotkeyAction::kExecuteProgram, "Ctrl+Alt+2", 0, "\"" + path + "\" one two"),
             Row("c missing", HotkeyAction::kExecuteProgram, "Ctrl+Alt+3", 0, path + ".missing -x")});
  OpenEditor();
  SetShellHandler(nullptr);
  Press(0);
  Press(1);
  Press(2);
  std::string started;
  for (int tries = 0; tries < 100 && std::count(started.begin(), started.end(), '\n') < 2; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(log.c_str(), std::ios::binary);
    started.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  EXPECT_NE(started.find(path + "\t\"" + path + "\"\r\n"), std::string::npos) << started;
  EXPECT_NE(started.find(path + "\t\"" + path + "\" one two\r\n"), std::string::npos) << started;
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, L"The program \"" + qrv::Widen(path) + L".missing -x\" could not be started.");
  DeleteFileW(program.c_str());
  DeleteFileW(log.c_str());
}

}  // namespace
}  // namespace qrv::testing
