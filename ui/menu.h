// Menus as typed objects: items with a text, a hotkey text shown at the right,
// a picture, checked, enabled and visible state, sub-menus and onClick. A pop-up menu is
// built anew each time it shows and runs the chosen item's onClick after it
// has closed; a menu bar builds each drop-down as it opens and translates its
// accelerators through a message filter of the application.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace qrv {

class Form;
class MenuItem;

// Something that holds menu items: a menu, or an item with a sub-menu.
class MenuItems {
 public:
  friend class MenuBar;
  virtual ~MenuItems() = default;
  const std::vector<MenuItem*>& Items() const { return items_; }

 protected:
  // Appends the visible items to a system menu and the ones that can be chosen
  // to `commands`; an item's command id is idBase plus its place there plus one.
  void AppendTo(HMENU menu, std::vector<MenuItem*>& commands, UINT idBase = 0) const;

 private:
  friend class MenuItem;
  std::vector<MenuItem*> items_;
};

struct MenuItemArgs {
  std::wstring text{};        // "-" is a separator; "&" marks the mnemonic
  std::wstring hotkeyText{};  // shown at the right, after a tab
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  ACCEL accelerator{0, 0, 0};  // fVirt (FVIRTKEY | FCONTROL ...), key; menu bars only
  // Shown left of the text: a 32-bit bitmap in premultiplied alpha, kept alive
  // by the menu's owner while the item may show; the owner form draws it.
  HBITMAP picture = nullptr;
};

class MenuItem : public MenuItems {
 public:
  MenuItem(MenuItems& parent, const MenuItemArgs& args);
  ~MenuItem() override;
  std::wstring text, hotkeyText;
  bool checked, enabled, visible;
  ACCEL accelerator;
  HBITMAP picture;
  std::function<void()> onClick;
  bool IsSeparator() const { return text == L"-"; }

 private:
  MenuItems& parent_;
};

class PopupMenu : public MenuItems {
 public:
  // Shows the menu at a point of the screen, owned by the form's window.
  void Popup(Form& owner, int x, int y);
  // The system menu as the items stand now; `commands` gets the items that can
  // be chosen, each item's command being its place in that list plus one.
  HMENU Build(std::vector<MenuItem*>& commands) const;
  std::function<void()> onPopup;
};

// The owner of a menu draws its items' pictures: these answer its
// WM_MEASUREITEM and WM_DRAWITEM for a menu item of ours (false for others).
bool MeasureMenuPicture(MEASUREITEMSTRUCT& item);
bool DrawMenuPicture(const DRAWITEMSTRUCT& item);

class MenuBar : public MenuItems {
 public:
  explicit MenuBar(Form& form);
  ~MenuBar() override;
  // Builds the bar from its items and gives it to the form; call once they exist.
  void Attach();
  // Runs the item of a menu or accelerator command; false when it is not ours.
  bool Command(int id);
  // Fills a drop-down anew as it opens.
  bool InitPopup(HMENU menu);

 private:
  void CollectAccelerators(const MenuItems& items, std::vector<ACCEL>& table);
  Form& form_;
  HMENU bar_ = nullptr;
  HACCEL accelerators_ = nullptr;
  int filterId_ = 0;
  std::vector<MenuItem*> commands_;  // the accelerators' items, then the open drop-down's
  std::size_t acceleratorCount_ = 0;
  std::vector<std::pair<HMENU, const MenuItems*>> dropDowns_;
};

}  // namespace qrv
