// The category panel right of the entry area: the categories the item is
// filed under, chosen in a list, and None to clear the choice. The window
// shows it and grows by its width.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/entry_layout.h"
#include "core/quick_entry.h"
#include "ui/buttons.h"
#include "ui/lists.h"
#include "ui/panels.h"

namespace qrv {

class CategoryPanel : public Panel {
 public:
  CategoryPanel(Container& parent, const std::vector<std::string>& names);

  // The list's items, as the parser reads them.
  const std::vector<std::string>& Items() const { return items_; }
  std::vector<std::wstring> Chosen() const;
  // The mail system's categories, when they changed since the list was filled.
  void Refill(const std::vector<std::string>& names);
  // The parser's choice: names added to the list, then exactly these chosen.
  void Apply(const CategoryChoice& choice);
  void Arrange(int height);

  std::function<void()> onChosen;  // the user chose in the list
  std::function<void()> onNone;    // the None button cleared the choice

 private:
  void ShowItems();

  std::vector<std::string> items_;
  Label title_{*this, {.bounds = {2, 2, 200, 13}, .text = L" Categories..."}};
  ListBox list_{*this, {.bounds = {0, 18, kCategoryPanelWidth, 177}, .multiSelect = true}};
  Button noneButton_{*this, {.bounds = {4, 197, 60, 21}, .text = L"None"}};
};

}  // namespace qrv
