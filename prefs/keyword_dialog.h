// The modal dialog in which a keyword record of one list is written: an item
// keyword (where in the subject, the keyword, the item type), a category
// keyword (the keyword, the category), a web service's keyword and default
// criteria, or an icon keyword (the keyword, the icon). OK with a field that
// would damage the record says why and keeps the dialog open.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/keyword_editing.h"
#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/image_list.h"

namespace qrv {

class KeywordDialog : public Form {
 public:
  // `choices`: Outlook's category names for categories, the icon definitions
  // for icons; `pictures`: picture n - 1 for icon n.
  KeywordDialog(Form& owner, KeywordListKind kind, const std::vector<std::string>& choices, const ImageList& pictures);

  // Takes the list's choices anew, as the dialog is opened again.
  void SetChoices(const std::vector<std::string>& choices);
  // Fills the fields from a record to modify; without one the dialog adds.
  void Prefill(const std::string* record);
  // Runs the dialog, which is hidden again after it; the record built on OK, none on Cancel.
  std::optional<std::string> Run();
  // The list of item types or icons, for the tests that look at it.
  ComboBox& Types() { return *types_; }

  void PaintBackground(HDC dc, const RECT& area) override;

 private:
  void SetUpFor(KeywordListKind kind);
  void DrawType(HDC dc, int index, const RECT& item, bool selected);
  void Accept();
  // The record of the fields; throws RecordFieldError for a field that cannot be stored.
  std::string BuildRecord() const;

  KeywordListKind kind_;
  const ImageList& pictures_;
  std::string modified_;  // the web service being modified
  int iconCount_ = 0;
  std::optional<std::string> result_;

  // Only the fields of the dialog's list are made.
  PictureLabel title_;
  std::optional<Label> positionLabel_;
  std::optional<ComboBox> position_;
  std::optional<Edit> site_;
  Label keywordLabel_;
  Edit keyword_;
  Label typeLabel_;
  std::optional<ComboBox> types_;
  std::optional<ComboBox> categories_;
  std::optional<Edit> criteria_;
  Label wildcardNote_;
  Label internetNote_;
  std::optional<Edit> hint_;
  Button okButton_;
  Button cancelButton_;
};

}  // namespace qrv
