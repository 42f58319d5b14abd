// What the user types: the subject read by the quick-entry parser on every
// change, the keys the fields share, and the editing of dates and times.
#include <algorithm>
#include <exception>
#include <optional>

#include "core/text.h"
#include "entry/entry_window.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr wchar_t kNone[] = L"None";

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

bool NoTime(const std::wstring& text) { return text.empty() || text == kNone; }

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
  std::wstring subject = subjectEdit_.Text();
  if (subject.find_first_of(L"\r\n") != std::wstring::npos) {
    subject = OneLine(subject);
    subjectEdit_.SetPlainText(subject);
    SendMessageW(subjectEdit_.Handle(), EM_SETSEL, static_cast<WPARAM>(-1), -1);
    markedTexts_.clear();  // the text came in anew, without its marks
  }
  CheckLine1Height(subject);
  // Typed recipients stop the subject from choosing the type.
  try {
    if (recipientsEdit_.Visible() && GetWindowTextLengthW(recipientsEdit_.Handle()) > 0) {
      parsedSubject_ = Narrow(subject);  // read by no run: nothing of it is marked
      phrases_.clear();
      ShowSubjectMarks();
      return;
    }
    ParseNow(subject);
  } catch (const std::exception&) {}
}

void EntryWindow::BodyChanged() {
  if (byHand_.categories) return;
  try {
    const std::string subject = Narrow(subjectEdit_.Text()), body = Narrow(body_.Text());
    ApplyCategories(CheckCategory(ParserInput(subject, body, {}, {}), data_.keywords));
  } catch (const std::exception&) {}
}

// Typing a recipient makes a task or appointment the parser chose an e-mail;
// emptying To again lets the parser choose from the subject. A type chosen by
// hand stays: its To only turns it into a request.
void EntryWindow::RecipientsChanged() {
  const auto type = TypeButton();
  const bool byParser = !byHand_.type;
  const bool empty = Trim(Narrow(recipientsEdit_.Text())).empty();
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
  in.window.serviceItems = serviceItems_;
  in.window.serviceText = serviceText;
  in.window.datePanelVisible = DatePanelShown();
  const DateRange dates = Dates();
  in.window.calendarStart = dates.start;
  in.window.calendarEnd = dates.end;
  in.window.categoryItems = categoryItems_;
  in.window.startTimeBox = startBox;
  in.today = clock_.Today();
  in.now = clock_.Now();
  return in;
}

// Typing never shows a message: a parse that fails (out of memory) leaves the
// fields as they are and the next change tries again.
void EntryWindow::RunParser() {
  try {
    ParseNow(subjectEdit_.Text());
  } catch (const std::exception&) {}
}

void EntryWindow::ParseNow(const std::wstring& subjectText) {
  const std::string subject = Narrow(subjectText);
  const std::string body = data_.settings.useCategories && !byHand_.categories ? Narrow(body_.Text()) : "";
  const int service = ServiceIndex();
  const std::string serviceText = service >= 0 ? serviceItems_.at(static_cast<std::size_t>(service)) : "";
  const std::string startBox = Narrow(startTime_.Text());
  QuickEntryResult result = RunQuickEntry(ParserInput(subject, body, serviceText, startBox), data_.keywords, locale_);
  parsedSubject_ = subject;
  phrases_ = std::move(result.phrases);
  ApplyParserResult(result);
  ShowSubjectMarks();
}

// Writes the parser's answer into the controls as the program's own change:
// no event fires and nothing is marked as chosen by hand.
void EntryWindow::ApplyParserResult(const QuickEntryResult& r) {
  if (r.labelMatch) labelMatch_ = *r.labelMatch;
  if (r.service == Change::kSet && ServiceIndex() != r.serviceIndex) {
    SetServiceIndex(r.serviceIndex);
    ShowServiceHint();
  }
  if (r.service == Change::kClear && ServiceIndex() != -1) SetServiceIndex(-1);
  if (r.typeButton && TypeButton() != r.typeButton) SetTypeButton(*r.typeButton);
  if (r.checkCaption) CheckCaption();
  if (r.calendar && *r.calendar != Dates()) SetDates(*r.calendar);
  if (r.times) {
    if (const std::wstring start = Widen(r.times->start); start != startTime_.Text()) startTime_.SetText(start);
    if (const std::wstring end = Widen(r.times->end); end != endTime_.Text()) endTime_.SetText(end);
  }
  if (r.showCalendar) ShowCalendar();
  if (r.icon == Change::kSet) SetIcon(r.iconIndex);
  if (r.icon == Change::kClear && iconIndex_ >= 0) BlankIcon();
  ApplyCategories(r.categories);
}

void EntryWindow::ApplyCategories(const CategoryChoice& choice) {
  if (!choice.apply) return;
  if (!choice.append.empty()) {
    categoryItems_.insert(categoryItems_.end(), choice.append.begin(), choice.append.end());
    std::vector<std::wstring> items;
    for (const auto& item : categoryItems_) items.push_back(Widen(item));
    categoryList_.SetItems(items);
  }
  // Most keys change no category: the selection is asked for once, not item by item.
  std::vector<int> select = choice.select;
  std::sort(select.begin(), select.end());
  if (categoryList_.SelectedIndexes() != select) {
    for (int i = 0; i < categoryList_.Count(); ++i) {
      const bool selected = std::binary_search(select.begin(), select.end(), i);
      if (categoryList_.Selected(i) != selected) categoryList_.SetSelected(i, selected);
    }
  }
  if (choice.showPanel && !CategoryPanelShown()) ToggleCategoryPanel();
}

// --- Keys ------------------------------------------------------------------------

std::optional<EntryField> EntryWindow::FieldOf(HWND window) const {
  const std::array<std::pair<HWND, EntryField>, 11> fields{{
      {subjectEdit_.Handle(), EntryField::kSubject},
      {recipientsEdit_.Handle(), EntryField::kRecipients},
      {copiesEdit_.Handle(), EntryField::kCopies},
      {body_.Handle(), EntryField::kBody},
      {journalTypeCombo_ ? journalTypeCombo_->Handle() : nullptr, EntryField::kJournalType},
      {serviceCombo_ ? serviceCombo_->Handle() : nullptr, EntryField::kService},
      {statusCombo_.Handle(), EntryField::kStatus},
      {startTime_.Handle(), EntryField::kStartTime},
      {startTime_.EditHandle(), EntryField::kStartTime},
      {endTime_.Handle(), EntryField::kEndTime},
      {endTime_.EditHandle(), EntryField::kEndTime},
  }};
  for (auto [handle, field] : fields) {
    if (handle && handle == window) return field;
  }
  return std::nullopt;
}

EntryKeyContext EntryWindow::KeyContext(EntryField field) const {
  return {.sender = field,
          .typeButton = TypeButton(),
          .datePanelShown = DatePanelShown(),
          .bodyTakesTab = data_.settings.tab,
          .startTimeEnabled = startTime_.Enabled(),
          .assignDateEnabled = assignDateButton_.Enabled(),
          .reminderShown = reminderButton_.Visible()};
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
  if (IsPasteKey(key, m) && field == EntryField::kSubject) return PasteWithin(subjectEdit_, kSubjectLimit);
  if (IsPasteKey(key, m) && field == EntryField::kBody) return PasteWithin(body_, kBodyLimit);
  // Esc in an open drop-down list closes the list, not the window.
  const HWND combo = IsEditBox(field)                        ? nullptr
                     : FieldOf(GetParent(msg.hwnd)) == field ? GetParent(msg.hwnd)
                                                             : msg.hwnd;
  const bool droppedDown = combo && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
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
  CHARRANGE selection{};
  SendMessageW(edit.Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  GETTEXTLENGTHEX count{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto held =
      static_cast<LONG>(SendMessageW(edit.Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&count), 0));
  const auto room = static_cast<std::size_t>(std::max<LONG>(0, limit - (held - (selection.cpMax - selection.cpMin))));
  if (text->size() > room) {
    text = CutTo(std::move(*text), room);
    TellTextCut(&edit == &subjectEdit_);
  }
  if (&edit == &body_) UnwrapBodyFor(*text);
  SendMessageW(edit.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text->c_str()));
  return true;
}

// Tab moves between the fields; the body keeps a plain Tab when the TAB setting
// says so.
bool EntryWindow::HandleTab(EntryField field, Modifiers m) {
  if (field == EntryField::kBody && data_.settings.tab && !m.shift) {
    SendMessageW(body_.Handle(), WM_CHAR, L'\t', 0);
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
      LeaveStartTime();
      SendMessageW(startTime_.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
      return;
    case EntryCommand::kLeaveEndTime:
      LeaveEndTime();
      SendMessageW(endTime_.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
      return;
    case EntryCommand::kSelectAll:
      SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
      return;
    case EntryCommand::kSave:
      Save();
      return;
    case EntryCommand::kClear:
      Clear();
      return;
    case EntryCommand::kFocusStartTime:
      startTime_.Focus();
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
      reminderButton_.SetChecked(!reminderButton_.Checked());
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
  (void)field;
}

// --- Dates and times -------------------------------------------------------------

void EntryWindow::StartTimeChanged() {
  byHand_.time = true;
  if (NoTime(startTime_.Text())) {
    endTime_.SetText(kNone);
    return;
  }
  CheckSpanDays();
  RunParser();
}

void EntryWindow::EndTimeChanged() {
  byHand_.time = true;
  RunParser();
  CheckSpanDays();
}

// A typed start time is written back in the short time format when it is
// left; an empty end time follows one hour later. What is no time becomes "None".
void EntryWindow::LeaveStartTime() {
  const std::wstring text = startTime_.Text();
  if (text == kNone) return;
  const auto time = ReadTimeBox(FormatTime(Narrow(text)));
  if (!time) {
    startTime_.SetText(kNone);
    return;
  }
  startTime_.SetText(Widen(FormatShortTime(locale_, *time)));
  if (endTime_.Enabled() && TypeButton() != EntryType::kJournal && NoTime(endTime_.Text())) {
    const auto end = AddMinutes(60, *time);
    endTime_.SetText(end ? Widen(FormatShortTime(locale_, *end)) : kNone);
  }
  CheckSpanDays();
}

void EntryWindow::LeaveEndTime() {
  const std::wstring text = endTime_.Text();
  if (text == kNone) return;
  const auto time = ReadTimeBox(FormatTime(Narrow(text)));
  endTime_.SetText(time ? Widen(FormatShortTime(locale_, *time)) : kNone);
  CheckSpanDays();
}

// An end time before the start time on the same day ends the next day.
void EntryWindow::CheckSpanDays() {
  const DateRange dates = Dates();
  const Date end = qrv::CheckSpanDays(dates.start, dates.end, Narrow(startTime_.Text()), Narrow(endTime_.Text()));
  if (end != dates.end) SetDates({dates.start, end});
}

}  // namespace qrv
