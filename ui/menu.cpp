#include "ui/menu.h"

#include <stdexcept>

#include "ui/form.h"
#include "ui/layout.h"

namespace ui {
namespace {

void AppendItems(HMENU menu, const std::vector<MenuItem*>& items, std::vector<MenuItem*>& commands) {
  for (MenuItem* item : items) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked ? MF_CHECKED : 0);
    if (!item->Items.empty()) {
      HMENU sub = CreatePopupMenu();
      AppendItems(sub, item->Items, commands);
      AppendMenuW(menu, MF_POPUP | MF_STRING | state, reinterpret_cast<UINT_PTR>(sub), item->Caption().c_str());
      continue;
    }
    commands.push_back(item);
    AppendMenuW(menu, MF_STRING | state, commands.size(), item->Caption().c_str());
  }
}

}  // namespace

PopupMenu::PopupMenu(Form& owner, const LayoutRow& row) : Control(owner, row) {}

HMENU PopupMenu::Build(std::vector<MenuItem*>& commands) const {
  HMENU menu = CreatePopupMenu();
  commands.clear();
  AppendItems(menu, Items, commands);
  return menu;
}

void PopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(*this);
  std::vector<MenuItem*> commands;
  HMENU menu = Build(commands);
  const UINT chosen = TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                       x, y, Owner().Handle(), nullptr);
  DestroyMenu(menu);
  if (chosen >= 1 && chosen <= commands.size()) commands[chosen - 1]->Click();
}

MenuItem::MenuItem(Form& owner, const LayoutRow& row) : Control(owner, row), Checked(row.style & kChecked) {
  Control& parent = owner.FindControl(row.parent ? row.parent : L"");
  if (auto* menu = dynamic_cast<PopupMenu*>(&parent)) menu->Items.push_back(this);
  else if (auto* item = dynamic_cast<MenuItem*>(&parent)) item->Items.push_back(this);
  else throw std::logic_error("a menu item belongs to a menu or to an item");
}

}  // namespace ui
