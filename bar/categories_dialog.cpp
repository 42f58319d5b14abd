#include "bar/categories_dialog.h"

#include "ui/app.h"
#include "ui/gdi.h"

namespace qrv {
namespace {

// The title band above the work area, and its colours.
constexpr int kTitleHeight = 22;
constexpr COLORREF kTitleBand = RGB(0, 0, 128);

}  // namespace

CategoriesDialog::CategoriesDialog()
    : Form({.caption = L"Categories", .clientSize = {222, 304}, .systemMenu = false}),
      title_(*this, {.bounds = {0, 3, 222, 17}, .text = L" Select Categories..."},
             {.face = L"Arial", .points = 10, .bold = true}),
      listLabel_(*this, {.bounds = {10, kTitleHeight + 5, 194, 14}, .text = L" Available Outlook categories: "}),
      categoriesList_(*this, {.bounds = {10, kTitleHeight + 22, 194, 220}, .multiSelect = true}),
      okButton_(*this, {.bounds = {31, kTitleHeight + 246, 49, 22},
                        .text = L"&OK",
                        .isDefault = true,
                        .result = DialogResult::kOk,
                        .takesFocus = false}),
      allButton_(*this, {.bounds = {83, kTitleHeight + 246, 49, 22}, .text = L"&ALL", .takesFocus = false}),
      noneButton_(*this, {.bounds = {135, kTitleHeight + 246, 49, 22}, .text = L"&NONE", .takesFocus = false}) {
  title_.color = RGB(255, 255, 255);
  allButton_.onClick = [this] { SelectAll(true); };
  noneButton_.onClick = [this] { SelectAll(false); };
  BringBarToFront();
}

std::vector<std::wstring> CategoriesDialog::ChosenEntries() const {
  const std::vector<std::wstring> entries = categoriesList_.Items();
  std::vector<std::wstring> chosen;
  for (int index : categoriesList_.SelectedIndexes()) chosen.push_back(entries.at(static_cast<std::size_t>(index)));
  return chosen;
}

void CategoriesDialog::PaintBackground(HDC dc, const RECT& area) {
  Form::PaintBackground(dc, area);
  PaintTitleBand(dc, kTitleHeight, kTitleBand);
}

// The bar comes to the front first, so the dialog opens beside it in view.
void CategoriesDialog::BringBarToFront() {
  if (Form* bar = Application::Get().MainForm()) {
    SetForegroundWindow(bar->Handle());
    SetWindowPos(bar->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void CategoriesDialog::SelectAll(bool selected) {
  for (int n = 0; n < categoriesList_.Count(); ++n) categoriesList_.SetSelected(n, selected);
}

}  // namespace qrv
