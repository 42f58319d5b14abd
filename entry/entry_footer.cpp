#include "entry/entry_footer.h"

#include <array>
#include <utility>

#include "entry/entry_pictures.h"
#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {

EntryFooter::EntryFooter(Form& form) : form_(form) {
  const std::array<std::pair<Button*, const wchar_t*>, 10> hints{{
      {&assignDateButton_, L"Assign date/time... (Ctrl-D)"},
      {&categoriesButton_, L"Assign Categories..."},
      {&attachButton_, L"Attach files..."},
      {&signatureButton_, L"Add signature"},
      {&keywordsButton_, L"Edit Keywords"},
      {&helpButton_, L"View Help"},
      {&escapeButton_, L"Exit without saving (Esc)"},
      {&resetButton_, L"Clear all fields (Ctrl+R)"},
      {&openButton_, L"Open the entry (Ctrl+O)"},
      {&processButton_, L"Process the entry (Ctrl+S)"},
  }};
  for (auto [button, hint] : hints) button->SetHint(hint);
  helpButton_.SetFont({.bold = true});
  // Each button's click goes to the window's command, whichever is set when it comes.
  const auto forward = [](const std::function<void()>& command) {
    return [&command] {
      if (command) command();
    };
  };
  assignDateButton_.onClick = forward(onAssignDate);
  categoriesButton_.onClick = forward(onCategories);
  attachButton_.onClick = forward(onAttach);
  keywordsButton_.onClick = forward(onKeywords);
  helpButton_.onClick = forward(onHelp);
  escapeButton_.onClick = forward(onEscape);
  resetButton_.onClick = forward(onReset);
  openButton_.onClick = forward(onOpen);
  processButton_.onClick = forward(onProcess);
}

void EntryFooter::ApplyLayout(const EntryLayout& l) {
  if (!l.processCaption.empty()) SetTextIf(processButton_, Widen(l.processCaption));
  if (l.processEnabled) processButton_.SetEnabled(*l.processEnabled);
}

// The picture buttons from the left edge, the others in a group from the right.
void EntryFooter::Arrange(int width, int top) {
  int left = 0;
  for (Button* button : {&assignDateButton_, &categoriesButton_, &attachButton_, &signatureButton_}) {
    Place(*button, {left, top, 20, 19});
    left += 20;
  }
  const int group = width - 195;
  const std::array<std::pair<Button*, std::pair<int, int>>, 6> right{{{&keywordsButton_, {3, 25}},
                                                                      {&helpButton_, {28, 17}},
                                                                      {&escapeButton_, {45, 25}},
                                                                      {&resetButton_, {70, 36}},
                                                                      {&openButton_, {106, 34}},
                                                                      {&processButton_, {140, 33}}}};
  for (auto [button, place] : right) Place(*button, {group + place.first, top, place.second, 19});
}

void EntryFooter::ShowPictures() {
  const UINT dpi = form_.Dpi();
  assignDateButton_.SetPicture(EntryPictureFor(EntryPicture::kDate, dpi));
  categoriesButton_.SetPicture(EntryPictureFor(EntryPicture::kCategories, dpi));
  attachButton_.SetPicture(EntryPictureFor(EntryPicture::kAttach, dpi));
  signatureButton_.SetPicture(EntryPictureFor(EntryPicture::kSignature, dpi));
}

}  // namespace qrv
