#include "bar/unitCategories.h"

#include "ui/app.h"
#include "ui/layout.h"

namespace {

using ui::kBold;
using ui::kMultiSelect;
using ui::Make;

// The work area below the title panel.
constexpr int kWork = 22;

}  // namespace

TCategories::TCategories() : ui::Form(L"TCategories", L"Categories", 222, 304) {
  SetBorderIcons(false);
  ui::BuildLayout(*this, {
      // name, kind, left, top, width, height, caption, style, tag, hint, picture, data, font, points
      {L"PanelCTitle", Make<ui::Panel>, 0, 0, 222, kWork, L" Select Categories...", kBold, 0, L"", nullptr, nullptr,
       L"Arial", 10},
      {L"Label1", Make<ui::Label>, 10, kWork + 5, 194, 14, L" Available Outlook categories: "},
      {L"CategoriesList", Make<ui::ListBox>, 10, kWork + 22, 194, 220, L"", kMultiSelect},
      {L"SpeedButton1", Make<ui::SpeedButton>, 31, kWork + 246, 49, 22, L"&OK"},
      {L"SpeedButton2", Make<ui::SpeedButton>, 83, kWork + 246, 49, 22, L"&ALL"},
      {L"SpeedButton3", Make<ui::SpeedButton>, 135, kWork + 246, 49, 22, L"&NONE"},
  });
  ui::BindClicks(*this, {
      {L"SpeedButton1", &TCategories::SpeedButton1Click},
      {L"SpeedButton2", &TCategories::SpeedButton2Click},
      {L"SpeedButton3", &TCategories::SpeedButton3Click},
  });
  PanelCTitle = &Get<ui::Panel>(L"PanelCTitle");
  PanelCTitle->Color = RGB(0, 0, 128);
  PanelCTitle->FontColor = RGB(255, 255, 255);
  CategoriesList = &Get<ui::ListBox>(L"CategoriesList");
  SpeedButton1 = &Get<ui::SpeedButton>(L"SpeedButton1");
  SpeedButton2 = &Get<ui::SpeedButton>(L"SpeedButton2");
  SpeedButton3 = &Get<ui::SpeedButton>(L"SpeedButton3");
  FormCreate();
}

// The bar comes to the front first, so the dialog opens beside it in view.
void TCategories::FormCreate() {
  if (ui::Form* bar = ui::Application::Get().MainForm()) {
    SetForegroundWindow(bar->Handle());
    bar->BringToFront();
  }
}

void TCategories::SpeedButton1Click(ui::Control&) { ModalResult = ui::mrOk; }

void TCategories::SpeedButton2Click(ui::Control&) { CategoriesList->SelectAll(true); }

void TCategories::SpeedButton3Click(ui::Control&) { CategoriesList->SelectAll(false); }
