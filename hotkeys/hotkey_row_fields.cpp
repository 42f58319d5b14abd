#include "hotkeys/hotkey_row_fields.h"

#include <algorithm>
#include <string>
#include <vector>

#include "hotkeys/hotkey_actions.h"
#include "ui/wide.h"

namespace qrv {

HotkeyRowFields::HotkeyRowFields(Form& form) : form_(form) {
  actionBox_.SetItems(WidenAll(kHotkeyActionNames));
  exitBox_.SetItems(WidenAll(kExitChoices));
  folderBox_.SetItems(WidenAll(kOutlookFolderChoices));
  itemBox_.SetItems(WidenAll(kOutlookItemChoices));
  std::vector<std::wstring> keys;
  for (const HotkeyKey& key : HotkeyKeys()) keys.push_back(Widen(key.name));
  keyBox_.SetItems(keys);
  for (ComboBox* box : {&exitBox_, &folderBox_, &itemBox_}) box->SetSelection(0);

  descriptionEdit_.onChange = [this] { OnDescriptionChange(); };
  commandEdit_.onChange = [this] { OnTextChange(commandEdit_); };
  keysEdit_.onChange = [this] { OnTextChange(keysEdit_); };
  actionBox_.onSelect = [this] { OnActionSelect(); };
  for (ComboBox* box : {&exitBox_, &folderBox_, &itemBox_}) box->onSelect = [this] { OnChoiceSelect(); };
  for (CheckBox* box : {&ctrlBox_, &altBox_, &shiftBox_, &winBox_}) box->onChange = [this] { OnCombinationChange(); };
  keyBox_.onSelect = [this] { OnCombinationChange(); };
  activeBox_.onChange = [this] { OnActiveChange(); };
}

void HotkeyRowFields::Show(const HotkeyRow& row, const wchar_t* title) {
  group_.SetText(title);
  updating_ = true;
  row_ = row;
  descriptionEdit_.SetText(Widen(row.description));
  actionBox_.SetSelection(static_cast<int>(row.action));
  switch (row.action) {
    case HotkeyAction::kExecuteProgram:
      commandEdit_.SetText(Widen(row.text));
      break;
    case HotkeyAction::kSendKeystrokes:
      keysEdit_.SetText(Widen(row.text));
      break;
    case HotkeyAction::kExitWindows:
      exitBox_.SetSelection(row.dataIndex);
      break;
    case HotkeyAction::kOpenOutlookFolder:
      folderBox_.SetSelection(row.dataIndex);
      break;
    case HotkeyAction::kCreateOutlookItem:
      itemBox_.SetSelection(row.dataIndex);
      break;
    default:
      break;
  }
  ShowActionControls();
  ShowHotkey();
  activeBox_.SetChecked(row.active);
  updating_ = false;
}

// The one control for the data of the chosen action, with its label.
void HotkeyRowFields::ShowActionControls() {
  const auto action = static_cast<HotkeyAction>(std::max(actionBox_.Selection(), 0));
  struct Choice {
    Control* control;
    HotkeyAction action;
    const wchar_t* label;
  };
  const Choice choices[] = {{&commandEdit_, HotkeyAction::kExecuteProgram, L"Co&mmandline:"},
                            {&keysEdit_, HotkeyAction::kSendKeystrokes, L"&Keys to send:"},
                            {&exitBox_, HotkeyAction::kExitWindows, L"Para&meters:"},
                            {&folderBox_, HotkeyAction::kOpenOutlookFolder, L"&Folder:"},
                            {&itemBox_, HotkeyAction::kCreateOutlookItem, L"&Item:"}};
  dataLabel_.SetVisible(false);
  for (const Choice& choice : choices) {
    choice.control->SetVisible(choice.action == action);
    if (choice.action != action) continue;
    dataLabel_.SetText(choice.label);
    dataLabel_.SetVisible(true);
  }
}

// The row's combination into the check boxes and the key list.
void HotkeyRowFields::ShowHotkey() {
  ctrlBox_.SetChecked(row_.ctrl);
  altBox_.SetChecked(row_.alt);
  shiftBox_.SetChecked(row_.shift);
  winBox_.SetChecked(row_.win);
  keyBox_.SetSelection(HasKey(row_) ? row_.keyIndex : -1);
}

void HotkeyRowFields::Changed() {
  if (onChange) onChange();
}

void HotkeyRowFields::OnDescriptionChange() {
  if (updating_) return;
  row_.description = Narrow(descriptionEdit_.Text());
  if (onDescriptionChange) onDescriptionChange();
}

void HotkeyRowFields::OnTextChange(const Edit& edit) {
  if (updating_) return;
  row_.text = Narrow(edit.Text());
  Changed();
}

// Another action takes what its control holds now as its data.
void HotkeyRowFields::OnActionSelect() {
  const auto action = static_cast<HotkeyAction>(actionBox_.Selection());
  if (updating_ || actionBox_.Selection() < 0 || action == row_.action) return;
  row_.action = action;
  row_.text.clear();
  row_.dataIndex = 0;
  if (action == HotkeyAction::kExecuteProgram) row_.text = Narrow(commandEdit_.Text());
  if (action == HotkeyAction::kSendKeystrokes) row_.text = Narrow(keysEdit_.Text());
  if (action == HotkeyAction::kExitWindows) row_.dataIndex = exitBox_.Selection();
  if (action == HotkeyAction::kOpenOutlookFolder) row_.dataIndex = folderBox_.Selection();
  if (action == HotkeyAction::kCreateOutlookItem) row_.dataIndex = itemBox_.Selection();
  row_.dataIndex = std::max(row_.dataIndex, 0);
  Changed();
  ShowActionControls();
}

void HotkeyRowFields::OnChoiceSelect() {
  if (updating_) return;
  for (const ComboBox* box : {&exitBox_, &folderBox_, &itemBox_}) {
    if (!box->Visible() || box->Selection() < 0 || box->Selection() == row_.dataIndex) continue;
    row_.dataIndex = box->Selection();
    Changed();
  }
}

void HotkeyRowFields::OnActiveChange() {
  if (updating_) return;
  row_.active = activeBox_.Checked();
  Changed();
}

// A combination the editor refuses goes back to the row's own.
void HotkeyRowFields::OnCombinationChange() {
  if (updating_) return;
  HotkeyRow candidate = row_;
  candidate.ctrl = ctrlBox_.Checked();
  candidate.alt = altBox_.Checked();
  candidate.shift = shiftBox_.Checked();
  candidate.win = winBox_.Checked();
  candidate.keyIndex = keyBox_.Selection();
  if (acceptCombination && !acceptCombination(candidate)) {
    ShowHotkey();
    return;
  }
  row_ = candidate;
  Changed();
}

}  // namespace qrv
