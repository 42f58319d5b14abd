// The Info Item page of the preferences window: the Information Item window's options.
// Its controls stand on its page; it shows PreferenceChoices and reads them back.
#pragma once

#include <string>
#include <vector>

#include "core/preferences.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/panels.h"

namespace qrv {

class InfoItemPage {
 public:
  explicit InfoItemPage(Panel& page);
  void Load(const PreferenceChoices& choices, const std::vector<std::string>& journalTypes);
  void Save(PreferenceChoices& choices) const;

 private:
  GroupBox generalFrame_, itemFrame_;
  CheckBox categories_, tab_, keywordRemoval_;
  Label itemTypeLabel_;
  ComboBox itemType_;
  CheckBox newIeWindow_, reminder_, journalTime_;
  Label journalTypeLabel_;
  ComboBox journalType_;
  std::vector<std::string> journalTypes_;
};

}  // namespace qrv
