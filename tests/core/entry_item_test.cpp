#include "core/entry_item.h"

#include <gtest/gtest.h>

#include <map>

namespace qrv {
namespace {

using namespace std::string_literals;

const Date kMarch3{2004, 3, 3}, kMarch5{2004, 3, 5}, kMarch6{2004, 3, 6};

ItemClock Clock() { return {"M/d/yyyy", EnUsLocale(), kMarch3, {10, 15, 0}}; }

ItemInput Dated(EntryType type, Date start, Date end, std::string startTime = "None", std::string endTime = "None") {
  ItemInput in;
  in.type = type;
  in.storedSubject = "Plan";
  in.body = "Body";
  in.datePanelShown = true;
  in.start = start;
  in.end = end;
  in.startTime = std::move(startTime);
  in.endTime = std::move(endTime);
  return in;
}

// The properties by name (each is put once) and whether a name was put.
std::map<std::string, ItemValue> Put(const ItemInput& in) {
  std::map<std::string, ItemValue> map;
  for (const ItemProperty& p : ItemProperties(in, Clock())) EXPECT_TRUE(map.emplace(p.member, p.value).second);
  return map;
}

TEST(EntryItem, TasksAreDueAtTheirEndDateWithTheReminderAtTheStartTime) {
  ItemInput task = Dated(EntryType::kTask, kMarch3, kMarch5, "9:30 PM");
  task.status = 2;
  task.importance = 2;
  auto p = Put(task);
  EXPECT_EQ(p["Subject"], ItemValue("Plan"s));
  EXPECT_EQ(p["Status"], ItemValue(2));
  EXPECT_EQ(p["Importance"], ItemValue(2));
  EXPECT_EQ(p["Categories"], ItemValue(""s));
  EXPECT_EQ(p["StartDate"], ItemValue("3/3/2004"s));
  EXPECT_EQ(p["DueDate"], ItemValue("3/5/2004"s));
  EXPECT_EQ(p["ReminderSet"], ItemValue(true));
  EXPECT_EQ(p["ReminderTime"], ItemValue("3/5/2004 9:30 PM"s));
  // Agreeing to clear a past reminder clears it; a request never has one.
  task.clearReminder = true;
  EXPECT_EQ(Put(task)["ReminderSet"], ItemValue(false));
  task.type = EntryType::kTaskRequest;
  EXPECT_FALSE(Put(task).contains("ReminderSet"));
  // Without the date panel no date is set.
  task.datePanelShown = false;
  task.type = EntryType::kTask;
  EXPECT_FALSE(Put(task).contains("DueDate"));
}

TEST(EntryItem, AppointmentsAndMeetingRequestsAreTimedOrAllDay) {
  for (const EntryType type : {EntryType::kAppointment, EntryType::kMeetingRequest}) {
    auto allDay = Put(Dated(type, kMarch3, kMarch5));
    EXPECT_EQ(allDay["AllDayEvent"], ItemValue(true));
    EXPECT_EQ(allDay["Start"], ItemValue("3/3/2004"s));
    EXPECT_EQ(allDay["End"], ItemValue("3/6/2004"s));  // the day after the last
    EXPECT_FALSE(Put(Dated(type, kMarch5, kMarch5)).contains("End"));
    auto timed = Put(Dated(type, kMarch5, kMarch6, "9:00 AM"));
    EXPECT_EQ(timed["AllDayEvent"], ItemValue(false));
    EXPECT_EQ(timed["Start"], ItemValue("3/5/2004 9:00 AM"s));
    EXPECT_EQ(timed["End"], ItemValue("3/6/2004 9:00 AM"s));  // no end time: ends at the start time
    EXPECT_EQ(Put(Dated(type, kMarch5, kMarch5, "9:00 AM", "10:30 AM"))["End"], ItemValue("3/5/2004 10:30 AM"s));
    ItemInput hidden = Dated(type, kMarch5, kMarch5, "9:00 AM");
    hidden.datePanelShown = false;
    auto undated = Put(hidden);
    EXPECT_EQ(undated["AllDayEvent"], ItemValue(true));
    EXPECT_FALSE(undated.contains("Start"));
  }
}

TEST(EntryItem, BodiesAreBuiltApartFromTheWindow) {
  ItemInput appointment = Dated(EntryType::kAppointment, kMarch5, kMarch5);
  appointment.iconLine = "##f@@@@@@";
  appointment.hasAttachments = true;
  EXPECT_EQ(Put(appointment)["Body"], ItemValue("##f@@@@@@\r\nBody\r\n"s));
  // The same input gives the same body however often it is stored.
  EXPECT_EQ(StoredBody(appointment), StoredBody(appointment));
  ItemInput note = appointment;
  note.type = EntryType::kNote;
  note.importance = 2;
  auto p = Put(note);
  EXPECT_EQ(p["Body"], ItemValue("Plan\r\nBody\r\n"s));  // the icon line is an appointment's only
  EXPECT_FALSE(p.contains("Importance"));
}

// Every type stores the subject the window's marks promise, never the typed one.
TEST(EntryItem, EveryTypeStoresTheSubjectWithoutItsRemovedPhrases) {
  using enum EntryType;
  for (const auto& [type, member] : {std::pair{kTask, "Subject"},
                                     {kAppointment, "Subject"},
                                     {kEmail, "Subject"},
                                     {kJournal, "Subject"},
                                     {kMeetingRequest, "Subject"},
                                     {kContact, "FullName"}})
    EXPECT_EQ(Put(Dated(type, kMarch5, kMarch5))[member], ItemValue("Plan"s)) << member;
}

TEST(EntryItem, JournalEntriesStartNowWithoutAStartTime) {
  auto untimed = Put(Dated(EntryType::kJournal, kMarch5, kMarch5));
  EXPECT_EQ(untimed["Start"], ItemValue("3/5/2004 10:15 AM"s));
  EXPECT_FALSE(untimed.contains("End"));
  ItemInput timer = Dated(EntryType::kJournal, kMarch5, kMarch5, "9:00 AM");
  timer.timerOn = true;
  timer.journalType = "Phone call";
  auto p = Put(timer);
  EXPECT_EQ(p["Type"], ItemValue("Phone call"s));
  EXPECT_EQ(p["End"], ItemValue("3/3/2004 10:15 AM"s));  // today, now
}

TEST(EntryItem, OnlyATaskWithAPassedStartTimeAsksAboutItsReminder) {
  EXPECT_TRUE(ReminderInPast(Dated(EntryType::kTask, kMarch3, kMarch3, "9:00 AM"), Clock()));
  EXPECT_FALSE(ReminderInPast(Dated(EntryType::kTask, kMarch3, kMarch3, "11:00 AM"), Clock()));
  // The reminder is due at the end date: a span ending tomorrow is not past.
  EXPECT_FALSE(ReminderInPast(Dated(EntryType::kTask, kMarch3, kMarch5, "9:00 AM"), Clock()));
  EXPECT_FALSE(ReminderInPast(Dated(EntryType::kTask, kMarch3, kMarch3), Clock()));
  EXPECT_FALSE(ReminderInPast(Dated(EntryType::kTaskRequest, kMarch3, kMarch3, "9:00 AM"), Clock()));
  ItemInput hidden = Dated(EntryType::kTask, kMarch3, kMarch3, "9:00 AM");
  hidden.datePanelShown = false;
  EXPECT_FALSE(ReminderInPast(hidden, Clock()));
}

TEST(EntryItem, AttachmentsGoEmbeddedOrByValueByType) {
  EXPECT_EQ(AttachmentKind(EntryType::kTask), AttachmentType::kEmbedded);
  EXPECT_EQ(AttachmentKind(EntryType::kJournal), AttachmentType::kEmbedded);
  EXPECT_EQ(AttachmentKind(EntryType::kMeetingRequest), AttachmentType::kByValue);
  EXPECT_FALSE(AttachmentKind(EntryType::kNote));
  EXPECT_FALSE(AttachmentKind(EntryType::kTextDocument));
}

}  // namespace
}  // namespace qrv
