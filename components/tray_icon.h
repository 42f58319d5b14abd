// The program's icon in the notification area of the taskbar: shown and
// removed, with a tip, reporting the mouse on it through events of its owner
// form's window (the callback message arrives there). The icon comes back by
// itself when the shell restarts; an icon the shell refused is tried again
// every second until it shows. Shown() and onShownChange tell the owner
// whether the icon really is there, so that a program that lives in the icon
// alone can stay on the screen until it is.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

#include "components/window_subclass.h"
#include "ui/timer.h"

namespace qrv {

class Form;
class PopupMenu;

// The shell's call, replaced in tests to make it refuse.
using NotifyIconFunction = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);

struct TrayIconArgs {
  std::wstring tip{};
  HICON icon = nullptr;                 // null: the program's icon "MAINICON"
  NotifyIconFunction notify = nullptr;  // null: the shell's
};

class TrayIcon {
 public:
  // The message the icon's mouse messages arrive with at the owner's window.
  static constexpr UINT kCallbackMessage = 10124;
  static constexpr std::size_t kMaxTipLength = 63;

  TrayIcon(Form& owner, const TrayIconArgs& args = {});
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Asks for the icon to be shown or removed.
  void SetActive(bool active);
  bool Active() const { return active_; }
  // Whether the icon is in the notification area now.
  bool Shown() const { return shown_; }
  // The icon's identifier, the first parameter of the callback message.
  UINT Id() const { return id_; }

  // The tip shows under the mouse; only its first 63 characters are kept.
  void SetTip(const std::wstring& tip);
  const std::wstring& Tip() const { return tip_; }
  void SetIcon(HICON icon);

  // Pops a menu up at a point of the screen for the icon: the owner comes to
  // the front first so that the menu closes when the user clicks elsewhere.
  void ShowMenu(PopupMenu& menu, POINT at);

  // The mouse on the icon, with the cursor's place on the screen: a press of
  // the left or the right button, a double click with the left one.
  std::function<void(POINT at)> onLeftClick;
  std::function<void(POINT at)> onRightClick;
  std::function<void(POINT at)> onDoubleClick;
  // The icon came into the notification area or left it (also when the shell
  // lost it or refused it).
  std::function<void(bool shown)> onShownChange;

 private:
  bool OwnerMessage(UINT msg, WPARAM wp, LPARAM lp);
  void MouseMessage(UINT mouseMessage);
  void Add();
  void Remove();
  void Modify();
  NOTIFYICONDATAW Data(UINT flags) const;
  HICON IconHandle() const;
  void SetShown(bool shown);

  Form& owner_;
  NotifyIconFunction notify_;
  std::wstring tip_;
  HICON icon_;
  UINT id_;
  UINT taskbarCreated_;
  bool active_ = false;
  bool shown_ = false;
  Timer retry_;
  WindowSubclass ownerMessages_;
};

}  // namespace qrv
