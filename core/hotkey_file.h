// The hotkey file "prefs-qrv.hkd" in the program's folder: the user's hotkey
// definitions as a typed value stream, every value a one-byte tag and its
// payload, numbers little-endian:
//   00 end of list, 01 start of list,
//   02 / 03 / 04 integer of 1 / 2 / 4 bytes, signed,
//   06 string, 1-byte length; 0C string, 4-byte length (texts in the system
//   code page),
//   08 false, 09 true.
// The file is the header string, the start of the list, one record per row and
// the end of the list. A record is: description; action code; for actions 0
// and 1 the data text, for 2, 4 and 5 the data index; Ctrl, Alt, Shift, Win;
// the key index (-1 for none); active. The writer takes the smallest integer
// form and the short string form below 256 bytes, so files stay byte for byte
// what every other writer of this format makes.
//
// The file may be damaged or hostile: reading is bounded by the bytes there,
// stops at the first value that is not what the layout expects, keeps the
// rows read whole before it and says where and why it stopped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace qrv {

inline constexpr std::string_view kHotkeyFileName = "prefs-qrv.hkd";
// Written as the file's first value; read and not compared.
inline constexpr std::string_view kHotkeyFileHeader = "Hotkey definitions, version 1.1";
// Far beyond any real list; a larger file is refused unread.
inline constexpr std::size_t kMaxHotkeyFileBytes = 16u << 20;

// What a hotkey does; the value is the code stored in the file.
enum class HotkeyAction : std::uint8_t {
  kExecuteProgram = 0,
  kSendKeystrokes = 1,
  kExitWindows = 2,
  kViewHotkeys = 3,
  kOpenOutlookFolder = 4,
  kCreateOutlookItem = 5,
  kNewInformationItem = 6,
  kOutlookAdvancedFind = 7,
  kOpenOutlook = 8,
  kOpenOutlookToday = 9,
  kNewOfficeDocument = 10,
};
inline constexpr int kHotkeyActionCount = 11;

// The names the user sees, indexed by action code.
inline constexpr std::array<std::string_view, kHotkeyActionCount> kHotkeyActionNames = {
    "Execute Program",     "Send keystrokes",     "Exit Windows",         "View Hotkeys",
    "Open Outlook Folder", "Create Outlook Item", "New Information Item", "Outlook Advanced Find",
    "Open Outlook",        "Open Outlook Today",  "New Office Document"};

// The choices of the actions that store a data index, in index order.
inline constexpr std::array<std::string_view, 3> kExitChoices = {"Shutdown", "Log off", "Reboot"};
// Folder type = index + 1.
inline constexpr std::array<std::string_view, 6> kOutlookFolderChoices = {"Tasks",    "Notes", "Calendar",
                                                                          "Contacts", "Inbox", "Journal"};
// The bar's item type = index + 1.
inline constexpr std::array<std::string_view, 8> kOutlookItemChoices = {
    "Task", "Note", "Appointment", "Contact", "E-Mail", "Journal", "Task Request", "Meeting Request"};

// One key a hotkey can use: the name the user sees and its virtual key.
struct HotkeyKey {
  std::string_view name;
  std::uint8_t virtualKey;
};
inline constexpr int kHotkeyKeyCount = 95;
// The keys in index order (the key index of the file).
const std::array<HotkeyKey, kHotkeyKeyCount>& HotkeyKeys();

// How the data of a row is kept, by action.
enum class HotkeyData { kNone, kText, kIndex };
HotkeyData DataOf(HotkeyAction action);

// The choices of an action that stores a data index; empty for the others.
std::vector<std::string_view> DataChoices(HotkeyAction action);

// One hotkey definition, as stored.
struct HotkeyRow {
  std::string description;  // free text (UTF-8)
  HotkeyAction action = HotkeyAction::kExecuteProgram;
  std::string text;   // command line (0) or key string (1), UTF-8; else empty
  int dataIndex = 0;  // actions 2, 4 and 5: index into DataChoices; else 0
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool win = false;
  int keyIndex = -1;  // index into HotkeyKeys(), -1 for no key
  bool active = true;

  bool operator==(const HotkeyRow&) const = default;
};

// The data text of a row as the list shows it: the text for actions 0 and 1,
// the choice's name for 2, 4 and 5 (empty when the index is outside the
// choices), empty for the others.
std::string DataText(const HotkeyRow& row);

// The key's name; empty for -1 or an index outside the keys.
std::string_view KeyName(int keyIndex);
// The index of a key name (exact match), -1 when it is none of them.
int KeyIndex(std::string_view name);
// A row without a key is no hotkey: never registered, never in conflict.
bool HasKey(const HotkeyRow& row);

// The hotkey text: the modifier words "Ctrl", "Alt", "Shift", "Win" that
// apply, in that order, then the key name, joined by "+" ("Ctrl+Alt+F12",
// "A"). Without a key it ends with "+" after the modifiers ("Ctrl+") or is
// empty.
std::string HotkeyText(const HotkeyRow& row);
// Puts the combination of a hotkey text into `row`: a modifier word anywhere
// in the text ticks its modifier; the key is what remains after the leading
// modifier words and their "+" ("Ctrl+Num +" is Ctrl and "Num +"); a name
// that is none of the keys gives -1.
void SetHotkeyText(HotkeyRow& row, std::string_view hotkeyText);

// What reading found.
enum class HotkeyFileStatus {
  kRead,        // the whole file was read
  kMissing,     // there is no file
  kEmpty,       // the file holds no bytes (emptied by a failed write elsewhere)
  kDamaged,     // reading stopped at damage; `rows` holds the rows before it
  kUnreadable,  // the file is there but could not be read (or is too large)
};

struct HotkeyFileContents {
  HotkeyFileStatus status = HotkeyFileStatus::kMissing;
  std::vector<HotkeyRow> rows;
  std::size_t damageOffset = 0;  // kDamaged: the byte at which reading stopped
  std::string reason;            // kDamaged, kUnreadable: why, for the user
};

// Reads the bytes of a hotkey file. Never fails: string lengths are checked
// against the bytes left and negative lengths refused; action codes outside
// 0..10, Boolean tags other than 08 and 09, and any tag where another value is
// expected are damage. A record cut short is dropped. Bytes after the end of
// the list are ignored. No bytes at all are told apart: nothing is lost by
// writing over them.
HotkeyFileContents ReadHotkeyFile(std::string_view bytes);

// The bytes of the hotkey file for `rows`. None when a text cannot be stored
// (a character the system code page cannot hold, or an action code outside
// 0..10); `fault` then says which row and why.
std::optional<std::string> HotkeyFileBytes(const std::vector<HotkeyRow>& rows, std::string* fault = nullptr);

// Reads the hotkey file from the program's folder.
HotkeyFileContents LoadHotkeyFile(const std::filesystem::path& folder);
// Writes the hotkey file into the program's folder through a temporary file
// and a rename: when it fails, the old file is untouched and the result says
// why.
SaveResult SaveHotkeyFile(const std::filesystem::path& folder, const std::vector<HotkeyRow>& rows);

}  // namespace qrv
