// The Keywords page of the preferences window: the four keyword lists as the
// window's own working copies, one at a time in the grid, with add, modify,
// remove, move and reset. The keyword list the program runs with is never
// touched here; the window saves the copies on OK.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/keyword_editing.h"
#include "prefs/preferences_host.h"
#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/panels.h"

namespace qrv {

// The window's working copies of the four lists, and whether any changed.
struct WorkingLists {
  KeywordLists lists;
  bool changed = false;
};

// The lists as the keyword list holds them; an empty category list is made
// from Outlook's categories, which counts as a change.
WorkingLists OpenWorkingLists(const std::vector<std::string>& keywordList, PreferencesActions& actions);

class KeywordDialog;

class KeywordsPage {
 public:
  // Shows `working` (the window keeps it when the page is not made).
  KeywordsPage(Panel& page, Form& owner, const PreferencesData& data, PreferencesActions& actions,
               WorkingLists& working);
  ~KeywordsPage();
  KeywordsPage(const KeywordsPage&) = delete;
  KeywordsPage& operator=(const KeywordsPage&) = delete;

  // Shows the item keywords of lists taken anew.
  void Reload();
  void ShowList(KeywordListKind kind);
  KeywordListKind Shown() const { return shown_; }

  const KeywordLists& Lists() const { return working_.lists; }
  // After the web services changed outside the page (update, import).
  void ServicesChanged();
  // The grid gives way to "Updating Web Services..." while an update runs unseen.
  void SetGridShown(bool shown);

  std::function<void()> onUpdate;

  // The page's controls, for the tests that click them.
  ComboBox& ListChoice() { return listChoice_; }
  ListView& Grid() { return grid_; }
  Button& AddButton() { return add_; }
  Button& ModifyButton() { return modify_; }
  Button& RemoveButton() { return remove_; }
  Button& MoveUpButton() { return moveUp_; }
  Button& MoveDownButton() { return moveDown_; }
  Button& ResetButton() { return reset_; }

 private:
  std::vector<std::string>& List() { return ListOf(working_.lists, shown_); }
  int Current() const { return grid_.Selection(); }
  const std::vector<std::string>& ShownList() const { return ListOf(working_.lists, shown_); }
  std::wstring CellText(int row, int column) const;
  void Refill(int current);
  void EnableButtons();
  void DrawIcon(HDC dc, int row);
  void Edit(bool add);
  void RemoveCurrent();
  void Move(bool up);
  void Reset();
  void StartWebEditor();
  void Changed(int first, int last, int current);

  Form& owner_;
  const PreferencesData& data_;
  PreferencesActions& actions_;
  WorkingLists& working_;
  KeywordListKind shown_ = KeywordListKind::kItems;
  KeywordListKind columnsShown_ = KeywordListKind::kItems;  // the grid is made with the items' columns

  Label heading_;
  Label listLabel_;
  ComboBox listChoice_;
  Button update_;
  Label updating_;
  ListView grid_;
  Button add_, modify_, remove_, moveUp_, moveDown_, reset_;
  // A list's keyword dialog, made at its first opening and hidden between openings.
  std::array<std::unique_ptr<KeywordDialog>, 4> dialogs_;
};

}  // namespace qrv
