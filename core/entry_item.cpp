#include "core/entry_item.h"

#include "core/short_date.h"
#include "core/text.h"

namespace qrv {
namespace {

constexpr char kNone[] = "None";

bool HasTime(std::string_view box) { return box != kNone && !Trim(box).empty(); }

class PropertyList {
 public:
  PropertyList(const ItemInput& input, const ItemClock& clock) : in_(input), clock_(clock) {}

  void Put(std::string member, ItemValue value) { list_.push_back({std::move(member), std::move(value)}); }
  std::string DateText(Date date) const { return FormatShortDate(date, clock_.dateFormat); }
  std::string At(Date date, std::string_view time) const { return DateText(date) + " " + std::string(time); }
  std::string Now(Date date) const { return At(date, FormatShortTime(clock_.locale, clock_.now)); }

  void Task(bool request);
  void Appointment();
  void Journal();
  void Contact();
  std::vector<ItemProperty> Take() { return std::move(list_); }

 private:
  const ItemInput& in_;
  const ItemClock& clock_;
  std::vector<ItemProperty> list_;
};

void PropertyList::Task(bool request) {
  Put("Body", StoredBody(in_));
  Put("Subject", in_.storedSubject);
  if (in_.status) Put("Status", *in_.status);
  if (!in_.datePanelShown) return;
  Put("StartDate", DateText(in_.start));
  Put("DueDate", DateText(in_.end));
  if (request) return;
  const auto time = ReadTime(in_.startTime);
  if (HasTime(in_.startTime) && time && !in_.clearReminder) {
    Put("ReminderSet", true);
    Put("ReminderTime", At(in_.end, FormatShortTime(clock_.locale, *time)));
  } else {
    Put("ReminderSet", false);
  }
}

// A meeting request follows the appointment in the two cases an appointment
// alone settles: it ends at its start time when it has no end time, and it is
// an all-day event while its dates are hidden.
void PropertyList::Appointment() {
  Put("Body", StoredBody(in_));
  Put("Subject", in_.storedSubject);
  Put("Location", in_.copies);
  if (!in_.datePanelShown) {
    Put("AllDayEvent", true);
    return;
  }
  Put("ReminderSet", in_.reminderOn);
  if (HasTime(in_.startTime)) {
    Put("AllDayEvent", false);
    Put("Start", At(in_.start, in_.startTime));
    Put("End", At(in_.end, HasTime(in_.endTime) ? in_.endTime : in_.startTime));
    return;
  }
  Put("AllDayEvent", true);
  Put("Start", DateText(in_.start));
  if (in_.start != in_.end) {
    if (const auto after = AddDays(in_.end, 1)) Put("End", DateText(*after));
  }
}

void PropertyList::Journal() {
  Put("Subject", in_.storedSubject);
  Put("Body", StoredBody(in_));
  if (!in_.journalType.empty()) Put("Type", in_.journalType);
  if (!in_.datePanelShown) return;
  if (!HasTime(in_.startTime)) {
    Put("Start", Now(in_.start));
    return;
  }
  Put("Start", At(in_.start, in_.startTime));
  if (HasTime(in_.endTime)) {
    Put("End", At(in_.end, in_.endTime));
  } else if (in_.timerOn) {
    Put("End", Now(clock_.today));
  }
}

void PropertyList::Contact() {
  Put("Body", StoredBody(in_));
  Put("FullName", in_.storedSubject);
  Put("CompanyName", in_.recipients);
  Put("BusinessTelephoneNumber", in_.copies);
}

}  // namespace

std::vector<ItemProperty> ItemProperties(const ItemInput& input, const ItemClock& clock) {
  PropertyList list(input, clock);
  const EntryType type = input.type;
  if (type != EntryType::kNote && input.importance) list.Put("Importance", *input.importance);
  list.Put("Categories", input.categories.value_or(""));
  switch (type) {
    case EntryType::kTask:
    case EntryType::kTaskRequest:
      list.Task(type == EntryType::kTaskRequest);
      break;
    case EntryType::kNote:
      list.Put("Body", input.storedSubject + "\r\n" + StoredBody(input));
      break;
    case EntryType::kAppointment:
    case EntryType::kMeetingRequest:
      list.Appointment();
      break;
    case EntryType::kContact:
      list.Contact();
      break;
    case EntryType::kEmail:
      list.Put("Subject", input.storedSubject);
      list.Put("Body", StoredBody(input));
      break;
    case EntryType::kJournal:
      list.Journal();
      break;
    default:
      return {};
  }
  return list.Take();
}

std::string StoredBody(const ItemInput& input) {
  std::string body = input.body;
  if (input.type == EntryType::kAppointment && !input.iconLine.empty()) body = input.iconLine + "\r\n" + body;
  if (input.hasAttachments) body += "\r\n";
  return body;
}

std::optional<AttachmentType> AttachmentKind(EntryType type) {
  switch (type) {
    case EntryType::kTask:
    case EntryType::kAppointment:
    case EntryType::kContact:
    case EntryType::kJournal:
      return AttachmentType::kEmbedded;
    case EntryType::kEmail:
    case EntryType::kTaskRequest:
    case EntryType::kMeetingRequest:
      return AttachmentType::kByValue;
    default:
      return std::nullopt;
  }
}

bool ReminderInPast(const ItemInput& input, const ItemClock& clock) {
  if (input.type != EntryType::kTask || !input.datePanelShown || !HasTime(input.startTime)) return false;
  const auto time = ReadTime(input.startTime);
  if (!time) return false;
  if (input.end != clock.today) return input.end < clock.today;
  return *time < clock.now;
}

bool TakesRecipients(EntryType type) {
  return type == EntryType::kEmail || type == EntryType::kTaskRequest || type == EntryType::kMeetingRequest ||
         type == EntryType::kJournal;
}

}  // namespace qrv
