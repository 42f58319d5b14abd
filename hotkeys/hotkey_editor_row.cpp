// The row being edited: its controls, what each change does to the row, and
// the checks of a new combination.
#include <algorithm>

#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_editor.h"
#include "ui/wide.h"

namespace qrv {
namespace {

bool SameCombination(const HotkeyRow& a, const HotkeyRow& b) { return HasKey(a) && HotkeyText(a) == HotkeyText(b); }

}  // namespace

// Fills the controls from the current row; no change handler runs meanwhile.
void HotkeyEditor::ShowItem() {
  if (current_ < 0) return;
  updating_ = true;
  const HotkeyRow& row = Current();
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
void HotkeyEditor::ShowActionControls() {
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

// The current row's combination into the check boxes and the key list.
void HotkeyEditor::ShowHotkey() {
  const HotkeyRow& row = Current();
  ctrlBox_.SetChecked(row.ctrl);
  altBox_.SetChecked(row.alt);
  shiftBox_.SetChecked(row.shift);
  winBox_.SetChecked(row.win);
  keyBox_.SetSelection(HasKey(row) ? row.keyIndex : -1);
}

void HotkeyEditor::OnDescriptionChange() {
  if (updating_ || current_ < 0) return;
  Current().description = Narrow(descriptionEdit_.Text());
  PlaceCurrent();
  SetModified(true);
}

void HotkeyEditor::OnTextChange(const Edit& edit) {
  if (updating_ || current_ < 0) return;
  Current().text = Narrow(edit.Text());
  ShowCurrentRow();
  SetModified(true);
}

// Another action takes what its control holds now as its data.
void HotkeyEditor::OnActionSelect() {
  if (updating_ || current_ < 0) return;
  const auto action = static_cast<HotkeyAction>(actionBox_.Selection());
  HotkeyRow& row = Current();
  if (actionBox_.Selection() < 0 || action == row.action) return;
  row.action = action;
  row.text.clear();
  row.dataIndex = 0;
  if (action == HotkeyAction::kExecuteProgram) row.text = Narrow(commandEdit_.Text());
  if (action == HotkeyAction::kSendKeystrokes) row.text = Narrow(keysEdit_.Text());
  if (action == HotkeyAction::kExitWindows) row.dataIndex = exitBox_.Selection();
  if (action == HotkeyAction::kOpenOutlookFolder) row.dataIndex = folderBox_.Selection();
  if (action == HotkeyAction::kCreateOutlookItem) row.dataIndex = itemBox_.Selection();
  row.dataIndex = std::max(row.dataIndex, 0);
  ShowCurrentRow();
  SetModified(true);
  ShowActionControls();
}

void HotkeyEditor::OnChoiceSelect() {
  if (updating_ || current_ < 0) return;
  HotkeyRow& row = Current();
  for (const ComboBox* box : {&exitBox_, &folderBox_, &itemBox_}) {
    if (!box->Visible() || box->Selection() < 0 || box->Selection() == row.dataIndex) continue;
    row.dataIndex = box->Selection();
    ShowCurrentRow();
    SetModified(true);
  }
}

void HotkeyEditor::OnActiveChange() {
  if (updating_ || current_ < 0) return;
  Current().active = activeBox_.Checked();
  ShowCurrentRow();
  SetModified(true);
}

// A combination the checks refuse goes back to the row's own.
void HotkeyEditor::OnCombinationChange() {
  if (updating_ || current_ < 0) return;
  HotkeyRow candidate = Current();
  candidate.ctrl = ctrlBox_.Checked();
  candidate.alt = altBox_.Checked();
  candidate.shift = shiftBox_.Checked();
  candidate.win = winBox_.Checked();
  candidate.keyIndex = keyBox_.Selection();
  if (!CheckHotkey(candidate)) {
    ShowHotkey();
    return;
  }
  Current() = candidate;
  ShowCurrentRow();
  SetModified(true);
}

// A combination another active row uses needs the user's word, naming the row
// that will then not work (the later one: the earlier is registered first); one
// that another program holds is refused. A row without a key, or inactive,
// registers nothing and needs no check.
bool HotkeyEditor::CheckHotkey(const HotkeyRow& candidate) {
  if (!candidate.active || !HasKey(candidate)) return true;
  // The user goes on where they were once a question is answered.
  HWND focus = GetFocus();
  bool accepted = true;
  const auto conflict = std::find_if(rows_.begin(), rows_.end(), [&](const HotkeyRow& other) {
    return &other != &Current() && WouldRegister(other) && SameCombination(other, candidate);
  });
  if (conflict != rows_.end()) {
    if (!conflictDialog_) conflictDialog_ = &CreateOwned<HotkeyConflictDialog>();
    const std::string& loser = conflict - rows_.begin() < current_ ? candidate.description : conflict->description;
    accepted = conflictDialog_->Ask(Widen(conflict->description), Widen(loser));
  } else if (HeldByOtherProgram(candidate)) {
    ShowMessage(L"This hotkey combination is in use by another application.", MessageKind::kInformation,
                MessageButtons::kOk, {.caption = L"Hotkey combination error", .owner = Handle()});
    accepted = false;
  }
  if (focus && GetFocus() != focus) SetFocus(focus);
  return accepted;
}

// Tries the combination with the system; one of our own saved hotkeys (still
// registered before the first change) is no other program's.
bool HotkeyEditor::HeldByOtherProgram(const HotkeyRow& candidate) {
  SystemHotkeys& hotkeys = actions_.Hotkeys();
  const HotkeyCombination combination = CombinationOf(candidate);
  for (int n = 0; n < hotkeys.Count(); ++n) {
    if (hotkeys.At(n).registered && hotkeys.At(n).combination == combination) return false;
  }
  const bool registered = hotkeys.Add(combination).registered;
  hotkeys.Delete(hotkeys.Count() - 1);
  return !registered;
}

}  // namespace qrv
