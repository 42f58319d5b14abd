// Sizes in the program's designs are pixels at 96 DPI; windows show them at
// their own DPI. Fonts are shared: one cache makes each face, size, weight and
// DPI once for the whole program.
#pragma once

#include <windows.h>

#include <string>

namespace qrv {

constexpr UINT kDesignDpi = 96;

inline int ScaleToDpi(int designPixels, UINT dpi) { return MulDiv(designPixels, static_cast<int>(dpi), kDesignDpi); }
inline int ScaleFromDpi(int pixels, UINT dpi) {
  return dpi ? MulDiv(pixels, kDesignDpi, static_cast<int>(dpi)) : pixels;
}

// The DPI a window is shown at (the screen's, where the system cannot say).
UINT DpiOf(HWND hwnd);

struct FontChoice {
  std::wstring face = L"Tahoma";
  int points = 8;
  bool bold = false;
  bool operator==(const FontChoice&) const = default;
};

// The font of a choice at a DPI; it lives as long as the program and the caller
// never deletes it.
HFONT CachedFont(const FontChoice& choice, UINT dpi);

}  // namespace qrv
