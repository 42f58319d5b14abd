// The icon picture painted into a bitmap shows exactly the blocks of its definition.
#include "components/icon_picture.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

// Every pixel of a 16 x 16 bitmap, read back through a memory device context.
std::vector<COLORREF> Pixels(HBITMAP bitmap) {
  std::vector<COLORREF> pixels;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixels;
}

void ExpectPainted(std::string_view data, COLORREF fore, COLORREF back) {
  const IconPicture picture = DrawIconPicture(data);
  HBITMAP bitmap = CreateIconBitmap(picture, fore, back);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(bitmap, sizeof info, &info));
  EXPECT_EQ(info.bmWidth, kIconSize);
  EXPECT_EQ(info.bmHeight, kIconSize);
  const auto pixels = Pixels(bitmap);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x)
      EXPECT_EQ(pixels[y * kIconSize + x], picture.IsBlack(x, y) ? fore : back) << data << " at " << x << "," << y;
  DeleteObject(bitmap);
}

TEST(IconBitmap, ShowsTheBlocksOfTheDefinition) {
  ExpectPainted("FF00FF00FF00FF00", RGB(0, 0, 0), RGB(255, 255, 255));
  ExpectPainted("8000000000000000", RGB(0, 0, 0), RGB(255, 255, 255));
  ExpectPainted("5A3C81FF0F70E7C3", RGB(0, 0, 0), RGB(255, 255, 255));
  ExpectPainted("5A3C81FF0F70E7C3", RGB(0, 0, 255), RGB(255, 255, 0));
  ExpectPainted("", RGB(0, 0, 0), RGB(255, 255, 255));
}

}  // namespace
}  // namespace qrv
