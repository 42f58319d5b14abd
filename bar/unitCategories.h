// TCategories: the modal dialog in which the user picks Outlook categories for
// a new item. The caller sets its caption, place and entries, shows it and
// reads the selected entries back; each click on an entry toggles it.
#pragma once

#include "ui/form.h"
#include "ui/windowed.h"

class TCategories : public ui::Form {
 public:
  TCategories();

  ui::Panel* PanelCTitle;
  ui::ListBox* CategoriesList;
  ui::SpeedButton* SpeedButton1;  // "&OK"
  ui::SpeedButton* SpeedButton2;  // "&ALL"
  ui::SpeedButton* SpeedButton3;  // "&NONE"

  void FormCreate();
  void SpeedButton1Click(ui::Control&);
  void SpeedButton2Click(ui::Control&);
  void SpeedButton3Click(ui::Control&);
};
