// The Information Item window's layout for each entry type and its sizes with
// the date and category panels.
#include "core/entry_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace qrv {
namespace {

using enum EntryType;

EntryLayout For(std::optional<EntryType> type, bool recipients = false, bool twoLines = false, bool iconNote = false) {
  return LayOutEntry(
      {.type = type, .hasRecipients = recipients, .twoLineSubject = twoLines, .iconNoteFound = iconNote});
}

TEST(EntryLayout, RecipientsMakeRequestsThatSendOnlyOfTasksAndAppointments) {
  EXPECT_EQ(For(kTask, true).captionWord, "Task Request");
  EXPECT_EQ(For(kTask, true).processCaption, "&Send");
  EXPECT_EQ(For(kTask, true).startTimeEnabled, false);  // a request has no reminder of ours
  EXPECT_EQ(For(kTask, false).processCaption, "&Save");
  EXPECT_EQ(For(kAppointment, true).captionWord, "Meeting Request");
  EXPECT_EQ(For(kAppointment, true).iconShown, false);
  EXPECT_EQ(For(kEmail, true).captionWord, "E-Mail");
  EXPECT_EQ(For(kContact, true).captionWord, "Contact");
  // A request can always be sent, also after the internet layout disabled the button.
  EXPECT_EQ(For(kInternet).processEnabled, false);
  EXPECT_EQ(For(kTask, true).processEnabled, true);
  EXPECT_EQ(For(kAppointment, true).processEnabled, true);
}

// The second line of the subject pushes everything under it down by its own height.
TEST(EntryLayout, TwoLineSubjectMovesEveryRowDownByTheSameAmount) {
  constexpr int kSecondLine = kTwoLineSubjectHeight - kSubjectHeight;
  for (EntryType type : {kTask, kNote, kAppointment, kContact, kEmail, kJournal, kTextDocument, kInternet}) {
    const EntryLayout one = For(type), two = For(type, false, true);
    EXPECT_EQ(two.headerHeight - one.headerHeight, kSecondLine) << NumberOf(type);
    if (one.row2.field != RowField::kNone) {
      EXPECT_GE(one.row2.top, kSubjectHeight);
      EXPECT_EQ(two.row2.top - one.row2.top, kSecondLine);
    }
    // Each row's label sits 3 pixels below its field, and rows do not overlap.
    if (one.row3.field != RowField::kNone) {
      EXPECT_EQ(one.row3.labelTop, one.row3.top + 3);
      EXPECT_GE(one.row3.top, one.row2.top + 19);
      EXPECT_LE(one.row3.top + 19, one.headerHeight);
    }
    // A combo box row is 21 high and must end above the body.
    for (const HeaderRow& row : {one.row2, one.row3})
      if (row.field == RowField::kService || row.field == RowField::kStatus || row.field == RowField::kJournalType) {
        EXPECT_LE(row.top + 21, one.headerHeight) << NumberOf(type);
      }
  }
}

TEST(EntryLayout, OnlyTimedTypesHaveADatePanelAndTheNoTypeLayoutKeepsTheHeader) {
  EXPECT_EQ(For(kAppointment).datePanel, Show::kShow);
  EXPECT_EQ(For(kJournal).datePanel, Show::kShow);
  EXPECT_TRUE(For(kJournal).startTimeNowWhenNone);
  EXPECT_EQ(For(kTask).datePanel, Show::kKeep);  // a task may or may not have a date
  EXPECT_TRUE(For(kTask).assignDateEnabled);
  for (EntryType type : {kNote, kContact, kEmail, kTextDocument, kInternet}) {
    EXPECT_EQ(For(type).datePanel, Show::kHide);
    EXPECT_FALSE(For(type).assignDateEnabled);
  }
  const EntryLayout none = For(std::nullopt);
  EXPECT_EQ(none.captionWord, "Information");
  EXPECT_FALSE(none.changesHeader);
  EXPECT_TRUE(none.processCaption.empty());
  EXPECT_EQ(none.datePanel, Show::kHide);
}

// Under the calendar the Today button stands beside the None or the floating
// button when one shows, and in their middle alone otherwise. The floating
// button shows with the icon note, stays as it was without, and never shows
// for a request.
TEST(EntryLayout, TodayMakesRoomOnlyForAButtonBesideIt) {
  std::set<int> paired, alone;
  for (EntryType type : {kTask, kNote, kAppointment, kContact, kEmail, kJournal, kTextDocument, kInternet})
    for (const bool recipients : {false, true})
      for (const bool iconNote : {false, true})
        for (const bool floatShown : {false, true}) {
          const EntryLayout l = LayOutEntry(
              {.type = type, .hasRecipients = recipients, .iconNoteFound = iconNote, .floatShown = floatShown});
          if (l.datePanel == Show::kHide) continue;
          ASSERT_TRUE(l.todayLeft) << NumberOf(type);
          const bool floating = l.floatButton == Show::kShow || (l.floatButton == Show::kKeep && floatShown);
          (l.noneButton == Show::kShow || floating ? paired : alone).insert(*l.todayLeft);
        }
  ASSERT_EQ(paired.size(), 1u);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_LT(*paired.begin(), *alone.begin());
  EXPECT_EQ(For(kAppointment, false, false, true).floatButton, Show::kShow);
  EXPECT_EQ(For(kAppointment).floatButton, Show::kKeep);
  EXPECT_EQ(For(kAppointment, true, false, true).floatButton, Show::kHide);
}

// Each panel adds its own size to the smallest window, in its own direction only.
TEST(EntryLayout, PanelsAddTheirSizeToTheMinimum) {
  const ClientSize bare = EntryMinimumClientSize(false, false), both = EntryMinimumClientSize(true, true);
  EXPECT_EQ(EntryMinimumClientSize(true, false), (ClientSize{bare.width, bare.height + kDatePanelHeight}));
  EXPECT_EQ(EntryMinimumClientSize(false, true), (ClientSize{bare.width + kCategoryPanelWidth, bare.height}));
  EXPECT_EQ(both, (ClientSize{bare.width + kCategoryPanelWidth, bare.height + kDatePanelHeight}));
}

}  // namespace
}  // namespace qrv
