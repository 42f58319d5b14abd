// The modal dialog in which the user picks Outlook categories for a new item.
// The caller sets its caption, place and entries, shows it and, when it ended
// with OK, reads the chosen entries back. Each click on an entry toggles it;
// ALL and NONE set every entry; Enter is OK and Esc cancels.
#pragma once

#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/form.h"
#include "ui/lists.h"

namespace qrv {

class CategoriesDialog : public Form {
 public:
  CategoriesDialog();

  void SetEntries(const std::vector<std::wstring>& entries) { categoriesList_.SetItems(entries); }
  std::vector<std::wstring> ChosenEntries() const;
  ListBox& List() { return categoriesList_; }

  void PaintBackground(HDC dc, const RECT& area) override;

 private:
  void BringBarToFront();
  void SelectAll(bool selected);

  PictureLabel title_;
  Label listLabel_;
  ListBox categoriesList_;
  Button okButton_;
  Button allButton_;
  Button noneButton_;
};

}  // namespace qrv
