// Asked when a combination is already used by another active hotkey: the
// user continues (the later of the two hotkeys will not work) or resets the
// combination.
#pragma once

#include <string>

#include "ui/buttons.h"
#include "ui/form.h"

namespace qrv {

class HotkeyConflictDialog : public Form {
 public:
  explicit HotkeyConflictDialog(Form& owner);
  // `user` is the hotkey that has the combination, `loser` the one that will
  // not work; true when the user chose "Continue".
  bool Ask(const std::wstring& user, const std::wstring& loser);

 private:
  Label usedLabel_{*this, {.bounds = {12, 8, 241, 13}, .text = L"This hotkey combination is in use by "}};
  Label entryLabel_{*this, {.bounds = {12, 24, 241, 16}}};
  Label descriptionLabel_{*this, {.bounds = {12, 48, 241, 29}}};
  Button continueButton_{
      *this, {.bounds = {50, 88, 75, 25}, .text = L"Continue", .isDefault = true, .result = DialogResult::kOk}};
  Button resetButton_{
      *this, {.bounds = {130, 88, 75, 25}, .text = L"Reset", .isCancel = true, .result = DialogResult::kCancel}};
};

}  // namespace qrv
