// The bar's buttons and its strip: opening and collapsing, the buttons' places
// from the settings, and what each button starts.
#include "bar/bar_window.h"
#include "bar/settings.h"
#include "core/bar_settings.h"
#include "ui/app.h"

namespace qrv {

void BarWindow::ToggleCollapsed() {
  auto& app = ui::Application::Get();
  if (Collapsed()) {
    collapsedStrip_->SetVisible(false);
    ShowButtons(true);
    app.ProcessMessages();
    SetWidth(kOpenWidth);
    Update();
    idleTimer_->SetEnabled(true);
  } else {
    idleTimer_->SetEnabled(false);
    collapsedStrip_->SetVisible(true);
    SetWidth(kCollapsedWidth);
    app.ProcessMessages();
    ShowButtons(false);
    Update();
  }
  app.ProcessMessages();
}

// An action started from the open bar collapses it. The bar may have collapsed
// meanwhile (the idle time ran out while the categories were chosen): it is
// not opened again.
void BarWindow::CollapseAfterAction() {
  if (!Collapsed()) ToggleCollapsed();
}

int BarWindow::StripHeight() const { return collapsedStrip_->Height(); }

void BarWindow::ShowButtons(bool shown) {
  for (int folder = 1; folder <= 6; ++folder) folderButtons_[folder]->SetVisible(false);
  for (int folder = 1; folder <= 6; ++folder)
    folderButtons_[folder]->SetVisible(FolderButtonShown(data_.settings, static_cast<FolderKind>(folder)) && shown);
  prefsButton_->SetVisible(true);
  prefsButton_->SetEnabled(shown);
  for (ui::Control* c : {static_cast<ui::Control*>(collapseButton_), static_cast<ui::Control*>(quitButton_)}) {
    c->SetVisible(shown);
    c->SetEnabled(shown);
  }
}

void BarWindow::HideLoadingLetters() {
  for (int n = 1; n <= 8; ++n) loadingLetters_[n]->SetVisible(false);
}

void BarWindow::PlaceButtons() {
  for (const ButtonPlacement& p : data_.settings.buttonLayout) {
    TCoolButton* button = p.extra ? extraButtons_[p.button] : newItemButtons_[p.button];
    button->SetBounds(12, p.top, button->Width(), button->Height());
    button->SetVisible(p.shown);
    const auto type = p.extra ? std::nullopt : EntryTypeOf(p.button);
    const auto kind = type ? FolderOfEntryType(*type) : std::nullopt;
    if (p.shown && kind) {
      TCoolButton* folder = folderButtons_[static_cast<int>(*kind)];
      folder->SetBounds(1, p.top, folder->Width(), folder->Height());
    }
  }
}

// --- what the buttons start ------------------------------------------------------------

void BarWindow::OnNewItemButtonClick(ui::Control& sender) {
  commands_.ShowNewItem(static_cast<EntryType>(sender.Tag), Origin::kBar, false, sender.Hint);
}

// The right button asks for the item's categories whatever the settings say.
void BarWindow::OnNewItemButtonMouseUp(ui::Control& sender, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight)
    commands_.ShowNewItem(static_cast<EntryType>(sender.Tag), Origin::kBar, true, sender.Hint);
}

void BarWindow::OnFolderButtonClick(ui::Control& sender) {
  commands_.ViewFolder(static_cast<FolderKind>(sender.Tag), Origin::kBar, false);
}

// The right button opens the folder in a window of its own.
void BarWindow::OnFolderButtonRightClick(ui::Control& sender, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight) commands_.ViewFolder(static_cast<FolderKind>(sender.Tag), Origin::kBar, true);
}

void BarWindow::OnExtraButtonClick(ui::Control& sender) {
  commands_.RunExtraAction(static_cast<ExtraAction>(sender.Tag), Origin::kBar);
}

void BarWindow::OnPrefsButtonClick(ui::Control&) { ShowPreferences(PreferencePage::kGeneral); }

void BarWindow::OnPrefsButtonMouseUp(ui::Control&, ui::MouseButton button, int, int) {
  if (button == ui::MouseButton::kRight) ShowPreferences(PreferencePage::kKeywords);
}

void BarWindow::OnCollapseButtonClick(ui::Control&) { ToggleCollapsed(); }

void BarWindow::OnQuitButtonClick(ui::Control&) { Close(); }

// On the strip of the collapsed bar: a click opens the bar, or opens a new
// Information Item where the collapse button would be; the right button shows
// the bar menu.
void BarWindow::OnCollapsedStripMouseUp(ui::Control&, ui::MouseButton button, int x, int y) {
  if (x >= Width()) return;
  if (button == ui::MouseButton::kLeft) {
    if (collapseButton_->Top() < y && y < collapseButton_->Top() + collapseButton_->Height()) CreateEntry();
    else ToggleCollapsed();
  } else if (button == ui::MouseButton::kRight) {
    barMenu_->Popup(x, y + Top());
  }
}

}  // namespace qrv
