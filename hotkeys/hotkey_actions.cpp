#include "hotkeys/hotkey_actions.h"

#include <array>

#include "components/keystroke_sender.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr std::array<UINT, 3> kEndSessionFlags = {EWX_SHUTDOWN, EWX_LOGOFF, EWX_REBOOT};
constexpr int kLogOff = 1;

bool InRange(int index, std::size_t count) { return index >= 0 && static_cast<std::size_t>(index) < count; }

// The program and its arguments of a command line: a quoted program, or the
// text up to the first blank.
std::pair<std::wstring, std::wstring> SplitCommandLine(const std::wstring& line) {
  std::size_t end = 0;
  std::wstring program;
  if (line.starts_with(L'"')) {
    end = line.find(L'"', 1);
    if (end == std::wstring::npos) end = line.size();
    program = line.substr(1, end - 1);
    ++end;
  } else {
    end = std::min(line.find(L' '), line.size());
    program = line.substr(0, end);
  }
  const std::size_t arguments = line.find_first_not_of(L' ', end);
  return {program, arguments == std::wstring::npos ? std::wstring() : line.substr(arguments)};
}

// Asks for the right to end the session; false when the system refused it.
bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
                 AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                 GetLastError() != ERROR_NOT_ALL_ASSIGNED;
  CloseHandle(token);
  return enabled;
}

std::string DateText(const SYSTEMTIME& now) {
  wchar_t text[128]{};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text, 128, nullptr);
  return Narrow(text);
}

std::string TimeText(const SYSTEMTIME& now) {
  wchar_t text[128]{};
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, text, 128);
  return Narrow(text);
}

void ReplaceAll(std::string& text, std::string_view what, const std::string& by) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size())) {
    text.replace(at, what.size(), by);
  }
}

}  // namespace

bool WouldRegister(const HotkeyRow& row) {
  return row.active && HasKey(row) && (DataOf(row.action) != HotkeyData::kText || !row.text.empty());
}

HotkeyCombination CombinationOf(const HotkeyRow& row) {
  return {.virtualKey = HasKey(row) ? HotkeyKeys()[static_cast<std::size_t>(row.keyIndex)].virtualKey : std::uint8_t{0},
          .ctrl = row.ctrl,
          .alt = row.alt,
          .shift = row.shift,
          .win = row.win};
}

std::string WithDateAndTime(std::string_view keys, const SYSTEMTIME& now) {
  // The quote typed and erased before a date makes the target take the text
  // that follows as typed, not as a completion of what was there.
  const std::string erasedQuote = "\"{BS}";
  std::string text(keys);
  ReplaceAll(text, "{TIMESTAMP}", erasedQuote + EscapeKeyString(DateText(now) + " " + TimeText(now)));
  ReplaceAll(text, "{DATE}", erasedQuote + EscapeKeyString(DateText(now)));
  ReplaceAll(text, "{TIME}", erasedQuote + EscapeKeyString(TimeText(now)));
  return text;
}

HotkeyActions::HotkeyActions(HotkeyTargets targets, std::function<void()> showEditor)
    : sendKeys([](std::string_view text, std::string* fault) { return SendKeys(text, fault); }),
      targets_(std::move(targets)),
      showEditor_(std::move(showEditor)) {
  hotkeys_.SetActive(true);
}

void HotkeyActions::ClearMenuTexts() {
  if (!targets_.menuItem) return;
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    for (int index = 0; index < static_cast<int>(kOutlookItemChoices.size()); ++index) {
      if (MenuItem* item = targets_.menuItem(static_cast<HotkeyAction>(action), index)) item->hotkeyText.clear();
    }
  }
}

void HotkeyActions::Register(const std::vector<HotkeyRow>& rows) {
  ClearMenuTexts();
  actions_.clear();
  hotkeys_.Clear();
  for (const HotkeyRow& row : rows) {
    if (!WouldRegister(row)) continue;
    actions_.push_back(row);
    const SystemHotkey added = hotkeys_.Add(CombinationOf(row));
    // Only a hotkey that works is shown beside its menu item.
    MenuItem* item = targets_.menuItem ? targets_.menuItem(row.action, row.dataIndex) : nullptr;
    if (added.registered && item) item->hotkeyText = Widen(HotkeyText(row));
  }
}

void HotkeyActions::Run(int index, HWND window) {
  if (!InRange(index, actions_.size())) return;
  const HotkeyRow& row = actions_[static_cast<std::size_t>(index)];
  const int choice = row.dataIndex;
  switch (row.action) {
    case HotkeyAction::kExecuteProgram:
      return ExecuteProgram(row.text);
    case HotkeyAction::kSendKeystrokes:
      // Typed once this hotkey's message is done.
      PostMessageW(window, kSendKeysMessage, kSendKeysMessage, index);
      return;
    case HotkeyAction::kExitWindows:
      if (InRange(choice, kEndSessionFlags.size())) EndSession(choice);
      return;
    case HotkeyAction::kViewHotkeys:
      if (showEditor_) showEditor_();
      return;
    case HotkeyAction::kOpenOutlookFolder:
      if (InRange(choice, kOutlookFolderChoices.size())) targets_.viewFolder(static_cast<FolderKind>(choice + 1));
      return;
    case HotkeyAction::kCreateOutlookItem:
      if (InRange(choice, kOutlookItemChoices.size())) {
        targets_.newItem(static_cast<EntryType>(choice + 1),
                         L"New " + Widen(kOutlookItemChoices[static_cast<std::size_t>(choice)]));
      }
      return;
    case HotkeyAction::kNewInformationItem:
      return targets_.newInformationItem();
    case HotkeyAction::kOutlookAdvancedFind:
      return targets_.extraAction(ExtraAction::kAdvancedFind);
    case HotkeyAction::kOpenOutlook:
      return targets_.extraAction(ExtraAction::kOpenOutlook);
    case HotkeyAction::kOpenOutlookToday:
      return targets_.extraAction(ExtraAction::kOutlookToday);
    case HotkeyAction::kNewOfficeDocument:
      return targets_.extraAction(ExtraAction::kNewOfficeDocument);
  }
}

void HotkeyActions::SendKeysOf(int index) {
  if (!InRange(index, actions_.size())) return;
  const HotkeyRow& row = actions_[static_cast<std::size_t>(index)];
  if (row.action != HotkeyAction::kSendKeystrokes) return;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  std::string fault;
  if (sendKeys(WithDateAndTime(row.text, now), &fault) == SendKeysResult::kOk) return;
  ShowMessage(L"The hotkey \"" + Widen(row.description) + L"\" could not type its keys: " + Widen(AsSentence(fault)),
              MessageKind::kError, MessageButtons::kOk, {.owner = targets_.owner});
}

// The whole text first (a program or document whose name holds blanks), then
// as a program and its arguments.
void HotkeyActions::ExecuteProgram(const std::string& commandLine) {
  const std::wstring line = Widen(commandLine);
  if (ShellOpen(targets_.owner, line)) return;
  const auto [program, arguments] = SplitCommandLine(line);
  if (!program.empty() && ShellOpen(targets_.owner, program, arguments)) return;
  ShowMessage(L"The program \"" + line + L"\" could not be started.", MessageKind::kError, MessageButtons::kOk,
              {.owner = targets_.owner});
}

void HotkeyActions::EndSession(int choice) {
  if (choice != kLogOff && !EnableShutdownPrivilege()) {
    ShowMessage(L"Windows refused the right to shut down or restart the computer.", MessageKind::kError,
                MessageButtons::kOk, {.owner = targets_.owner});
    return;
  }
  if (!shutdown(kEndSessionFlags[static_cast<std::size_t>(choice)], 0)) {
    ShowMessage(L"Windows refused to end the session (error " + std::to_wstring(GetLastError()) + L").",
                MessageKind::kError, MessageButtons::kOk, {.owner = targets_.owner});
  }
}

}  // namespace qrv
