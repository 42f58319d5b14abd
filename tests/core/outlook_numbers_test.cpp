#include "core/outlook_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// In the locale's order, or by bytes ignoring case; names that sort alike keep their order.
TEST(CategoryList, SortsInTheGivenOrderAndKeepsTheOrderOfNamesThatSortAlike) {
  Names names = {"vip", "Business", "Ideas", "VIP", "business card"};
  SortCategoryNames(names);
  EXPECT_EQ(names, (Names{"Business", "business card", "Ideas", "vip", "VIP"}));
  // A locale's order stands in here: shorter names first.
  const TextOrder shorterFirst = [](std::string_view a, std::string_view b) {
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
  };
  names = {"Zoo", "\xC3\x84rger", "Abend", "ab", "AB"};
  SortCategoryNames(names, shorterFirst);
  EXPECT_EQ(names, (Names{"ab", "AB", "Zoo", "Abend", "\xC3\x84rger"}));
  SortCategoryNames(names, nullptr);  // no order given: by bytes, ignoring case
  EXPECT_EQ(names, (Names{"ab", "AB", "Abend", "Zoo", "\xC3\x84rger"}));
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

// The windows cascade right and down from beside the bar at its top; one that
// would leave the screen at the right, or at the bottom with its date panel,
// goes to the cascade's second place in that direction.
TEST(BarWindows, InformationItemWindowsCascadeAndComeBackOnScreen) {
  constexpr int kBarTop = 106, kDatePanel = 150;
  const auto place = [](int n, int width, int height) {
    return EntryWindowPlace(n, width, height, kDatePanel, kBarTop, kScreen);
  };
  const WindowPlace first = place(1, 1, 1), second = place(2, 1, 1);
  EXPECT_EQ(first.left, kBesideBarLeft);
  EXPECT_EQ(first.top, kBarTop);
  for (int n = 1; n <= 50; ++n) {
    const WindowPlace cascade = place(n, 1, 1);
    const WindowPlace earlier = place(std::max(n - 1, 1), 1, 1);
    EXPECT_TRUE(n == 1 || (cascade.left > earlier.left && cascade.top > earlier.top)) << n;
    for (const int width : {400, kScreen.width - kBesideBarLeft, kScreen.width - kBesideBarLeft + 1})
      for (const int height : {300, kScreen.height - kDatePanel - kBarTop, kScreen.height - kDatePanel - kBarTop + 1}) {
        SCOPED_TRACE(testing::Message() << n << ": " << width << " x " << height);
        const WindowPlace p = place(n, width, height);
        EXPECT_EQ(p.left, cascade.left + width <= kScreen.width ? cascade.left : second.left);
        EXPECT_EQ(p.top, cascade.top + height + kDatePanel <= kScreen.height ? cascade.top : second.top);
      }
  }
}

// The help viewer stands right of the bar at the bar's top, moved only when it
// would leave the screen, then onto it.
TEST(BarWindows, HelpViewerStandsBesideTheBarWithinTheScreen) {
  const HelpViewerPlace beside = PlaceHelpViewer(1, 0, kScreen);
  EXPECT_GT(beside.left, kBesideBarLeft);
  for (const int width : {500, kScreen.width - beside.left, kScreen.width - beside.left + 1, 1000})
    for (const int barTop : {0, 106, kScreen.height - beside.height, kScreen.height - beside.height + 1}) {
      SCOPED_TRACE(testing::Message() << width << " at " << barTop);
      const HelpViewerPlace p = PlaceHelpViewer(width, barTop, kScreen);
      EXPECT_EQ(p.height, beside.height);
      EXPECT_EQ(p.left, beside.left + width <= kScreen.width ? beside.left : p.left);
      EXPECT_LE(p.left + width, kScreen.width);
      EXPECT_EQ(p.top, barTop + p.height <= kScreen.height ? barTop : p.top);
      EXPECT_LE(p.top + p.height, kScreen.height);
      EXPECT_GE(p.top, 0);
      EXPECT_GE(p.left, kBesideBarLeft);
    }
}

}  // namespace
}  // namespace qrv
