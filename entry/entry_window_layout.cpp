// The window laid out for its entry type, its panels shown and hidden, and its
// controls placed for its size.
#include <algorithm>

#include "entry/entry_window.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// Typing lays the window out on every key: a control is moved, shown or
// hidden only when that changes something. The controls have no anchors, so
// their bounds alone say where they are.
void Place(Control& control, const Bounds& bounds) {
  if (control.DesignBounds() != bounds) control.SetBounds(bounds);
}

void ShowIf(Control& control, bool show) {
  if (control.Visible() != show) control.SetVisible(show);
}

void SetTextIf(Control& control, const std::wstring& text) {
  if (control.Text() != text) control.SetText(text);
}

void Apply(Show show, Control& control) {
  if (show != Show::kKeep) ShowIf(control, show == Show::kShow);
}

}  // namespace

void EntryWindow::CheckCaption() {
  ShowSubjectMarks();  // phrases of the date and time are marked only for some types
  const EntryLayoutInput input{.type = TypeButton(),
                               .hasRecipients = Type() != TypeButton(),
                               .twoLineSubject = twoLineSubject_,
                               .iconNoteFound = data_.iconNoteFound,
                               .floatShown = floatButton_.Visible()};
  // Typing calls this on every key: a layout that did not change is left alone.
  const bool attachments = attachmentsList_.Count() > 0;
  if (laidOutFor_ == input && laidOutWithAttachments_ == attachments && !DatePanelMayChange(input)) return;
  laidOutFor_ = input;
  laidOutWithAttachments_ = attachments;
  layout_ = LayOutEntry(input);
  const EntryLayout& l = layout_;
  const auto type = TypeButton();
  const bool attachmentsShow = attachments && l.attachmentsAllowed && type;
  ShowIf(attachmentsList_, attachmentsShow);
  if (!l.processCaption.empty()) SetTextIf(processButton_, Widen(l.processCaption));
  if (l.processEnabled) processButton_.SetEnabled(*l.processEnabled);
  if (l.changesHeader) ApplyHeader(l);
  ApplyDateArea(l);
  caption_ = Widen(l.captionWord) + L" - QRV";
  // A hidden window has none: it is not the one a search for the caption means.
  if (IsWindowVisible(Handle()) && caption_ != Caption()) SetCaption(caption_);
  Arrange();
}

void EntryWindow::ApplyHeader(const EntryLayout& l) {
  SetTextIf(subjectLabel_, Widen(l.subjectCaption));
  const auto shows = [&](RowCaption caption, const HeaderRow& row) { return row.caption == caption; };
  ShowIf(toButton_, shows(RowCaption::kToButton, l.row2) || shows(RowCaption::kContactButton, l.row2));
  SetTextIf(toButton_, l.row2.caption == RowCaption::kContactButton ? L"Contact:" : L"To:");
  ShowIf(row2Label_, shows(RowCaption::kLabel, l.row2));
  if (l.row2.caption == RowCaption::kLabel) SetTextIf(row2Label_, Widen(l.row2.text));
  ShowIf(ccButton_, shows(RowCaption::kCcButton, l.row3));
  ShowIf(row3Label_, shows(RowCaption::kLabel, l.row3));
  if (l.row3.caption == RowCaption::kLabel) SetTextIf(row3Label_, Widen(l.row3.text));
  const auto field = [&](RowField f) { return l.row2.field == f || l.row3.field == f; };
  ShowIf(recipientsEdit_, field(RowField::kRecipients));
  if (field(RowField::kService)) ShowIf(ServiceCombo(), true);
  if (serviceCombo_ && !field(RowField::kService)) ShowIf(*serviceCombo_, false);
  ShowIf(copiesEdit_, field(RowField::kCopies) || field(RowField::kLocation));
  ShowIf(statusCombo_, field(RowField::kStatus));
  if (field(RowField::kJournalType)) ShowIf(JournalTypeCombo(), true);
  if (journalTypeCombo_ && !field(RowField::kJournalType)) ShowIf(*journalTypeCombo_, false);
  addressFields_ = l.addressFields;
}

void EntryWindow::ApplyDateArea(const EntryLayout& l) {
  if (l.webBody != Show::kKeep) {
    if (l.webBody == Show::kShow) ShowIf(WebBody(), true);
    if (webBody_ && l.webBody != Show::kShow) ShowIf(*webBody_, false);
    ShowIf(body_, l.webBody != Show::kShow);
  }
  Apply(l.priority, priorityButton_);
  if (!l.timeLabel.empty()) SetTextIf(timeLabel_, Widen(l.timeLabel));
  if (l.startTimeEnabled) startTime_.SetEnabled(*l.startTimeEnabled);
  if (l.endTimeEnabled) endTime_.SetEnabled(*l.endTimeEnabled);
  if (l.startTimeNowWhenNone && (startTime_.Text() == L"None" || startTime_.Text().empty()))
    startTime_.SetText(Widen(FormatShortTime(locale_, clock_.Now())));
  if (l.datePanel == Show::kShow) ShowCalendar();
  if (l.datePanel == Show::kHide) HideCalendar();
  assignDateButton_.SetEnabled(l.assignDateEnabled);
  Apply(l.reminder, reminderButton_);
  Apply(l.timer, timerButton_);
  Apply(l.noneButton, noneButton_);
  Apply(l.floatButton, floatButton_);
  if (l.todayLeft) todayLeft_ = *l.todayLeft;
  ShowIf(iconButton_, l.iconShown);
  // Beside the icon button the caption keeps clear of it.
  subjectLabel_.SetBounds(l.iconShown ? Bounds{20, 5, 42, 13} : Bounds{10, 5, 52, 13});
}

// Whether laying out again would show or hide the date panel, which the
// user's date commands may have changed since.
bool EntryWindow::DatePanelMayChange(const EntryLayoutInput& input) const {
  const qrv::Show panel = LayOutEntry(input).datePanel;
  return (panel == qrv::Show::kShow && !DatePanelShown()) || (panel == qrv::Show::kHide && DatePanelShown());
}

// Places the panels and the controls for the client size now.
void EntryWindow::Arrange() {
  if (!built_) return;
  const SIZE client = ClientSize96();
  const int entryWidth = client.cx - (CategoryPanelShown() ? kCategoryPanelWidth : 0);
  const int entryHeight = client.cy - (DatePanelShown() ? kDatePanelHeight : 0);
  // A hidden panel's controls are arranged as it shows (the window grows then).
  Place(datePanel_, {0, entryHeight, entryWidth, kDatePanelHeight});
  if (DatePanelShown()) ArrangeDatePanel(entryWidth);
  Place(categoryPanel_, {entryWidth, 0, kCategoryPanelWidth, client.cy});
  if (CategoryPanelShown()) {
    Place(categoryList_, {0, 18, kCategoryPanelWidth, client.cy - 18 - 26});
    Place(noneCategoryButton_, {4, client.cy - 24, 60, 21});
  }
  ArrangeEntryArea(entryWidth, entryHeight);
}

// The calendar takes the size its font needs (at least the designed one),
// centred under the times, and the buttons follow under it.
void EntryWindow::ArrangeDatePanel(int width) {
  RECT need{};
  SendMessageW(calendar_.Handle(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
  const int calendarWidth = std::max(197, ScaleFromDpi(need.right, Dpi()));
  const int calendarHeight = std::clamp(ScaleFromDpi(need.bottom, Dpi()), 136, kDatePanelHeight - 27 - 21);
  const int left = std::max(0, (width - calendarWidth) / 2);
  Place(calendar_, {left, 27, calendarWidth, calendarHeight});
  const int shift = left - 39, buttonsTop = 27 + calendarHeight + 1;
  Place(todayButton_, {todayLeft_ + shift, buttonsTop, 49, 19});
  Place(noneButton_, {139 + shift, buttonsTop, 49, 19});
  Place(floatButton_, {139 + shift, buttonsTop, 49, 19});
}

void EntryWindow::ArrangeEntryArea(int width, int height) {
  const int footerTop = height - kFooterHeight;
  const int centre = width - kTypeColumnWidth;
  ArrangeHeader(centre);
  const int bodyBottom = footerTop - (attachmentsList_.Visible() ? 40 : 0);
  const Bounds body{0, layout_.headerHeight, centre, bodyBottom - layout_.headerHeight};
  Place(body_, body);
  if (webBody_) Place(*webBody_, body);
  Place(attachmentsList_, {0, bodyBottom, centre, 40});
  Place(priorityButton_, {centre + 3, 1, 21, 19});
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    Place(*typeButtons_[i], {centre + 2, 22 + 22 * static_cast<int>(i), 23, 22});
  int left = 0;
  for (Button* button : {&assignDateButton_, &categoriesButton_, &attachButton_, &signatureButton_}) {
    Place(*button, {left, footerTop + 1, 20, 19});
    left += 20;
  }
  const int group = width - 195;
  const std::array<std::pair<Button*, std::pair<int, int>>, 6> right{{{&keywordsButton_, {3, 25}},
                                                                      {&helpButton_, {28, 17}},
                                                                      {&escapeButton_, {45, 25}},
                                                                      {&resetButton_, {70, 36}},
                                                                      {&openButton_, {106, 34}},
                                                                      {&processButton_, {140, 33}}}};
  for (auto [button, place] : right) Place(*button, {group + place.first, footerTop + 1, place.second, 19});
}

void EntryWindow::ArrangeHeader(int width) {
  const EntryLayout& l = layout_;
  const int fieldWidth = width - kFieldLeft;
  Place(subjectEdit_, {kFieldLeft, 2, fieldWidth, twoLineSubject_ ? kTwoLineSubjectHeight : kSubjectHeight});
  if (!l.changesHeader) return;
  const bool contact = l.row2.caption == RowCaption::kContactButton;
  Place(toButton_, {contact ? 1 : 24, l.row2.top, contact ? 63 : 39, 19});
  Place(row2Label_, {10, l.row2.labelTop, 52, 13});
  Place(recipientsEdit_, {kFieldLeft, l.row2.top, fieldWidth, 19});
  if (serviceCombo_) Place(*serviceCombo_, {kFieldLeft, l.row2.top, fieldWidth, 200});
  Place(ccButton_, {24, l.row3.top, 39, 19});
  Place(row3Label_, {10, l.row3.labelTop, 52, 13});
  Place(copiesEdit_, {kFieldLeft, l.row3.top, fieldWidth, 19});
  Place(statusCombo_, {kFieldLeft, l.row3.top, fieldWidth, 200});
  if (journalTypeCombo_) Place(*journalTypeCombo_, {kFieldLeft, l.row3.top, fieldWidth, 260});
}

// The window grows or shrinks with a panel, so the entry area keeps its size;
// a maximised window keeps its rectangle and only the panel changes.
void EntryWindow::GrowBy(int dx, int dy) {
  if (IsZoomed(Handle())) {
    Arrange();
    return;
  }
  const RECT rc = WindowRect();
  SetWindowRect(rc.left, rc.top, rc.right - rc.left + Scale(dx), rc.bottom - rc.top + Scale(dy));
  Arrange();
}

void EntryWindow::ShowCalendar() {
  const auto type = TypeButton();
  if (DatePanelShown() || (type != EntryType::kTask && type != EntryType::kAppointment && type != EntryType::kJournal))
    return;
  ShowIf(datePanel_, true);
  GrowBy(0, kDatePanelHeight);
  ShowSubjectMarks();  // the subject's date phrases go with the item's date
}

void EntryWindow::HideCalendar() {
  if (!DatePanelShown()) return;
  if (startTime_.Focused() || endTime_.Focused() || IsChild(startTime_.Handle(), GetFocus()) ||
      IsChild(endTime_.Handle(), GetFocus()))
    subjectEdit_.Focus();
  ShowIf(datePanel_, false);
  GrowBy(0, -kDatePanelHeight);
  ShowSubjectMarks();
}

void EntryWindow::ToggleCategoryPanel() {
  const bool show = !CategoryPanelShown();
  ShowIf(categoryPanel_, show);
  GrowBy(show ? kCategoryPanelWidth : -kCategoryPanelWidth, 0);
}

// A subject that wraps gets a second line; it goes back to one only when its
// text fits one line again.
void EntryWindow::CheckLine1Height(const std::wstring& subject) {
  // Counting the lines makes the rich edit lay its text out again: a subject
  // well inside one line is not counted.
  const auto lines = FitsOneLine(subject) ? 1 : SendMessageW(subjectEdit_.Handle(), EM_GETLINECOUNT, 0, 0);
  if (!twoLineSubject_ && lines > 1) {
    twoLineSubject_ = true;
    CheckCaption();
  } else if (twoLineSubject_ && lines == 1) {
    twoLineSubject_ = false;
    CheckCaption();
    InvalidateRect(subjectEdit_.Handle(), nullptr, TRUE);
  }
}

bool EntryWindow::FitsOneLine(const std::wstring& subject) const {
  RECT area{};
  SendMessageW(subjectEdit_.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  WindowDc dc(subjectEdit_.Handle());
  SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(subjectEdit_.Handle(), WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), subject.c_str(), static_cast<int>(subject.size()), &size);
  return size.cx + Scale(8) < area.right - area.left;
}

void EntryWindow::AssignDate() {
  if (DatePanelShown()) {
    HideCalendar();
  } else {
    ShowCalendar();
    if (startTime_.Enabled()) startTime_.Focus();
  }
  CheckCaption();
}

void EntryWindow::Today() {
  const Date today = clock_.Today();
  SetDates({today, today});
}

// Only the buttons that go up or down are told.
void EntryWindow::SetTypeButton(std::optional<EntryType> type) {
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    const bool down = kTypeButtonTypes[i] == type;
    if (down != (kTypeButtonTypes[i] == typeButton_)) typeButtons_[i]->SetChecked(down);
  }
  typeButton_ = type;
}

void EntryWindow::TypeClicked(EntryType type) {
  typeButton_ = type;
  byHand_.type = true;
  CheckCaption();
}

void EntryWindow::ChooseType(EntryType type) {
  SetTypeButton(type);
  byHand_.type = true;
  CheckCaption();
}

}  // namespace qrv
