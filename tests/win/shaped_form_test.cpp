// The shaped form under Wine: the stored shape given to the window and written
// back, the background picture at the corner, and the move by the background.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "components/shaped_form.h"
#include "core/region_data.h"
#include "ui/gdi.h"

namespace {

const std::vector<qrv::RegionRect> kShape = {{2, 0, 38, 2}, {0, 2, 40, 58}, {2, 58, 38, 60}};

class ShapedFormTest : public ::testing::Test {
 protected:
  // The rectangles of the window's region; nothing when it has none.
  std::optional<std::vector<qrv::RegionRect>> WindowShape() {
    qrv::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(form_.Handle(), region.Get()) == ERROR) return std::nullopt;
    std::vector<std::uint8_t> data(GetRegionData(region.Get(), 0, nullptr));
    GetRegionData(region.Get(), static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    return qrv::DecodeRegionData(data);
  }
  qrv::ShapedForm form_{{.caption = L"shape", .clientSize = {80, 80}, .style = qrv::FormStyle::kBorderless}};
};

TEST_F(ShapedFormTest, StoredShapeBecomesTheWindowsRegion) {
  EXPECT_EQ(WindowShape(), std::nullopt);
  ASSERT_TRUE(form_.LoadMask(qrv::EncodeMask(kShape)));
  const auto shape = WindowShape();
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(qrv::RegionBounds(*shape), (qrv::RegionRect{0, 0, 40, 60}));
  EXPECT_EQ(form_.SaveMask(), qrv::EncodeMask(kShape));
}

TEST_F(ShapedFormTest, NoOrDamagedShapeLeavesTheWindowRectangular) {
  EXPECT_FALSE(form_.LoadMask(qrv::EncodeMask({})));
  EXPECT_EQ(form_.SaveMask(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  auto damaged = qrv::EncodeMask(kShape);
  damaged[12] = 99;  // a rectangle count the bytes do not hold
  EXPECT_FALSE(form_.LoadMask(damaged));
  EXPECT_FALSE(form_.LoadMask({}));
  EXPECT_EQ(WindowShape(), std::nullopt);
}

TEST_F(ShapedFormTest, BackgroundPictureSitsAtTheFormsCornerOverItsColour) {
  // A 4 x 4 picture: red with a transparent (bottom-left colour) blue pixel at (1, 1).
  std::vector<std::uint32_t> pixels(16, 0xFF0000);
  pixels[5] = 0x0000FF;
  pixels[12] = 0x0000FF;
  form_.SetPicture(qrv::Picture::FromPixels(4, 4, pixels));
  form_.background = RGB(0, 255, 0);
  qrv::WindowDc screen(nullptr);
  qrv::MemoryDc dc(screen.Get());
  qrv::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 8, 8));
  qrv::SelectedObject select(dc.Get(), bitmap.Get());
  form_.PaintBackground(dc.Get(), RECT{0, 0, 8, 8});
  EXPECT_EQ(GetPixel(dc.Get(), 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(0, 255, 0));  // the form's colour shows through
  EXPECT_EQ(GetPixel(dc.Get(), 6, 6), RGB(0, 255, 0));
  // Another colour of the form shows through at the next paint, and so does a new picture.
  form_.background = RGB(0, 0, 0);
  form_.PaintBackground(dc.Get(), RECT{0, 0, 8, 8});
  EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(0, 0, 0));
  pixels[5] = 0xFF0000;
  form_.SetPicture(qrv::Picture::FromPixels(4, 4, pixels));
  form_.PaintBackground(dc.Get(), RECT{0, 0, 8, 8});
  EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(255, 0, 0));
}

TEST_F(ShapedFormTest, RightButtonDoesNotMoveTheWindow) {
  form_.SetWindowRect(100, 100, 80, 80);
  form_.Show();
  SendMessageW(form_.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  SendMessageW(form_.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form_.WindowRect().left, 100);
  EXPECT_EQ(form_.WindowRect().top, 100);
}

}  // namespace
