// What the user types: the subject read by the quick-entry parser on every
// change, the keys the fields share, and the editing of dates and times.
#include <algorithm>
#include <exception>
#include <optional>

#include "core/subject_phrases.h"
#include "core/text.h"
#include "entry/entry_window.h"
#include "ui/wide.h"

namespace qrv {
namespace {

Modifiers HeldModifiers() {
  return {.ctrl = GetKeyState(VK_CONTROL) < 0, .shift = GetKeyState(VK_SHIFT) < 0, .alt = GetKeyState(VK_MENU) < 0};
}

// Ctrl with a letter or digit runs a command of the window (or picks a type)
// when its character comes, and never reaches the field as a key: only copy,
// cut, paste and undo do. AltGr (Ctrl and Alt) types text.
bool IsWindowCommandKey(WPARAM key, Modifiers m) {
  if (!m.ctrl || m.alt) return false;
  if (key >= '0' && key <= '9') return true;
  if (key < 'A' || key > 'Z') return false;
  return m.shift || (key != 'C' && key != 'X' && key != 'V' && key != 'Z');
}

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

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.emplace(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// The longest start of `text` with at most `units` UTF-16 units, never half a character.
std::wstring CutTo(std::wstring text, std::size_t units) {
  if (text.size() > units) text.resize(units > 0 && IS_HIGH_SURROGATE(text[units - 1]) ? units - 1 : units);
  return text;
}

bool IsPasteKey(WPARAM key, Modifiers m) {
  return !m.alt && ((key == 'V' && m.ctrl && !m.shift) || (key == VK_INSERT && m.shift && !m.ctrl));
}

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
    const std::string subject = Narrow(Subject()), body = Narrow(body_.Text());
    ApplyCategories(CheckCategory(ParserInput(subject, body, {}, {}), data_.keywords));
  } catch (const std::exception&) {}
}

// Typing a recipient makes a task or appointment the parser chose an e-mail;
// emptying To again lets the parser choose from the subject. A type chosen by
// hand stays: its To only turns it into a request.
void EntryWindow::RecipientsChanged() {
  const auto type = TypeButton();
  const bool byParser = !byHand_.type;
  const bool empty = Trim(Narrow(Recipients())).empty();
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
  in.window.datePanelVisible = DatePanelShown();
  const DateRange dates = Dates();
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
    ParseNow(Subject());
  } catch (const std::exception&) {}
}

void EntryWindow::ParseNow(const std::wstring& subjectText) {
  const std::string subject = Narrow(subjectText);
  const std::string body = data_.settings.useCategories && !byHand_.categories ? Narrow(body_.Text()) : "";
  const int service = header_.ServiceIndex();
  const std::string serviceText = service >= 0 ? header_.ServiceItems().at(static_cast<std::size_t>(service)) : "";
  const std::string startBox = Narrow(StartTimeText());
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
  if (r.calendar && *r.calendar != Dates()) MadeDatePanel().SetDates(*r.calendar);
  // Most keys answer no time, which a panel not made shows already.
  if (r.times && (datePanel_ || r.times->start != "None" || r.times->end != "None"))
    MadeDatePanel().ShowTimes(Widen(r.times->start), Widen(r.times->end));
  if (r.showCalendar) ShowCalendar();
  if (r.icon == Change::kSet) SetIcon(r.iconIndex);
  if (r.icon == Change::kClear && IconIndex() >= 0) BlankIcon();
  ApplyCategories(r.categories);
}

void EntryWindow::ApplyCategories(const CategoryChoice& choice) {
  if (!choice.apply) return;
  // Choosing none in a list not made leaves it as it is.
  if (categoryPanel_ || !choice.append.empty() || !choice.select.empty()) MadeCategoryPanel().Apply(choice);
  if (choice.showPanel && !CategoryPanelShown()) ToggleCategoryPanel();
}

// --- Keys ------------------------------------------------------------------------

std::optional<EntryField> EntryWindow::FieldOf(HWND window) const {
  if (!window) return std::nullopt;
  if (window == body_.Handle()) return EntryField::kBody;
  if (auto field = header_.FieldOf(window)) return field;
  return datePanel_ ? datePanel_->FieldOf(window) : std::nullopt;
}

EntryKeyContext EntryWindow::KeyContext(EntryField field) const {
  return {.sender = field,
          .typeButton = TypeButton(),
          .datePanelShown = DatePanelShown(),
          .bodyTakesTab = data_.settings.tab,
          .startTimeEnabled = datePanel_ && datePanel_->StartTime().Enabled(),
          .assignDateEnabled = footer_.AssignDateEnabled(),
          .reminderShown = datePanel_ && datePanel_->Reminder().Visible()};
}

// The fields' keys come here before the dialog keys: Tab and Shift+Tab, the
// Ctrl commands, the type keys, Enter in the subject and the time boxes, Esc.
bool EntryWindow::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR && msg.message != WM_KEYUP) return false;
  const Modifiers modifiers = HeldModifiers();
  // The window's Ctrl keys work whichever of its controls has the focus; the
  // other keys of a control that is no field stay its own.
  auto field = FieldOf(msg.hwnd);
  if (!field) {
    if (!modifiers.ctrl || !IsChild(Handle(), msg.hwnd)) return false;
    field = EntryField::kOther;
  }
  if (msg.message == WM_KEYDOWN) return HandleKeyDown(msg, *field, modifiers);
  if (msg.message == WM_KEYUP) {
    if (*field != EntryField::kEndTime) {
      const KeyUpAction action = ClassifyEntryKeyUp(static_cast<int>(msg.wParam), modifiers, digitKeys_);
      if (action.type) {
        SetTypeButton(*action.type);
        byHand_.type = true;
      }
      if (action.checkCaption) CheckCaption();
    }
    return false;
  }
  const KeyAction action = ClassifyEntryChar(static_cast<char32_t>(msg.wParam), modifiers, KeyContext(*field));
  RunKeyCommand(action, *field);
  return action.swallow;
}

// A key whose character the window handles is translated here and not handed
// to the field or the dialog keys.
bool EntryWindow::HandleKeyDown(MSG& msg, EntryField field, Modifiers m) {
  const WPARAM key = msg.wParam;
  if (field == EntryField::kOther) {
    if (!IsWindowCommandKey(key, m)) return false;
    TranslateMessage(&msg);
    return true;
  }
  if (key == VK_TAB && !m.ctrl && !m.alt) return HandleTab(field, m);
  if (IsPasteKey(key, m) && field == EntryField::kSubject) return PasteWithin(header_.Subject(), kSubjectLimit);
  if (IsPasteKey(key, m) && field == EntryField::kBody) return PasteWithin(body_, kBodyLimit);
  // Esc in an open drop-down list closes the list, not the window.
  const HWND combo = IsEditBox(field)                        ? nullptr
                     : FieldOf(GetParent(msg.hwnd)) == field ? GetParent(msg.hwnd)
                                                             : msg.hwnd;
  const auto* list = dynamic_cast<const ComboBox*>(Control::FromHandle(combo));
  const bool droppedDown = list && list->DroppedDown();
  const bool enterHere =
      key == VK_RETURN && !m.ctrl &&
      (field == EntryField::kSubject || field == EntryField::kStartTime || field == EntryField::kEndTime);
  if (IsWindowCommandKey(key, m) || enterHere || (key == VK_ESCAPE && !droppedDown)) {
    TranslateMessage(&msg);
    return true;
  }
  return false;
}

// A paste takes what fits in the field: the rich edit would take all of it
// first, and a long text costs seconds before it could be cut.
bool EntryWindow::PasteWithin(RichEdit& edit, int limit) {
  std::optional<std::wstring> text = ClipboardText(Handle());
  if (!text) return false;
  const CHARRANGE selection = edit.Selection();
  const LONG held = edit.TextLength();
  const auto room = static_cast<std::size_t>(std::max<LONG>(0, limit - (held - (selection.cpMax - selection.cpMin))));
  if (text->size() > room) {
    text = CutTo(std::move(*text), room);
    TellTextCut(&edit == &header_.Subject());
  }
  if (&edit == &body_) UnwrapBodyFor(*text);
  edit.ReplaceSelection(*text);
  return true;
}

// Tab moves between the fields; the body keeps a plain Tab when the TAB setting
// says so.
bool EntryWindow::HandleTab(EntryField field, Modifiers m) {
  if (field == EntryField::kBody && data_.settings.tab && !m.shift) {
    body_.ReplaceSelection(L"\t");
    return true;
  }
  SendMessageW(Handle(), WM_NEXTDLGCTL, m.shift ? 1 : 0, 0);
  return true;
}

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
      datePanel_->Reminder().SetChecked(!ReminderOn());
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
  if (NoTime(StartTimeText())) {
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
                                                      .datesUsed = DatePanelShown()});
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
