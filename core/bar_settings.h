// The bar's settings as read from its settings key "\Software\QV\Quorvel":
// every value's default and reading rule, the button placement the values
// drive, and the position text. Reading never fails: a missing or odd value
// takes its default.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_date.h"

namespace qrv {

// The string values of the settings key by name.
using SettingsValues = std::map<std::string, std::string, std::less<>>;

// One bar button placed by a BUTTONn or BUTTONEn text.
struct ButtonPlacement {
  int button;  // bar item type 1..8, or extra action 1..4 when `extra`
  bool extra;
  int top;
  bool shown;
  bool operator==(const ButtonPlacement&) const = default;
};

struct BarSettings {
  std::string ProgramMode = "2";
  std::string EmailType = "0";
  std::string FileName;
  int FolderState = 0;
  int FolderType = 0;
  bool Hints = true;
  bool Minimize = true;
  bool MinimizeView = true;
  bool MinimizeButton = true;
  bool UseCategories = true;
  bool ApptReminder = true;
  bool JournalTime = true;
  bool Tab = false;
  bool KeywordRemoval = true;
  bool NewIEWindow = false;
  int ItemType = 3;
  std::string JournalType = "Phone call";
  int UpdateCheck = 1;
  int UpdateDays = 7;
  Date LastUpdate{};
  int MinimizeTimeMs = 10000;  // the idle timer's interval; 0 switches idle collapsing off
  std::string PositionText = "NO,100";
  bool RememberPosition = false;
  int BarTop = 106;
  // By bar item type 1..8 and extra action 1..4; index 0 is unused. A button
  // whose setting text has no usable top keeps the flag it had.
  std::array<bool, 9> ButtonShown{};
  std::array<bool, 5> ExtraButtonShown{};
  std::vector<std::string> CategoryPromptTypes;
  // The placements in the order they are applied: BUTTON7, BUTTON8, BUTTON1..6,
  // BUTTONE1..4, only those with a usable top.
  std::vector<ButtonPlacement> ButtonLayout;
  // Programs and folders located at each read (Windows side).
  std::string OutlookExePath, BrowserPath, ExpressPath, AddressBookPath, SignatureFolder,
      OfficeShortcutPath;
};

// Longest idle time the bar accepts, in seconds; above it the default applies.
inline constexpr int kMaxMinimizeSeconds = 86400;

// Reads the key into `settings` (nullptr: the key does not exist). Everything is
// set anew except the shown flags of buttons whose text places nothing and the
// located paths. Returns the LASTUPDATE text to store when the key held none.
std::optional<std::string> ReadBarSettings(BarSettings& settings, const SettingsValues* key, Date today,
                                           std::string_view short_date_format);

// A POSITION text: remembering is on when the part before the first comma is
// "YES"; the top is the integer after it then, else (or when that is no
// integer) 106.
struct BarPosition {
  bool remember;
  int top;
};
BarPosition ParsePosition(std::string_view text);
std::string PositionText(bool remember, int top);

// Hint of the "Launch Program" button: "Launch " and the program's file name,
// or "Launch Program" without one.
std::string LaunchHint(std::string_view file_name);

// The folder button (1..6) beside the new-item button of a bar item type.
int FolderOfItemType(int item_type);

// Whether a folder button shows on the open bar: when a new-item button of its
// folder is shown.
bool FolderButtonShown(const BarSettings& settings, int folder);

// The program mode after the menu's "Tavrobar Enabled" toggle: "0" and "2" give
// "1", "1" gives "2"; anything else stays.
std::string ToggledProgramMode(std::string_view mode);

}  // namespace qrv
