// The keys of the Information Item window's fields as commands and type choices.
#include "core/entry_keys.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

using enum EntryCommand;

constexpr char32_t Ctrl(char letter) { return static_cast<char32_t>(letter - 'A' + 1); }
constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kCtrlShift{.ctrl = true, .shift = true};
constexpr Modifiers kAltGr{.ctrl = true, .alt = true};

TEST(EntryKeys, CtrlLettersRunCommandsAndOnlyClipboardAndUndoReachTheField) {
  const EntryKeyContext c;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('S'), kCtrl, c), (KeyAction{.command = kSave, .swallow = true}));
  EXPECT_EQ(ClassifyEntryChar(Ctrl('R'), kCtrl, c).command, kClear);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('P'), kCtrl, c).command, kPrint);
  for (char letter : {'C', 'X', 'V', 'Z'}) EXPECT_FALSE(ClassifyEntryChar(Ctrl(letter), kCtrl, c).swallow);
  // Letters without a command are swallowed too.
  EXPECT_EQ(ClassifyEntryChar(Ctrl('Q'), kCtrl, c), (KeyAction{.command = kNone, .swallow = true}));
  // Select all only in edit boxes.
  EXPECT_EQ(ClassifyEntryChar(Ctrl('A'), kCtrl, c).command, kSelectAll);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('A'), kCtrl, {.sender = EntryField::kStatus}).command, kNone);
}

TEST(EntryKeys, DateKeysFollowTheDatePanel) {
  EntryKeyContext c;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('D'), kCtrl, c).command, kAssignDate);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('N'), kCtrl, c).command, kNone);
  c.datePanelShown = true;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('D'), kCtrl, c).command, kFocusStartTime);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('N'), kCtrl, c).command, kAssignDate);
  c.startTimeEnabled = false;  // a task request
  EXPECT_EQ(ClassifyEntryChar(Ctrl('D'), kCtrl, c).command, kNone);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('M'), kCtrl, c).command, kNone);
  c.reminderShown = true;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('M'), kCtrl, c).command, kToggleReminder);
  c.typeButton = EntryType::kAppointment;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('N'), kCtrl, c).command, kNone);
}

TEST(EntryKeys, CtrlShiftLettersChooseTypesAndAreAlwaysSwallowed) {
  const EntryKeyContext c;
  EXPECT_EQ(ClassifyEntryChar(Ctrl('M'), kCtrlShift, c),
            (KeyAction{.command = kChooseType, .type = EntryType::kEmail, .swallow = true}));
  EXPECT_EQ(ClassifyEntryChar(Ctrl('I'), kCtrlShift, c).type, EntryType::kInternet);  // the code of Tab
  EXPECT_EQ(ClassifyEntryChar(Ctrl('C'), kCtrlShift, c).type, EntryType::kContact);   // not copy
  EXPECT_EQ(ClassifyEntryChar(Ctrl('Q'), kCtrlShift, c), (KeyAction{.swallow = true}));
}

TEST(EntryKeys, AltGrCharactersAreText) {
  const EntryKeyContext c{.sender = EntryField::kRecipients};
  for (char32_t typed : {U'@', U'\\', U'{', U'\u20AC', Ctrl('S'), Ctrl('M')})
    EXPECT_EQ(ClassifyEntryChar(typed, kAltGr, c), KeyAction{}) << static_cast<int>(typed);
  EXPECT_EQ(ClassifyEntryChar(Ctrl('M'), {.ctrl = true, .shift = true, .alt = true}, c), KeyAction{});
  EXPECT_EQ(ClassifyEntryKeyUp('5', kAltGr, {'1', '2', '3', '4', '5', '6', '9'}).type, std::nullopt);
}

TEST(EntryKeys, EnterTabAndEscapeDependOnTheField) {
  EntryKeyContext c;
  EXPECT_EQ(ClassifyEntryChar(13, {}, c), (KeyAction{.swallow = true}));  // the subject has one line
  c.typeButton = EntryType::kInternet;
  EXPECT_EQ(ClassifyEntryChar(13, {}, c).command, kOpen);
  c = {.sender = EntryField::kBody};
  EXPECT_EQ(ClassifyEntryChar(13, {}, c), KeyAction{});
  c = {.sender = EntryField::kEndTime, .datePanelShown = true};
  EXPECT_EQ(ClassifyEntryChar(13, {}, c).command, kLeaveEndTime);
  c = {.sender = EntryField::kBody};
  EXPECT_EQ(ClassifyEntryChar(9, {.shift = true}, c), KeyAction{});
  c.bodyTakesTab = true;
  EXPECT_EQ(ClassifyEntryChar(9, {.shift = true}, c).command, kFocusPrevious);
  EXPECT_EQ(ClassifyEntryChar(27, {}, c), (KeyAction{.command = kCancel, .swallow = true}));
}

TEST(EntryKeys, CtrlDigitsCompareOnlyTheKeyOfTheDigit) {
  // A layout whose digits need Shift reports the digit keys with a shift state
  // in the high byte: the released key still matches.
  const DigitKeys french{0x131, 0x132, 0x133, 0x134, 0x135, 0x136, 0x139};
  EXPECT_EQ(ClassifyEntryKeyUp('5', kCtrl, french).type, EntryType::kEmail);
  EXPECT_EQ(ClassifyEntryKeyUp('9', kCtrlShift, french).type, EntryType::kTextDocument);
  EXPECT_EQ(ClassifyEntryKeyUp('7', kCtrl, french).type, std::nullopt);
  EXPECT_TRUE(ClassifyEntryKeyUp('7', kCtrl, french).checkCaption);
  EXPECT_FALSE(ClassifyEntryKeyUp('5', {}, french).checkCaption);
}

}  // namespace
}  // namespace qrv
