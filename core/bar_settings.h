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

#include "core/outlook_numbers.h"
#include "core/short_date.h"

namespace qrv {

// The version of this program: stored as VERSION, shown in the preferences
// window, and compared with the site list's "VER=".
inline constexpr std::string_view kProgramVersion = "3.22";
// The maker's home page, opened from the about face and from a version notice.
inline constexpr wchar_t kHomePage[] = L"http://www.quorvel.com/";

// The string values of the settings key by name.
using SettingsValues = std::map<std::string, std::string, std::less<>>;

// How the bar shows itself; the settings key stores the number as text.
enum class ProgramMode : int {
  kBarOnly = 0,
  kTrayOnly = 1,
  kBarAndTray = 2,
};
// "0", "1" or "2", as the settings key holds it.
std::string ProgramModeText(ProgramMode mode);
// The mode of a settings text: its decimal value when that is 0..2 (read like
// every stored number, so " 1" and "$2" count), else none.
std::optional<ProgramMode> ReadProgramMode(std::string_view text);
inline bool ShowsBar(ProgramMode mode) { return mode != ProgramMode::kTrayOnly; }
inline bool ShowsTrayIcon(ProgramMode mode) { return mode != ProgramMode::kBarOnly; }
// Whether the bar is on the screen: as the mode says, and also in the tray-only
// mode while the icon could not be shown, so that the program stays reachable.
inline bool BarShownFor(ProgramMode mode, bool trayIconShown) { return ShowsBar(mode) || !trayIconShown; }

// The pages the preferences window opens on.
enum class PreferencePage : int {
  kGeneral = 0,   // the About button and the menu's preferences
  kKeywords = 1,  // a right click on the About button, the menu's "Keywords"
  kUpdate = 2,    // the menu's "Update" and an update check that is due
  kImport = 3,    // a web-service file handed to the bar
};

// One bar button placed by a BUTTONn or BUTTONEn text.
struct ButtonPlacement {
  int button;  // bar item type 1..8, or extra action 1..4 when `extra`
  bool extra;
  int top;
  bool shown;
  bool operator==(const ButtonPlacement&) const = default;
};

struct BarSettings {
  ProgramMode programMode = ProgramMode::kBarAndTray;
  std::string emailType = "0";
  std::string fileName;
  int folderState = 0;
  int folderType = 0;
  bool hints = true;
  bool minimize = true;
  bool minimizeView = true;
  bool minimizeButton = true;
  bool useCategories = true;
  bool apptReminder = true;
  bool journalTime = true;
  bool tab = false;
  bool keywordRemoval = true;
  bool newIeWindow = false;
  EntryType itemType = EntryType::kAppointment;  // the default kind of a timed item
  std::string journalType = "Phone call";
  int updateCheck = 1;
  int updateDays = 7;
  Date lastUpdate{};

  int minimizeTimeMs = 10000;  // the idle timer's interval; 0 switches idle collapsing off
  std::string positionText = "NO,100";
  bool rememberPosition = false;
  int barTop = 106;
  // By bar item type 1..8 and extra action 1..4; index 0 is unused. A button
  // whose setting text has no usable top keeps the flag it had.
  std::array<bool, 9> buttonShown{};
  std::array<bool, 5> extraButtonShown{};
  std::vector<std::string> categoryPromptTypes;
  // The placements in the order they are applied: BUTTON7, BUTTON8, BUTTON1..6,
  // BUTTONE1..4, only those with a usable top.
  std::vector<ButtonPlacement> buttonLayout;
  // Programs and folders located at each read (Windows side).
  std::string outlookExePath, browserPath, expressPath, addressBookPath, signatureFolder, officeShortcutPath;
  bool operator==(const BarSettings&) const = default;
};

// Whether the user's contacts and e-mail live in the other mail program
// (EMAILTYPE "1") rather than in Outlook.
inline bool UsesOtherMailProgram(const BarSettings& settings) { return settings.emailType == "1"; }

// Longest idle time the bar accepts, in seconds; above it the default applies.
inline constexpr int kMaxMinimizeSeconds = 86400;

// Reads the key into `settings` (nullptr: the key does not exist). Everything is
// set anew except the shown flags of buttons whose text places nothing and the
// located paths. Returns the LASTUPDATE text to store when the key held none.
std::optional<std::string> ReadBarSettings(BarSettings& settings, const SettingsValues* key, Date today,
                                           std::string_view shortDateFormat);

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
std::string LaunchHint(std::string_view fileName);

// The folder button beside the new-item button of a bar item type (task ..
// meeting request); none for the other entry types.
std::optional<FolderKind> FolderOfEntryType(EntryType type);

// Whether a folder button shows on the open bar: when a new-item button of its
// folder is shown.
bool FolderButtonShown(const BarSettings& settings, FolderKind folder);

// The program mode after the menu's bar toggle: a shown bar goes to the tray,
// the tray only gives bar and tray.
ProgramMode ToggledProgramMode(ProgramMode mode);

}  // namespace qrv
