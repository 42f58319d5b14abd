#include "bar/bar_pictures.h"

namespace qrv {

Picture BarPicture(const std::wstring& name, UINT dpi) {
  return Picture::FromResource(PictureNameForDpi(name, dpi).c_str());
}

BarButton::BarButton(Container& parent, const Bounds& bounds, const wchar_t* picture, bool visible)
    : ImageButton(parent, {.bounds = bounds, .visible = visible}), picture_(picture) {
  SetGlyph(BarPicture(picture_, parent.Dpi()));
}

void BarButton::DpiChanged() {
  ImageButton::DpiChanged();
  SetGlyph(BarPicture(picture_, Parent().Dpi()));
}

BarImage::BarImage(Container& parent, const Bounds& bounds, const wchar_t* picture)
    : PictureImage(parent, {.bounds = bounds, .visible = false}, {}, true), picture_(picture) {
  this->picture = BarPicture(picture_, parent.Dpi());
}

void BarImage::DpiChanged() {
  PictureImage::DpiChanged();
  picture = BarPicture(picture_, Parent().Dpi());
  Invalidate();
}

}  // namespace qrv
