// The shaped-window picture on a real form under Wine: the stored shape given
// to the window, kept at the corner, and written back.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/CoolForm.h"
#include "core/region_data.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace {

const std::vector<qrv::RegionRect> kShape = {{2, 0, 38, 2}, {0, 2, 40, 58}, {2, 58, 38, 60}};

class CoolFormTest : public ::testing::Test {
 protected:
  TCoolForm& AddCoolForm() {
    return static_cast<TCoolForm&>(
        ui::Make<TCoolForm>(form, ui::LayoutRow{L"CoolForm1", ui::Make<TCoolForm>, 7, 9, 40, 60}));
  }
  // The rectangles of the window's region; nothing when it has none.
  std::optional<std::vector<qrv::RegionRect>> WindowShape() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::optional<std::vector<qrv::RegionRect>> rects;
    if (GetWindowRgn(form.Handle(), region) != ERROR) {
      std::vector<std::uint8_t> data(GetRegionData(region, 0, nullptr));
      GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
      rects = qrv::DecodeRegionData(data);
    }
    DeleteObject(region);
    return rects;
  }
  ui::Form form{L"TShapeTestForm", L"shape", 80, 80, true};
};

TEST_F(CoolFormTest, StoredShapeBecomesTheWindowsRegion) {
  TCoolForm& cool = AddCoolForm();
  EXPECT_EQ(WindowShape(), std::nullopt);
  ASSERT_TRUE(cool.LoadMask(qrv::EncodeMask(kShape)));
  const auto shape = WindowShape();
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(qrv::RegionBounds(*shape), (qrv::RegionRect{0, 0, 40, 60}));
  EXPECT_EQ(cool.SaveMask(), qrv::EncodeMask(kShape));
}

TEST_F(CoolFormTest, NoOrDamagedShapeLeavesTheWindowRectangular) {
  TCoolForm& cool = AddCoolForm();
  EXPECT_FALSE(cool.LoadMask(qrv::EncodeMask({})));
  EXPECT_EQ(cool.SaveMask(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  auto damaged = qrv::EncodeMask(kShape);
  damaged[12] = 99;  // a rectangle count the bytes do not hold
  EXPECT_FALSE(cool.LoadMask(damaged));
  EXPECT_FALSE(cool.LoadMask({}));
  EXPECT_EQ(WindowShape(), std::nullopt);
}

TEST_F(CoolFormTest, AlwaysSitsAtTheFormsCorner) {
  TCoolForm& cool = AddCoolForm();
  EXPECT_EQ(cool.Left(), 0);
  EXPECT_EQ(cool.Top(), 0);
  cool.SetBounds(30, 40, 50, 60);
  EXPECT_EQ(cool.Left(), 0);
  EXPECT_EQ(cool.Top(), 0);
  EXPECT_EQ(cool.Width(), 50);
  EXPECT_EQ(cool.Height(), 60);
}

TEST_F(CoolFormTest, RightButtonDoesNotMoveTheWindow) {
  TCoolForm& cool = AddCoolForm();
  form.SetBounds(100, 100, 80, 80);
  form.Show();
  cool.MouseDown(ui::MouseButton::kRight, 5, 5);
  EXPECT_EQ(form.Left(), 100);
  EXPECT_EQ(form.Top(), 100);
}

}  // namespace
