#include "core/preferences.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace qrv {
namespace {

// Half-way values go to the even neighbour, as the window always rounded.
int RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) return static_cast<int>(down) + 1;
  return static_cast<int>(down);
}

// The top a button stands at after the settings placed it: the last placement wins.
std::optional<int> PlacedTop(const BarSettings& settings, int button, bool extra) {
  std::optional<int> top;
  for (const ButtonPlacement& p : settings.buttonLayout)
    if (p.button == button && p.extra == extra) top = p.top;
  return top;
}

void LoadSlots(PreferenceChoices& c, const BarSettings& s) {
  for (int type = 1; type <= 8; ++type) {
    if (!s.buttonShown[static_cast<std::size_t>(type)]) continue;
    const auto top = PlacedTop(s, type, false);
    const auto slot = std::find(kSlotTops.begin(), kSlotTops.end(), top.value_or(-1));
    if (slot == kSlotTops.end()) continue;
    const auto index = static_cast<std::size_t>(slot - kSlotTops.begin());
    c.slots[index] = type - 1;
    const auto& prompts = s.categoryPromptTypes;
    if (std::find(prompts.begin(), prompts.end(), std::to_string(type)) != prompts.end()) c.askCategories[index] = true;
  }
  for (int action = 1; action <= 4; ++action)
    if (s.extraButtonShown[static_cast<std::size_t>(action)]) c.extraSlot = action - 1;
}

void LoadIdleTime(PreferenceChoices& c, int intervalMs) {
  const double seconds = intervalMs / 1000.0;
  if (seconds > 60) {
    c.idleUnit = IdleUnit::kMinutes;
    c.idleAmount = RoundHalfEven(seconds / 60);
  } else {
    c.idleUnit = IdleUnit::kSeconds;
    c.idleAmount = RoundHalfEven(seconds);
  }
  c.idleAmount = std::clamp(c.idleAmount, 1, 60);
}

int IdleSecondsToSave(const PreferenceChoices& c, int storedSeconds) {
  PreferenceChoices stored;
  LoadIdleTime(stored, storedSeconds * 1000);
  if (stored.idleAmount == c.idleAmount && stored.idleUnit == c.idleUnit) return storedSeconds;
  const int amount = std::clamp(c.idleAmount, 1, 60);
  return c.idleUnit == IdleUnit::kMinutes ? amount * 60 : amount;
}

std::string Switch(bool on) { return on ? "YES" : "NO"; }

// The top of the first slot showing the button (0 when none does) and whether it shows.
std::string ButtonText(const PreferenceChoices& c, int type) {
  for (std::size_t slot = 0; slot < kSlotTops.size(); ++slot)
    if (c.slots[slot] == type - 1) return std::to_string(kSlotTops[slot]) + ",ON";
  return "0,OFF";
}

void AddUpdateValues(SettingsWrite& w, const SaveContext& context) {
  w.emplace_back("UPDATECHECK", std::to_string(context.updateCheck));
  w.emplace_back("UPDATETIME", std::to_string(context.updateDays));
  w.emplace_back("LASTUPDATE", context.lastUpdateText);
}

}  // namespace

PreferenceChoices ChoicesFromSettings(const BarSettings& s, const std::vector<std::string>& journalTypes) {
  PreferenceChoices c;
  c.programMode = static_cast<int>(s.programMode);
  c.emailType = ReadIntOr(s.emailType, 0) == 1 ? 1 : 0;
  c.hints = s.hints;
  c.minimize = s.minimize;
  LoadIdleTime(c, s.minimizeTimeMs);
  c.minimizeButton = s.minimizeButton;
  c.minimizeView = s.minimizeView;
  c.rememberPosition = s.rememberPosition;
  LoadSlots(c, s);
  c.launchProgram = s.fileName;
  c.newWindowPerList = s.folderState != 0;
  c.withoutOutlookBar = s.folderType != 0;
  c.useCategories = s.useCategories;
  c.tab = s.tab;
  c.keywordRemoval = s.keywordRemoval;
  c.timedItemIsTask = s.itemType == EntryType::kTask;
  c.newIeWindow = s.newIeWindow;
  c.apptReminder = s.apptReminder;
  c.journalTime = s.journalTime;
  if (std::find(journalTypes.begin(), journalTypes.end(), s.journalType) != journalTypes.end())
    c.journalType = s.journalType;
  return c;
}

void ChooseSlot(PreferenceChoices& c, int slot, int button) {
  if (slot < 0 || slot >= kSlotCount || button < 0 || button > kEmptySlot) return;
  c.slots[static_cast<std::size_t>(slot)] = button;
  if (button == kEmptySlot) return;
  for (int other = 0; other < kSlotCount; ++other)
    if (other != slot && c.slots[static_cast<std::size_t>(other)] == button)
      c.slots[static_cast<std::size_t>(other)] = kEmptySlot;
}

std::array<int, 4> ExtraButtonTops(const BarSettings& settings) {
  std::array<int, 4> tops{};
  for (int action = 1; action <= 4; ++action)
    tops[static_cast<std::size_t>(action - 1)] = PlacedTop(settings, action, true).value_or(kExtraButtonTop);
  return tops;
}

SettingsWrite SettingsToSave(const PreferenceChoices& c, const SaveContext& context) {
  SettingsWrite w;
  w.emplace_back("VERSION", std::string(kProgramVersion));
  w.emplace_back("PROGRAMMODE", std::to_string(c.programMode));
  w.emplace_back("FILENAME", c.launchProgram);
  w.emplace_back("PATH", AsciiLower(context.programFolder));
  w.emplace_back("EMAILTYPE", std::to_string(c.emailType));
  AddUpdateValues(w, context);
  w.emplace_back("FOLDERSTATE", c.newWindowPerList ? "1" : "0");
  w.emplace_back("FOLDERTYPE", c.withoutOutlookBar ? "1" : "0");
  w.emplace_back("HINTS", Switch(c.hints));
  w.emplace_back("MINIMIZE", Switch(c.minimize));
  w.emplace_back("USECATEGORIES", Switch(c.useCategories));
  w.emplace_back("APPTREMINDER", Switch(c.apptReminder));
  w.emplace_back("JOURNALTIME", Switch(c.journalTime));
  w.emplace_back("TAB", Switch(c.tab));
  w.emplace_back("KEYWORDREMOVAL", Switch(c.keywordRemoval));
  w.emplace_back("NEWIEWINDOW", Switch(c.newIeWindow));
  w.emplace_back("ITEMTYPE", c.timedItemIsTask ? "1" : "3");
  if (c.journalType) w.emplace_back("JOURNALTYPE", *c.journalType);
  w.emplace_back("MINIMIZETIME", std::to_string(IdleSecondsToSave(c, context.idleSeconds)));
  w.emplace_back("MINIMIZEBUTTON", Switch(c.minimizeButton));
  w.emplace_back("MINIMIZEVIEW", Switch(c.minimizeView));
  w.emplace_back("POSITION", PositionText(c.rememberPosition, context.barTop));
  for (int type = 1; type <= 8; ++type) w.emplace_back("BUTTON" + std::to_string(type), ButtonText(c, type));
  for (std::size_t slot = 0; slot < kSlotTops.size(); ++slot)
    w.emplace_back("CATEGORY" + std::to_string(slot + 1),
                   c.askCategories[slot] ? std::to_string(c.slots[slot] + 1) : std::string("0"));
  for (int action = 1; action <= 4; ++action)
    w.emplace_back("BUTTONE" + std::to_string(action),
                   std::to_string(context.extraTops[static_cast<std::size_t>(action - 1)]) +
                       (c.extraSlot == action - 1 ? ",ON" : ",OFF"));
  return w;
}

SettingsWrite UpdateSettingsToSave(const SaveContext& context) {
  SettingsWrite w;
  AddUpdateValues(w, context);
  return w;
}

}  // namespace qrv
