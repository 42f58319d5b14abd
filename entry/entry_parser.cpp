#include "entry/entry_parser.h"

#include <exception>

#include "core/text.h"
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

EntryParser::EntryParser(const EntryData& data, const ParsedParts& parts, const LocaleFacts& locale,
                         const EntryClock& clock)
    : data_(data), parts_(parts), locale_(locale), clock_(clock) {}

// --- What the user changed -------------------------------------------------------

void EntryParser::SubjectChanged() {
  // The subject is one line: pasted line breaks become one blank, and go where
  // they end the text.
  EntryHeader& header = parts_.header;
  RichEdit& edit = header.Subject();
  std::wstring subject = edit.Text();
  if (subject.find_first_of(L"\r\n") != std::wstring::npos) {
    subject = OneLine(subject);
    edit.SetPlainText(subject);
    edit.Select(-1, -1);
    header.Marks().Forget();
  }
  parts_.layout.CheckSubjectLines(subject);
  // Typed recipients stop the subject from choosing the type.
  try {
    if (header.Recipients().Visible() && !header.Recipients().Text().empty()) {
      header.Marks().Read(Narrow(subject), {});  // read by no run: nothing of it is marked
      ShowMarks();
      return;
    }
    ParseNow(subject);
  } catch (const std::exception&) {}
}

void EntryParser::BodyChanged() {
  if (parts_.byHand.categories) return;
  try {
    const std::string subject = Narrow(parts_.header.Subject().Text()), body = Narrow(parts_.body.Text());
    ApplyCategories(CheckCategory(Input(subject, body, {}, {}), data_.keywords));
  } catch (const std::exception&) {}
}

// Typing a recipient makes a task or appointment the parser chose an e-mail;
// emptying To again lets the parser choose from the subject. A type chosen by
// hand stays: its To only turns it into a request.
void EntryParser::RecipientsChanged() {
  const auto type = parts_.typeButtons.Down();
  const bool byParser = !parts_.byHand.type;
  const bool empty = !parts_.header.HasRecipients();
  if (byParser && !empty && (type == EntryType::kTask || type == EntryType::kAppointment)) {
    parts_.typeButtons.SetDown(EntryType::kEmail);
  } else if (byParser && empty && type == EntryType::kEmail) {
    Run();
  }
  parts_.layout.CheckCaption();
}

void EntryParser::StartTimeChanged() {
  parts_.byHand.time = true;
  if (NoTime(parts_.dates.StartTimeText())) {
    parts_.lateParts.DatePanelIfMade()->EndTime().SetText(kNoTime);
    return;
  }
  parts_.lateParts.DatePanelIfMade()->CheckSpanDays();
  Run();
}

void EntryParser::EndTimeChanged() {
  parts_.byHand.time = true;
  Run();
  parts_.lateParts.DatePanelIfMade()->CheckSpanDays();
}

// --- The run -----------------------------------------------------------------------

QuickEntryInput EntryParser::Input(const std::string& subject, const std::string& body, const std::string& serviceText,
                                   const std::string& startBox) const {
  QuickEntryInput in;
  in.subject = subject;
  in.body = body;
  in.itemType = data_.settings.itemType;
  in.useCategories = data_.settings.useCategories;
  in.iconNoteFound = data_.iconNoteFound;
  in.byHand = parts_.byHand;
  in.window.type = parts_.typeButtons.Down();
  in.window.serviceItems = parts_.header.ServiceItems();
  in.window.serviceText = serviceText;
  in.window.datePanelVisible = parts_.dates.PanelShown();
  const DateRange dates = parts_.dates.Range();
  in.window.calendarStart = dates.start;
  in.window.calendarEnd = dates.end;
  in.window.categoryItems = parts_.lateParts.CategoryItems();
  in.window.startTimeBox = startBox;
  in.today = clock_.Today();
  in.now = clock_.Now();
  return in;
}

void EntryParser::Run() {
  try {
    ParseNow(parts_.header.Subject().Text());
  } catch (const std::exception&) {}
}

void EntryParser::ParseNow(const std::wstring& subjectText) {
  EntryHeader& header = parts_.header;
  const std::string subject = Narrow(subjectText);
  const std::string body = data_.settings.useCategories && !parts_.byHand.categories ? Narrow(parts_.body.Text()) : "";
  const int service = header.ServiceIndex();
  const std::string serviceText = service >= 0 ? header.ServiceItems().at(static_cast<std::size_t>(service)) : "";
  const std::string startBox = Narrow(parts_.dates.StartTimeText());
  QuickEntryResult result = RunQuickEntry(Input(subject, body, serviceText, startBox), data_.keywords, locale_);
  header.Marks().Read(subject, std::move(result.phrases));
  Apply(result);
  ShowMarks();
}

// Writes the parser's answer into the controls as the program's own change:
// no event fires and nothing is marked as chosen by hand.
void EntryParser::Apply(const QuickEntryResult& r) {
  EntryHeader& header = parts_.header;
  EntryLateParts& late = parts_.lateParts;
  if (r.labelMatch) labelMatch_ = *r.labelMatch;
  if (r.service == Change::kSet && header.ServiceIndex() != r.serviceIndex) {
    header.SetServiceIndex(r.serviceIndex);
    parts_.webBody.ShowServiceHint(header.ServiceIndex(), header.ServiceItems());
  }
  if (r.service == Change::kClear && header.ServiceIndex() != -1) header.SetServiceIndex(-1);
  if (r.typeButton && parts_.typeButtons.Down() != r.typeButton) parts_.typeButtons.SetDown(*r.typeButton);
  if (r.checkCaption) parts_.layout.CheckCaption();
  if (r.calendar && *r.calendar != parts_.dates.Range()) late.MadeDatePanel().SetDates(*r.calendar);
  // Most keys answer no time, which a panel not made shows already.
  if (r.times && (late.DatePanelIfMade() || r.times->start != "None" || r.times->end != "None"))
    late.MadeDatePanel().ShowTimes(Widen(r.times->start), Widen(r.times->end));
  if (r.showCalendar) parts_.layout.ShowCalendar();
  if (r.icon == Change::kSet) header.SetIcon(r.iconIndex);
  if (r.icon == Change::kClear && header.IconIndex() >= 0) header.BlankIcon();
  ApplyCategories(r.categories);
}

void EntryParser::ApplyCategories(const CategoryChoice& choice) {
  if (!choice.apply) return;
  EntryLateParts& late = parts_.lateParts;
  // Choosing none in a list not made leaves it as it is.
  if (late.CategoryPanelIfMade() || !choice.append.empty() || !choice.select.empty())
    late.MadeCategoryPanel().Apply(choice);
  if (choice.showPanel && !late.CategoryPanelShown()) parts_.layout.ToggleCategoryPanel();
}

// --- Marks -------------------------------------------------------------------------

std::vector<TextSpan> EntryParser::MarkedSpans() const {
  return RemovablePhrases(parts_.header.Marks().Phrases(), {.removal = keywordRemoval_,
                                                            .typeButton = parts_.typeButtons.Down(),
                                                            .dateByHand = parts_.byHand.date,
                                                            .timeByHand = parts_.byHand.time,
                                                            .datesUsed = parts_.dates.PanelShown()});
}

std::wstring EntryParser::StoredSubject() const { return parts_.header.Marks().Stored(MarkedSpans()); }

void EntryParser::SetKeywordRemoval(bool on) {
  keywordRemoval_ = on;
  ShowMarks();
}

void EntryParser::ShowMarks() {
  if (parts_.built) parts_.header.Marks().Show(MarkedSpans());
}

}  // namespace qrv
