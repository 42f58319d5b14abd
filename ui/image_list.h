// A list of same-sized pictures (the system's image list) that list views and
// owner-drawn cells show by index, and a bitmap handle that deletes itself.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace qrv {

class Bitmap {
 public:
  Bitmap() = default;
  explicit Bitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~Bitmap() { Reset(); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  HBITMAP Handle() const { return bitmap_; }
  // Takes `bitmap` over, deleting the one held before.
  void Reset(HBITMAP bitmap = nullptr);

 private:
  HBITMAP bitmap_ = nullptr;
};

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
