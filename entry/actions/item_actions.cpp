// The Save and Open commands of an Information Item window: the two questions
// before a save, then the road of the entry's type.
#include "entry/actions/item_actions.h"

#include "components/settings.h"
#include "core/icon_definitions.h"
#include "core/text.h"
#include "entry/entry_system.h"
#include "entry/entry_window.h"
#include "outlook/outlook_categories.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// The help page on using the Information Item window, which its "?" opens.
constexpr int kEntryWindowHelpPage = 4;

// Runs a command of a window; an error it meets is reported over the window
// and the command did not finish.
template <class Fn>
bool Finished(const EntryWindow& window, Fn&& command) noexcept {
  try {
    return command();
  } catch (...) {
    ReportCurrentException(window.Handle());
    return false;
  }
}

bool Blank(const std::wstring& text) { return Trim(Narrow(text)).empty(); }

}  // namespace

// A file or address that no program opened is reported over the window, and
// the command did not finish: the entry stays for another try.
bool ShellOpened(const EntryWindow& window, const std::wstring& file) {
  if (ShellOpen(window.Handle(), file)) return true;
  ShowMessage(L"No program could open:\r\n" + file, MessageKind::kError, MessageButtons::kOk,
              {.owner = window.Handle()});
  return false;
}

ItemActions::ItemActions(ItemActionsData data, OutlookSession& outlook, Email& email, const EntryClock& clock)
    : data_(data), outlook_(outlook), email_(email), clock_(clock) {}

void ItemActions::ShowHelp() {
  if (showHelp) showHelp(kEntryWindowHelpPage);
}

void ItemActions::ReadCategories() { data_.categoryNames = ReadCategoryNames(); }

bool ItemActions::MapiMail(const ItemInput& input) const {
  return input.type == EntryType::kEmail && UsesOtherMailProgram(data_.settings);
}

ItemClock ItemActions::ClockNow() const { return {ShortDateFormat(), UserLocaleFacts(), clock_.Today(), clock_.Now()}; }

ItemInput ItemActions::InputOf(const EntryWindow& window) const {
  ItemInput in;
  in.type = window.Type().value_or(EntryType::kTask);
  in.storedSubject = Trim(Narrow(window.Parser().StoredSubject()));
  const EntryHeader& header = window.Header();
  in.recipients = Narrow(header.Recipients().Text());
  in.copies = Narrow(header.Copies().Text());
  in.body = Narrow(window.Body());
  in.hasAttachments = !window.LateParts().Attachments().empty();
  if (window.LateParts().CategoryPanelShown()) {
    std::vector<std::string> names;
    for (const std::wstring& name : window.LateParts().ChosenCategories()) names.push_back(Narrow(name));
    in.categories = JoinCategories(names);
  }
  if (window.TypeButtons().PriorityShown()) in.importance = static_cast<int>(window.TypeButtons().ItemPriority());
  if (header.StatusIndex() >= 0) in.status = header.StatusIndex();
  in.journalType = Narrow(header.JournalTypeText());
  const EntryDates& dates = window.Dates();
  in.datePanelShown = dates.PanelShown();
  const DateRange range = dates.Range();
  in.start = range.start;
  in.end = range.end;
  in.startTime = Narrow(dates.StartTimeText());
  in.endTime = Narrow(dates.EndTimeText());
  in.reminderOn = dates.ReminderOn();
  in.timerOn = dates.TimerOn();
  const bool floating = dates.FloatOn();
  if (data_.iconNoteFound && (floating || header.IconIndex() >= 0)) {
    in.iconLine = std::string("##") + (floating ? "f" : "@") + "@@" + ExtractIconValue(header.IconIndex() + 1) + "@@@";
  }
  return in;
}

// --- Save ----------------------------------------------------------------------------

bool ItemActions::Save(EntryWindow& window) {
  return Finished(window, [&] {
    ItemInput input = InputOf(window);
    if (!SaveAsked(window, input)) return false;
    if (!ProcessRecipients(window)) return false;
    input = InputOf(window);
    input.clearReminder = ReminderInPast(input, ClockNow());
    return SaveItem(window, input);
  });
}

// The two questions before a save: an empty item, and a task reminder that
// has passed (which Yes clears).
bool ItemActions::SaveAsked(EntryWindow& window, ItemInput& input) {
  const EntryHeader& header = window.Header();
  if (Blank(header.Subject().Text()) && Blank(header.Recipients().Text()) && Blank(header.Copies().Text()) &&
      Blank(window.Body())) {
    MessageBeep(MB_ICONEXCLAMATION);
    return ShowMessage(L"Information Item is empty, continue with save?", MessageKind::kWarning, MessageButtons::kYesNo,
                       {.owner = window.Handle()}) == DialogResult::kYes;
  }
  if (ReminderInPast(input, ClockNow())) {
    MessageBeep(MB_ICONEXCLAMATION);
    return ShowMessage(L"Reminder is in the past and will be cleared, continue?", MessageKind::kWarning,
                       MessageButtons::kYesNo, {.owner = window.Handle()}) == DialogResult::kYes;
  }
  return true;
}

bool ItemActions::SaveItem(EntryWindow& window, const ItemInput& input) {
  if (input.type == EntryType::kTextDocument || input.type == EntryType::kInternet) {
    return SaveTextDocument(window).has_value();
  }
  if (MapiMail(input)) return SendThroughMapi(window, input);
  const auto made = MakeItem(window, input);
  if (!made) return false;
  if (!window.Sends()) {
    made->item.Call("Save");
    return true;
  }
  if (made->namesResolved) {
    made->item.Call("Send");
    return true;
  }
  MessageBeep(MB_OK);
  ShowMessage(L"Some names could not be resolved. \r\nPlease verify the recipients \r\nthat were entered...",
              MessageKind::kInformation, MessageButtons::kOk, {.owner = window.Handle()});
  made->item.Call("Display");
  return true;
}

// --- Open ----------------------------------------------------------------------------

bool ItemActions::Open(EntryWindow& window) {
  return Finished(window, [&] {
    if (!ProcessRecipients(window)) return false;
    return OpenItem(window, InputOf(window));
  });
}

bool ItemActions::OpenItem(EntryWindow& window, const ItemInput& input) {
  if (input.type == EntryType::kTextDocument) {
    const auto path = SaveTextDocument(window);
    if (!path || GetFileAttributesW(path->c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return ShellOpened(window, *path);
  }
  if (input.type == EntryType::kInternet) return RunWebSearch(window);
  if (MapiMail(input)) return OpenMailto(window, input);
  const auto made = MakeItem(window, input);
  if (!made) return false;
  if (input.type == EntryType::kJournal && input.timerOn) made->item.Call("StartTimer");
  made->item.Call("Display");
  return true;
}

}  // namespace qrv
