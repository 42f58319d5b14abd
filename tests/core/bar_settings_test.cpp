#include "core/bar_settings.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

using namespace std::chrono;

constexpr Date kToday{year{2024}, month{3}, day{5}};

struct Read {
  BarSettings settings;
  std::optional<std::string> stored_last_update;
};

Read ReadKey(const SettingsValues* key) {
  Read r;
  r.stored_last_update = ReadBarSettings(r.settings, key, kToday, "M/d/yyyy");
  return r;
}

TEST(BarSettingsRead, NoKeyGivesTheFirstStartLayout) {
  const Read r = ReadKey(nullptr);
  const BarSettings& s = r.settings;
  EXPECT_EQ(s.ProgramMode, "2");
  EXPECT_EQ(s.EmailType, "0");
  EXPECT_EQ(s.MinimizeTimeMs, 10000);
  EXPECT_TRUE(s.Minimize && s.Hints && s.MinimizeView && s.MinimizeButton);
  EXPECT_FALSE(s.Tab || s.NewIEWindow);
  EXPECT_EQ(s.ItemType, 3);
  EXPECT_EQ(s.JournalType, "Phone call");
  EXPECT_FALSE(s.RememberPosition);
  EXPECT_EQ(s.BarTop, 106);
  const std::vector<ButtonPlacement> expected = {
      {7, false, 190, false}, {8, false, 190, false}, {1, false, 20, true},  {2, false, 54, true},
      {3, false, 88, true},   {4, false, 122, true},  {5, false, 156, true}, {6, false, 190, true},
      {1, true, 224, true},   {2, true, 224, false},  {3, true, 224, false}, {4, true, 224, false}};
  EXPECT_EQ(s.ButtonLayout, expected);
  EXPECT_EQ(s.CategoryPromptTypes, std::vector<std::string>(6, "OFF"));
  // The last update is a week ago less a day, and that date is stored.
  EXPECT_EQ(s.LastUpdate, (Date{year{2024}, month{2}, day{28}}));
  EXPECT_EQ(r.stored_last_update, "2/28/2024");
}

TEST(BarSettingsRead, KeyWithButtonsReadsMissingValuesAsEmpty) {
  const SettingsValues key = {{"BUTTON1", "54,ON"}, {"MINIMIZETIME", "30"}, {"LASTUPDATE", "1/15/2024"},
                              {"CATEGORY2", "3"},   {"CATEGORY3", "0"}};
  const Read r = ReadKey(&key);
  const BarSettings& s = r.settings;
  EXPECT_TRUE(s.Hints);  // empty is not "NO"
  EXPECT_FALSE(s.Tab);   // empty is not "YES"
  EXPECT_EQ(s.JournalType, "Phone call");
  EXPECT_EQ(s.UpdateCheck, 1);
  EXPECT_EQ(s.UpdateDays, 7);
  EXPECT_EQ(s.MinimizeTimeMs, 30000);
  EXPECT_EQ(s.LastUpdate, (Date{year{2024}, month{1}, day{15}}));
  EXPECT_EQ(r.stored_last_update, std::nullopt);
  // Only BUTTON1 had a comma: the other buttons are left as they are.
  EXPECT_EQ(s.ButtonLayout, (std::vector<ButtonPlacement>{{1, false, 54, true}}));
  EXPECT_EQ(s.CategoryPromptTypes, (std::vector<std::string>{"", "3", "", "", ""}));
}

TEST(BarSettingsRead, OddValuesTakeTheirDefaults) {
  const SettingsValues key = {
      {"BUTTON1", "20,ON"},      {"PROGRAMMODE", "7"},   {"EMAILTYPE", "2"},   {"ITEMTYPE", "2"},
      {"MINIMIZETIME", "soon"},  {"UPDATECHECK", "x"},   {"UPDATETIME", "-4"}, {"POSITION", "YES,abc"},
      {"LASTUPDATE", "31/31/24"}, {"FOLDERSTATE", "one"}, {"BUTTON2", "top,ON"}, {"BUTTON3", "88ON"}};
  const Read r = ReadKey(&key);
  const BarSettings& s = r.settings;
  EXPECT_EQ(s.ProgramMode, "2");
  EXPECT_EQ(s.EmailType, "0");
  EXPECT_EQ(s.ItemType, 3);
  EXPECT_EQ(s.MinimizeTimeMs, 10000);
  EXPECT_EQ(s.UpdateCheck, 1);
  EXPECT_EQ(s.UpdateDays, 7);
  EXPECT_EQ(s.FolderState, 0);
  EXPECT_TRUE(s.RememberPosition);
  EXPECT_EQ(s.BarTop, 106);
  // An unreadable date is replaced for this run and not written back.
  EXPECT_EQ(s.LastUpdate, (Date{year{2024}, month{2}, day{28}}));
  EXPECT_EQ(r.stored_last_update, std::nullopt);
  EXPECT_EQ(s.ButtonLayout.size(), 1u);
}

TEST(BarSettingsRead, ModesAreKeptAsTheirDecimalValue) {
  const SettingsValues key = {{"BUTTON1", "20,ON"}, {"PROGRAMMODE", " 1"}, {"EMAILTYPE", "$1"}};
  const Read r = ReadKey(&key);
  EXPECT_EQ(r.settings.ProgramMode, "1");
  EXPECT_EQ(r.settings.EmailType, "1");
}

TEST(BarSettingsRead, IdleTimeZeroSwitchesCollapsingOffAndHugeValuesAreRefused) {
  SettingsValues key = {{"BUTTON1", "20,ON"}, {"MINIMIZETIME", "0"}};
  EXPECT_EQ(ReadKey(&key).settings.MinimizeTimeMs, 0);
  key["MINIMIZETIME"] = "3000000";  // would overflow the interval in milliseconds
  EXPECT_EQ(ReadKey(&key).settings.MinimizeTimeMs, 10000);
  key["MINIMIZETIME"] = "-5";
  EXPECT_EQ(ReadKey(&key).settings.MinimizeTimeMs, 10000);
}

TEST(BarSettingsRead, ShownFlagsOfUnplacedButtonsSurviveARead) {
  BarSettings s;
  s.ButtonShown[4] = true;
  const SettingsValues key = {{"BUTTON1", "20,OFF"}, {"BUTTON4", "garbage"}, {"BUTTONE2", "224,ON"}};
  ReadBarSettings(s, &key, kToday, "M/d/yyyy");
  EXPECT_FALSE(s.ButtonShown[1]);
  EXPECT_TRUE(s.ButtonShown[4]);
  EXPECT_TRUE(s.ExtraButtonShown[2]);
}

TEST(BarSettingsRead, LastUpdateFollowsTheUsersDateFormat) {
  BarSettings s;
  ReadBarSettings(s, nullptr, kToday, "dd.MM.yyyy");
  const SettingsValues key = {{"BUTTON1", "20,ON"}, {"LASTUPDATE", "28.02.2024"}};
  EXPECT_EQ(ReadBarSettings(s, nullptr, kToday, "dd.MM.yyyy"), "28.02.2024");
  EXPECT_EQ(ReadBarSettings(s, &key, kToday, "dd.MM.yyyy"), std::nullopt);
  EXPECT_EQ(s.LastUpdate, (Date{year{2024}, month{2}, day{28}}));
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
  s.ButtonShown[7] = true;  // a task request shows the task folder button
  s.ButtonShown[8] = true;
  EXPECT_TRUE(FolderButtonShown(s, 1));
  EXPECT_TRUE(FolderButtonShown(s, 3));
  EXPECT_FALSE(FolderButtonShown(s, 2));
  EXPECT_EQ(FolderOfItemType(5), 5);
}

TEST(BarProgramMode, MenuToggleGoesBetweenIconAloneAndBoth) {
  EXPECT_EQ(ToggledProgramMode("0"), "1");
  EXPECT_EQ(ToggledProgramMode("1"), "2");
  EXPECT_EQ(ToggledProgramMode("2"), "1");
  EXPECT_EQ(ToggledProgramMode("7"), "7");
}

}  // namespace
}  // namespace qrv
