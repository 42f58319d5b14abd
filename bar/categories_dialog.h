// The modal dialog in which the user picks Outlook categories for a new item.
// The caller sets its caption, place and entries, shows it and reads the
// selected entries back; each click on an entry toggles it.
#pragma once

#include "ui/form.h"
#include "ui/windowed.h"

namespace qrv {

class CategoriesDialog : public ui::Form {
 public:
  CategoriesDialog();

  ui::ListBox& List() { return *categoriesList_; }

 private:
  void BringBarToFront();
  void OnOkClick(ui::Control&);
  void OnAllClick(ui::Control&);
  void OnNoneClick(ui::Control&);

  ui::Panel* titlePanel_;
  ui::ListBox* categoriesList_;
};

}  // namespace qrv
