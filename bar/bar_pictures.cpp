#include "bar/bar_pictures.h"

#include <cstdint>
#include <cstring>

namespace qrv {
namespace {

// The 32-bit pixels of a bitmap resource, rows from the top; empty when the
// program holds no such bitmap.
std::vector<std::uint32_t> ResourcePixels(const std::wstring& name, int& width, int& height) {
  OwnedBitmap loaded{static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))};
  BITMAP bm{};
  if (!loaded || !GetObjectW(loaded.Get(), sizeof bm, &bm) || bm.bmBitsPixel != 32) return {};
  width = bm.bmWidth;
  height = bm.bmHeight;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  BITMAPINFO info = TopDownBitmapInfo(width, height);
  WindowDc screen{nullptr};
  if (GetDIBits(screen.Get(), loaded.Get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) !=
      height)
    return {};
  return pixels;
}

// The square picture at column `left` of the strip as a 32-bit premultiplied bitmap.
OwnedBitmap MenuPicture(const std::vector<std::uint32_t>& strip, int stripWidth, int left, int size) {
  BITMAPINFO info = TopDownBitmapInfo(size, size);
  void* bits = nullptr;
  OwnedBitmap picture{CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  if (!picture) return {};
  auto* out = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint32_t p = strip[static_cast<std::size_t>(y) * stripWidth + left + x];
      const std::uint32_t alpha = p >> 24;
      const auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * alpha + 127) / 255 << shift; };
      out[y * size + x] = alpha << 24 | channel(16) | channel(8) | channel(0);
    }
  }
  GdiFlush();
  return picture;
}

}  // namespace

Picture BarPicture(const std::wstring& name, UINT dpi) {
  return Picture::FromResource(PictureNameForDpi(name, dpi).c_str());
}

std::vector<OwnedBitmap> MenuPictures(UINT dpi) {
  int width = 0;
  int height = 0;
  const std::vector<std::uint32_t> strip = ResourcePixels(PictureNameForDpi(L"MENUPICTURES", dpi), width, height);
  std::vector<OwnedBitmap> pictures;
  for (int left = 0; height > 0 && left + height <= width; left += height)
    pictures.push_back(MenuPicture(strip, width, left, height));
  return pictures;
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
