#include "core/outlook_road.h"

#include <gtest/gtest.h>

#include "core/bar_windows.h"

namespace qrv {
namespace {

using Names = std::vector<std::string>;

TEST(OutlookRoad, RequestsMakeTheirKindInTheFolderOfTheirKind) {
  // A task request is a task, a meeting request an appointment, each in its own folder.
  EXPECT_EQ(ItemRoadOf(EntryType::kTaskRequest)->folder, 13);
  EXPECT_EQ(ItemRoadOf(EntryType::kTaskRequest)->kind, 3);
  EXPECT_EQ(ItemRoadOf(EntryType::kMeetingRequest)->folder, 9);
  EXPECT_EQ(ItemRoadOf(EntryType::kMeetingRequest)->kind, 1);
  EXPECT_EQ(ItemRoadOf(EntryType::kNote)->kind, 5);     // note
  EXPECT_EQ(ItemRoadOf(EntryType::kEmail)->folder, 6);  // e-mail: the inbox
  EXPECT_FALSE(ItemRoadOf(static_cast<EntryType>(0)));
  EXPECT_FALSE(ItemRoadOf(static_cast<EntryType>(9)));
  EXPECT_EQ(std::string(FolderRoadOf(FolderKind::kInbox)->argument), "Outlook:Inbox");
  EXPECT_EQ(FolderRoadOf(FolderKind::kJournal)->folder, 11);
  EXPECT_FALSE(FolderRoadOf(static_cast<FolderKind>(7)));
}

TEST(OutlookRoad, OnlyTheExactTypeNumberAsksForCategories) {
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
