// The window laid out for its entry type, its panels shown and hidden, and its
// parts placed for its size.
#include <algorithm>

#include "entry/entry_window.h"
#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {

void EntryWindow::CheckCaption() {
  ShowSubjectMarks();  // phrases of the date and time are marked only for some types
  const EntryLayoutInput input{.type = TypeButton(),
                               .hasRecipients = Type() != TypeButton(),
                               .twoLineSubject = header_.TwoLines(),
                               .iconNoteFound = data_.iconNoteFound,
                               .floatShown = datePanel_ && datePanel_->Float().Visible()};
  // Typing calls this on every key: a layout that did not change is left alone.
  const bool attachments = HasAttachments();
  if (laidOutFor_ == input && laidOutWithAttachments_ == attachments && !DatePanelMayChange(input)) return;
  laidOutFor_ = input;
  laidOutWithAttachments_ = attachments;
  layout_ = LayOutEntry(input);
  const EntryLayout& l = layout_;
  const auto type = TypeButton();
  const bool attachmentsShow = attachments && l.attachmentsAllowed && type;
  if (attachmentsList_) ShowIf(*attachmentsList_, attachmentsShow);
  footer_.ApplyLayout(l);
  if (l.changesHeader) header_.ApplyLayout(l);
  ApplyDateArea(l);
  caption_ = Widen(l.captionWord) + L" - QRV";
  // A hidden window has none: it is not the one a search for the caption means.
  if (IsWindowVisible(Handle()) && caption_ != Caption()) SetCaption(caption_);
  Arrange();
}

void EntryWindow::ApplyDateArea(const EntryLayout& l) {
  if (l.webBody != Show::kKeep) {
    webBody_.SetShown(l.webBody == Show::kShow);
    ShowIf(body_, l.webBody != Show::kShow);
  }
  if (l.priority != Show::kKeep) ShowIf(priorityButton_, l.priority == Show::kShow);
  // A panel made later takes the layout then.
  if (datePanel_ || l.datePanel == Show::kShow) MadeDatePanel().ApplyLayout(l);
  if (l.datePanel == Show::kShow) ShowCalendar();
  if (l.datePanel == Show::kHide) HideCalendar();
  footer_.EnableAssignDate(l.assignDateEnabled);
  if (datePanel_) datePanel_->ApplyButtons(l);
  header_.ShowIconButton(l.iconShown);
}

// Whether laying out again would show or hide the date panel, which the
// user's date commands may have changed since.
bool EntryWindow::DatePanelMayChange(const EntryLayoutInput& input) const {
  const qrv::Show panel = LayOutEntry(input).datePanel;
  return (panel == qrv::Show::kShow && !dates_.PanelShown()) || (panel == qrv::Show::kHide && dates_.PanelShown());
}

// Places the panels and the parts for the client size now.
void EntryWindow::Arrange() {
  if (!built_) return;
  const SIZE client = ClientSize96();
  const int entryWidth = client.cx - (CategoryPanelShown() ? kCategoryPanelWidth : 0);
  const int entryHeight = client.cy - (dates_.PanelShown() ? kDatePanelHeight : 0);
  // A hidden panel's controls are arranged as it shows (the window grows then).
  if (datePanel_) Place(*datePanel_, {0, entryHeight, entryWidth, kDatePanelHeight});
  if (dates_.PanelShown()) datePanel_->Arrange(entryWidth);
  if (categoryPanel_) Place(*categoryPanel_, {entryWidth, 0, kCategoryPanelWidth, client.cy});
  if (CategoryPanelShown()) categoryPanel_->Arrange(client.cy);
  ArrangeEntryArea(entryWidth, entryHeight);
}

void EntryWindow::ArrangeEntryArea(int width, int height) {
  const int footerTop = height - kFooterHeight;
  const int centre = width - kTypeColumnWidth;
  header_.Arrange(centre, layout_);
  const int bodyBottom = footerTop - (attachmentsList_ && attachmentsList_->Visible() ? 40 : 0);
  const Bounds body{0, layout_.headerHeight, centre, bodyBottom - layout_.headerHeight};
  Place(body_, body);
  webBody_.Place(body);
  if (attachmentsList_) Place(*attachmentsList_, {0, bodyBottom, centre, 40});
  Place(priorityButton_, {centre + 3, 1, 21, 19});
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    Place(*typeButtons_[i], {centre + 2, 22 + 22 * static_cast<int>(i), 23, 22});
  footer_.Arrange(width, footerTop + 1);
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
  if (dates_.PanelShown() ||
      (type != EntryType::kTask && type != EntryType::kAppointment && type != EntryType::kJournal))
    return;
  ShowIf(MadeDatePanel(), true);
  GrowBy(0, kDatePanelHeight);
  ShowSubjectMarks();  // the subject's date phrases go with the item's date
}

void EntryWindow::HideCalendar() {
  if (!dates_.PanelShown()) return;
  if (datePanel_->HasFocus()) header_.Subject().Focus();
  ShowIf(*datePanel_, false);
  GrowBy(0, -kDatePanelHeight);
  ShowSubjectMarks();
}

void EntryWindow::ToggleCategoryPanel() {
  const bool show = !CategoryPanelShown();
  ShowIf(MadeCategoryPanel(), show);
  GrowBy(show ? kCategoryPanelWidth : -kCategoryPanelWidth, 0);
}

void EntryWindow::CheckSubjectLines(const std::wstring& subject) {
  if (!header_.CheckLines(subject)) return;
  CheckCaption();
  if (!header_.TwoLines()) InvalidateRect(header_.Subject().Handle(), nullptr, TRUE);
}

void EntryWindow::AssignDate() {
  if (dates_.PanelShown()) {
    HideCalendar();
  } else {
    ShowCalendar();
    if (dates_.PanelShown() && datePanel_->StartTime().Enabled()) datePanel_->StartTime().Focus();
  }
  CheckCaption();
}

// Only the buttons that go up or down are told.
void EntryWindow::SetTypeButton(std::optional<EntryType> type) {
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    const bool down = kTypeButtonTypes[i] == type;
    if (down != (kTypeButtonTypes[i] == typeButton_)) typeButtons_[i]->SetChecked(down);
  }
  typeButton_ = type;
}

void EntryWindow::ChooseType(EntryType type) {
  SetTypeButton(type);
  byHand_.type = true;
  CheckCaption();
}

}  // namespace qrv
