#include "prefs/keyword_dialog.h"

#include <algorithm>

#include "core/codepage.h"
#include "core/icon_definitions.h"
#include "core/text.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kWidth = 277;
constexpr int kHeight = 250;
constexpr int kInternetHeight = 320;  // room for the service's hint
constexpr int kTitleHeight = 22;
constexpr COLORREF kTitleBand = RGB(0, 128, 128);
constexpr wchar_t kNoneAllowed[] = L"< None allowed >";
constexpr int kTypeHeight = 13;    // of an item type's entry
constexpr int kIconHeight = 19;    // of an icon's entry: its picture and a pixel above and below
constexpr int kIconTextLeft = 22;  // an icon's caption stands right of its picture

const std::vector<std::wstring> kItemTypes{
    L"Task Item",    L"Note Item",    L"Appointment Item", L"Contact Item",  L"E-Mail Item",
    L"Journal Item", L"Task Request", L"Meeting Request",  L"Text Document", L"Internet Address"};

int HeightFor(KeywordListKind kind) { return kind == KeywordListKind::kInternet ? kInternetHeight : kHeight; }

// A field made only for the lists that use it, in its place among the others (the Tab order).
template <class C, class Args>
std::optional<C> MadeIf(bool made, Container& parent, const Args& args) {
  if (!made) return std::nullopt;
  return std::optional<C>(std::in_place, parent, args);
}

}  // namespace

KeywordDialog::KeywordDialog(Form& owner, KeywordListKind kind, const std::vector<std::string>& choices,
                             const ImageList& pictures)
    : Form({.caption = L"Preferences", .clientSize = {kWidth, HeightFor(kind)}, .owner = &owner}),
      kind_(kind),
      pictures_(pictures),
      title_(*this, {.bounds = {0, 3, kWidth, 17}, .text = L" Keywords"},
             {.face = L"Arial", .points = 12, .bold = true}),
      positionLabel_(MadeIf<Label>(kind == KeywordListKind::kItems || kind == KeywordListKind::kInternet, *this,
                                   StaticArgs{.bounds = {6, 29, 180, 13}, .text = L" When the subject: "})),
      position_(MadeIf<ComboBox>(kind == KeywordListKind::kItems, *this,
                                 ComboArgs{.bounds = {6, 42, 180, 100}, .items = {L"Begins with...", L"Contains..."}})),
      site_(MadeIf<Edit>(kind == KeywordListKind::kInternet, *this,
                         EditArgs{.bounds = {6, 42, 180, 21}, .readOnly = true})),
      keywordLabel_(*this, {.bounds = {6, 68, 180, 13}, .text = L" the keyword: "}),
      keyword_(*this, {.bounds = {6, 81, 180, 21}}),
      typeLabel_(*this, {.bounds = {6, 107, 180, 13}, .text = L" Change the item type to: "}),
      types_(MadeIf<ComboBox>(kind == KeywordListKind::kItems || kind == KeywordListKind::kIcons, *this,
                              ComboArgs{.bounds = {6, 120, 180, 200}, .itemHeight = kTypeHeight})),
      categories_(MadeIf<ComboBox>(kind == KeywordListKind::kCategories, *this,
                                   ComboArgs{.bounds = {6, 120, 180, 200}, .editable = true})),
      criteria_(MadeIf<Edit>(kind == KeywordListKind::kInternet, *this, EditArgs{.bounds = {6, 120, 180, 21}})),
      wildcardNote_(*this, {.bounds = {6, 148, 265, 40},
                            .text = L"Use * after a keyword to match the base word.\r\nEx. meet* will match \"meet\" "
                                    L"or \"meeting\" or \"meet:\""}),
      internetNote_(*this, {.bounds = {6, 190, 265, 27},
                            .text = L"The * wildcard does not work with category or internet keywords."}),
      hint_(MadeIf<Edit>(kind == KeywordListKind::kInternet, *this,
                         EditArgs{.bounds = {10, 220, 241, 65}, .multiLine = true, .readOnly = true})),
      okButton_(*this, {.bounds = {kWidth - 150, HeightFor(kind) - 28, 68, 23}, .text = L"OK", .isDefault = true}),
      cancelButton_(*this, {.bounds = {kWidth - 76, HeightFor(kind) - 28, 68, 23},
                            .text = L"Cancel",
                            .isCancel = true,
                            .result = DialogResult::kCancel}) {
  title_.color = RGB(255, 255, 255);
  okButton_.onClick = [this] { Accept(); };
  if (types_) {
    types_->onDrawItem = [this](HDC dc, int index, const RECT& item, bool selected) {
      DrawType(dc, index, item, selected);
    };
  }
  SetUpFor(kind);
  SetChoices(choices);
}

void KeywordDialog::SetUpFor(KeywordListKind kind) {
  if (kind != KeywordListKind::kItems) keywordLabel_.SetText(L" Keyword: ");
  switch (kind) {
    case KeywordListKind::kItems:
      types_->SetItems(kItemTypes);
      break;
    case KeywordListKind::kCategories:
      title_.SetText(L" Keywords: Category");
      typeLabel_.SetText(L" Select the category: ");
      break;
    case KeywordListKind::kInternet:
      title_.SetText(L" Keywords: Internet");
      positionLabel_->SetText(L" Web Service: ");
      typeLabel_.SetText(L" Default search criteria: ");
      break;
    case KeywordListKind::kIcons:
      title_.SetText(L" Keywords: Icon");
      typeLabel_.SetText(L" Change the icon to: ");
      types_->SetItemHeight(kIconHeight);
      break;
  }
}

void KeywordDialog::SetChoices(const std::vector<std::string>& choices) {
  if (kind_ == KeywordListKind::kCategories) categories_->SetItems(WidenAll(choices));
  if (kind_ != KeywordListKind::kIcons) return;
  // Only icons a record can name: a character exists for each of them.
  iconCount_ = StorableIconCount(choices);
  std::vector<std::wstring> icons;
  for (int n = 1; n <= iconCount_; ++n) icons.push_back(Widen(IconCaption(choices, n)));
  types_->SetItems(icons);
}

void KeywordDialog::Prefill(const std::string* record) {
  const std::wstring keyword = record ? Widen(RecordKeyword(*record)) : std::wstring();
  keyword_.SetText(kind_ == KeywordListKind::kInternet ? keyword : Widen(AsciiLower(Narrow(keyword))));
  switch (kind_) {
    case KeywordListKind::kItems:
      position_->SetSelection(record && StartsWith(*record, "K=1") ? 1 : 0);
      types_->SetSelection(record ? std::clamp(RecordType(*record).value_or(1), 1, 10) - 1 : 0);
      break;
    case KeywordListKind::kCategories:
      categories_->SetText(record ? Widen(RecordCategory(*record)) : std::wstring());
      break;
    case KeywordListKind::kInternet: {
      modified_ = record ? *record : std::string();
      site_->SetText(Widen(ServiceCaption(modified_)));
      const bool criteria = Contains(modified_, "<QRV!>") && Contains(modified_, "<D=");
      criteria_->SetText(criteria ? Widen(ServiceCriteria(modified_)) : kNoneAllowed);
      criteria_->SetReadOnly(!criteria);
      hint_->SetText(Widen(ServiceHint(modified_)));
      break;
    }
    case KeywordListKind::kIcons: {
      const std::string tail = record ? RecordTail(*record) : std::string();
      const int icon = tail.empty() ? 1 : CreateIconValue(tail[0]);
      types_->SetSelection(icon >= 1 && icon <= iconCount_ ? icon - 1 : (record ? -1 : 0));
      break;
    }
  }
}

std::optional<std::string> KeywordDialog::Run() {
  result_.reset();
  keyword_.Focus();
  ShowModal();
  return result_;
}

void KeywordDialog::Accept() {
  try {
    std::string record = BuildRecord();
    // Refused here by name, as the save of the lists would refuse it.
    if (const std::string unheld = UnheldCharacter(record); !unheld.empty())
      throw RecordFieldError(UnheldCharacterMessage(unheld));
    result_ = std::move(record);
    EndModal(DialogResult::kOk);
  } catch (const RecordFieldError& e) {
    ShowMessage(Widen(e.what()), MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
    keyword_.Focus();
  }
}

std::string KeywordDialog::BuildRecord() const {
  const std::string typed = Narrow(keyword_.Text());
  const std::string keyword = AsciiUpper(typed);
  switch (kind_) {
    case KeywordListKind::kItems:
      return ItemRecord(position_->Selection() == 1, keyword,
                        static_cast<EntryType>(std::clamp(types_->Selection(), 0, 9) + 1));
    case KeywordListKind::kCategories: {
      const std::string category = Narrow(categories_->Text());
      if (std::string fault = CategoryFault(keyword, category); !fault.empty()) throw RecordFieldError(fault);
      return CategoryRecord(keyword, category);
    }
    case KeywordListKind::kInternet: {
      const std::string criteria = Narrow(criteria_->Text());
      return ModifiedService(modified_, typed, criteria_->ReadOnly() ? nullptr : &criteria);
    }
    case KeywordListKind::kIcons:
      break;
  }
  if (types_->Selection() < 0) throw RecordFieldError("Choose an icon.");
  return IconRecord(keyword, ExtractIconValue(types_->Selection() + 1));
}

// An entry of the item types, or an icon's picture and caption; the chosen
// entry's text stands on the selection colour.
void KeywordDialog::DrawType(HDC dc, int index, const RECT& item, bool selected) {
  FillRect(dc, &item, GetSysColorBrush(COLOR_WINDOW));
  if (index < 0) return;
  RECT text = item;
  text.left += Scale(2);
  if (kind_ == KeywordListKind::kIcons) {
    if (index < pictures_.Count()) pictures_.Draw(dc, index, item.left + Scale(2), item.top + Scale(1));
    text.left = item.left + Scale(kIconTextLeft);
  }
  if (selected) FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring caption = types_->ItemText(index);
  text.left += Scale(1);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void KeywordDialog::PaintBackground(HDC dc, const RECT& area) {
  Form::PaintBackground(dc, area);
  PaintTitleBand(dc, kTitleHeight, kTitleBand);
}

}  // namespace qrv
