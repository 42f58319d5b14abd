#include "entry/entry_header.h"

#include <algorithm>
#include <array>

#include "core/text.h"
#include "entry/entry_pictures.h"
#include "entry/placing.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

// A control made late takes its place in the Tab order after the one given.
void MadeAfter(Control& made, const Control& before) {
  SetWindowPos(made.Handle(), before.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

EntryHeader::EntryHeader(Form& form, const EntryData& data)
    : form_(form),
      data_(data),
      serviceItems_(Sorted(data.webServiceCaptions)),
      journalTypes_(Sorted(data.journalTypes)) {
  iconButton_.SetHint(L"VidoDu3 Icon");
  toButton_.SetHint(L"Assign contacts");
  ccButton_.SetHint(L"Assign contacts");
  statusCombo_.SetSelection(0);
  subjectEdit_.LimitText(kSubjectLimit);
  iconButton_.onClick = [this] {
    if (onChooseIcon) onChooseIcon();
  };
  toButton_.onClick = ccButton_.onClick = [this] {
    if (onChooseAddresses) onChooseAddresses();
  };
}

std::optional<EntryField> EntryHeader::FieldOf(HWND window) const {
  const std::array<std::pair<HWND, EntryField>, 6> fields{{
      {subjectEdit_.Handle(), EntryField::kSubject},
      {recipientsEdit_.Handle(), EntryField::kRecipients},
      {copiesEdit_.Handle(), EntryField::kCopies},
      {journalTypeCombo_ ? journalTypeCombo_->Handle() : nullptr, EntryField::kJournalType},
      {serviceCombo_ ? serviceCombo_->Handle() : nullptr, EntryField::kService},
      {statusCombo_.Handle(), EntryField::kStatus},
  }};
  for (auto [handle, field] : fields) {
    if (handle && handle == window) return field;
  }
  return std::nullopt;
}

void EntryHeader::SelectAll(EntryField field) {
  if (field == EntryField::kSubject) subjectEdit_.Select(0, -1);
  if (field == EntryField::kRecipients) recipientsEdit_.Select(0, -1);
  if (field == EntryField::kCopies) copiesEdit_.Select(0, -1);
}

void EntryHeader::Clear() {
  if (subjectEdit_.TextLength() > 0) subjectEdit_.SetPlainText(L"", Notify::kYes);
  if (!recipientsEdit_.Text().empty()) recipientsEdit_.SetText(L"", Notify::kYes);
  if (!copiesEdit_.Text().empty()) copiesEdit_.SetText(L"");
}

bool EntryHeader::Empty() const {
  return subjectEdit_.TextLength() == 0 && recipientsEdit_.Text().empty() && copiesEdit_.Text().empty();
}

bool EntryHeader::HasRecipients() const { return !Trim(Narrow(recipientsEdit_.Text())).empty(); }

// --- The web-service and journal-type choices ---------------------------------------
// What they would hold is kept here until a layout first shows them.

ComboBox& EntryHeader::ServiceCombo() {
  if (serviceCombo_) return *serviceCombo_;
  serviceCombo_.emplace(form_, ComboArgs{.bounds = {kFieldLeft, kRow2Top, kFieldWidth, 200},
                                         .visible = false,
                                         .items = WidenAll(serviceItems_)});
  serviceCombo_->SetSelection(serviceIndex_);
  serviceCombo_->onSelect = [this] {
    if (onServiceChosen) onServiceChosen();
  };
  MadeAfter(*serviceCombo_, recipientsEdit_);
  return *serviceCombo_;
}

ComboBox& EntryHeader::JournalTypeCombo() {
  if (journalTypeCombo_) return *journalTypeCombo_;
  journalTypeCombo_.emplace(form_, ComboArgs{.bounds = {kFieldLeft, kRow3Top, kFieldWidth, 260},
                                             .visible = false,
                                             .items = WidenAll(journalTypes_)});
  if (const auto it = std::find(journalTypes_.begin(), journalTypes_.end(), data_.settings.journalType);
      it != journalTypes_.end())
    journalTypeCombo_->SetSelection(static_cast<int>(it - journalTypes_.begin()));
  MadeAfter(*journalTypeCombo_, statusCombo_);
  return *journalTypeCombo_;
}

int EntryHeader::ServiceIndex() const { return serviceCombo_ ? serviceCombo_->Selection() : serviceIndex_; }

void EntryHeader::SetServiceIndex(int index) {
  if (serviceCombo_)
    serviceCombo_->SetSelection(index);
  else
    serviceIndex_ = index;
}

std::wstring EntryHeader::ServiceCaption() const {
  const int index = ServiceIndex();
  return index < 0 || index >= static_cast<int>(serviceItems_.size())
             ? L""
             : Widen(serviceItems_[static_cast<std::size_t>(index)]);
}

std::wstring EntryHeader::JournalTypeText() const {
  if (journalTypeCombo_) return journalTypeCombo_->Text();
  const bool listed =
      std::find(journalTypes_.begin(), journalTypes_.end(), data_.settings.journalType) != journalTypes_.end();
  return listed ? Widen(data_.settings.journalType) : L"";
}

// --- Layout ------------------------------------------------------------------------

void EntryHeader::ApplyLayout(const EntryLayout& l) {
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

// Beside the icon button the caption keeps clear of it.
void EntryHeader::ShowIconButton(bool shown) {
  ShowIf(iconButton_, shown);
  subjectLabel_.SetBounds(shown ? Bounds{20, 5, 42, 13} : Bounds{10, 5, 52, 13});
}

void EntryHeader::Arrange(int width, const EntryLayout& l) {
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

bool EntryHeader::CheckLines(const std::wstring& subject) {
  // Counting the lines makes the rich edit lay its text out again: a subject
  // well inside one line is not counted.
  const int lines = FitsOneLine(subject) ? 1 : subjectEdit_.LineCount();
  if (twoLineSubject_ ? lines != 1 : lines <= 1) return false;
  twoLineSubject_ = !twoLineSubject_;
  return true;
}

bool EntryHeader::FitsOneLine(const std::wstring& subject) const {
  const RECT area = subjectEdit_.FormattingRect();
  WindowDc dc(subjectEdit_.Handle());
  SelectedObject font(dc.Get(), subjectEdit_.FontHandle());
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), subject.c_str(), static_cast<int>(subject.size()), &size);
  return size.cx + form_.Scale(8) < area.right - area.left;
}

// --- The icon ----------------------------------------------------------------------

// The icon's picture, one white row taller than the icon, on the icon button.
void EntryHeader::SetIcon(int index) {
  if (index == iconIndex_ || index < 0) return;
  iconIndex_ = index;
  const ImageList* pictures = data_.iconPictures;
  if (!pictures || index >= pictures->Count()) return;
  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  HBITMAP picture = CreateCompatibleBitmap(screen.Get(), 16, 17);
  {
    SelectedObject selected(memory.Get(), picture);
    const RECT whole{0, 0, 16, 17};
    FillRect(memory.Get(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    pictures->Draw(memory.Get(), index, 0, 0);
  }
  iconButton_.SetPicture(picture);
  iconPicture_.Reset(picture);
}

void EntryHeader::BlankIcon() {
  iconIndex_ = -1;
  iconButton_.SetPicture(EntryPictureFor(EntryPicture::kNoIcon, form_.Dpi()));
  iconPicture_.Reset();
}

void EntryHeader::ShowPictures() {
  if (iconIndex_ < 0) iconButton_.SetPicture(EntryPictureFor(EntryPicture::kNoIcon, form_.Dpi()));
}

}  // namespace qrv
