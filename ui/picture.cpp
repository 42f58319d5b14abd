#include "ui/picture.h"

#include <cstring>

#include "ui/dpi.h"
#include "ui/gdi.h"

namespace qrv {

struct Picture::Bits {
  OwnedBitmap bitmap;
  std::uint32_t* pixels = nullptr;  // inside the DIB section, top-down
};

std::wstring PictureNameForDpi(const std::wstring& name, UINT dpi) {
  // Halfway between the drawn scales: 125 % and 175 %.
  const UINT percent = dpi * 100 / kDesignDpi;
  if (percent < 125) return name;
  return name + (percent < 175 ? L"_150" : L"_200");
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::uint32_t ToRgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
COLORREF ToColorRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

Picture Picture::FromPixels(int width, int height, std::vector<std::uint32_t> pixels) {
  Picture picture;
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) return picture;
  BITMAPINFO info = TopDownBitmapInfo(width, height);
  auto bits = std::make_shared<Bits>();
  void* data = nullptr;
  bits->bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0));
  if (!bits->bitmap) return picture;
  bits->pixels = static_cast<std::uint32_t*>(data);
  std::memcpy(bits->pixels, pixels.data(), pixels.size() * sizeof(std::uint32_t));
  picture.bits_ = std::move(bits);
  picture.width_ = width;
  picture.height_ = height;
  return picture;
}

Picture Picture::FromResource(const wchar_t* name) {
  const OwnedBitmap loaded(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!loaded) return {};
  BITMAP bm{};
  GetObjectW(loaded.Get(), sizeof bm, &bm);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
  BITMAPINFO info = TopDownBitmapInfo(bm.bmWidth, bm.bmHeight);
  const WindowDc screen(nullptr);
  const int rows =
      GetDIBits(screen.Get(), loaded.Get(), 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
  if (rows != bm.bmHeight) return {};
  for (auto& p : pixels) p &= 0x00FFFFFF;
  return FromPixels(bm.bmWidth, bm.bmHeight, std::move(pixels));
}

HBITMAP Picture::Handle() const { return bits_ ? bits_->bitmap.Get() : nullptr; }

std::uint32_t Picture::Pixel(int x, int y) const {
  return bits_->pixels[static_cast<std::size_t>(y) * width_ + x] & 0x00FFFFFF;
}

void Picture::Draw(HDC dc, int x, int y, int srcX, int width, int height, bool transparent) const {
  if (Empty() || width <= 0 || height <= 0) return;
  const MemoryDc mem(dc);
  const SelectedObject select(mem.Get(), bits_->bitmap.Get());
  if (transparent) {
    const UINT key = ToColorRef(Pixel(srcX, height_ - 1));
    TransparentBlt(dc, x, y, width, height, mem.Get(), srcX, 0, width, height, key);
  } else {
    BitBlt(dc, x, y, width, height, mem.Get(), srcX, 0, SRCCOPY);
  }
}

Picture Picture::Part(int srcX, int width, const std::function<std::uint32_t(std::uint32_t)>& map) const {
  if (Empty() || srcX < 0 || width <= 0 || srcX + width > width_) return {};
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = Pixel(srcX + x, y);
      pixels.push_back(map ? map(p) : p);
    }
  }
  return FromPixels(width, height_, std::move(pixels));
}

}  // namespace qrv
