// The bar's buttons and its strip: opening and collapsing, the buttons' places
// from the settings, and what each button starts.
#include "bar/bar_window.h"
#include "bar/paint_now.h"
#include "components/settings.h"
#include "core/bar_settings.h"
#include "ui/app.h"

namespace qrv {

void BarWindow::MoveTo(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BarWindow::SetBarWidth(int designWidth) {
  const RECT bar = WindowRect();
  SetWindowRect(bar.left, bar.top, Scale(designWidth), bar.bottom - bar.top);
}

void BarWindow::SetShown(bool shown) {
  if (shown) {
    ShowWindow(Handle(), SW_SHOW);
  } else {
    Hide();
  }
}

// Each step is painted before the next, so the bar never shows half changed.
void BarWindow::ToggleCollapsed() {
  if (Collapsed()) {
    collapsed_ = false;
    collapsedStrip_.SetVisible(false);
    ShowButtons(true);
    PaintNow();
    SetBarWidth(kOpenWidth);
    PaintNow();
    idleTimer_.SetEnabled(true);
  } else {
    collapsed_ = true;
    idleTimer_.SetEnabled(false);
    collapsedStrip_.SetVisible(true);
    SetBarWidth(kCollapsedWidth);
    PaintNow();
    ShowButtons(false);
    PaintNow();
  }
}

// An action started from the open bar collapses it. The bar may have collapsed
// meanwhile (the idle time ran out while the categories were chosen): it is
// not opened again.
void BarWindow::CollapseAfterAction() {
  if (!Collapsed()) ToggleCollapsed();
}

int BarWindow::StripHeight() const { return collapsedStrip_.Height(); }

void BarWindow::ShowButtons(bool shown) {
  for (std::size_t n = 0; n < folderButtons_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderButtons_[n].SetVisible(FolderButtonShown(data_.settings, folder) && shown);
  }
  prefsButton_.SetVisible(true);
  prefsButton_.SetEnabled(shown);
  for (BarButton* button : {&collapseButton_, &quitButton_}) {
    button->SetVisible(shown);
    button->SetEnabled(shown);
  }
}

void BarWindow::HideLoadingLetters() {
  for (PictureLabel& letter : loadingLetters_) letter.SetVisible(false);
}

void BarWindow::PlaceButtons() {
  for (const ButtonPlacement& p : data_.settings.buttonLayout) {
    const auto index = static_cast<std::size_t>(p.button) - 1;
    BarButton& button = p.extra ? extraButtons_.at(index) : newItemButtons_.at(index);
    const Bounds bounds = button.DesignBounds();
    button.SetBounds({12, p.top, bounds.width, bounds.height});
    button.SetVisible(p.shown);
    const auto type = p.extra ? std::nullopt : EntryTypeOf(p.button);
    const auto kind = type ? FolderOfEntryType(*type) : std::nullopt;
    if (p.shown && kind) {
      BarButton& folder = FolderButton(*kind);
      const Bounds folderBounds = folder.DesignBounds();
      folder.SetBounds({1, p.top, folderBounds.width, folderBounds.height});
    }
  }
}

// --- what the buttons start ------------------------------------------------------------

void BarWindow::OnNewItemButtonClick(EntryType type) {
  commands_.ShowNewItem(type, Origin::kBar, false, NewItemName(type));
}

// The right button asks for the item's categories whatever the settings say.
void BarWindow::OnNewItemButtonRightClick(EntryType type, MouseButton button) {
  if (button == MouseButton::kRight) commands_.ShowNewItem(type, Origin::kBar, true, NewItemName(type));
}

void BarWindow::OnFolderButtonClick(FolderKind folder) { commands_.ViewFolder(folder, Origin::kBar, false); }

// The right button opens the folder in a window of its own.
void BarWindow::OnFolderButtonRightClick(FolderKind folder, MouseButton button) {
  if (button == MouseButton::kRight) commands_.ViewFolder(folder, Origin::kBar, true);
}

void BarWindow::OnExtraButtonClick(ExtraAction action) { commands_.RunExtraAction(action, Origin::kBar); }

void BarWindow::OnPrefsButtonRightClick(MouseButton button) {
  if (button == MouseButton::kRight) ShowPreferences(PreferencePage::kKeywords);
}

// On the strip of the collapsed bar: a click opens the bar, or opens a new
// Information Item where the collapse button would be; the right button shows
// the bar menu.
void BarWindow::OnCollapsedStripMouseUp(MouseButton button, int x, int y) {
  const RECT bar = WindowRect();
  if (x >= bar.right - bar.left) return;
  if (button == MouseButton::kLeft) {
    const RECT collapse = collapseButton_.PlacedRect();
    if (collapse.top < y && y < collapse.bottom) {
      CreateEntry();
    } else {
      ToggleCollapsed();
    }
  } else if (button == MouseButton::kRight) {
    barMenu_.Popup(*this, x, y + bar.top);
  }
}

}  // namespace qrv
