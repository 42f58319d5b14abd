// The small dialog that asks for sample search criteria when a URL with a
// criteria marker is tested. It keeps its text from one use to the next.
#pragma once

#include <optional>
#include <string>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

class CriteriaDialog : public Form {
 public:
  explicit CriteriaDialog(Form& owner);
  // Shows the dialog centred over its owner; the text on OK, none on Cancel.
  std::optional<std::wstring> Ask();

 private:
  Label promptLabel_{*this, {.bounds = {11, 12, 237, 16}, .text = L"Enter sample search criteria for this website:"}};
  Edit criteriaEdit_{*this, {.bounds = {37, 36, 185, 21}}};
  Button okButton_{*this, {.bounds = {48, 68, 75, 25}, .text = L"OK", .isDefault = true, .result = DialogResult::kOk}};
  Button cancelButton_{
      *this, {.bounds = {136, 68, 75, 25}, .text = L"Cancel", .isCancel = true, .result = DialogResult::kCancel}};
};

}  // namespace qrv
