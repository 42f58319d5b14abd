#include "ui/dpi.h"

#include <memory>
#include <vector>

#include "ui/gdi.h"

namespace qrv {
namespace {

struct CachedEntry {
  FontChoice choice;
  UINT dpi;
  OwnedFont font;
};

std::vector<CachedEntry>& Cache() {
  static std::vector<CachedEntry> cache;
  return cache;
}

}  // namespace

UINT DpiOf(HWND hwnd) {
  if (hwnd) {
    if (const UINT dpi = GetDpiForWindow(hwnd)) return dpi;
  }
  WindowDc screen(nullptr);
  return static_cast<UINT>(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

HFONT CachedFont(const FontChoice& choice, UINT dpi) {
  for (const CachedEntry& entry : Cache()) {
    if (entry.dpi == dpi && entry.choice == choice) return entry.font.Get();
  }
  const int height = -MulDiv(choice.points, static_cast<int>(dpi), 72);
  HFONT font =
      CreateFontW(height, 0, 0, 0, choice.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, choice.face.c_str());
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  Cache().push_back({choice, dpi, OwnedFont(font)});
  return font;
}

}  // namespace qrv
