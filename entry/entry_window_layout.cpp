#include "entry/entry_window_layout.h"

#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {

EntryWindowLayout::EntryWindowLayout(Form& form, const LaidOutParts& parts, const bool& iconNoteFound)
    : form_(form), parts_(parts), iconNoteFound_(iconNoteFound) {}

void EntryWindowLayout::CheckCaption() {
  MarksMayChange();  // phrases of the date and time are marked only for some types
  const auto type = parts_.typeButtons.Down();
  const std::optional<DatePanel>& datePanel = parts_.lateParts.DatePanelIfMade();
  const EntryLayoutInput input{.type = type,
                               .hasRecipients = WindowEntryType(type, parts_.header.HasRecipients()) != type,
                               .twoLineSubject = parts_.header.TwoLines(),
                               .iconNoteFound = iconNoteFound_,
                               .floatShown = datePanel && datePanel->Float().Visible()};
  // Typing calls this on every key: a layout that did not change is left alone.
  const bool attachments = parts_.lateParts.HasAttachments();
  if (laidOutFor_ == input && laidOutWithAttachments_ == attachments && !DatePanelMayChange(input)) return;
  laidOutFor_ = input;
  laidOutWithAttachments_ = attachments;
  layout_ = LayOutEntry(input);
  const EntryLayout& l = layout_;
  const bool attachmentsShow = attachments && l.attachmentsAllowed && type;
  if (auto& list = parts_.lateParts.AttachmentListIfMade()) ShowIf(*list, attachmentsShow);
  parts_.footer.ApplyLayout(l);
  if (l.changesHeader) parts_.header.ApplyLayout(l);
  ApplyDateArea(l);
  caption_ = Widen(l.captionWord) + L" - QRV";
  // A hidden window has none: it is not the one a search for the caption means.
  if (IsWindowVisible(form_.Handle()) && caption_ != form_.Caption()) form_.SetCaption(caption_);
  Arrange();
}

void EntryWindowLayout::ApplyDateArea(const EntryLayout& l) {
  if (l.webBody != Show::kKeep) {
    parts_.webBody.SetShown(l.webBody == Show::kShow);
    ShowIf(parts_.body, l.webBody != Show::kShow);
  }
  parts_.typeButtons.ApplyLayout(l);
  // A panel made later takes the layout then.
  EntryLateParts& late = parts_.lateParts;
  if (late.DatePanelIfMade() || l.datePanel == Show::kShow) late.MadeDatePanel().ApplyLayout(l);
  if (l.datePanel == Show::kShow) ShowCalendar();
  if (l.datePanel == Show::kHide) HideCalendar();
  parts_.footer.EnableAssignDate(l.assignDateEnabled);
  if (late.DatePanelIfMade()) late.DatePanelIfMade()->ApplyButtons(l);
  parts_.header.ShowIconButton(l.iconShown);
}

// Whether laying out again would show or hide the date panel, which the
// user's date commands may have changed since.
bool EntryWindowLayout::DatePanelMayChange(const EntryLayoutInput& input) const {
  const qrv::Show panel = LayOutEntry(input).datePanel;
  const bool shown = parts_.dates.PanelShown();
  return (panel == qrv::Show::kShow && !shown) || (panel == qrv::Show::kHide && shown);
}

void EntryWindowLayout::Arrange() {
  const SIZE client = form_.ClientSize96();
  EntryLateParts& late = parts_.lateParts;
  const int entryWidth = client.cx - (late.CategoryPanelShown() ? kCategoryPanelWidth : 0);
  const int entryHeight = client.cy - (parts_.dates.PanelShown() ? kDatePanelHeight : 0);
  // A hidden panel's controls are arranged as it shows (the window grows then).
  if (auto& panel = late.DatePanelIfMade()) Place(*panel, {0, entryHeight, entryWidth, kDatePanelHeight});
  if (parts_.dates.PanelShown()) late.DatePanelIfMade()->Arrange(entryWidth);
  if (auto& panel = late.CategoryPanelIfMade()) Place(*panel, {entryWidth, 0, kCategoryPanelWidth, client.cy});
  if (late.CategoryPanelShown()) late.CategoryPanelIfMade()->Arrange(client.cy);
  ArrangeEntryArea(entryWidth, entryHeight);
}

void EntryWindowLayout::ArrangeEntryArea(int width, int height) {
  const int footerTop = height - kFooterHeight;
  const int centre = width - kTypeColumnWidth;
  parts_.header.Arrange(centre, layout_);
  auto& list = parts_.lateParts.AttachmentListIfMade();
  const int bodyBottom = footerTop - (list && list->Visible() ? 40 : 0);
  const Bounds body{0, layout_.headerHeight, centre, bodyBottom - layout_.headerHeight};
  Place(parts_.body, body);
  parts_.webBody.Place(body);
  if (list) Place(*list, {0, bodyBottom, centre, 40});
  parts_.typeButtons.Arrange(centre);
  parts_.footer.Arrange(width, footerTop + 1);
}

// The window grows or shrinks with a panel, so the entry area keeps its size;
// a maximised window keeps its rectangle and only the panel changes.
void EntryWindowLayout::GrowBy(int dx, int dy) {
  if (IsZoomed(form_.Handle())) {
    Arrange();
    return;
  }
  const RECT rc = form_.WindowRect();
  form_.SetWindowRect(rc.left, rc.top, rc.right - rc.left + form_.Scale(dx), rc.bottom - rc.top + form_.Scale(dy));
  Arrange();
}

void EntryWindowLayout::ShowCalendar() {
  const auto type = parts_.typeButtons.Down();
  if (parts_.dates.PanelShown() ||
      (type != EntryType::kTask && type != EntryType::kAppointment && type != EntryType::kJournal))
    return;
  ShowIf(parts_.lateParts.MadeDatePanel(), true);
  GrowBy(0, kDatePanelHeight);
  MarksMayChange();
}

void EntryWindowLayout::HideCalendar() {
  if (!parts_.dates.PanelShown()) return;
  DatePanel& panel = *parts_.lateParts.DatePanelIfMade();
  if (panel.HasFocus()) parts_.header.Subject().Focus();
  ShowIf(panel, false);
  GrowBy(0, -kDatePanelHeight);
  MarksMayChange();
}

void EntryWindowLayout::ToggleCategoryPanel() {
  const bool show = !parts_.lateParts.CategoryPanelShown();
  ShowIf(parts_.lateParts.MadeCategoryPanel(), show);
  GrowBy(show ? kCategoryPanelWidth : -kCategoryPanelWidth, 0);
}

void EntryWindowLayout::CheckSubjectLines(const std::wstring& subject) {
  if (!parts_.header.CheckLines(subject)) return;
  CheckCaption();
  if (!parts_.header.TwoLines()) InvalidateRect(parts_.header.Subject().Handle(), nullptr, TRUE);
}

void EntryWindowLayout::MarksMayChange() {
  if (onMarksMayChange) onMarksMayChange();
}

}  // namespace qrv
