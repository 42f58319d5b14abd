// The hotkey editor: the user's hotkey definitions in a list sorted by
// description, one row edited below it (HotkeyRowFields), kept in the hotkey file in the program's folder. The
// window exists from start-up, hidden until asked for; it registers the saved
// hotkeys and runs them (HotkeyActions). While the list holds unsaved changes
// no hotkey is registered: a new combination is tried against the other
// programs, and against the other rows through the conflict dialog.
#pragma once

#include <filesystem>
#include <vector>

#include "core/hotkey_file.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_conflict_dialog.h"
#include "hotkeys/hotkey_row_fields.h"
#include "ui/buttons.h"
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

  HotkeyRow& Current() { return rows_[static_cast<std::size_t>(current_)]; }
  void ShowCurrentRow() { list_.RedrawRows(current_, current_); }
  bool CheckHotkey(const HotkeyRow& candidate);
  bool HeldByOtherProgram(const HotkeyRow& candidate);

  std::filesystem::path folder_;
  HotkeyActions actions_;
  std::vector<HotkeyRow> rows_;
  int current_ = -1;
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
  HotkeyRowFields fields_{*this};
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
