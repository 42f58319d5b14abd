// The bar's controls: the collapsed bar's strip, the loading word, the new-item,
// folder and extra buttons, and the collapse, preferences and quit buttons, in
// their places at 96 DPI (the first made lies on top); their places from the
// settings and what each one starts.
#pragma once

#include <array>
#include <functional>

#include "bar/bar_commands.h"
#include "bar/bar_pictures.h"
#include "core/bar_settings.h"
#include "ui/drawn_control.h"
#include "ui/form.h"

namespace qrv {

// What the buttons and the strip start beside the bar's commands.
struct BarButtonActions {
  std::function<void()> toggleCollapsed;
  std::function<void()> newInformationItem;
  std::function<void(PreferencePage)> showPreferences;
  std::function<void()> quit;
  // The bar menu at a point of the screen.
  std::function<void(int x, int y)> showMenu;
};

class BarButtons {
 public:
  BarButtons(Form& bar, BarCommands& commands, const BarSettings& settings, BarButtonActions actions);

  BarButton& NewItemButton(EntryType type) { return newItemButtons_.at(static_cast<std::size_t>(type) - 1); }
  BarButton& FolderButton(FolderKind folder) { return folderButtons_.at(static_cast<std::size_t>(folder) - 1); }
  // The collapsed bar's strip.
  BarImage& Strip() { return strip_; }
  int StripHeight() const { return strip_.Height(); }
  // The open bar's buttons shown or hidden; the preferences button stays, enabled with them.
  void Show(bool shown);
  // The start-up is over: the loading word goes and the buttons stand where the settings say.
  void HideLoadingLetters();
  void Place();
  void SetLaunchHint(const std::wstring& hint);
  // The start-up has begun: the preferences button shows.
  void ShowPreferencesButton() { prefsButton_.SetVisible(true); }

 private:
  void Bind();
  void OnNewItemMouseUp(EntryType type, MouseButton button);
  void OnFolderMouseUp(FolderKind folder, MouseButton button);
  void OnStripMouseUp(MouseButton button, int x, int y);

  Form& bar_;
  BarCommands& commands_;
  const BarSettings& settings_;
  BarButtonActions actions_;
  BarImage strip_;
  std::array<PictureLabel, 8> loadingLetters_;
  std::array<BarButton, 8> newItemButtons_;  // by entry type, task first
  std::array<BarButton, 6> folderButtons_;   // by folder kind, tasks first
  std::array<BarButton, 4> extraButtons_;    // by extra action, Open Outlook first
  BarButton collapseButton_;
  BarButton prefsButton_;
  BarButton quitButton_;
};

}  // namespace qrv
