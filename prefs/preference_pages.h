// The first four pages of the preferences window, each a set of controls on
// its page that shows PreferenceChoices and reads them back.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

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
