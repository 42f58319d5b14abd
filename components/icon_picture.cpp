#include "components/icon_picture.h"

namespace qrv {

namespace {

// Fills one run of black pixels of pixel row y, from x to x + width.
void FillRun(HDC dc, HBRUSH brush, int x, int y, int width) {
  const RECT run{x, y, x + width, y + 1};
  FillRect(dc, &run, brush);
}

}  // namespace

void PaintIconPicture(HDC dc, const IconPicture& picture, COLORREF foreground, COLORREF background) {
  HBRUSH back = CreateSolidBrush(background);
  HBRUSH fore = CreateSolidBrush(foreground);
  const RECT square{0, 0, kIconSize, kIconSize};
  FillRect(dc, &square, back);
  for (int y = 0; y < kIconSize; ++y) {
    int x = 0;
    while (x < kIconSize) {
      if (!picture.IsBlack(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < kIconSize && picture.IsBlack(x, y)) ++x;
      FillRun(dc, fore, start, y, x - start);
    }
  }
  DeleteObject(fore);
  DeleteObject(back);
}

HBITMAP CreateIconBitmap(const IconPicture& picture, COLORREF foreground, COLORREF background) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
  ReleaseDC(nullptr, screen);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintIconPicture(memory, picture, foreground, background);
    SelectObject(memory, old);
  } else if (bitmap) {
    DeleteObject(bitmap);
    bitmap = nullptr;
  }
  if (memory) DeleteDC(memory);
  return bitmap;
}

}  // namespace qrv
