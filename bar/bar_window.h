// The bar: the program's main window. A narrow borderless topmost window at
// the left screen edge, shaped by its background picture, either collapsed to
// a 6-pixel strip or open at 38 pixels with its buttons (pixels at 96 DPI; the
// bar scales with its display). It is made of parts: its buttons, its menu,
// the preferences window it opens, the Information Item windows it opens and
// the hand-off queue; what its buttons and menu start runs in BarCommands.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bar/bar_buttons.h"
#include "bar/bar_commands.h"
#include "bar/bar_data.h"
#include "bar/bar_entries.h"
#include "bar/bar_menu.h"
#include "bar/bar_preferences.h"
#include "bar/hand_off_queue.h"
#include "components/shaped_form.h"
#include "entry/actions/item_actions.h"
#include "hotkeys/hotkey_actions.h"
#include "outlook/outlook_session.h"
#include "ui/timer.h"

namespace qrv {

class BarWindow : public ShapedForm, private CommandHost {
 public:
  // Widths and height at 96 DPI.
  static constexpr int kCollapsedWidth = 6;
  static constexpr int kOpenWidth = 38;
  static constexpr int kHeight = 302;

  // `args` are the command line's arguments after the program. The bar hears
  // hand-offs from the moment it exists; it serves them once started up: a
  // web-service file handed over by a second instance or given on the command
  // line goes to the preferences window's import.
  // The Information Item windows it opens act through `entryActions`.
  BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args);
  ~BarWindow() override;

  // Places the bar at the left edge where the settings say, asks about the
  // ".qrv" association and starts the start-up timer. The program calls it
  // once, right after making the bar.
  void Launch();
  bool Collapsed() const { return collapsed_; }
  // Opens the collapsed bar, or collapses the open one.
  void ToggleCollapsed();
  // Connects to Outlook, reads the settings and the files, collapses the bar
  // and serves the requests that waited for it. The start-up timer runs it.
  void StartUp();
  // Asked before the bar closes: the questions about open Information Items
  // and Outlook; true lets it close.
  bool CanClose() override;

  // The parts: the bar menu (also the notification-area icon's), the
  // preferences window, the buttons and the open Information Item windows.
  BarMenu& Menu() { return menu_; }
  BarPreferences& Preferences() { return *prefs_; }
  BarButtons& Buttons() { return buttons_; }
  EntryWindowList& EntryWindows() { return entries_.Windows(); }

  // Opens the help viewer on a page beside the bar, or turns the open one to it.
  void ShowHelp(int page);
  // What the user's hotkeys reach in the bar; the menu's "Hotkeys..." runs
  // showHotkeyEditor.
  HotkeyTargets ForHotkeys();
  std::function<void()> showHotkeyEditor;

 protected:
  // A bar whose preferences part `makePreferences` makes.
  BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args,
            const PreferencesMaker& makePreferences);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void DpiChanged() override;

 private:
  void LoadBackground();
  bool KeepAwake(const MSG& msg);
  LRESULT OnEndSession(WPARAM ending);

  // CommandHost.
  HWND Owner() const override { return Handle(); }
  int BarTop() const override { return Top(); }
  int StripHeight() const override { return buttons_.StripHeight(); }
  void CollapseAfterAction() override;

  // The bar itself.
  int Top() const { return WindowRect().top; }
  void SetBarWidth(int designWidth);
  void SetShown(bool shown);
  void ToggleShown();
  void ApplyProgramMode();
  void ApplyPosition(const std::string& text);
  void ReadSettings();

  BarData& data_;
  OutlookSession& outlook_;
  BarCommands commands_;
  std::vector<std::string> args_;
  ItemActions& entryActions_;
  BarEntries entries_{*this, data_, entryActions_};
  std::unique_ptr<BarPreferences> prefs_;
  HandOffQueue handOff_{*this, [this](const std::wstring& path) { prefs_->ImportFile(path); }};
  bool waited_ = false;  // the start-up's pause has passed
  bool collapsed_ = false;
  int filterId_ = 0;

  // The controls, then the menu.
  BarButtons buttons_;
  BarMenu menu_;

  Timer startUpTimer_{*this, 100};
  Timer idleTimer_{*this, 0};
  Timer positionTimer_{*this, 1000};
};

}  // namespace qrv
