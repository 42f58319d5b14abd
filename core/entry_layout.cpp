#include "core/entry_layout.h"

namespace qrv {
namespace {

using enum EntryType;

std::string_view CaptionWord(std::optional<EntryType> type) {
  if (!type) return "Information";
  switch (*type) {
    case kTask:
      return "Task";
    case kTaskRequest:
      return "Task Request";
    case kNote:
      return "Note";
    case kAppointment:
      return "Appointment";
    case kMeetingRequest:
      return "Meeting Request";
    case kContact:
      return "Contact";
    case kEmail:
      return "E-Mail";
    case kJournal:
      return "Journal Entry";
    case kTextDocument:
      return "Text Document";
    case kInternet:
    case kWebService:
      return "Internet";
  }
  return "Information";
}

// The rows of the header: three rows for most types, one for a note and a text
// document, two for the internet type; each row 14 pixels lower under a
// two-line subject.
void LayOutHeader(EntryType type, bool twoLines, EntryLayout& out) {
  const int shift = twoLines ? 14 : 0;
  const auto row = [shift](RowCaption caption, std::string_view text, RowField field, int top) {
    return HeaderRow{caption, text, field, top + shift, top + 3 + shift};
  };
  out.subjectCaption = "Subject:";
  out.headerHeight = 61 + shift;
  switch (type) {
    case kTask:
    case kTaskRequest:
      out.row2 = row(RowCaption::kToButton, "To:", RowField::kRecipients, kRow2Top);
      out.row3 = row(RowCaption::kLabel, "Status:", RowField::kStatus, kRow3Top);
      out.addressFields = 1;
      return;
    case kAppointment:
    case kMeetingRequest:
      out.row2 = row(RowCaption::kToButton, "To:", RowField::kRecipients, kRow2Top);
      out.row3 = row(RowCaption::kLabel, "Location:", RowField::kLocation, kRow3Top);
      out.addressFields = 1;
      return;
    case kContact:
      out.subjectCaption = "Name:";
      out.row2 = row(RowCaption::kLabel, "Company:", RowField::kRecipients, kRow2Top);
      out.row3 = row(RowCaption::kLabel, "Phone:", RowField::kLocation, kRow3Top);
      return;
    case kEmail:
      out.row2 = row(RowCaption::kToButton, "To:", RowField::kRecipients, kRow2Top);
      out.row3 = row(RowCaption::kCcButton, "Cc:", RowField::kCopies, kRow3Top);
      out.addressFields = 2;
      return;
    case kJournal:
      out.row2 = row(RowCaption::kContactButton, "Contact:", RowField::kRecipients, kRow2Top);
      out.row3 = row(RowCaption::kLabel, "Type:", RowField::kJournalType, kRow3Top);
      out.addressFields = 1;
      return;
    case kNote:
    case kTextDocument:
      if (type == kTextDocument) out.subjectCaption = "Filename:";
      out.headerHeight = 21 + shift;
      return;
    case kInternet:
    case kWebService:
      out.row2 = row(RowCaption::kLabel, "Search:", RowField::kService, kRow2Top);
      out.headerHeight = 42 + shift;  // the service combo is 21 high, below the row at 21
      return;
  }
}

// The process button, the body and the date area.
void LayOutDateArea(EntryType type, const EntryLayoutInput& in, EntryLayout& out) {
  out.webBody = Show::kHide;
  out.priority = Show::kHide;
  out.timeLabel = "Time:";
  out.startTimeEnabled = out.endTimeEnabled = true;
  out.datePanel = Show::kHide;
  out.reminder = out.timer = out.floatButton = Show::kHide;
  out.todayLeft = 87;
  switch (type) {
    case kTask:
    case kTaskRequest:
      out.priority = Show::kShow;
      out.timeLabel = "Reminder:";
      out.startTimeEnabled = type == kTask;
      out.endTimeEnabled = false;
      out.datePanel = Show::kKeep;
      out.assignDateEnabled = true;
      out.noneButton = Show::kShow;
      return;
    case kAppointment:
    case kMeetingRequest: {
      const bool request = type == kMeetingRequest;
      out.priority = Show::kShow;
      out.datePanel = Show::kShow;
      out.reminder = Show::kShow;
      out.noneButton = Show::kHide;
      out.floatButton = request ? Show::kHide : in.iconNoteFound ? Show::kShow : Show::kKeep;
      const bool floatShown = out.floatButton == Show::kShow || (out.floatButton == Show::kKeep && in.floatShown);
      out.todayLeft = floatShown ? 87 : 113;
      out.iconShown = !request && in.iconNoteFound;
      return;
    }
    case kJournal:
      out.priority = Show::kShow;
      out.startTimeNowWhenNone = true;
      out.datePanel = Show::kShow;
      out.timer = Show::kShow;
      out.noneButton = Show::kHide;
      out.todayLeft = 113;
      return;
    case kContact:
    case kEmail:
      out.priority = Show::kShow;
      return;
    case kNote:
    case kTextDocument:
      out.attachmentsAllowed = false;
      return;
    case kInternet:
    case kWebService:
      out.webBody = Show::kShow;
      out.attachmentsAllowed = false;
      return;
  }
}

}  // namespace

ClientSize EntryMinimumClientSize(bool datePanel, bool categoryPanel) {
  return {kEntryMinClientWidth + (categoryPanel ? kCategoryPanelWidth : 0),
          kEntryPanelHeight + (datePanel ? kDatePanelHeight : 0)};
}

std::optional<EntryType> WindowEntryType(std::optional<EntryType> button, bool hasRecipients) {
  if (button == kTask && hasRecipients) return kTaskRequest;
  if (button == kAppointment && hasRecipients) return kMeetingRequest;
  return button;
}

EntryLayout LayOutEntry(const EntryLayoutInput& in) {
  EntryLayout out;
  const std::optional<EntryType> type = WindowEntryType(in.type, in.hasRecipients);
  out.captionWord = CaptionWord(type);
  if (!type) {
    // No type button is down: only the date panel goes and the date button is off.
    out.changesHeader = false;
    out.datePanel = Show::kHide;
    return out;
  }
  const bool sends = type == kTaskRequest || type == kMeetingRequest || type == kEmail;
  out.processCaption = sends ? "&Send" : "&Save";
  // A request can be sent whatever the layout before it left the button as.
  out.processEnabled = type != kInternet && type != kWebService;
  LayOutHeader(*type, in.twoLineSubject, out);
  LayOutDateArea(*type, in, out);
  return out;
}

}  // namespace qrv
