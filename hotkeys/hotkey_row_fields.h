// The hotkey editor's "Edit hotkey" group under its list: the fields of one
// row (description, action and the one control for its data, the combination,
// active). It keeps the row as the fields show it; each change the user makes
// goes into that row and is told to the editor, which takes the row over. A new
// combination is first offered to the editor, which may refuse it: the fields
// then show the row's own again.
#pragma once

#include <functional>

#include "components/browse_edit.h"
#include "core/hotkey_file.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

class HotkeyRowFields {
 public:
  explicit HotkeyRowFields(Form& form);

  // Fills the fields from `row` under the group's `title`; no event fires meanwhile.
  void Show(const HotkeyRow& row, const wchar_t* title);
  // The row as the user changed it in the fields.
  const HotkeyRow& Row() const { return row_; }

  // The user changed the description: the row may move in the list.
  std::function<void()> onDescriptionChange;
  // The user changed the action, its data, the combination or whether it is active.
  std::function<void()> onChange;
  // Whether the row may take this combination.
  std::function<bool(const HotkeyRow& candidate)> acceptCombination;

 private:
  void ShowActionControls();
  void ShowHotkey();
  void Changed();
  void OnDescriptionChange();
  void OnTextChange(const Edit& edit);
  void OnActionSelect();
  void OnChoiceSelect();
  void OnActiveChange();
  void OnCombinationChange();

  Form& form_;
  HotkeyRow row_;
  bool updating_ = false;

  // Controls, at 96 DPI, in Tab order.
  GroupBox group_{
      form_,
      {.bounds = {4, 196, 448, 152}, .text = L"Edit hotkey", .anchors = {.top = false, .right = true, .bottom = true}}};
  Label descriptionLabel_{
      form_, {.bounds = {12, 218, 78, 13}, .text = L"De&scription:", .anchors = {.top = false, .bottom = true}}};
  Edit descriptionEdit_{form_,
                        {.bounds = {92, 215, 352, 21}, .anchors = {.top = false, .right = true, .bottom = true}}};
  Label actionLabel_{form_,
                     {.bounds = {12, 244, 78, 13}, .text = L"Ac&tion:", .anchors = {.top = false, .bottom = true}}};
  ComboBox actionBox_{form_, {.bounds = {92, 241, 352, 240}, .anchors = {.top = false, .right = true, .bottom = true}}};
  Label dataLabel_{form_, {.bounds = {12, 270, 78, 13}, .anchors = {.top = false, .bottom = true}}};
  BrowseEdit commandEdit_{form_,
                          {.bounds = {92, 267, 352, 21},
                           .anchors = {.top = false, .right = true, .bottom = true},
                           .dialogTitle = L"Select Program to Run",
                           .dialogFilter = L"Program Files (*.exe;*.com)|*.exe;*.com|Batch Files (*.bat)|*.bat|"
                                           L"All Files (*.*)|*.*"}};
  Edit keysEdit_{
      form_,
      {.bounds = {92, 267, 352, 21}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox exitBox_{
      form_,
      {.bounds = {92, 267, 352, 120}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox folderBox_{
      form_,
      {.bounds = {92, 267, 352, 160}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox itemBox_{
      form_,
      {.bounds = {92, 267, 352, 200}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  Label hotkeyLabel_{form_,
                     {.bounds = {12, 296, 78, 13}, .text = L"&Hotkey:", .anchors = {.top = false, .bottom = true}}};
  CheckBox ctrlBox_{form_, {.bounds = {92, 293, 42, 20}, .text = L"Ctrl", .anchors = {.top = false, .bottom = true}}};
  CheckBox altBox_{form_, {.bounds = {136, 293, 40, 20}, .text = L"Alt", .anchors = {.top = false, .bottom = true}}};
  CheckBox shiftBox_{form_,
                     {.bounds = {178, 293, 46, 20}, .text = L"Shift", .anchors = {.top = false, .bottom = true}}};
  CheckBox winBox_{form_, {.bounds = {226, 293, 42, 20}, .text = L"Win", .anchors = {.top = false, .bottom = true}}};
  ComboBox keyBox_{form_, {.bounds = {272, 293, 172, 300}, .anchors = {.top = false, .right = true, .bottom = true}}};
  CheckBox activeBox_{
      form_, {.bounds = {92, 321, 160, 20}, .text = L"H&otkey is active", .anchors = {.top = false, .bottom = true}}};
};

}  // namespace qrv
