// The General page of the preferences window: the start-up, e-mail and bar options.
// Its controls stand on its page; it shows PreferenceChoices and reads them back.
#pragma once

#include <functional>

#include "core/preferences.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/panels.h"
#include "ui/pickers.h"

namespace qrv {

class GeneralPage {
 public:
  explicit GeneralPage(Panel& page);
  void Load(const PreferenceChoices& choices);
  void Save(PreferenceChoices& choices) const;
  std::function<void()> onAssociate;

 private:
  GroupBox startupFrame_, emailFrame_, barFrame_;
  Label modeLabel_;
  ComboBox programMode_;
  CheckBox hints_;
  Button associate_;
  Label emailLabel_;
  ComboBox emailType_;
  CheckBox minimize_;
  Edit idleAmount_;
  UpDown idleSpin_;
  ComboBox idleUnit_;
  CheckBox minimizeButtons_, minimizeView_, position_;
};

}  // namespace qrv
