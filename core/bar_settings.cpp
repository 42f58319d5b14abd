#include "core/bar_settings.h"

#include "core/text.h"

namespace qrv {

namespace {

// The working texts before the key is read.
const SettingsValues& InitialTexts() {
  static const SettingsValues texts = {
      {"HINTS", "YES"},          {"MINIMIZE", "YES"},       {"MINIMIZETIME", "10"},
      {"MINIMIZEVIEW", "YES"},   {"MINIMIZEBUTTON", "YES"}, {"POSITION", "NO,100"},
      {"USECATEGORIES", "YES"},  {"APPTREMINDER", "YES"},   {"JOURNALTIME", "YES"},
      {"TAB", "NO"},             {"KEYWORDREMOVAL", "YES"}, {"NEWIEWINDOW", "NO"},
      {"ITEMTYPE", "3"},         {"JOURNALTYPE", "Phone call"}, {"UPDATECHECK", "1"},
      {"UPDATETIME", "7"},       {"PROGRAMMODE", "2"},      {"EMAILTYPE", "0"}};
  return texts;
}

// What a key without button settings (a first start) gets.
const SettingsValues& DefaultTexts() {
  static const SettingsValues texts = {
      {"PROGRAMMODE", "2"},    {"EMAILTYPE", "0"},      {"FOLDERSTATE", "0"},   {"FOLDERTYPE", "0"},
      {"HINTS", "YES"},        {"MINIMIZE", "YES"},     {"MINIMIZETIME", "10"}, {"MINIMIZEVIEW", "YES"},
      {"MINIMIZEBUTTON", "YES"}, {"POSITION", "NO,100"}, {"BUTTON1", "20,ON"},   {"BUTTON2", "54,ON"},
      {"BUTTON3", "88,ON"},    {"BUTTON4", "122,ON"},   {"BUTTON5", "156,ON"},  {"BUTTON6", "190,ON"},
      {"BUTTON7", "190,OFF"},  {"BUTTON8", "190,OFF"},  {"CATEGORY1", "OFF"},   {"CATEGORY2", "OFF"},
      {"CATEGORY3", "OFF"},    {"CATEGORY4", "OFF"},    {"CATEGORY5", "OFF"},   {"CATEGORY6", "OFF"},
      {"BUTTONE1", "224,ON"},  {"BUTTONE2", "224,OFF"}, {"BUTTONE3", "224,OFF"}, {"BUTTONE4", "224,OFF"}};
  return texts;
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
  int Int(std::string_view name, int fallback) const { return StrToIntDef(Get(name), fallback); }

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
  if (extra) s.ExtraButtonShown[static_cast<std::size_t>(button)] = shown;
  else s.ButtonShown[static_cast<std::size_t>(button)] = shown;
  s.ButtonLayout.push_back({button, extra, *top, shown});
}

void PlaceButtons(BarSettings& s, const WorkingTexts& t) {
  s.ButtonLayout.clear();
  for (int button : {7, 8, 1, 2, 3, 4, 5, 6}) PlaceButton(s, t.Get("BUTTON" + std::to_string(button)), button, false);
  for (int button = 1; button <= 4; ++button) PlaceButton(s, t.Get("BUTTONE" + std::to_string(button)), button, true);
}

}  // namespace

std::optional<std::string> ReadBarSettings(BarSettings& s, const SettingsValues* key, Date today,
                                           std::string_view short_date_format) {
  const WorkingTexts t(key);
  s.ProgramMode = NormalisedMode(t.Get("PROGRAMMODE"), 2, "2");
  s.EmailType = NormalisedMode(t.Get("EMAILTYPE"), 1, "0");
  s.FileName = t.Get("FILENAME");
  s.FolderState = t.Int("FOLDERSTATE", 0);
  s.FolderType = t.Int("FOLDERTYPE", 0);
  s.CategoryPromptTypes.clear();
  for (int slot = 1; slot <= 6; ++slot) {
    const std::string text = t.Get("CATEGORY" + std::to_string(slot));
    if (text != "0") s.CategoryPromptTypes.push_back(text);
  }
  s.Hints = t.On("HINTS");
  s.Minimize = t.On("MINIMIZE");
  s.UseCategories = t.On("USECATEGORIES");
  s.ApptReminder = t.On("APPTREMINDER");
  s.JournalTime = t.On("JOURNALTIME");
  s.KeywordRemoval = t.On("KEYWORDREMOVAL");
  s.Tab = t.Yes("TAB");
  s.NewIEWindow = t.Yes("NEWIEWINDOW");
  s.ItemType = t.Get("ITEMTYPE") == "1" ? 1 : 3;
  s.JournalType = t.Get("JOURNALTYPE").empty() ? "Phone call" : t.Get("JOURNALTYPE");
  s.MinimizeTimeMs = InRange(t.Int("MINIMIZETIME", 10), 0, kMaxMinimizeSeconds, 10) * 1000;
  s.MinimizeView = t.On("MINIMIZEVIEW");
  s.MinimizeButton = t.On("MINIMIZEBUTTON");
  s.UpdateCheck = t.Int("UPDATECHECK", 1);
  s.UpdateDays = InRange(t.Int("UPDATETIME", 7), 0, 9999, 7);

  std::optional<std::string> last_update_to_store;
  const std::string last_update = t.Get("LASTUPDATE");
  const auto parsed = ParseShortDate(last_update, short_date_format);
  s.LastUpdate = parsed ? *parsed : AddDays(today, -6);
  if (last_update.empty()) last_update_to_store = FormatShortDate(s.LastUpdate, short_date_format);

  s.PositionText = t.Get("POSITION");
  const BarPosition position = ParsePosition(s.PositionText);
  s.RememberPosition = position.remember;
  s.BarTop = position.top;
  PlaceButtons(s, t);
  return last_update_to_store;
}

BarPosition ParsePosition(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos || text.substr(0, comma) != "YES") return {false, 106};
  return {true, StrToIntDef(text.substr(comma + 1), 106)};
}

std::string PositionText(bool remember, int top) { return (remember ? "YES," : "NO,") + std::to_string(top); }

std::string LaunchHint(std::string_view file_name) {
  if (TrimView(file_name).empty()) return "Launch Program";
  const auto last = file_name.find_last_of("\\:");
  return "Launch " + std::string(last == std::string_view::npos ? file_name : file_name.substr(last + 1));
}

int FolderOfItemType(int item_type) {
  switch (item_type) {
    case 7: return 1;
    case 8: return 3;
    default: return item_type;
  }
}

bool FolderButtonShown(const BarSettings& s, int folder) {
  for (int type = 1; type <= 8; ++type) {
    if (FolderOfItemType(type) == folder && s.ButtonShown[static_cast<std::size_t>(type)]) return true;
  }
  return false;
}

std::string ToggledProgramMode(std::string_view mode) {
  if (mode == "0" || mode == "2") return "1";
  if (mode == "1") return "2";
  return std::string(mode);
}

}  // namespace qrv
