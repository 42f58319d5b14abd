// The icon chooser: a small modal window listing the icons of the user's icon
// note by name and picture. A click on a row chooses that icon; "None" always
// chooses no icon; closing the window keeps a row chosen with the keyboard.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/lists.h"

namespace qrv {

// The rows of the chooser: a click on one picks it.
class IconList : public ListView {
 public:
  IconList(Container& parent, const Bounds& bounds, HIMAGELIST pictures);
  std::function<void(int row)> onPick;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;
  void DpiChanged() override;

 private:
  // The bar's 16-pixel pictures at 96 DPI, else copies of them grown to the
  // list's DPI (pixel for pixel, as they are drawn on a grid).
  void ShowPictures();

  HIMAGELIST pictures_;
  std::unique_ptr<ImageList> scaled_;
};

class IconChooser : public Form {
 public:
  // `definitions`: the icon note's lines (line n is icon n); `pictures`: picture
  // n - 1 for icon n, shared with the bar.
  IconChooser(Form& owner, const std::vector<std::string>& definitions, HIMAGELIST pictures);
  // Shows the chooser modally and answers the icon chosen (from 0), or none.
  std::optional<int> Choose();

  IconList& Icons() { return icons_; }
  Button& NoneButton() { return noneButton_; }

 private:
  IconList icons_;
  Button noneButton_;
  std::optional<int> chosen_;
};

}  // namespace qrv
