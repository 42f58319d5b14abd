#include "prefs/keyword_dialog.h"

#include <algorithm>

#include "core/icon_definitions.h"
#include "core/text.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kWidth = 277;
constexpr int kHeight = 240;
constexpr int kInternetHeight = 310;  // room for the service's hint
constexpr int kTitleHeight = 22;
constexpr COLORREF kTitleBand = RGB(0, 128, 128);
constexpr wchar_t kNoneAllowed[] = L"< None allowed >";

const std::vector<std::wstring> kItemTypes{
    L"Task Item",    L"Note Item",    L"Appointment Item", L"Contact Item",  L"E-Mail Item",
    L"Journal Item", L"Task Request", L"Meeting Request",  L"Text Document", L"Internet Address"};

int HeightFor(KeywordListKind kind) { return kind == KeywordListKind::kInternet ? kInternetHeight : kHeight; }

}  // namespace

KeywordDialog::KeywordDialog(Form& owner, KeywordListKind kind, const std::vector<std::string>& choices)
    : Form({.caption = L"Preferences", .clientSize = {kWidth, HeightFor(kind)}, .owner = &owner}),
      kind_(kind),
      title_(*this, {.bounds = {0, 3, kWidth, 17}, .text = L" Keywords"},
             {.face = L"Arial", .points = 12, .bold = true}),
      positionLabel_(*this, {.bounds = {6, 29, 180, 13}, .text = L" When the subject: "}),
      position_(*this, {.bounds = {6, 42, 180, 100}, .items = {L"Begins with...", L"Contains..."}}),
      site_(*this, {.bounds = {6, 42, 180, 21}, .readOnly = true}),
      keywordLabel_(*this, {.bounds = {6, 68, 180, 13}, .text = L" the keyword: "}),
      keyword_(*this, {.bounds = {6, 81, 180, 21}}),
      typeLabel_(*this, {.bounds = {6, 107, 180, 13}, .text = L" Change the item type to: "}),
      types_(*this, {.bounds = {6, 120, 180, 200}}),
      categories_(*this, {.bounds = {6, 120, 180, 200}, .editable = true}),
      criteria_(*this, {.bounds = {6, 120, 180, 21}}),
      wildcardNote_(*this, {.bounds = {6, 148, 265, 28},
                            .text = L"Use * after a keyword to match the base word.\r\nEx. meet* will match \"meet\" "
                                    L"or \"meeting\" or \"meet:\""}),
      internetNote_(*this, {.bounds = {6, 178, 265, 14},
                            .text = L"The * wildcard does not work with category or internet keywords."}),
      hint_(*this, {.bounds = {10, 196, 241, 65}, .multiLine = true, .readOnly = true}),
      okButton_(*this, {.bounds = {kWidth - 150, HeightFor(kind) - 28, 68, 23}, .text = L"OK", .isDefault = true}),
      cancelButton_(*this, {.bounds = {kWidth - 76, HeightFor(kind) - 28, 68, 23},
                            .text = L"Cancel",
                            .isCancel = true,
                            .result = DialogResult::kCancel}) {
  title_.color = RGB(255, 255, 255);
  okButton_.onClick = [this] { Accept(); };
  SetUpFor(kind, choices);
}

void KeywordDialog::SetUpFor(KeywordListKind kind, const std::vector<std::string>& choices) {
  const bool items = kind == KeywordListKind::kItems, internet = kind == KeywordListKind::kInternet;
  positionLabel_.SetVisible(items || internet);
  position_.SetVisible(items);
  site_.SetVisible(internet);
  types_.SetVisible(items || kind == KeywordListKind::kIcons);
  categories_.SetVisible(kind == KeywordListKind::kCategories);
  criteria_.SetVisible(internet);
  hint_.SetVisible(internet);
  if (!items) keywordLabel_.SetText(L" Keyword: ");
  switch (kind) {
    case KeywordListKind::kItems:
      types_.SetItems(kItemTypes);
      break;
    case KeywordListKind::kCategories: {
      title_.SetText(L" Keywords: Category");
      typeLabel_.SetText(L" Select the category: ");
      std::vector<std::wstring> names;
      for (const std::string& name : choices) names.push_back(Widen(name));
      categories_.SetItems(names);
      break;
    }
    case KeywordListKind::kInternet:
      title_.SetText(L" Keywords: Internet");
      positionLabel_.SetText(L" Web Service: ");
      typeLabel_.SetText(L" Default search criteria: ");
      break;
    case KeywordListKind::kIcons: {
      title_.SetText(L" Keywords: Icon");
      typeLabel_.SetText(L" Change the icon to: ");
      // Only icons a record can name: a character exists for each of them.
      iconCount_ = StorableIconCount(choices);
      std::vector<std::wstring> icons;
      for (int n = 1; n <= iconCount_; ++n) icons.push_back(Widen(IconCaption(choices, n)));
      types_.SetItems(icons);
      break;
    }
  }
}

void KeywordDialog::Prefill(const std::string* record) {
  const std::wstring keyword = record ? Widen(RecordKeyword(*record)) : std::wstring();
  keyword_.SetText(kind_ == KeywordListKind::kInternet ? keyword : Widen(AsciiLower(Narrow(keyword))));
  switch (kind_) {
    case KeywordListKind::kItems:
      position_.SetSelection(record && StartsWith(*record, "K=1") ? 1 : 0);
      types_.SetSelection(record ? std::clamp(RecordType(*record).value_or(1), 1, 10) - 1 : 0);
      break;
    case KeywordListKind::kCategories:
      categories_.SetText(record ? Widen(RecordCategory(*record)) : std::wstring());
      break;
    case KeywordListKind::kInternet: {
      modified_ = record ? *record : std::string();
      site_.SetText(Widen(ServiceCaption(modified_)));
      const bool criteria = Contains(modified_, "<QRV!>") && Contains(modified_, "<D=");
      criteria_.SetText(criteria ? Widen(ServiceCriteria(modified_)) : kNoneAllowed);
      SendMessageW(criteria_.Handle(), EM_SETREADONLY, criteria ? FALSE : TRUE, 0);
      hint_.SetText(Widen(ServiceHint(modified_)));
      break;
    }
    case KeywordListKind::kIcons: {
      const std::string tail = record ? RecordTail(*record) : std::string();
      const int icon = tail.empty() ? 1 : CreateIconValue(tail[0]);
      types_.SetSelection(icon >= 1 && icon <= iconCount_ ? icon - 1 : (record ? -1 : 0));
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
    result_ = BuildRecord();
    EndModal(DialogResult::kOk);
  } catch (const RecordFieldError& e) {
    ShowMessage(Widen(e.what()), MessageKind::kWarning);
    keyword_.Focus();
  }
}

std::string KeywordDialog::BuildRecord() const {
  const std::string typed = Narrow(keyword_.Text());
  const std::string keyword = AsciiUpper(typed);
  switch (kind_) {
    case KeywordListKind::kItems:
      return ItemRecord(position_.Selection() == 1, keyword,
                        static_cast<EntryType>(std::clamp(types_.Selection(), 0, 9) + 1));
    case KeywordListKind::kCategories: {
      const std::string category = Narrow(categories_.Text());
      if (std::string fault = CategoryFault(keyword, category); !fault.empty()) throw RecordFieldError(fault);
      return CategoryRecord(keyword, category);
    }
    case KeywordListKind::kInternet: {
      const std::string criteria = Narrow(criteria_.Text());
      const bool editable = !(GetWindowLongPtrW(criteria_.Handle(), GWL_STYLE) & ES_READONLY);
      return ModifiedService(modified_, typed, editable ? &criteria : nullptr);
    }
    case KeywordListKind::kIcons:
      break;
  }
  if (types_.Selection() < 0) throw RecordFieldError("Choose an icon.");
  return IconRecord(keyword, ExtractIconValue(types_.Selection() + 1));
}

void KeywordDialog::PaintBackground(HDC dc, const RECT& area) {
  Form::PaintBackground(dc, area);
  PaintTitleBand(dc, kTitleHeight, kTitleBand);
}

}  // namespace qrv
