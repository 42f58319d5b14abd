#include "components/icon_picture.h"

#include "ui/gdi.h"

namespace qrv {

namespace {

// Fills one run of black pixels of pixel row y, from x to x + width.
void FillRun(HDC dc, HBRUSH brush, int x, int y, int width) {
  const RECT run{x, y, x + width, y + 1};
  FillRect(dc, &run, brush);
}

}  // namespace

void PaintIconPicture(HDC dc, const IconPicture& picture, COLORREF foreground, COLORREF background) {
  const OwnedBrush back(CreateSolidBrush(background));
  const OwnedBrush fore(CreateSolidBrush(foreground));
  const RECT square{0, 0, kIconSize, kIconSize};
  FillRect(dc, &square, back.Get());
  for (int y = 0; y < kIconSize; ++y) {
    int x = 0;
    while (x < kIconSize) {
      if (!picture.IsBlack(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < kIconSize && picture.IsBlack(x, y)) ++x;
      FillRun(dc, fore.Get(), start, y, x - start);
    }
  }
}

HBITMAP CreateIconBitmap(const IconPicture& picture, COLORREF foreground, COLORREF background) {
  const WindowDc screen(nullptr);
  const MemoryDc memory(screen.Get());
  OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), kIconSize, kIconSize));
  if (!memory.Get() || !bitmap) return nullptr;
  {
    const SelectedObject select(memory.Get(), bitmap.Get());
    PaintIconPicture(memory.Get(), picture, foreground, background);
  }
  return bitmap.Release();
}

}  // namespace qrv
