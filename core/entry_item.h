// What an Information Item puts into the Outlook item it makes: the
// properties of its type with their values, in the order they are put, the
// attachment kind of its type, and whether saving would set a reminder that
// lies in the past. Worked out here from the window's contents, so that the
// Outlook side only passes the values on.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/dates.h"
#include "core/keyword_record.h"
#include "core/outlook_numbers.h"

namespace qrv {

// The window's contents as the item needs them. Texts are UTF-8; the time box
// texts are as shown ("9:30 AM" or "None").
struct ItemInput {
  EntryType type = EntryType::kTask;
  std::string storedSubject;  // trimmed, without the phrases keyword removal takes out
  std::string copies;         // the Cc box: location or telephone number for some types
  std::string recipients;     // the To box: company name of a contact
  std::string body;
  bool hasAttachments = false;
  std::optional<std::string> categories;  // none: the category panel is hidden
  std::optional<int> importance;          // 0..2; none: the priority button is hidden
  std::optional<int> status;              // task status 0..4; none when none is chosen
  std::string journalType;
  bool datePanelShown = false;
  Date start, end;
  std::string startTime = "None", endTime = "None";
  bool reminderOn = false;     // of an appointment
  bool timerOn = false;        // a journal entry records its end time
  bool clearReminder = false;  // the user agreed that a reminder in the past is cleared
  std::string iconLine;        // the handheld-calendar line of an appointment; empty for none
};

// How dates and times go to Outlook: the user's short date format and the
// locale's time format, today and the time now.
struct ItemClock {
  std::string dateFormat = "M/d/yyyy";
  LocaleFacts locale;
  Date today;
  TimeOfDay now;
};

using ItemValue = std::variant<std::string, int, bool>;
struct ItemProperty {
  std::string member;
  ItemValue value;
  bool operator==(const ItemProperty&) const = default;
};

// The properties of the item, in order: importance and categories first, then
// those of its type. Recipients and attachments are added apart.
std::vector<ItemProperty> ItemProperties(const ItemInput& input, const ItemClock& clock);

// The body as stored: the icon line of an appointment first, the body, and one
// empty line more when files are attached (the attachments stand behind it).
std::string StoredBody(const ItemInput& input);

// How Attachments.Add takes a file for an item type: embedded for a task,
// appointment, contact and journal entry, by value for an e-mail and the
// requests; none for the types that take no attachment.
std::optional<AttachmentType> AttachmentKind(EntryType type);

// Whether Save would set a task's reminder at a time already past: a task (not
// a request) with its dates shown and a start time, due at the end date.
bool ReminderInPast(const ItemInput& input, const ItemClock& clock);

// Whether the type's names go to Outlook as recipients (To, and Cc for an e-mail).
bool TakesRecipients(EntryType type);

}  // namespace qrv
