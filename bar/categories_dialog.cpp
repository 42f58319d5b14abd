#include "bar/categories_dialog.h"

#include "ui/app.h"
#include "ui/layout.h"

namespace qrv {
namespace {

using ui::kBold;
using ui::kMultiSelect;
using ui::Make;

// The work area below the title panel.
constexpr int kWork = 22;

}  // namespace

CategoriesDialog::CategoriesDialog() : ui::Form(L"QuorvelCategories", L"Categories", 222, 304) {
  SetBorderIcons(false);
  ui::BuildLayout(*this, {
      // name, kind, left, top, width, height, caption, style, tag, hint, picture, data, font, points
      {L"titlePanel", Make<ui::Panel>, 0, 0, 222, kWork, L" Select Categories...", kBold, 0, L"", nullptr, nullptr,
       L"Arial", 10},
      {L"listLabel", Make<ui::Label>, 10, kWork + 5, 194, 14, L" Available Outlook categories: "},
      {L"categoriesList", Make<ui::ListBox>, 10, kWork + 22, 194, 220, L"", kMultiSelect},
      {L"okButton", Make<ui::SpeedButton>, 31, kWork + 246, 49, 22, L"&OK"},
      {L"allButton", Make<ui::SpeedButton>, 83, kWork + 246, 49, 22, L"&ALL"},
      {L"noneButton", Make<ui::SpeedButton>, 135, kWork + 246, 49, 22, L"&NONE"},
  });
  ui::BindClicks(*this, {
      {L"okButton", &CategoriesDialog::OnOkClick},
      {L"allButton", &CategoriesDialog::OnAllClick},
      {L"noneButton", &CategoriesDialog::OnNoneClick},
  });
  titlePanel_ = &Get<ui::Panel>(L"titlePanel");
  titlePanel_->Color = RGB(0, 0, 128);
  titlePanel_->FontColor = RGB(255, 255, 255);
  categoriesList_ = &Get<ui::ListBox>(L"categoriesList");
  BringBarToFront();
}

// The bar comes to the front first, so the dialog opens beside it in view.
void CategoriesDialog::BringBarToFront() {
  if (ui::Form* bar = ui::Application::Get().MainForm()) {
    SetForegroundWindow(bar->Handle());
    bar->BringToFront();
  }
}

void CategoriesDialog::OnOkClick(ui::Control&) { ModalResult = IDOK; }

void CategoriesDialog::OnAllClick(ui::Control&) { categoriesList_->SelectAll(true); }

void CategoriesDialog::OnNoneClick(ui::Control&) { categoriesList_->SelectAll(false); }

}  // namespace qrv
