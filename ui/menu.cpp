#include "ui/menu.h"

#include <algorithm>

#include "ui/app.h"
#include "ui/form.h"
#include "ui/gdi.h"

namespace qrv {
namespace {

std::wstring MenuText(const MenuItem& item) {
  return item.hotkeyText.empty() ? item.text : item.text + L"\t" + item.hotkeyText;
}

UINT StateOf(const MenuItem& item) { return (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0); }

// The item's picture on the system menu item just appended. The menu's owner
// draws it (MeasureMenuPicture, DrawMenuPicture): a bitmap given to the menu
// itself is blended with its alpha on Windows but copied square, transparent
// pixels black, under Wine.
void SetPicture(HMENU menu, const MenuItem& item) {
  if (!item.picture) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP | MIIM_DATA;
  info.hbmpItem = HBMMENU_CALLBACK;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(item.picture);
  SetMenuItemInfoW(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, &info);
}

void ClearMenu(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

// Menu bar commands stay clear of the dialog ids (IDOK, IDCANCEL, ...) that
// reach the form as commands without a control too.
constexpr UINT kMenuIdBase = 0x100;

// The picture a menu item of ours asks its owner to draw, or null.
HBITMAP PictureOf(UINT type, ULONG_PTR data, BITMAP& bm) {
  auto* picture = reinterpret_cast<HBITMAP>(data);
  if (type != ODT_MENU || !picture || GetObjectW(picture, sizeof bm, &bm) != sizeof bm) return nullptr;
  return picture;
}

}  // namespace

bool MeasureMenuPicture(MEASUREITEMSTRUCT& item) {
  BITMAP bm{};
  if (!PictureOf(item.CtlType, item.itemData, bm)) return false;
  item.itemWidth = static_cast<UINT>(bm.bmWidth);
  item.itemHeight = static_cast<UINT>(bm.bmHeight);
  return true;
}

bool DrawMenuPicture(const DRAWITEMSTRUCT& item) {
  BITMAP bm{};
  HBITMAP picture = PictureOf(item.CtlType, item.itemData, bm);
  if (!picture) return false;
  MemoryDc memory(item.hDC);
  SelectedObject selected(memory.Get(), picture);
  const RECT& r = item.rcItem;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(item.hDC, r.left + (r.right - r.left - bm.bmWidth) / 2, r.top + (r.bottom - r.top - bm.bmHeight) / 2,
             bm.bmWidth, bm.bmHeight, memory.Get(), 0, 0, bm.bmWidth, bm.bmHeight, blend);
  return true;
}

void MenuItems::AppendTo(HMENU menu, std::vector<MenuItem*>& commands, UINT idBase) const {
  for (MenuItem* item : items_) {
    if (!item->visible) continue;
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      HMENU sub = CreatePopupMenu();
      item->AppendTo(sub, commands, idBase);
      AppendMenuW(menu, MF_POPUP | MF_STRING | StateOf(*item), reinterpret_cast<UINT_PTR>(sub),
                  MenuText(*item).c_str());
      SetPicture(menu, *item);
    } else {
      commands.push_back(item);
      AppendMenuW(menu, MF_STRING | StateOf(*item), idBase + commands.size(), MenuText(*item).c_str());
      SetPicture(menu, *item);
    }
  }
}

MenuItem::MenuItem(MenuItems& parent, const MenuItemArgs& args)
    : text(args.text),
      hotkeyText(args.hotkeyText),
      checked(args.checked),
      enabled(args.enabled),
      visible(args.visible),
      accelerator(args.accelerator),
      picture(args.picture),
      parent_(parent) {
  parent_.items_.push_back(this);
}

MenuItem::~MenuItem() { std::erase(parent_.items_, this); }

HMENU PopupMenu::Build(std::vector<MenuItem*>& commands) const {
  HMENU menu = CreatePopupMenu();
  commands.clear();
  AppendTo(menu, commands);
  return menu;
}

void PopupMenu::Popup(Form& owner, int x, int y) {
  if (onPopup) onPopup();
  std::vector<MenuItem*> commands;
  HMENU menu = Build(commands);
  const UINT chosen =
      TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y,
                       owner.Handle(), nullptr);
  DestroyMenu(menu);
  // The item runs once the menu has gone, and only if it is still there.
  if (chosen < 1 || chosen > commands.size()) return;
  MenuItem* item = commands[chosen - 1];
  if (item->onClick) item->onClick();
}

// --- MenuBar ---------------------------------------------------------------------

MenuBar::MenuBar(Form& form) : form_(form) { form_.SetMenuBar(this); }

MenuBar::~MenuBar() {
  Application::Get().RemoveMessageFilter(filterId_);
  form_.SetMenuBar(nullptr);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (bar_ && form_.Handle()) SetMenu(form_.Handle(), nullptr);
  if (bar_) DestroyMenu(bar_);
}

void MenuBar::CollectAccelerators(const MenuItems& items, std::vector<ACCEL>& table) {
  for (MenuItem* item : items.Items()) {
    if (item->accelerator.key) {
      commands_.push_back(item);
      ACCEL accel = item->accelerator;
      accel.cmd = static_cast<WORD>(kMenuIdBase + commands_.size());
      table.push_back(accel);
    }
    CollectAccelerators(*item, table);
  }
}

void MenuBar::Attach() {
  bar_ = CreateMenu();
  for (MenuItem* top : Items()) {
    HMENU dropDown = CreatePopupMenu();
    dropDowns_.emplace_back(dropDown, top);
    AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), top->text.c_str());
  }
  std::vector<ACCEL> table;
  CollectAccelerators(*this, table);
  acceleratorCount_ = commands_.size();
  if (!table.empty()) accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
  SetMenu(form_.Handle(), bar_);
  filterId_ = Application::Get().AddMessageFilter([this](MSG& msg) {
    const bool ours = msg.hwnd == form_.Handle() || IsChild(form_.Handle(), msg.hwnd);
    return accelerators_ && ours && TranslateAcceleratorW(form_.Handle(), accelerators_, &msg) != 0;
  });
}

bool MenuBar::InitPopup(HMENU menu) {
  const auto it = std::find_if(dropDowns_.begin(), dropDowns_.end(), [menu](const auto& d) { return d.first == menu; });
  if (it == dropDowns_.end()) return false;
  commands_.resize(acceleratorCount_);
  std::vector<MenuItem*> shown;
  ClearMenu(menu);
  it->second->AppendTo(menu, shown, static_cast<UINT>(kMenuIdBase + acceleratorCount_));
  commands_.insert(commands_.end(), shown.begin(), shown.end());
  return true;
}

bool MenuBar::Command(int id) {
  const int index = id - static_cast<int>(kMenuIdBase) - 1;
  if (index < 0 || static_cast<std::size_t>(index) >= commands_.size()) return false;
  MenuItem* item = commands_[static_cast<std::size_t>(index)];
  if (item->enabled && item->onClick) item->onClick();
  return true;
}

}  // namespace qrv
