// The row of buttons under the Information Item window's body: assign date,
// categories, attach and signature at the left; Key, ?, Esc, Reset, Open and
// the process button (Save or Send) at the right. None takes the focus: typing
// goes on in the field.
#pragma once

#include <functional>

#include "core/entry_layout.h"
#include "ui/buttons.h"
#include "ui/form.h"

namespace qrv {

class EntryFooter {
 public:
  explicit EntryFooter(Form& form);

  bool AssignDateEnabled() const { return assignDateButton_.Enabled(); }
  bool Sends() const { return processButton_.Text() == L"&Send"; }  // the process button reads "&Send"
  // The process button's caption and state for the entry type's layout.
  void ApplyLayout(const EntryLayout& layout);
  void EnableAssignDate(bool enabled) { assignDateButton_.SetEnabled(enabled); }
  // The places for the entry area's width, the row's top given.
  void Arrange(int width, int top);
  void ShowPictures();

  std::function<void()> onAssignDate;
  std::function<void()> onCategories;
  std::function<void()> onAttach;
  std::function<void()> onKeywords;
  std::function<void()> onHelp;
  std::function<void()> onEscape;
  std::function<void()> onReset;
  std::function<void()> onOpen;
  std::function<void()> onProcess;

 private:
  Form& form_;
  Button assignDateButton_{form_, {.bounds = {0, 200, 20, 19}, .text = L"D", .takesFocus = false, .pictureOnly = true}};
  Button categoriesButton_{form_,
                           {.bounds = {20, 200, 20, 19}, .text = L"C", .takesFocus = false, .pictureOnly = true}};
  Button attachButton_{form_, {.bounds = {40, 200, 20, 19}, .text = L"A", .takesFocus = false, .pictureOnly = true}};
  Button signatureButton_{
      form_, {.bounds = {60, 200, 20, 19}, .text = L"S", .visible = false, .takesFocus = false, .pictureOnly = true}};
  Button keywordsButton_{form_, {.bounds = {82, 200, 23, 19}, .text = L"Key", .takesFocus = false}};
  Button helpButton_{form_, {.bounds = {105, 200, 17, 19}, .text = L"?", .takesFocus = false}};
  Button escapeButton_{form_, {.bounds = {122, 200, 25, 19}, .text = L"Esc", .takesFocus = false}};
  Button resetButton_{form_, {.bounds = {147, 200, 36, 19}, .text = L"&Reset", .takesFocus = false}};
  Button openButton_{form_, {.bounds = {183, 200, 34, 19}, .text = L"&Open", .takesFocus = false}};
  Button processButton_{form_, {.bounds = {217, 200, 33, 19}, .text = L"&Save", .takesFocus = false}};
};

}  // namespace qrv
