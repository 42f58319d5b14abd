#include "core/preferences.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

BarSettings Read(const SettingsValues& key) {
  BarSettings settings;
  ReadBarSettings(settings, &key, Date{2024, 3, 5}, "M/d/yyyy");
  return settings;
}

SettingsValues AsKey(const SettingsWrite& write) {
  SettingsValues key;
  for (const auto& [name, text] : write) key[name] = text;
  return key;
}

const SaveContext kContext{.programFolder = "C:\\Program Files\\Quorvel\\",
                           .barTop = 140,
                           .updateCheck = 2,
                           .updateDays = 14,
                           .lastUpdateText = "3/1/2024"};

TEST(PreferencesSave, WhatIsSavedReadsBackAsTheSameChoices) {
  PreferenceChoices c;
  c.programMode = 0;
  c.emailType = 1;
  c.hints = false;
  c.idleAmount = 2;
  c.idleUnit = IdleUnit::kMinutes;
  c.minimizeView = false;
  c.rememberPosition = true;
  c.slots = {3, 0, kEmptySlot, 7, 1, kEmptySlot};
  c.askCategories = {true, false, false, true, false, false};
  c.extraSlot = 3;
  c.launchProgram = "C:\\Tools\\notepad.exe";
  c.newWindowPerList = true;
  c.withoutOutlookBar = true;
  c.tab = true;
  c.timedItemIsTask = true;
  c.journalTime = false;
  c.journalType = "Meeting";
  const SettingsWrite write = SettingsToSave(c, kContext);
  EXPECT_EQ(write.front(), (std::pair<std::string, std::string>{"VERSION", "3.22"}));
  const SettingsValues key = AsKey(write);
  EXPECT_EQ(key.at("PATH"), "c:\\program files\\quorvel\\");
  EXPECT_EQ(key.at("MINIMIZETIME"), "120");
  EXPECT_EQ(key.at("POSITION"), "YES,140");
  EXPECT_EQ(key.at("BUTTON4"), "20,ON");
  EXPECT_EQ(key.at("BUTTON3"), "0,OFF");
  EXPECT_EQ(key.at("CATEGORY1"), "4");
  EXPECT_EQ(key.at("CATEGORY4"), "8");
  EXPECT_EQ(key.at("BUTTONE4"), "224,ON");
  EXPECT_EQ(key.at("BUTTONE1"), "224,OFF");
  EXPECT_EQ(key.at("UPDATECHECK"), "2");
  EXPECT_EQ(key.at("LASTUPDATE"), "3/1/2024");
  // Read by the bar and loaded into the pages again, nothing has moved.
  EXPECT_EQ(ChoicesFromSettings(Read(key), {"Phone call", "Meeting"}), c);
}

TEST(PreferencesSave, AnUnknownJournalTypeIsNotChosenAndLeavesTheStoredOneAlone) {
  BarSettings settings = Read({{"BUTTON1", "20,ON"}, {"JOURNALTYPE", "Fax"}});
  const PreferenceChoices c = ChoicesFromSettings(settings, {"Phone call"});
  EXPECT_FALSE(c.journalType);
  const SettingsValues key = AsKey(SettingsToSave(c, kContext));
  EXPECT_FALSE(key.contains("JOURNALTYPE"));
  // Remembering off still stores where the bar stands.
  EXPECT_EQ(key.at("POSITION"), "NO,140");
}

TEST(PreferencesSave, AnUpdateOnItsOwnStoresOnlyTheUpdateValues) {
  const SettingsWrite write = UpdateSettingsToSave(kContext);
  EXPECT_EQ(write, (SettingsWrite{{"UPDATECHECK", "2"}, {"UPDATETIME", "14"}, {"LASTUPDATE", "3/1/2024"}}));
}

TEST(PreferencesLoad, IdleTimeShowsSecondsUpToAMinuteAndWholeMinutesAbove) {
  const auto shown = [](int seconds) {
    BarSettings s;
    s.minimizeTimeMs = seconds * 1000;
    const PreferenceChoices c = ChoicesFromSettings(s, {});
    return std::pair{c.idleAmount, c.idleUnit};
  };
  EXPECT_EQ(shown(60), (std::pair{60, IdleUnit::kSeconds}));
  EXPECT_EQ(shown(61), (std::pair{1, IdleUnit::kMinutes}));
  EXPECT_EQ(shown(89), (std::pair{1, IdleUnit::kMinutes}));
  EXPECT_EQ(shown(90), (std::pair{2, IdleUnit::kMinutes}));   // half to even
  EXPECT_EQ(shown(150), (std::pair{2, IdleUnit::kMinutes}));  // half to even
  EXPECT_EQ(shown(210), (std::pair{4, IdleUnit::kMinutes}));
  EXPECT_EQ(shown(0), (std::pair{1, IdleUnit::kSeconds}));  // the spin's least
  EXPECT_EQ(shown(86400), (std::pair{60, IdleUnit::kMinutes}));
}

TEST(PreferencesSave, AnIdleTimeLeftAsShownIsWrittenBackAsStored) {
  for (const int stored : {0, 90, 86400, 7}) {
    BarSettings s;
    s.minimizeTimeMs = stored * 1000;
    PreferenceChoices c = ChoicesFromSettings(s, {});
    SaveContext context = kContext;
    context.idleSeconds = stored;
    EXPECT_EQ(AsKey(SettingsToSave(c, context)).at("MINIMIZETIME"), std::to_string(stored));
    c.idleAmount = 3;  // changed by the user
    EXPECT_EQ(AsKey(SettingsToSave(c, context)).at("MINIMIZETIME"), c.idleUnit == IdleUnit::kMinutes ? "180" : "3");
  }
}

TEST(PreferencesLoad, ButtonsFillTheSlotsAtTheirTops) {
  // Task and note share a top: the later type takes the slot and the task's
  // category tick stays there; a top between slots shows nowhere.
  const BarSettings s = Read({{"BUTTON1", "20,ON"},
                              {"BUTTON2", "20,ON"},
                              {"BUTTON3", "100,ON"},
                              {"BUTTON4", "190,ON"},
                              {"BUTTON5", "156,OFF"},
                              {"CATEGORY1", "1"},
                              {"BUTTONE1", "224,ON"},
                              {"BUTTONE3", "224,ON"}});
  const PreferenceChoices c = ChoicesFromSettings(s, {});
  EXPECT_EQ(c.slots, (std::array<int, 6>{1, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, 3}));
  EXPECT_EQ(c.askCategories, (std::array<bool, 6>{true, false, false, false, false, false}));
  // The last shown extra button is the one chosen; saving leaves only it on.
  EXPECT_EQ(c.extraSlot, 2);
  const SettingsValues key = AsKey(SettingsToSave(c, kContext));
  EXPECT_EQ(key.at("BUTTONE1"), "224,OFF");
  EXPECT_EQ(key.at("BUTTONE3"), "224,ON");
}

TEST(PreferencesSlots, AButtonStandsInOneSlotWhileNoneMayRepeat) {
  PreferenceChoices c;
  c.slots = {1, 0, 2, kEmptySlot, kEmptySlot, kEmptySlot};
  ChooseSlot(c, 2, 1);
  EXPECT_EQ(c.slots, (std::array<int, 6>{kEmptySlot, 0, 1, kEmptySlot, kEmptySlot, kEmptySlot}));
  ChooseSlot(c, 1, kEmptySlot);
  EXPECT_EQ(c.slots, (std::array<int, 6>{kEmptySlot, kEmptySlot, 1, kEmptySlot, kEmptySlot, kEmptySlot}));
  ChooseSlot(c, 7, 1);  // no such slot
  ChooseSlot(c, 0, 9);  // no such button
  EXPECT_EQ(c.slots[2], 1);
  EXPECT_EQ(c.slots[0], kEmptySlot);
}

}  // namespace
}  // namespace qrv
