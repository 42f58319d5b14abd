// A one-line edit box with a small "..." button inside its right edge: the
// button opens a file-open dialog and puts the chosen file into the box. The
// box never holds a line break: Enter (left to the form's default button) and
// Ctrl+Enter type nothing, and line breaks in pasted or program-set text
// become blanks (dropped at the ends).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/edits.h"

namespace qrv {

struct BrowseEditArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool autoSelect = true;  // the whole text is selected after browsing
  // The dialog: its title and its filter as pairs "Name|*.ext;*.ext2|...".
  std::wstring dialogTitle{};
  std::wstring dialogFilter{};
};

class BrowseEdit : public Edit {
 public:
  BrowseEdit(Container& parent, const BrowseEditArgs& args);
  ~BrowseEdit() override;

  // Runs the dialog, as the button does; a cancelled dialog changes nothing.
  void Browse();
  HWND ButtonHandle() const { return button_; }

  // The dialog: answers the chosen file, none when cancelled. Tests replace it;
  // null offers no dialog and the button does nothing.
  std::function<std::optional<std::wstring>(const std::wstring& current)> chooseFile;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PlaceButton();
  void Paste();
  std::optional<std::wstring> RunFileDialog(const std::wstring& current) const;

  HWND button_ = nullptr;
  bool autoSelect_;
  std::wstring dialogTitle_;
  std::wstring dialogFilter_;
};

// The text as one line: line breaks inside become one blank each run, those at
// the ends go.
std::wstring OneLine(const std::wstring& text);

}  // namespace qrv
