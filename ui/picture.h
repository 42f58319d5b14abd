// A picture held as 32-bit pixels beside a device-independent bitmap, so that
// it can be drawn (whole or one part of a strip, with or without a transparent
// colour) and its pixels read (hover tests, colour mapping).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qrv {

class Picture {
 public:
  Picture() = default;
  // A bitmap resource of the running program; empty when there is none.
  static Picture FromResource(const wchar_t* name);
  // Pixels as 0x00RRGGBB, row by row from the top.
  static Picture FromPixels(int width, int height, std::vector<std::uint32_t> pixels);

  bool Empty() const { return !bits_; }
  // The picture's own bitmap (null when empty), for controls that show a
  // bitmap; it lives as long as a copy of the picture does.
  HBITMAP Handle() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as 0x00RRGGBB; the caller keeps x and y inside the picture.
  std::uint32_t Pixel(int x, int y) const;

  // Draws the part (srcX, 0, width, height) at (x, y). With `transparent`,
  // pixels of the part's bottom-left colour are left out.
  void Draw(HDC dc, int x, int y, int srcX, int width, int height, bool transparent) const;
  void Draw(HDC dc, int x, int y, bool transparent) const { Draw(dc, x, y, 0, width_, height_, transparent); }

  // A copy of the part (srcX, 0, width, height) with every pixel passed through map.
  Picture Part(int srcX, int width, const std::function<std::uint32_t(std::uint32_t)>& map = {}) const;

 private:
  struct Bits;
  std::shared_ptr<Bits> bits_;
  int width_ = 0;
  int height_ = 0;
};

// The resource name of a picture for a DPI: "X", "X_150" or "X_200", whichever
// scale (of 100, 150 and 200 %) lies nearest to dpi * 100 / 96.
std::wstring PictureNameForDpi(const std::wstring& name, UINT dpi);

// The description of a 32-bit picture of this size, rows from the top.
BITMAPINFO TopDownBitmapInfo(int width, int height);

// A Windows colour (COLORREF) as 0x00RRGGBB and back.
std::uint32_t ToRgb(COLORREF color);
COLORREF ToColorRef(std::uint32_t rgb);

}  // namespace qrv
