// What the user types: the subject read by the quick-entry parser on every
// change, the commands of the fields' keys, and the editing of dates and times.
#include <exception>

#include "core/subject_phrases.h"
#include "core/text.h"
#include "entry/entry_window.h"
#include "ui/wide.h"

namespace qrv {
namespace {

std::wstring OneLine(const std::wstring& text) {
  std::wstring line;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = text.find_first_not_of(L"\r\n", i);
    if (end == i) {
      line += text[i++];
      continue;
    }
    if (end != std::wstring::npos) line += L' ';
    i = end == std::wstring::npos ? text.size() : end;
  }
  return line;
}

bool NoTime(const std::wstring& text) { return text.empty() || text == kNoTime; }

}  // namespace

// --- Quick entry -----------------------------------------------------------------

void EntryWindow::SubjectChanged() {
  // The subject is one line: pasted line breaks become one blank, and go where
  // they end the text.
  RichEdit& edit = header_.Subject();
  std::wstring subject = edit.Text();
  if (subject.find_first_of(L"\r\n") != std::wstring::npos) {
    subject = OneLine(subject);
    edit.SetPlainText(subject);
    edit.Select(-1, -1);
    header_.Marks().Forget();
  }
  CheckSubjectLines(subject);
  // Typed recipients stop the subject from choosing the type.
  try {
    if (header_.Recipients().Visible() && !header_.Recipients().Text().empty()) {
      header_.Marks().Read(Narrow(subject), {});  // read by no run: nothing of it is marked
      ShowSubjectMarks();
      return;
    }
    ParseNow(subject);
  } catch (const std::exception&) {}
}

void EntryWindow::BodyChanged() {
  if (byHand_.categories) return;
  try {
    const std::string subject = Narrow(header_.Subject().Text()), body = Narrow(body_.Text());
    ApplyCategories(CheckCategory(ParserInput(subject, body, {}, {}), data_.keywords));
  } catch (const std::exception&) {}
}

// Typing a recipient makes a task or appointment the parser chose an e-mail;
// emptying To again lets the parser choose from the subject. A type chosen by
// hand stays: its To only turns it into a request.
void EntryWindow::RecipientsChanged() {
  const auto type = TypeButton();
  const bool byParser = !byHand_.type;
  const bool empty = Trim(Narrow(header_.Recipients().Text())).empty();
  if (byParser && !empty && (type == EntryType::kTask || type == EntryType::kAppointment)) {
    SetTypeButton(EntryType::kEmail);
  } else if (byParser && empty && type == EntryType::kEmail) {
    RunParser();
  }
  CheckCaption();
}

QuickEntryInput EntryWindow::ParserInput(const std::string& subject, const std::string& body,
                                         const std::string& serviceText, const std::string& startBox) const {
  QuickEntryInput in;
  in.subject = subject;
  in.body = body;
  in.itemType = data_.settings.itemType;
  in.useCategories = data_.settings.useCategories;
  in.iconNoteFound = data_.iconNoteFound;
  in.byHand = byHand_;
  in.window.type = TypeButton();
  in.window.serviceItems = header_.ServiceItems();
  in.window.serviceText = serviceText;
  in.window.datePanelVisible = dates_.PanelShown();
  const DateRange dates = dates_.Range();
  in.window.calendarStart = dates.start;
  in.window.calendarEnd = dates.end;
  in.window.categoryItems = CategoryItems();
  in.window.startTimeBox = startBox;
  in.today = clock_.Today();
  in.now = clock_.Now();
  return in;
}

// Typing never shows a message: a parse that fails (out of memory) leaves the
// fields as they are and the next change tries again.
void EntryWindow::RunParser() {
  try {
    ParseNow(header_.Subject().Text());
  } catch (const std::exception&) {}
}

void EntryWindow::ParseNow(const std::wstring& subjectText) {
  const std::string subject = Narrow(subjectText);
  const std::string body = data_.settings.useCategories && !byHand_.categories ? Narrow(body_.Text()) : "";
  const int service = header_.ServiceIndex();
  const std::string serviceText = service >= 0 ? header_.ServiceItems().at(static_cast<std::size_t>(service)) : "";
  const std::string startBox = Narrow(dates_.StartTimeText());
  QuickEntryResult result = RunQuickEntry(ParserInput(subject, body, serviceText, startBox), data_.keywords, locale_);
  header_.Marks().Read(subject, std::move(result.phrases));
  ApplyParserResult(result);
  ShowSubjectMarks();
}

// Writes the parser's answer into the controls as the program's own change:
// no event fires and nothing is marked as chosen by hand.
void EntryWindow::ApplyParserResult(const QuickEntryResult& r) {
  if (r.labelMatch) labelMatch_ = *r.labelMatch;
  if (r.service == Change::kSet && header_.ServiceIndex() != r.serviceIndex) {
    header_.SetServiceIndex(r.serviceIndex);
    webBody_.ShowServiceHint(header_.ServiceIndex(), header_.ServiceItems());
  }
  if (r.service == Change::kClear && header_.ServiceIndex() != -1) header_.SetServiceIndex(-1);
  if (r.typeButton && TypeButton() != r.typeButton) SetTypeButton(*r.typeButton);
  if (r.checkCaption) CheckCaption();
  if (r.calendar && *r.calendar != dates_.Range()) MadeDatePanel().SetDates(*r.calendar);
  // Most keys answer no time, which a panel not made shows already.
  if (r.times && (datePanel_ || r.times->start != "None" || r.times->end != "None"))
    MadeDatePanel().ShowTimes(Widen(r.times->start), Widen(r.times->end));
  if (r.showCalendar) ShowCalendar();
  if (r.icon == Change::kSet) header_.SetIcon(r.iconIndex);
  if (r.icon == Change::kClear && header_.IconIndex() >= 0) header_.BlankIcon();
  ApplyCategories(r.categories);
}

void EntryWindow::ApplyCategories(const CategoryChoice& choice) {
  if (!choice.apply) return;
  // Choosing none in a list not made leaves it as it is.
  if (categoryPanel_ || !choice.append.empty() || !choice.select.empty()) MadeCategoryPanel().Apply(choice);
  if (choice.showPanel && !CategoryPanelShown()) ToggleCategoryPanel();
}

// --- Keys ------------------------------------------------------------------------

// The fields' keys come here before the dialog keys.
bool EntryWindow::PreTranslate(MSG& msg) { return keys_.PreTranslate(msg); }

void EntryWindow::RunKeyCommand(const KeyAction& action, EntryField field) {
  switch (action.command) {
    case EntryCommand::kNone:
      return;
    case EntryCommand::kFocusPrevious:
      SendMessageW(Handle(), WM_NEXTDLGCTL, 1, 0);
      return;
    case EntryCommand::kOpen:
      Open();
      return;
    case EntryCommand::kLeaveStartTime:
      datePanel_->LeaveStartTime(TypeButton());
      datePanel_->StartTime().SelectText(0, -1);
      return;
    case EntryCommand::kLeaveEndTime:
      datePanel_->LeaveEndTime();
      datePanel_->EndTime().SelectText(0, -1);
      return;
    case EntryCommand::kSelectAll:
      if (field == EntryField::kBody)
        body_.Select(0, -1);
      else
        header_.SelectAll(field);
      return;
    case EntryCommand::kSave:
      Save();
      return;
    case EntryCommand::kClear:
      Clear();
      return;
    case EntryCommand::kFocusStartTime:
      datePanel_->StartTime().Focus();
      return;
    case EntryCommand::kAssignDate:
      AssignDate();
      return;
    case EntryCommand::kFindContact:
      FindContact();
      return;
    case EntryCommand::kCheckNames:
      CheckNames();
      return;
    case EntryCommand::kToggleReminder:
      datePanel_->Reminder().SetChecked(!dates_.ReminderOn());
      return;
    case EntryCommand::kPrint:
      Print();
      return;
    case EntryCommand::kChooseType:
      ChooseType(*action.type);
      return;
    case EntryCommand::kCancel:
      Close();
      return;
  }
}

// --- Times ----------------------------------------------------------------------

void EntryWindow::StartTimeChanged() {
  byHand_.time = true;
  if (NoTime(dates_.StartTimeText())) {
    datePanel_->EndTime().SetText(kNoTime);
    return;
  }
  datePanel_->CheckSpanDays();
  RunParser();
}

void EntryWindow::EndTimeChanged() {
  byHand_.time = true;
  RunParser();
  datePanel_->CheckSpanDays();
}

// --- Marks -------------------------------------------------------------------------

std::vector<TextSpan> EntryWindow::MarkedSpans() const {
  return RemovablePhrases(header_.Marks().Phrases(), {.removal = keywordRemoval_,
                                                      .typeButton = TypeButton(),
                                                      .dateByHand = byHand_.date,
                                                      .timeByHand = byHand_.time,
                                                      .datesUsed = dates_.PanelShown()});
}

std::wstring EntryWindow::StoredSubject() const { return header_.Marks().Stored(MarkedSpans()); }

void EntryWindow::SetKeywordRemoval(bool on) {
  keywordRemoval_ = on;
  ShowSubjectMarks();
}

void EntryWindow::ShowSubjectMarks() {
  if (built_) header_.Marks().Show(MarkedSpans());
}

}  // namespace qrv
