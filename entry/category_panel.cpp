#include "entry/category_panel.h"

#include <algorithm>

#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {

CategoryPanel::CategoryPanel(Container& parent, const std::vector<std::string>& names)
    : Panel(parent, {.bounds = {kEntryMinClientWidth, 0, kCategoryPanelWidth, kEntryPanelHeight}, .visible = false}),
      items_(names) {
  title_.SetFont({.bold = true});
  ShowItems();
  list_.onSelect = [this] { Fire(onChosen); };
  noneButton_.onClick = [this] {
    for (int i = 0; i < list_.Count(); ++i) list_.SetSelected(i, false);
    Fire(onNone);
  };
}

void CategoryPanel::ShowItems() { list_.SetItems(WidenAll(items_)); }

std::vector<std::wstring> CategoryPanel::Chosen() const {
  std::vector<std::wstring> names;
  for (int index : list_.SelectedIndexes()) names.push_back(Widen(items_.at(static_cast<std::size_t>(index))));
  return names;
}

void CategoryPanel::Refill(const std::vector<std::string>& names) {
  if (items_ == names) return;
  items_ = names;
  ShowItems();
}

void CategoryPanel::Apply(const CategoryChoice& choice) {
  if (!choice.append.empty()) {
    items_.insert(items_.end(), choice.append.begin(), choice.append.end());
    ShowItems();
  }
  // Most keys change no category: the selection is asked for once, not item by item.
  std::vector<int> select = choice.select;
  std::sort(select.begin(), select.end());
  if (list_.SelectedIndexes() != select) {
    for (int i = 0; i < list_.Count(); ++i) {
      const bool selected = std::binary_search(select.begin(), select.end(), i);
      if (list_.Selected(i) != selected) list_.SetSelected(i, selected);
    }
  }
}

void CategoryPanel::Arrange(int height) {
  qrv::Place(list_, {0, 18, kCategoryPanelWidth, height - 18 - 26});
  qrv::Place(noneButton_, {4, height - 24, 60, 21});
}

}  // namespace qrv
