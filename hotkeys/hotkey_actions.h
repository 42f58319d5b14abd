// What the user's hotkeys do. The hotkeys of the hotkey file are registered
// system-wide, each beside the bar menu item that does the same (its hotkey
// text shown there), and a press runs the hotkey's action: start a program,
// type keys into the focused window, end the session, show the hotkey editor,
// or one of the bar's Outlook commands.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "components/system_hotkeys.h"
#include "core/hotkey_file.h"
#include "core/key_string.h"
#include "core/keyword_record.h"
#include "core/outlook_numbers.h"
#include "ui/menu.h"

namespace qrv {

// What hotkeys reach in the bar: its commands and the menu items that show a
// hotkey's text.
struct HotkeyTargets {
  HWND owner = nullptr;  // the window that owns the programs a hotkey starts
  std::function<void(FolderKind)> viewFolder;
  std::function<void(EntryType, const std::wstring& caption)> newItem;
  std::function<void()> newInformationItem;
  std::function<void(ExtraAction)> extraAction;
  // The menu item that does what a hotkey of the action (and data index)
  // does; null for none.
  std::function<MenuItem*(HotkeyAction, int dataIndex)> menuItem;
};

// The system call that ends the session; tests replace it, as the real one
// would end their whole session.
using ShutdownFunction = BOOL(WINAPI*)(UINT flags, DWORD reason);
// The key sender, which says why when it sends nothing; tests replace it to
// see or time what would be typed.
using KeySender = std::function<SendKeysResult(std::string_view text, std::string* fault)>;

// A hotkey asks its window to type its keys once the hotkey's own message is
// done: this message, with itself as wParam and the hotkey's index as lParam.
inline constexpr UINT kSendKeysMessage = WM_USER + 2002;

// Whether a row is registered as a hotkey: active, with a key, and with a
// program or keys where its action needs them.
bool WouldRegister(const HotkeyRow& row);
// The combination of a row with a key.
HotkeyCombination CombinationOf(const HotkeyRow& row);

class HotkeyActions {
 public:
  HotkeyActions(HotkeyTargets targets, std::function<void()> showEditor);

  // Registers the hotkeys of the rows (the hotkey file as last saved) anew and
  // writes the registered ones' texts into the menu.
  void Register(const std::vector<HotkeyRow>& rows);
  // Runs the action of the hotkey at `index`; one that types keys posts
  // kSendKeysMessage to `window`, whose handler calls SendKeysOf.
  void Run(int index, HWND window);
  // Types the keys of the hotkey at `index`; keys that could not be sent are
  // told, naming the hotkey.
  void SendKeysOf(int index);
  // The hotkeys; the editor also tries combinations here.
  SystemHotkeys& Hotkeys() { return hotkeys_; }

  ShutdownFunction shutdown = ExitWindowsEx;
  KeySender sendKeys;

 private:
  void ClearMenuTexts();
  void ExecuteProgram(const std::string& commandLine);
  void EndSession(int choice);

  HotkeyTargets targets_;
  std::function<void()> showEditor_;
  SystemHotkeys hotkeys_;
  std::vector<HotkeyRow> actions_;  // by the index of the registered hotkey
};

// The key string with {DATE}, {TIME} and {TIMESTAMP} replaced by the date and
// time as the user's regional settings write them (short date, long time),
// each typed after a quote that is erased again, and escaped so that it types
// as it reads.
std::string WithDateAndTime(std::string_view keys, const SYSTEMTIME& now);

}  // namespace qrv
