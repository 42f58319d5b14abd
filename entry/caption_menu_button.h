// The button the Information Item window paints into its caption bar, right of
// the caption's text and left of the standard caption buttons, and the subject
// menu it opens. The window hands it the frame's messages.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {

class CaptionMenuButton {
 public:
  CaptionMenuButton(Form& form, bool keywordRemoval);

  PopupMenu& Menu() { return menu_; }
  // The button's place in window coordinates (its first drawing places it).
  RECT Rect() const { return place_; }
  // Placed anew for the window's size, and drawn while the window shows.
  void Draw();
  bool Hit(LPARAM screenPoint) const;
  // Under the button.
  void OpenMenu();
  // The window's frame messages: true when handled here, with the result.
  // `standard` runs the window's own handling of the message.
  bool FrameMessage(UINT msg, WPARAM wp, LPARAM lp, const std::function<LRESULT()>& standard, LRESULT& result);

  std::function<void()> onFindContact;
  std::function<void()> onCheckNames;
  std::function<void()> onPrint;
  std::function<void(bool on)> onKeywordRemoval;

 private:
  void Place();

  Form& form_;
  RECT place_{};
  PopupMenu menu_;
  MenuItem findContactItem_{menu_, {.text = L"Find Contact in Subject", .hotkeyText = L"Ctrl+F"}};
  MenuItem checkNamesItem_{menu_, {.text = L"Check Names in To/Cc", .hotkeyText = L"Ctrl+K"}};
  MenuItem printBodyItem_{menu_, {.text = L"Print Body", .hotkeyText = L"Ctrl+P"}};
  MenuItem separator_{menu_, {.text = L"-"}};
  MenuItem keywordRemovalItem_;
};

}  // namespace qrv
