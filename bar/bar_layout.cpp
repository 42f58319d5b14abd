// The bar's layout: its controls in pixels, the bindings of their events, and
// its timers.
#include "bar/bar_window.h"
#include "ui/layout.h"

namespace qrv {
namespace {

using ui::kBold;
using ui::kCentered;
using ui::kDisabled;
using ui::kHidden;
using ui::kTransparent;
using ui::Make;

// The loading word down the bar: white bold letters.
constexpr unsigned kLetter = kBold | kCentered;

}  // namespace

void BarWindow::BuildLayout() {
  ui::BuildLayout(*this, {
      // name, kind, left, top, width, height, caption, style, tag, hint, picture, data
      {L"background", Make<TCoolForm>, 0, 0, 104, 302, L"", kTransparent, 0, L"", L"BARBACK", L"BARMASK"},
      {L"collapsedStrip", Make<ui::Image>, 0, 0, 10, 298, L"", kHidden | kTransparent, 0, L"", L"BARSTRIP"},
      {L"loadingLetter1", Make<ui::Label>, 9, 24, 20, 16, L"L", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter2", Make<ui::Label>, 9, 59, 20, 16, L"O", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter3", Make<ui::Label>, 9, 93, 20, 16, L"A", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter4", Make<ui::Label>, 9, 127, 20, 16, L"D", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter5", Make<ui::Label>, 9, 161, 20, 16, L"I", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter6", Make<ui::Label>, 9, 195, 20, 16, L"N", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter7", Make<ui::Label>, 9, 229, 20, 16, L"G", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"loadingLetter8", Make<ui::Label>, 9, 263, 20, 16, L"!", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"newItemButton1", Make<TCoolButton>, 12, 20, 25, 24, L"", kHidden, 1, L"New Task", L"NEW1"},
      {L"newItemButton2", Make<TCoolButton>, 12, 54, 25, 24, L"", kHidden, 2, L"New Note", L"NEW2"},
      {L"newItemButton3", Make<TCoolButton>, 12, 88, 25, 24, L"", kHidden, 3, L"New Appointment", L"NEW3"},
      {L"newItemButton4", Make<TCoolButton>, 12, 122, 25, 24, L"", kHidden, 4, L"New Contact", L"NEW4"},
      {L"newItemButton5", Make<TCoolButton>, 12, 156, 25, 24, L"", kHidden, 5, L"New E-Mail Item", L"NEW5"},
      {L"newItemButton6", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 6, L"New Journal Item", L"NEW6"},
      {L"newItemButton7", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 7, L"New Task Request", L"NEW7"},
      {L"newItemButton8", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 8, L"New Meeting Request", L"NEW8"},
      {L"folderButton1", Make<TCoolButton>, 1, 20, 9, 24, L"", kHidden, 1, L"View Task Folder", L"FOLDER1"},
      {L"folderButton2", Make<TCoolButton>, 1, 54, 9, 24, L"", kHidden, 2, L"View Notes Folder", L"FOLDER2"},
      {L"folderButton3", Make<TCoolButton>, 1, 88, 9, 24, L"", kHidden, 3, L"View Calendar Folder", L"FOLDER3"},
      {L"folderButton4", Make<TCoolButton>, 1, 122, 9, 24, L"", kHidden, 4, L"View Contact Folder", L"FOLDER4"},
      {L"folderButton5", Make<TCoolButton>, 1, 156, 9, 24, L"", kHidden, 5, L"View Inbox Folder", L"FOLDER5"},
      {L"folderButton6", Make<TCoolButton>, 1, 190, 9, 24, L"", kHidden, 6, L"View Journal Folder", L"FOLDER6"},
      {L"extraButton1", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 1, L"Open Outlook", L"EXTRA1"},
      {L"extraButton2", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 2, L"Open Outlook Today", L"EXTRA2"},
      {L"extraButton3", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 3, L"New Office Document", L"EXTRA3"},
      {L"extraButton4", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 4, L"Launch Program", L"EXTRA4"},
      {L"collapseButton", Make<TCoolButton>, 1, 223, 9, 54, L"", kHidden, 0, L"Minimize", L"COLLAPSE"},
      {L"prefsButton", Make<TCoolButton>, 12, 258, 25, 24, L"", kHidden | kDisabled, 0, L"About and Preferences",
       L"PREFS"},
      {L"quitButton", Make<ui::SpeedButton>, 0, 282, 13, 13, L"", 0, 0, L"Quit", L"QUIT"},
  });
  background_ = &Get<TCoolForm>(L"background");
  collapsedStrip_ = &Get<ui::Image>(L"collapsedStrip");
  quitButton_ = &Get<ui::SpeedButton>(L"quitButton");
  collapseButton_ = &Get<TCoolButton>(L"collapseButton");
  prefsButton_ = &Get<TCoolButton>(L"prefsButton");
  for (int n = 1; n <= 8; ++n) {
    newItemButtons_[n] = &Get<TCoolButton>(L"newItemButton" + std::to_wstring(n));
    loadingLetters_[n] = &Get<ui::Label>(L"loadingLetter" + std::to_wstring(n));
    loadingLetters_[n]->Color = RGB(255, 255, 255);
  }
  for (int n = 1; n <= 6; ++n) folderButtons_[n] = &Get<TCoolButton>(L"folderButton" + std::to_wstring(n));
  for (int n = 1; n <= 4; ++n) extraButtons_[n] = &Get<TCoolButton>(L"extraButton" + std::to_wstring(n));
  BindButtons();
  BuildTimers();
  BuildMenu();
}

void BarWindow::BindButtons() {
  ui::BindClicks(*this, {
      {L"newItemButton1", &BarWindow::OnNewItemButtonClick}, {L"newItemButton2", &BarWindow::OnNewItemButtonClick},
      {L"newItemButton3", &BarWindow::OnNewItemButtonClick}, {L"newItemButton4", &BarWindow::OnNewItemButtonClick},
      {L"newItemButton5", &BarWindow::OnNewItemButtonClick}, {L"newItemButton6", &BarWindow::OnNewItemButtonClick},
      {L"newItemButton7", &BarWindow::OnNewItemButtonClick}, {L"newItemButton8", &BarWindow::OnNewItemButtonClick},
      {L"folderButton1", &BarWindow::OnFolderButtonClick}, {L"folderButton2", &BarWindow::OnFolderButtonClick},
      {L"folderButton3", &BarWindow::OnFolderButtonClick}, {L"folderButton4", &BarWindow::OnFolderButtonClick},
      {L"folderButton5", &BarWindow::OnFolderButtonClick}, {L"folderButton6", &BarWindow::OnFolderButtonClick},
      {L"extraButton1", &BarWindow::OnExtraButtonClick}, {L"extraButton2", &BarWindow::OnExtraButtonClick},
      {L"extraButton3", &BarWindow::OnExtraButtonClick}, {L"extraButton4", &BarWindow::OnExtraButtonClick},
      {L"collapseButton", &BarWindow::OnCollapseButtonClick}, {L"prefsButton", &BarWindow::OnPrefsButtonClick},
      {L"quitButton", &BarWindow::OnQuitButtonClick},
  });
  ui::BindMouseUps(*this, {
      {L"newItemButton1", &BarWindow::OnNewItemButtonMouseUp}, {L"newItemButton2", &BarWindow::OnNewItemButtonMouseUp},
      {L"newItemButton3", &BarWindow::OnNewItemButtonMouseUp}, {L"newItemButton4", &BarWindow::OnNewItemButtonMouseUp},
      {L"newItemButton5", &BarWindow::OnNewItemButtonMouseUp}, {L"newItemButton6", &BarWindow::OnNewItemButtonMouseUp},
      {L"newItemButton7", &BarWindow::OnNewItemButtonMouseUp}, {L"newItemButton8", &BarWindow::OnNewItemButtonMouseUp},
      {L"folderButton1", &BarWindow::OnFolderButtonRightClick}, {L"folderButton2", &BarWindow::OnFolderButtonRightClick},
      {L"folderButton3", &BarWindow::OnFolderButtonRightClick}, {L"folderButton4", &BarWindow::OnFolderButtonRightClick},
      {L"folderButton5", &BarWindow::OnFolderButtonRightClick}, {L"folderButton6", &BarWindow::OnFolderButtonRightClick},
      {L"prefsButton", &BarWindow::OnPrefsButtonMouseUp}, {L"collapsedStrip", &BarWindow::OnCollapsedStripMouseUp},
  });
}

void BarWindow::BuildTimers() {
  startUpTimer_ = &AddTimer(L"startUpTimer", 100);
  idleTimer_ = &AddTimer(L"idleTimer", 0);
  positionTimer_ = &AddTimer(L"positionTimer", 1000);
  updateCheckTimer_ = &AddTimer(L"updateCheckTimer", kUpdateCheckIntervalMs);
  startUpTimer_->OnTimer = [this](ui::Timer&) { OnStartUpTimer(); };
  idleTimer_->OnTimer = [this](ui::Timer&) { OnIdleTimer(); };
  positionTimer_->OnTimer = [this](ui::Timer&) { OnPositionTimer(); };
  updateCheckTimer_->OnTimer = [this](ui::Timer&) { OnUpdateCheckTimer(); };
}

}  // namespace qrv
