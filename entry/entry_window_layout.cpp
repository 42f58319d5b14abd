// The window laid out for its entry type, its panels shown and hidden, and its
// controls placed for its size.
#include <algorithm>

#include "entry/entry_window.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

void Apply(Show show, Control& control) {
  if (show != Show::kKeep) control.SetVisible(show == Show::kShow);
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
  attachmentsList_.SetVisible(attachmentsShow);
  if (!l.processCaption.empty()) processButton_.SetText(Widen(l.processCaption));
  if (l.processEnabled) processButton_.SetEnabled(*l.processEnabled);
  if (l.changesHeader) ApplyHeader(l);
  ApplyDateArea(l);
  const std::wstring caption = Widen(l.captionWord) + L" - QRV";
  if (caption != Caption()) SetCaption(caption);
  Arrange();
}

void EntryWindow::ApplyHeader(const EntryLayout& l) {
  subjectLabel_.SetText(Widen(l.subjectCaption));
  const auto shows = [&](RowCaption caption, const HeaderRow& row) { return row.caption == caption; };
  toButton_.SetVisible(shows(RowCaption::kToButton, l.row2) || shows(RowCaption::kContactButton, l.row2));
  toButton_.SetText(l.row2.caption == RowCaption::kContactButton ? L"Contact:" : L"To:");
  row2Label_.SetVisible(shows(RowCaption::kLabel, l.row2));
  if (l.row2.caption == RowCaption::kLabel) row2Label_.SetText(Widen(l.row2.text));
  ccButton_.SetVisible(shows(RowCaption::kCcButton, l.row3));
  row3Label_.SetVisible(shows(RowCaption::kLabel, l.row3));
  if (l.row3.caption == RowCaption::kLabel) row3Label_.SetText(Widen(l.row3.text));
  const auto field = [&](RowField f) { return l.row2.field == f || l.row3.field == f; };
  recipientsEdit_.SetVisible(field(RowField::kRecipients));
  serviceCombo_.SetVisible(field(RowField::kService));
  copiesEdit_.SetVisible(field(RowField::kCopies) || field(RowField::kLocation));
  statusCombo_.SetVisible(field(RowField::kStatus));
  journalTypeCombo_.SetVisible(field(RowField::kJournalType));
  addressFields_ = l.addressFields;
}

void EntryWindow::ApplyDateArea(const EntryLayout& l) {
  if (l.webBody != Show::kKeep) {
    webBody_.SetVisible(l.webBody == Show::kShow);
    body_.SetVisible(l.webBody != Show::kShow);
  }
  Apply(l.priority, priorityButton_);
  if (!l.timeLabel.empty()) timeLabel_.SetText(Widen(l.timeLabel));
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
  iconButton_.SetVisible(l.iconShown);
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
  datePanel_.SetBounds({0, entryHeight, entryWidth, kDatePanelHeight});
  ArrangeDatePanel(entryWidth);
  categoryPanel_.SetBounds({entryWidth, 0, kCategoryPanelWidth, client.cy});
  categoryList_.SetBounds({0, 18, kCategoryPanelWidth, client.cy - 18 - 26});
  noneCategoryButton_.SetBounds({4, client.cy - 24, 60, 21});
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
  calendar_.SetBounds({left, 27, calendarWidth, calendarHeight});
  const int shift = left - 39, buttonsTop = 27 + calendarHeight + 1;
  todayButton_.SetBounds({todayLeft_ + shift, buttonsTop, 49, 19});
  noneButton_.SetBounds({139 + shift, buttonsTop, 49, 19});
  floatButton_.SetBounds({139 + shift, buttonsTop, 49, 19});
}

void EntryWindow::ArrangeEntryArea(int width, int height) {
  const int footerTop = height - kFooterHeight;
  const int centre = width - kTypeColumnWidth;
  ArrangeHeader(centre);
  const int bodyBottom = footerTop - (attachmentsList_.Visible() ? 40 : 0);
  const Bounds body{0, layout_.headerHeight, centre, bodyBottom - layout_.headerHeight};
  body_.SetBounds(body);
  webBody_.SetBounds(body);
  attachmentsList_.SetBounds({0, bodyBottom, centre, 40});
  priorityButton_.SetBounds({centre + 3, 1, 21, 19});
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    typeButtons_[i]->SetBounds({centre + 2, 22 + 22 * static_cast<int>(i), 23, 22});
  int left = 0;
  for (Button* button : {&assignDateButton_, &categoriesButton_, &attachButton_, &signatureButton_}) {
    button->SetBounds({left, footerTop + 1, 20, 19});
    left += 20;
  }
  const int group = width - 195;
  const std::array<std::pair<Button*, std::pair<int, int>>, 6> right{{{&keywordsButton_, {5, 23}},
                                                                      {&helpButton_, {28, 17}},
                                                                      {&escapeButton_, {45, 25}},
                                                                      {&resetButton_, {70, 35}},
                                                                      {&openButton_, {105, 33}},
                                                                      {&processButton_, {138, 31}}}};
  for (auto [button, place] : right) button->SetBounds({group + place.first, footerTop + 1, place.second, 19});
}

void EntryWindow::ArrangeHeader(int width) {
  const EntryLayout& l = layout_;
  const int fieldWidth = width - kFieldLeft;
  subjectEdit_.SetBounds({kFieldLeft, 2, fieldWidth, twoLineSubject_ ? kTwoLineSubjectHeight : kSubjectHeight});
  if (!l.changesHeader) return;
  const bool contact = l.row2.caption == RowCaption::kContactButton;
  toButton_.SetBounds({contact ? 1 : 24, l.row2.top, contact ? 63 : 39, 19});
  row2Label_.SetBounds({10, l.row2.labelTop, 52, 13});
  recipientsEdit_.SetBounds({kFieldLeft, l.row2.top, fieldWidth, 19});
  serviceCombo_.SetBounds({kFieldLeft, l.row2.top, fieldWidth, 200});
  ccButton_.SetBounds({24, l.row3.top, 39, 19});
  row3Label_.SetBounds({10, l.row3.labelTop, 52, 13});
  copiesEdit_.SetBounds({kFieldLeft, l.row3.top, fieldWidth, 19});
  statusCombo_.SetBounds({kFieldLeft, l.row3.top, fieldWidth, 200});
  journalTypeCombo_.SetBounds({kFieldLeft, l.row3.top, fieldWidth, 260});
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
  datePanel_.SetVisible(true);
  GrowBy(0, kDatePanelHeight);
}

void EntryWindow::HideCalendar() {
  if (!DatePanelShown()) return;
  if (startTime_.Focused() || endTime_.Focused() || IsChild(startTime_.Handle(), GetFocus()) ||
      IsChild(endTime_.Handle(), GetFocus()))
    subjectEdit_.Focus();
  datePanel_.SetVisible(false);
  GrowBy(0, -kDatePanelHeight);
}

void EntryWindow::ToggleCategoryPanel() {
  const bool show = !CategoryPanelShown();
  categoryPanel_.SetVisible(show);
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

void EntryWindow::SetTypeButton(std::optional<EntryType> type) {
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) typeButtons_[i]->SetChecked(kTypeButtonTypes[i] == type);
}

void EntryWindow::TypeClicked(EntryType type) {
  if (TypeButton() != type) return;  // the button that was released
  byHand_.type = true;
  CheckCaption();
}

void EntryWindow::ChooseType(EntryType type) {
  SetTypeButton(type);
  byHand_.type = true;
  CheckCaption();
}

}  // namespace qrv
