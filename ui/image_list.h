// A list of same-sized pictures (the system's image list) that list views and
// owner-drawn cells show by index.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/gdi.h"

namespace qrv {

class ImageList {
 public:
  // An empty list of width x height pictures without masks.
  ImageList(int width, int height);
  ~ImageList();
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST Handle() const { return list_; }
  int Count() const;
  void Clear();
  // Appends a copy of the bitmap's picture; false when the list could not take it.
  bool Add(HBITMAP bitmap);
  // Draws picture `index` with its top-left corner at (x, y).
  void Draw(HDC dc, int index, int x, int y) const;

 private:
  HIMAGELIST list_;
};

}  // namespace qrv
