// The bar's pictures at the display's density: each picture X is compiled in
// as X (100 %), X_150 and X_200, and the bar shows the one nearest to its
// window's DPI. A button and an image of the bar take their picture anew when
// the DPI changes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/image_button.h"
#include "ui/drawn_control.h"
#include "ui/gdi.h"
#include "ui/picture.h"

namespace qrv {

// The picture of that name for a DPI; empty when the program holds none.
Picture BarPicture(const std::wstring& name, UINT dpi);

// The bar menu's pictures for a DPI, in the menu's order: the strip "MENUPICTURES" of
// square pictures with their alpha, cut into one bitmap each with its colours
// premultiplied by alpha, as menus draw them. Empty when the program holds none.
std::vector<OwnedBitmap> MenuPictures(UINT dpi);

// An image button of the bar: its strip by name, at its form's DPI.
class BarButton : public ImageButton {
 public:
  BarButton(Container& parent, const Bounds& bounds, const wchar_t* picture, bool visible = false);
  void DpiChanged() override;

 private:
  std::wstring picture_;
};

// A picture of the bar on its background (the collapsed strip), at its form's DPI.
class BarImage : public PictureImage {
 public:
  BarImage(Container& parent, const Bounds& bounds, const wchar_t* picture);
  void DpiChanged() override;

 private:
  std::wstring picture_;
};

}  // namespace qrv
