#include "ui/image_list.h"

namespace qrv {

ImageList::ImageList(int width, int height) : list_(ImageList_Create(width, height, ILC_COLOR24, 0, 8)) {}

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

int ImageList::Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }

void ImageList::Clear() {
  if (list_) ImageList_RemoveAll(list_);
}

bool ImageList::Add(HBITMAP bitmap) { return list_ && bitmap && ImageList_Add(list_, bitmap, nullptr) >= 0; }

void ImageList::Draw(HDC dc, int index, int x, int y) const {
  if (list_) ImageList_Draw(list_, index, dc, x, y, ILD_NORMAL);
}

}  // namespace qrv
