// The Buttons page of the preferences window: what each of the bar's buttons makes,
// the extra button and the program it launches.
// Its controls stand on its page; it shows PreferenceChoices and reads them back.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/preferences.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/panels.h"

namespace qrv {

class ButtonsPage {
 public:
  explicit ButtonsPage(Panel& page);
  void Load(const PreferenceChoices& choices);
  void Save(PreferenceChoices& choices) const;
  // Asks for the program of the "Launch Program" button; none when cancelled.
  std::function<std::optional<std::wstring>()> chooseProgram;

 private:
  void OnSlotSelect(int slot);
  void OnExtraSelect();
  static std::vector<std::unique_ptr<ComboBox>> MakeSlots(Panel& page,
                                                          std::vector<std::unique_ptr<CheckBox>>& askCategories);

  Label heading_;
  std::vector<std::unique_ptr<CheckBox>> askCategories_;  // made with the slots, before them here
  std::vector<std::unique_ptr<ComboBox>> slots_;
  ComboBox extraSlot_;
  Edit launchProgram_;
  Label footnote_;
  std::wstring loadedProgram_;
  int walkedSlot_ = -1;           // the slot whose list the user is going through
  PreferenceChoices beforeWalk_;  // the slots before that
};

}  // namespace qrv
