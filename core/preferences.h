// What the preferences window's pages hold, loaded from the bar's settings,
// and the settings key's values it writes back on OK. The pages keep the
// numbers their lists show (the index of the chosen entry), so loading and
// saving are plain data and the window only shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/bar_settings.h"

namespace qrv {

// The six places of the bar's new-item buttons, by their tops; a slot shows
// one new-item button (entry type task .. meeting request) or none.
inline constexpr int kSlotCount = 6;
inline constexpr std::array<int, kSlotCount> kSlotTops{20, 54, 88, 122, 156, 190};
inline constexpr int kEmptySlot = 8;  // the slot lists' "None", after the eight buttons
// The extra slot shows one of the four extra actions (index = action - 1) or none.
inline constexpr int kEmptyExtraSlot = 4;
// Where an extra button stands when its setting gives no place.
inline constexpr int kExtraButtonTop = 224;

enum class IdleUnit { kSeconds, kMinutes };

struct PreferenceChoices {
  // General
  int programMode = 2;  // ProgramMode as the list's index
  int emailType = 0;
  bool hints = true;
  bool minimize = true;
  int idleAmount = 10;  // 1 .. 60 of idleUnit
  IdleUnit idleUnit = IdleUnit::kSeconds;
  bool minimizeButton = true;
  bool minimizeView = true;
  bool rememberPosition = false;
  // Buttons
  std::array<int, kSlotCount> slots{kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
  std::array<bool, kSlotCount> askCategories{};
  int extraSlot = kEmptyExtraSlot;
  std::string launchProgram;
  // Views
  bool newWindowPerList = false;
  bool withoutOutlookBar = false;
  // Info Item
  bool useCategories = true;
  bool tab = false;
  bool keywordRemoval = true;
  bool timedItemIsTask = false;
  bool newIeWindow = false;
  bool apptReminder = true;
  bool journalTime = true;
  std::optional<std::string> journalType;  // chosen among Outlook's journal types

  bool operator==(const PreferenceChoices&) const = default;
};

// The pages as the settings say: each shown new-item button in the slot at
// its top (a later type taking the place of an earlier one), the last shown
// extra button in the extra slot, the idle time in seconds up to a minute and
// in whole minutes (halves to even) above, the journal type only when it is
// one of `journalTypes`.
PreferenceChoices ChoicesFromSettings(const BarSettings& settings, const std::vector<std::string>& journalTypes);

// Choosing a button for a slot takes it out of every other slot: a new-item
// button stands in one place at most, while "None" may repeat.
void ChooseSlot(PreferenceChoices& choices, int slot, int button);

// What the write needs beside the pages.
struct SaveContext {
  std::string programFolder;  // with its trailing backslash
  int barTop = 0;
  int updateCheck = 1;
  int updateDays = 7;
  std::string lastUpdateText;  // in the user's short date format
  std::array<int, 4> extraTops{kExtraButtonTop, kExtraButtonTop, kExtraButtonTop, kExtraButtonTop};
  // The idle time as stored: written back as it was while the page shows it
  // unchanged (0, collapsing off, shows as the spin's least; 90 as 2 minutes).
  int idleSeconds = 10;
};

// The current tops of the extra buttons as the settings placed them.
std::array<int, 4> ExtraButtonTops(const BarSettings& settings);

// The settings key's values in the order they are written.
using SettingsWrite = std::vector<std::pair<std::string, std::string>>;
SettingsWrite SettingsToSave(const PreferenceChoices& choices, const SaveContext& context);

// Only the web-service update's own values, for an update run without the user.
SettingsWrite UpdateSettingsToSave(const SaveContext& context);

}  // namespace qrv
