#include "core/bar_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/preferences.h"

namespace qrv {
namespace {

constexpr Date kToday{2024, 3, 5};

struct Read {
  BarSettings settings;
  std::optional<std::string> storedLastUpdate;
};

Read ReadKey(const SettingsValues* key) {
  Read r;
  r.storedLastUpdate = ReadBarSettings(r.settings, key, kToday, "M/d/yyyy");
  return r;
}

TEST(BarSettingsRead, NoKeyGivesTheFirstStartLayout) {
  const Read r = ReadKey(nullptr);
  const BarSettings& s = r.settings;
  EXPECT_EQ(s.programMode, ProgramMode::kBarAndTray);
  EXPECT_EQ(s.emailType, "0");
  EXPECT_EQ(s.minimizeTimeMs, 10000);
  EXPECT_TRUE(s.minimize && s.hints && s.minimizeView && s.minimizeButton);
  EXPECT_FALSE(s.tab || s.newIeWindow);
  EXPECT_EQ(s.itemType, EntryType::kAppointment);
  EXPECT_EQ(s.journalType, "Phone call");
  EXPECT_FALSE(s.rememberPosition);
  EXPECT_EQ(s.barTop, 106);
  // Every button is placed once; the shown item buttons fill the preferences'
  // slots from the top, and one extra button stands below them.
  std::set<std::pair<bool, int>> placed;
  std::vector<int> shownTops;
  int extrasShown = 0;
  for (const ButtonPlacement& b : s.buttonLayout) {
    EXPECT_TRUE(placed.insert({b.extra, b.button}).second) << b.button;
    if (b.shown && b.extra) {
      ++extrasShown;
      EXPECT_GT(b.top, kSlotTops.back());
    } else if (b.shown) {
      shownTops.push_back(b.top);
    }
  }
  EXPECT_EQ(placed.size(), 12u);
  EXPECT_EQ(extrasShown, 1);
  std::sort(shownTops.begin(), shownTops.end());
  EXPECT_EQ(shownTops, std::vector<int>(kSlotTops.begin(), kSlotTops.end()));
  EXPECT_EQ(s.categoryPromptTypes, std::vector<std::string>(6, "OFF"));
  // The last update is a week ago less a day, and that date is stored.
  EXPECT_EQ(s.lastUpdate, (Date{2024, 2, 28}));
  EXPECT_EQ(r.storedLastUpdate, "2/28/2024");
}

TEST(BarSettingsRead, KeyWithButtonsReadsMissingValuesAsEmpty) {
  const SettingsValues key = {{"BUTTON1", "54,ON"},
                              {"MINIMIZETIME", "30"},
                              {"LASTUPDATE", "1/15/2024"},
                              {"CATEGORY2", "3"},
                              {"CATEGORY3", "0"}};
  const Read r = ReadKey(&key);
  const BarSettings& s = r.settings;
  EXPECT_TRUE(s.hints);  // empty is not "NO"
  EXPECT_FALSE(s.tab);   // empty is not "YES"
  EXPECT_EQ(s.journalType, "Phone call");
  EXPECT_EQ(s.updateCheck, 1);
  EXPECT_EQ(s.updateDays, 7);
  EXPECT_EQ(s.minimizeTimeMs, 30000);
  EXPECT_EQ(s.lastUpdate, (Date{2024, 1, 15}));
  EXPECT_EQ(r.storedLastUpdate, std::nullopt);
  // Only BUTTON1 had a comma: the other buttons are left as they are.
  EXPECT_EQ(s.buttonLayout, (std::vector<ButtonPlacement>{{1, false, 54, true}}));
  EXPECT_EQ(s.categoryPromptTypes, (std::vector<std::string>{"", "3", "", "", ""}));
}

TEST(BarSettingsRead, OddValuesTakeTheirDefaults) {
  const SettingsValues key = {{"BUTTON1", "20,ON"},   {"PROGRAMMODE", "7"},     {"EMAILTYPE", "2"},
                              {"ITEMTYPE", "2"},      {"MINIMIZETIME", "soon"}, {"UPDATECHECK", "x"},
                              {"UPDATETIME", "-4"},   {"POSITION", "YES,abc"},  {"LASTUPDATE", "31/31/24"},
                              {"FOLDERSTATE", "one"}, {"BUTTON2", "top,ON"},    {"BUTTON3", "88ON"}};
  const Read r = ReadKey(&key);
  const BarSettings& s = r.settings;
  EXPECT_EQ(s.programMode, ProgramMode::kBarAndTray);
  EXPECT_EQ(s.emailType, "0");
  EXPECT_EQ(s.itemType, EntryType::kAppointment);
  EXPECT_EQ(s.minimizeTimeMs, 10000);
  EXPECT_EQ(s.updateCheck, 1);
  EXPECT_EQ(s.updateDays, 7);
  EXPECT_EQ(s.folderState, 0);
  EXPECT_TRUE(s.rememberPosition);
  EXPECT_EQ(s.barTop, 106);
  // An unreadable date is replaced for this run and not written back.
  EXPECT_EQ(s.lastUpdate, (Date{2024, 2, 28}));
  EXPECT_EQ(r.storedLastUpdate, std::nullopt);
  EXPECT_EQ(s.buttonLayout.size(), 1u);
}

TEST(BarSettingsRead, ModesAreKeptAsTheirDecimalValue) {
  const SettingsValues key = {{"BUTTON1", "20,ON"}, {"PROGRAMMODE", " 1"}, {"EMAILTYPE", "$1"}, {"ITEMTYPE", "1"}};
  const Read r = ReadKey(&key);
  EXPECT_EQ(r.settings.programMode, ProgramMode::kTrayOnly);
  EXPECT_EQ(r.settings.emailType, "1");
  EXPECT_EQ(r.settings.itemType, EntryType::kTask);
}

TEST(BarSettingsRead, IdleTimeZeroSwitchesCollapsingOffAndHugeValuesAreRefused) {
  SettingsValues key = {{"BUTTON1", "20,ON"}, {"MINIMIZETIME", "0"}};
  EXPECT_EQ(ReadKey(&key).settings.minimizeTimeMs, 0);
  key["MINIMIZETIME"] = "3000000";  // would overflow the interval in milliseconds
  EXPECT_EQ(ReadKey(&key).settings.minimizeTimeMs, 10000);
  key["MINIMIZETIME"] = "-5";
  EXPECT_EQ(ReadKey(&key).settings.minimizeTimeMs, 10000);
}

TEST(BarSettingsRead, ShownFlagsOfUnplacedButtonsSurviveARead) {
  BarSettings s;
  s.buttonShown[4] = true;
  const SettingsValues key = {{"BUTTON1", "20,OFF"}, {"BUTTON4", "garbage"}, {"BUTTONE2", "224,ON"}};
  ReadBarSettings(s, &key, kToday, "M/d/yyyy");
  EXPECT_FALSE(s.buttonShown[1]);
  EXPECT_TRUE(s.buttonShown[4]);
  EXPECT_TRUE(s.extraButtonShown[2]);
}

TEST(BarSettingsRead, LastUpdateFollowsTheUsersDateFormat) {
  BarSettings s;
  ReadBarSettings(s, nullptr, kToday, "dd.MM.yyyy");
  const SettingsValues key = {{"BUTTON1", "20,ON"}, {"LASTUPDATE", "28.02.2024"}};
  EXPECT_EQ(ReadBarSettings(s, nullptr, kToday, "dd.MM.yyyy"), "28.02.2024");
  EXPECT_EQ(ReadBarSettings(s, &key, kToday, "dd.MM.yyyy"), std::nullopt);
  EXPECT_EQ(s.lastUpdate, (Date{2024, 2, 28}));
}

TEST(BarPositionText, RemembersOnlyAfterYes) {
  EXPECT_EQ(ParsePosition("NO,300").top, 106);
  EXPECT_FALSE(ParsePosition("NO,300").remember);
  EXPECT_EQ(ParsePosition("YES,300").top, 300);
  EXPECT_TRUE(ParsePosition("YES,300").remember);
  EXPECT_FALSE(ParsePosition("YES").remember);
  EXPECT_FALSE(ParsePosition("yes,300").remember);
  EXPECT_EQ(ParsePosition("YES,-20").top, -20);
  EXPECT_EQ(PositionText(true, 412), "YES,412");
  EXPECT_EQ(PositionText(false, 5), "NO,5");
}

TEST(BarButtons, LaunchHintAndFolderButtons) {
  EXPECT_EQ(LaunchHint(R"(C:\Windows\notepad.exe)"), "Launch notepad.exe");
  EXPECT_EQ(LaunchHint("  "), "Launch Program");
  BarSettings s;
  s.buttonShown[7] = true;  // a task request shows the task folder button
  s.buttonShown[8] = true;
  EXPECT_TRUE(FolderButtonShown(s, FolderKind::kTasks));
  EXPECT_TRUE(FolderButtonShown(s, FolderKind::kCalendar));
  EXPECT_FALSE(FolderButtonShown(s, FolderKind::kNotes));
  EXPECT_EQ(FolderOfEntryType(EntryType::kEmail), FolderKind::kInbox);
  EXPECT_EQ(FolderOfEntryType(EntryType::kTextDocument), std::nullopt);  // no folder button
}

// What each mode shows and what the menu's toggle makes of it; the bar stays
// reachable while the tray icon could not be shown. A mode read from the key
// is written back as the same text, and only the three stored numbers are modes.
TEST(BarProgramMode, ModesShowTheirPartsToggleAndRoundTripThroughTheKey) {
  using enum ProgramMode;
  struct Mode {
    ProgramMode mode;
    const char* text;
    bool bar, icon;
    ProgramMode toggled;
  };
  for (const Mode& m : {Mode{kBarOnly, "0", true, false, kTrayOnly}, Mode{kTrayOnly, "1", false, true, kBarAndTray},
                        Mode{kBarAndTray, "2", true, true, kTrayOnly}}) {
    SCOPED_TRACE(m.text);
    EXPECT_EQ(ShowsBar(m.mode), m.bar);
    EXPECT_EQ(ShowsTrayIcon(m.mode), m.icon);
    EXPECT_EQ(ToggledProgramMode(m.mode), m.toggled);
    EXPECT_TRUE(BarShownFor(m.mode, false));
    EXPECT_EQ(BarShownFor(m.mode, true), m.bar);
    EXPECT_EQ(ProgramModeText(m.mode), m.text);
    const SettingsValues key = {{"BUTTON1", "20,ON"}, {"PROGRAMMODE", m.text}};
    EXPECT_EQ(ReadKey(&key).settings.programMode, m.mode);
  }
  EXPECT_EQ(ReadProgramMode(" 2"), ProgramMode::kBarAndTray);
  for (const char* text : {"-1", "3", ""}) EXPECT_EQ(ReadProgramMode(text), std::nullopt) << text;
}

}  // namespace
}  // namespace qrv
