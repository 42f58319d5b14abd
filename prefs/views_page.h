// The Views page of the preferences window: how new views of Outlook open.
// Its controls stand on its page; it shows PreferenceChoices and reads them back.
#pragma once

#include "core/preferences.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/panels.h"

namespace qrv {

class ViewsPage {
 public:
  explicit ViewsPage(Panel& page);
  void Load(const PreferenceChoices& choices);
  void Save(PreferenceChoices& choices) const;

 private:
  void ShowNewViews();
  Label explanation_;
  ComboBox viewTypes_;
  GroupBox newViews_;
  RadioButton normalDisplay_, withoutBar_;
};

}  // namespace qrv
