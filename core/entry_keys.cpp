#include "core/entry_keys.h"

namespace qrv {
namespace {

using enum EntryCommand;

constexpr char32_t Ctrl(char letter) { return static_cast<char32_t>(letter - 'A' + 1); }

constexpr char32_t kTab = 9;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;

KeyAction CtrlCommand(char32_t code, const EntryKeyContext& c) {
  // Copy, cut, paste and undo stay the field's own.
  if (code == Ctrl('C') || code == Ctrl('X') || code == Ctrl('V') || code == Ctrl('Z')) return {};
  KeyAction action{.swallow = true};
  switch (code) {
    case Ctrl('A'):
      if (IsEditBox(c.sender)) action.command = kSelectAll;
      break;
    case Ctrl('S'):
      action.command = kSave;
      break;
    case Ctrl('R'):
      action.command = kClear;
      break;
    case Ctrl('D'):
      if (c.datePanelShown) {
        if (c.startTimeEnabled) action.command = kFocusStartTime;
      } else if (c.assignDateEnabled) {
        action.command = kAssignDate;
      }
      break;
    case Ctrl('F'):
      action.command = kFindContact;
      break;
    case Ctrl('K'):
      action.command = kCheckNames;
      break;
    case Ctrl('M'):
      if (c.datePanelShown && c.reminderShown) action.command = kToggleReminder;
      break;
    case Ctrl('N'):
      if (c.datePanelShown && c.typeButton == EntryType::kTask) action.command = kAssignDate;
      break;
    case Ctrl('O'):
      action.command = kOpen;
      break;
    case Ctrl('P'):
      action.command = kPrint;
      break;
    default:
      break;
  }
  return action;
}

std::optional<EntryType> TypeKey(char32_t code) {
  switch (code) {
    case Ctrl('K'):
      return EntryType::kTask;
    case Ctrl('N'):
      return EntryType::kNote;
    case Ctrl('A'):
      return EntryType::kAppointment;
    case Ctrl('C'):
      return EntryType::kContact;
    case Ctrl('M'):
      return EntryType::kEmail;
    case Ctrl('J'):
      return EntryType::kJournal;
    case Ctrl('T'):
      return EntryType::kTextDocument;
    case Ctrl('I'):
      return EntryType::kInternet;
    default:
      return std::nullopt;
  }
}

}  // namespace

KeyAction ClassifyEntryChar(char32_t code, Modifiers m, const EntryKeyContext& c) {
  // AltGr reports Ctrl and Alt: what it types is text, never a command.
  const bool ctrl = m.ctrl && !m.alt;
  if (code == kTab && !ctrl && m.shift && c.bodyTakesTab) return {.command = kFocusPrevious, .swallow = true};
  if (code == kEnter && !ctrl) {
    if (c.sender == EntryField::kSubject) {
      // The subject is one line: Enter never breaks it.
      return {.command = c.typeButton == EntryType::kInternet ? kOpen : kNone, .swallow = true};
    }
    if (c.datePanelShown && c.sender == EntryField::kStartTime) return {.command = kLeaveStartTime, .swallow = true};
    if (c.datePanelShown && c.sender == EntryField::kEndTime) return {.command = kLeaveEndTime, .swallow = true};
  }
  if (ctrl && !m.shift) return CtrlCommand(code, c);
  if (ctrl && m.shift) {
    const auto type = TypeKey(code);
    return {.command = type ? kChooseType : kNone, .type = type, .swallow = true};
  }
  if (code == kEscape) return {.command = kCancel, .swallow = true};
  return {};
}

KeyUpAction ClassifyEntryKeyUp(int keyCode, Modifiers m, const DigitKeys& digits) {
  if (!m.ctrl || m.alt) return {};
  static constexpr std::array kTypes{EntryType::kTask,        EntryType::kNote,  EntryType::kAppointment,
                                     EntryType::kContact,     EntryType::kEmail, EntryType::kJournal,
                                     EntryType::kTextDocument};
  KeyUpAction action{.checkCaption = true};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if ((keyCode & 0xFF) == (digits[i] & 0xFF)) action.type = kTypes[i];
  }
  return action;
}

}  // namespace qrv
