// The hotkey editor: the user's hotkey definitions in a list sorted by
// description, one row edited below it (description, action and its data, the
// combination, active), kept in the hotkey file in the program's folder. The
// window exists from start-up, hidden until asked for; it registers the saved
// hotkeys and runs them (HotkeyActions). While the list holds unsaved changes
// no hotkey is registered: a new combination is tried against the other
// programs, and against the other rows through the conflict dialog.
#pragma once

#include <filesystem>
#include <vector>

#include "components/browse_edit.h"
#include "core/hotkey_file.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_conflict_dialog.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"

namespace qrv {

class HotkeyEditor : public Form {
 public:
  // Another program may ask for the editor with this message (wParam the same).
  static constexpr UINT kShowEditorMessage = WM_USER + 2001;

  // Reads the hotkey file of `folder` and registers its hotkeys.
  HotkeyEditor(std::filesystem::path folder, HotkeyTargets targets);
  ~HotkeyEditor() override;

  // Brings the editor up in front.
  void ShowEditor();
  bool Modified() const { return modified_; }
  const std::vector<HotkeyRow>& Rows() const { return rows_; }
  int CurrentRow() const { return current_; }
  HotkeyActions& Actions() { return actions_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool CanClose() override;

 private:
  // The list (hotkey_editor.cpp).
  void LoadList();
  bool SaveList();
  void RegisterHotkeys();
  void SetModified(bool modified);
  void ShowList();
  void ShowRow(int row);
  void SortRows();
  void PlaceCurrent();
  void SelectRow(int row);
  void NewRow();
  void DeleteRow();
  void ReadLayout();
  void WriteLayout() const;

  // The row being edited (hotkey_editor_row.cpp).
  HotkeyRow& Current() { return rows_[static_cast<std::size_t>(current_)]; }
  void ShowItem();
  void ShowCurrentRow() { list_.RedrawRows(current_, current_); }
  void ShowActionControls();
  void ShowHotkey();
  void OnDescriptionChange();
  void OnTextChange(const Edit& edit);
  void OnActionSelect();
  void OnChoiceSelect();
  void OnActiveChange();
  void OnCombinationChange();
  bool CheckHotkey(const HotkeyRow& candidate);
  bool HeldByOtherProgram(const HotkeyRow& candidate);

  std::filesystem::path folder_;
  HotkeyActions actions_;
  std::vector<HotkeyRow> rows_;
  int current_ = -1;
  bool updating_ = false;
  bool modified_ = false;
  // The hotkey file holds what could not be read: saving over it asks first.
  bool unreadFile_ = false;
  HotkeyConflictDialog* conflictDialog_ = nullptr;

  // Controls, at 96 DPI, in Tab order.
  ListView list_{
      *this,
      {.bounds = {4, 4, 448, 188},
       .anchors = {.right = true, .bottom = true},
       .columns = {{L"Description", 115}, {L"Action", 130}, {L"Data", 130}, {L"Hotkey", 90}, {L"Active", 50}},
       .virtualRows = true}};
  GroupBox group_{
      *this,
      {.bounds = {4, 196, 448, 152}, .text = L"Edit hotkey", .anchors = {.top = false, .right = true, .bottom = true}}};
  Label descriptionLabel_{
      *this, {.bounds = {12, 218, 78, 13}, .text = L"De&scription:", .anchors = {.top = false, .bottom = true}}};
  Edit descriptionEdit_{*this,
                        {.bounds = {92, 215, 352, 21}, .anchors = {.top = false, .right = true, .bottom = true}}};
  Label actionLabel_{*this,
                     {.bounds = {12, 244, 78, 13}, .text = L"Ac&tion:", .anchors = {.top = false, .bottom = true}}};
  ComboBox actionBox_{*this, {.bounds = {92, 241, 352, 240}, .anchors = {.top = false, .right = true, .bottom = true}}};
  Label dataLabel_{*this, {.bounds = {12, 270, 78, 13}, .anchors = {.top = false, .bottom = true}}};
  BrowseEdit commandEdit_{*this,
                          {.bounds = {92, 267, 352, 21},
                           .anchors = {.top = false, .right = true, .bottom = true},
                           .dialogTitle = L"Select Program to Run",
                           .dialogFilter = L"Program Files (*.exe;*.com)|*.exe;*.com|Batch Files (*.bat)|*.bat|"
                                           L"All Files (*.*)|*.*"}};
  Edit keysEdit_{
      *this,
      {.bounds = {92, 267, 352, 21}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox exitBox_{
      *this,
      {.bounds = {92, 267, 352, 120}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox folderBox_{
      *this,
      {.bounds = {92, 267, 352, 160}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  ComboBox itemBox_{
      *this,
      {.bounds = {92, 267, 352, 200}, .anchors = {.top = false, .right = true, .bottom = true}, .visible = false}};
  Label hotkeyLabel_{*this,
                     {.bounds = {12, 296, 78, 13}, .text = L"&Hotkey:", .anchors = {.top = false, .bottom = true}}};
  CheckBox ctrlBox_{*this, {.bounds = {92, 293, 42, 20}, .text = L"Ctrl", .anchors = {.top = false, .bottom = true}}};
  CheckBox altBox_{*this, {.bounds = {136, 293, 40, 20}, .text = L"Alt", .anchors = {.top = false, .bottom = true}}};
  CheckBox shiftBox_{*this,
                     {.bounds = {178, 293, 46, 20}, .text = L"Shift", .anchors = {.top = false, .bottom = true}}};
  CheckBox winBox_{*this, {.bounds = {226, 293, 42, 20}, .text = L"Win", .anchors = {.top = false, .bottom = true}}};
  ComboBox keyBox_{*this, {.bounds = {272, 293, 172, 300}, .anchors = {.top = false, .right = true, .bottom = true}}};
  CheckBox activeBox_{
      *this, {.bounds = {92, 321, 160, 20}, .text = L"H&otkey is active", .anchors = {.top = false, .bottom = true}}};
  Button newButton_{*this, {.bounds = {460, 4, 75, 25}, .text = L"&New", .anchors = {.left = false, .right = true}}};
  Button deleteButton_{*this,
                       {.bounds = {460, 33, 75, 25}, .text = L"&Delete", .anchors = {.left = false, .right = true}}};
  Button applyButton_{
      *this,
      {.bounds = {460, 62, 75, 25}, .text = L"&Apply", .anchors = {.left = false, .right = true}, .enabled = false}};
  Button closeButton_{*this,
                      {.bounds = {460, 91, 75, 25}, .text = L"&Close", .anchors = {.left = false, .right = true}}};
};

}  // namespace qrv
