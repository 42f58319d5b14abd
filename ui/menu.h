// Pop-up menus made from layout rows: a PopupMenu row, then one MenuItem row
// per item naming the menu (or, for a sub-menu, the item) it belongs to. An item
// is a control without a place of its own: its Caption ("-" draws a separator;
// a tab puts the text after it at the right, as a hotkey), Tag, Enabled,
// Visible and Checked say how it shows, and OnClick runs when it is chosen.
// The system menu is built anew each time the menu pops up, so a change shows
// at the next popup.
#pragma once

#include <functional>
#include <vector>

#include "ui/control.h"

namespace ui {

class MenuItem;

class PopupMenu : public Control {
 public:
  PopupMenu(Form& owner, const LayoutRow& row);

  // Runs OnPopup, shows the menu with its top-left corner at a point of the
  // screen and, once it has closed, runs the chosen item's OnClick.
  void Popup(int x, int y);
  // The system menu; `commands` receives the items that can be chosen, the
  // command number of each being its place in that list plus one. The caller
  // destroys the menu.
  HMENU Build(std::vector<MenuItem*>& commands) const;

  std::vector<MenuItem*> Items;
  std::function<void(PopupMenu&)> OnPopup;
};

class MenuItem : public Control {
 public:
  MenuItem(Form& owner, const LayoutRow& row);
  bool IsSeparator() const { return Caption() == L"-"; }

  bool Checked;
  std::vector<MenuItem*> Items;  // a sub-menu when not empty
};

}  // namespace ui
