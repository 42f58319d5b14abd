#include "core/outlook_numbers.h"

#include <gtest/gtest.h>

#include "core/bar_windows.h"

namespace qrv {
namespace {

using Names = std::vector<std::string>;

TEST(OutlookNumbers, RequestsMakeTheirKindInTheFolderOfTheirKind) {
  // A task request is a task, a meeting request an appointment, each in its own folder.
  EXPECT_EQ(NewItemKindOf(EntryType::kTaskRequest)->folder, OutlookFolder::kTasks);
  EXPECT_EQ(NewItemKindOf(EntryType::kTaskRequest)->kind, OutlookItemKind::kTask);
  EXPECT_EQ(NewItemKindOf(EntryType::kMeetingRequest)->folder, OutlookFolder::kCalendar);
  EXPECT_EQ(NewItemKindOf(EntryType::kMeetingRequest)->kind, OutlookItemKind::kAppointment);
  EXPECT_EQ(NewItemKindOf(EntryType::kNote)->kind, OutlookItemKind::kNote);
  EXPECT_EQ(NewItemKindOf(EntryType::kEmail)->folder, OutlookFolder::kInbox);
  EXPECT_FALSE(NewItemKindOf(static_cast<EntryType>(0)));
  EXPECT_FALSE(NewItemKindOf(static_cast<EntryType>(9)));
  EXPECT_EQ(std::string(FolderOpeningOf(FolderKind::kInbox)->argument), "Outlook:Inbox");
  EXPECT_EQ(FolderOpeningOf(FolderKind::kJournal)->folder, OutlookFolder::kJournal);
  EXPECT_FALSE(FolderOpeningOf(static_cast<FolderKind>(7)));
}

TEST(OutlookNumbers, OnlyTheExactTypeNumberAsksForCategories) {
  const Names promptTypes = {"OFF", "1", "18"};
  EXPECT_TRUE(PromptsForCategories(promptTypes, EntryType::kTask));
  EXPECT_FALSE(PromptsForCategories(promptTypes, EntryType::kMeetingRequest));  // "18" is no 8
  EXPECT_FALSE(PromptsForCategories({}, EntryType::kTask));
}

TEST(CategoryList, SeparatorsInARowKeepAnEmptyNameAndATrailingOneIsDropped) {
  EXPECT_EQ(SplitCategoryList("VIP;;Business;"), (Names{"VIP", "", "Business"}));
  EXPECT_EQ(SplitCategoryList(" Ideas ; Key;  "), (Names{" Ideas ", " Key"}));
  EXPECT_EQ(SplitCategoryList(";"), (Names{""}));
  EXPECT_EQ(SplitCategoryList("   "), Names{});
  EXPECT_EQ(SplitCategoryList(""), Names{});
}

TEST(CategoryList, SortIgnoresCaseAndKeepsTheOrderOfEqualNames) {
  Names names = {"vip", "Business", "Ideas", "VIP", "business card"};
  SortCategoryNames(names);
  EXPECT_EQ(names, (Names{"Business", "business card", "Ideas", "vip", "VIP"}));
  Names defaults = DefaultCategoryNames();
  ASSERT_EQ(defaults.size(), 20u);
  Names sorted = defaults;
  SortCategoryNames(sorted);
  EXPECT_EQ(sorted, defaults);  // Outlook's own names come sorted already
}

TEST(CategoryList, JoinedNamesKeepEveryEntryInItsPlace) {
  EXPECT_EQ(JoinCategories({"Business", "VIP"}), "Business, VIP");
  EXPECT_EQ(JoinCategories({"", "VIP"}), ", VIP");
  EXPECT_EQ(JoinCategories({}), "");
}

constexpr ScreenSize kScreen{1280, 1024};

TEST(BarWindows, InformationItemWindowsCascadeAndComeBackOnScreen) {
  const auto place = [](int n, int width, int height) { return EntryWindowPlace(n, width, height, 150, 106, kScreen); };
  EXPECT_EQ(place(1, 400, 300).left, 40);
  EXPECT_EQ(place(1, 400, 300).top, 106);
  EXPECT_EQ(place(2, 400, 300).left, 64);
  EXPECT_EQ(place(2, 400, 300).top, 118);
  EXPECT_EQ(place(3, 400, 300).left, 88);
  EXPECT_EQ(place(3, 400, 300).top, 130);
  // Off the right edge: left 64; off the bottom with the date panel: the bar's top + 12.
  EXPECT_EQ(place(50, 400, 300).left, 64);
  EXPECT_EQ(place(50, 400, 300).top, 118);
  EXPECT_EQ(place(1, 1241, 300).left, 64);
  EXPECT_EQ(place(1, 400, 769).top, 118);
  EXPECT_EQ(place(1, 400, 768).top, 106);
}

TEST(BarWindows, HelpViewerStandsBesideTheBarWithinTheScreen) {
  const HelpViewerPlace beside = PlaceHelpViewer(500, 106, kScreen);
  EXPECT_EQ(beside.left, 395);
  EXPECT_EQ(beside.top, 106);
  EXPECT_EQ(beside.height, 430);
  EXPECT_EQ(PlaceHelpViewer(886, 106, kScreen).left, 64);
  EXPECT_EQ(PlaceHelpViewer(885, 106, kScreen).left, 395);
  EXPECT_EQ(PlaceHelpViewer(500, 595, kScreen).top, 15);
  EXPECT_EQ(PlaceHelpViewer(500, 594, kScreen).top, 594);
}

TEST(CategoryList, SortsInTheGivenOrderAndKeepsTheOrderOfNamesThatSortAlike) {
  // A locale's order stands in here: shorter names first.
  const TextOrder shorterFirst = [](std::string_view a, std::string_view b) {
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
  };
  Names names = {"Zoo", "\xC3\x84rger", "Abend", "ab", "AB"};
  SortCategoryNames(names, shorterFirst);
  EXPECT_EQ(names, (Names{"ab", "AB", "Zoo", "Abend", "\xC3\x84rger"}));
  SortCategoryNames(names, nullptr);  // no order given: by bytes, ignoring case
  EXPECT_EQ(names, (Names{"ab", "AB", "Abend", "Zoo", "\xC3\x84rger"}));
}

}  // namespace
}  // namespace qrv
