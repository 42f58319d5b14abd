// What a key does in the Information Item window's fields: the characters
// typed with Ctrl run the window's commands, those typed with Ctrl and Shift
// choose its entry type, and a digit released with Ctrl held chooses a type
// too. Characters typed with AltGr (which reports Ctrl and Alt) are text.
#pragma once

#include <array>
#include <optional>

#include "core/keyword_record.h"

namespace qrv {

// The fields that share the window's key handling.
enum class EntryField {
  kSubject,
  kRecipients,
  kCopies,
  kBody,
  kJournalType,
  kService,
  kStatus,
  kStartTime,
  kEndTime,
  kOther,  // any other control of the window (calendar, lists, buttons): only its Ctrl keys
};

enum class EntryCommand {
  kNone,
  kFocusPrevious,   // Shift+Tab while the body takes Tab
  kOpen,            // Enter in the subject of an internet entry, Ctrl+O
  kLeaveStartTime,  // Enter in a time box: read it as if it was left,
  kLeaveEndTime,    // then select its text
  kSelectAll,       // Ctrl+A in an edit box
  kSave,            // Ctrl+S
  kClear,           // Ctrl+R
  kFocusStartTime,  // Ctrl+D with the date panel shown
  kAssignDate,      // Ctrl+D without it, Ctrl+N on a dated task
  kFindContact,     // Ctrl+F
  kCheckNames,      // Ctrl+K
  kToggleReminder,  // Ctrl+M
  kPrint,           // Ctrl+P
  kChooseType,      // Ctrl+Shift+letter
  kCancel,          // Esc
};

struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// What the window shows when the key comes.
struct EntryKeyContext {
  EntryField sender = EntryField::kSubject;
  std::optional<EntryType> typeButton = EntryType::kTask;  // the type button that is down
  bool datePanelShown = false;
  bool bodyTakesTab = false;  // the TAB setting
  bool startTimeEnabled = true;
  bool assignDateEnabled = true;
  bool reminderShown = false;
};

struct KeyAction {
  EntryCommand command = EntryCommand::kNone;
  std::optional<EntryType> type{};  // for kChooseType
  bool swallow = false;             // the character does not reach the field
  bool operator==(const KeyAction&) const = default;
};

// A character as the field would get it: Ctrl+A is 1 ... Ctrl+Z is 26.
KeyAction ClassifyEntryChar(char32_t code, Modifiers modifiers, const EntryKeyContext& context);

// The layout's keys of the digits 1 to 6 and 9 (the low byte of each one's
// virtual key), which pick task .. journal and text document with Ctrl.
using DigitKeys = std::array<int, 7>;

// A key released with Ctrl held: the type of its digit, if it is one.
struct KeyUpAction {
  std::optional<EntryType> type{};
  bool checkCaption = false;  // lay the window out again
};
KeyUpAction ClassifyEntryKeyUp(int keyCode, Modifiers modifiers, const DigitKeys& digits);

inline bool IsEditBox(EntryField field) {
  return field == EntryField::kSubject || field == EntryField::kRecipients || field == EntryField::kCopies ||
         field == EntryField::kBody;
}

}  // namespace qrv
