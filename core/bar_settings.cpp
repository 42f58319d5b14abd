#include "core/bar_settings.h"

#include "core/text.h"

namespace qrv {

namespace {

// The working texts before the key is read.
const SettingsValues& InitialTexts() {
  static const SettingsValues kTexts = {{"HINTS", "YES"},          {"MINIMIZE", "YES"},
                                        {"MINIMIZETIME", "10"},    {"MINIMIZEVIEW", "YES"},
                                        {"MINIMIZEBUTTON", "YES"}, {"POSITION", "NO,100"},
                                        {"USECATEGORIES", "YES"},  {"APPTREMINDER", "YES"},
                                        {"JOURNALTIME", "YES"},    {"TAB", "NO"},
                                        {"KEYWORDREMOVAL", "YES"}, {"NEWIEWINDOW", "NO"},
                                        {"ITEMTYPE", "3"},         {"JOURNALTYPE", "Phone call"},
                                        {"UPDATECHECK", "1"},      {"UPDATETIME", "7"},
                                        {"PROGRAMMODE", "2"},      {"EMAILTYPE", "0"}};
  return kTexts;
}

// What a key without button settings (a first start) gets.
const SettingsValues& DefaultTexts() {
  static const SettingsValues kTexts = {
      {"PROGRAMMODE", "2"},      {"EMAILTYPE", "0"},      {"FOLDERSTATE", "0"},    {"FOLDERTYPE", "0"},
      {"HINTS", "YES"},          {"MINIMIZE", "YES"},     {"MINIMIZETIME", "10"},  {"MINIMIZEVIEW", "YES"},
      {"MINIMIZEBUTTON", "YES"}, {"POSITION", "NO,100"},  {"BUTTON1", "20,ON"},    {"BUTTON2", "54,ON"},
      {"BUTTON3", "88,ON"},      {"BUTTON4", "122,ON"},   {"BUTTON5", "156,ON"},   {"BUTTON6", "190,ON"},
      {"BUTTON7", "190,OFF"},    {"BUTTON8", "190,OFF"},  {"CATEGORY1", "OFF"},    {"CATEGORY2", "OFF"},
      {"CATEGORY3", "OFF"},      {"CATEGORY4", "OFF"},    {"CATEGORY5", "OFF"},    {"CATEGORY6", "OFF"},
      {"BUTTONE1", "224,ON"},    {"BUTTONE2", "224,OFF"}, {"BUTTONE3", "224,OFF"}, {"BUTTONE4", "224,OFF"}};
  return kTexts;
}

class WorkingTexts {
 public:
  explicit WorkingTexts(const SettingsValues* key) : texts_(InitialTexts()) {
    if (key) {
      for (auto& [name, text] : texts_) text.clear();
      for (const auto& [name, text] : *key) texts_[name] = text;
    }
    if (Get("BUTTON1").empty()) {
      for (const auto& [name, text] : DefaultTexts()) texts_[name] = text;
    }
  }
  std::string Get(std::string_view name) const {
    const auto it = texts_.find(name);
    return it == texts_.end() ? std::string() : it->second;
  }
  bool On(std::string_view name) const { return Get(name) != "NO"; }
  bool Yes(std::string_view name) const { return Get(name) == "YES"; }
  int Int(std::string_view name, int fallback) const { return ReadIntOr(Get(name), fallback); }

 private:
  SettingsValues texts_;
};

// A mode text as its decimal value when that lies in 0..max, else `fallback`.
std::string NormalisedMode(const std::string& text, int max, const char* fallback) {
  const auto value = ReadInt(text);
  if (text.empty() || !value || *value < 0 || *value > max) return fallback;
  return std::to_string(*value);
}

int InRange(int value, int low, int high, int fallback) { return value < low || value > high ? fallback : value; }

void PlaceButton(BarSettings& s, const std::string& text, int button, bool extra) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return;
  const auto top = ReadInt(text.substr(0, comma));
  if (!top) return;
  const bool shown = text.substr(comma + 1) == "ON";
  if (extra)
    s.extraButtonShown[static_cast<std::size_t>(button)] = shown;
  else
    s.buttonShown[static_cast<std::size_t>(button)] = shown;
  s.buttonLayout.push_back({button, extra, *top, shown});
}

void PlaceButtons(BarSettings& s, const WorkingTexts& t) {
  s.buttonLayout.clear();
  for (int button : {7, 8, 1, 2, 3, 4, 5, 6}) PlaceButton(s, t.Get("BUTTON" + std::to_string(button)), button, false);
  for (int button = 1; button <= 4; ++button) PlaceButton(s, t.Get("BUTTONE" + std::to_string(button)), button, true);
}

}  // namespace

std::optional<std::string> ReadBarSettings(BarSettings& s, const SettingsValues* key, Date today,
                                           std::string_view shortDateFormat) {
  const WorkingTexts t(key);
  s.programMode = ReadProgramMode(t.Get("PROGRAMMODE")).value_or(ProgramMode::kBarAndTray);
  s.emailType = NormalisedMode(t.Get("EMAILTYPE"), 1, "0");
  s.fileName = t.Get("FILENAME");
  s.folderState = t.Int("FOLDERSTATE", 0);
  s.folderType = t.Int("FOLDERTYPE", 0);
  s.categoryPromptTypes.clear();
  for (int slot = 1; slot <= 6; ++slot) {
    const std::string text = t.Get("CATEGORY" + std::to_string(slot));
    if (text != "0") s.categoryPromptTypes.push_back(text);
  }
  s.hints = t.On("HINTS");
  s.minimize = t.On("MINIMIZE");
  s.useCategories = t.On("USECATEGORIES");
  s.apptReminder = t.On("APPTREMINDER");
  s.journalTime = t.On("JOURNALTIME");
  s.keywordRemoval = t.On("KEYWORDREMOVAL");
  s.tab = t.Yes("TAB");
  s.newIeWindow = t.Yes("NEWIEWINDOW");
  s.itemType = t.Get("ITEMTYPE") == "1" ? EntryType::kTask : EntryType::kAppointment;
  s.journalType = t.Get("JOURNALTYPE").empty() ? "Phone call" : t.Get("JOURNALTYPE");
  s.minimizeTimeMs = InRange(t.Int("MINIMIZETIME", 10), 0, kMaxMinimizeSeconds, 10) * 1000;
  s.minimizeView = t.On("MINIMIZEVIEW");
  s.minimizeButton = t.On("MINIMIZEBUTTON");
  s.updateCheck = t.Int("UPDATECHECK", 1);
  s.updateDays = InRange(t.Int("UPDATETIME", 7), 0, 9999, 7);

  std::optional<std::string> lastUpdateToStore;
  const std::string lastUpdate = t.Get("LASTUPDATE");
  const auto parsed = ParseShortDate(lastUpdate, shortDateFormat);
  s.lastUpdate = parsed ? *parsed : AddDays(today, -6).value_or(today);
  if (lastUpdate.empty()) lastUpdateToStore = FormatShortDate(s.lastUpdate, shortDateFormat);

  s.positionText = t.Get("POSITION");
  const BarPosition position = ParsePosition(s.positionText);
  s.rememberPosition = position.remember;
  s.barTop = position.top;
  PlaceButtons(s, t);
  return lastUpdateToStore;
}

BarPosition ParsePosition(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos || text.substr(0, comma) != "YES") return {false, 106};
  return {true, ReadIntOr(text.substr(comma + 1), 106)};
}

std::string PositionText(bool remember, int top) { return (remember ? "YES," : "NO,") + std::to_string(top); }

std::string LaunchHint(std::string_view fileName) {
  if (TrimView(fileName).empty()) return "Launch Program";
  const auto last = fileName.find_last_of("\\:");
  return "Launch " + std::string(last == std::string_view::npos ? fileName : fileName.substr(last + 1));
}

std::string ProgramModeText(ProgramMode mode) { return std::to_string(static_cast<int>(mode)); }

std::optional<ProgramMode> ReadProgramMode(std::string_view text) {
  const auto value = ReadInt(text);
  if (!value || *value < 0 || *value > 2) return std::nullopt;
  return static_cast<ProgramMode>(*value);
}

std::optional<FolderKind> FolderOfEntryType(EntryType type) {
  switch (type) {
    case EntryType::kTaskRequest:
      return FolderKind::kTasks;
    case EntryType::kMeetingRequest:
      return FolderKind::kCalendar;
    default:
      return FolderKindOf(NumberOf(type));  // task .. journal: the folder of the same number
  }
}

bool FolderButtonShown(const BarSettings& s, FolderKind folder) {
  for (int type = 1; type <= 8; ++type) {
    if (FolderOfEntryType(static_cast<EntryType>(type)) == folder && s.buttonShown[static_cast<std::size_t>(type)])
      return true;
  }
  return false;
}

ProgramMode ToggledProgramMode(ProgramMode mode) {
  return mode == ProgramMode::kTrayOnly ? ProgramMode::kBarAndTray : ProgramMode::kTrayOnly;
}

}  // namespace qrv
