// The hover image button on a real form under Wine: the pixel-precise hover
// test, pressing and releasing, and how its pictures are drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "components/image_button.h"
#include "ui/form.h"
#include "ui/gdi.h"

namespace {

using qrv::ImageButton;
using qrv::MouseButton;
using qrv::Picture;

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kBlue = 0x2050C0;

// A strip of four 20 x 20 pictures, each a disc of `colour` on the key colour;
// picture 1 (disabled) has a white pixel at (10, 4) and a grey one at (10, 15).
Picture DiscStrip() {
  const int count = 4;
  const int size = 20;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * count * size, kKey);
  const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * size * count + x; };
  for (int i = 0; i < count; ++i) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const int dx = x - 10, dy = y - 10;
        if (dx * dx + dy * dy <= 64) pixels[at(i * size + x, y)] = kBlue + i;
      }
    }
  }
  pixels[at(size + 10, 4)] = kWhite;
  pixels[at(size + 10, 15)] = kGrey;
  return Picture::FromPixels(size * count, size, std::move(pixels));
}

class ImageButtonTest : public ::testing::Test {
 protected:
  ImageButton& AddButton(int left) {
    auto& button = *buttons_.emplace_back(
        std::make_unique<ImageButton>(form_, qrv::ImageButtonArgs{.bounds = {left, 10, 20, 20}}));
    button.SetGlyph(DiscStrip());
    button.onClick = [this] { ++clicks_; };
    return button;
  }
  // The colour the button paints at a point of its own.
  COLORREF Painted(ImageButton& button, int x, int y) {
    qrv::WindowDc screen(nullptr);
    qrv::MemoryDc dc(screen.Get());
    qrv::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), button.Width(), button.Height()));
    qrv::SelectedObject select(dc.Get(), bitmap.Get());
    RECT all{0, 0, button.Width(), button.Height()};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    button.Paint(dc.Get());
    return GetPixel(dc.Get(), x, y);
  }
  qrv::Form form_{{.caption = L"buttons", .clientSize = {200, 60}}};
  std::vector<std::unique_ptr<ImageButton>> buttons_;
  int clicks_ = 0;
};

TEST_F(ImageButtonTest, HoverOnlyOverDrawnPixels) {
  ImageButton& button = AddButton(10);
  button.MouseMove(1, 1);  // transparent corner of the disc
  EXPECT_FALSE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 1, 1), RGB(0, 0, 0));  // the form shows through
  button.MouseMove(10, 10);
  EXPECT_TRUE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 10, 10), qrv::ToColorRef(kBlue + 3));  // hover picture
  button.MouseLeave();
  EXPECT_FALSE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 10, 10), qrv::ToColorRef(kBlue));  // normal picture
}

TEST_F(ImageButtonTest, HoverTestStaysInsideTheGlyph) {
  ImageButton& button = AddButton(10);
  for (POINT p : {POINT{-3, 10}, POINT{10, -3}, POINT{500, 10}, POINT{10, 500}, POINT{-100000, -100000}}) {
    button.MouseMove(p.x, p.y);
    EXPECT_FALSE(button.MouseInControl()) << p.x << "," << p.y;
  }
  button.SetGlyph(Picture());
  button.MouseMove(10, 10);
  EXPECT_FALSE(button.MouseInControl());
}

TEST_F(ImageButtonTest, ClickOnlyWhenTheLeftButtonIsReleasedOverIt) {
  ImageButton& button = AddButton(10);
  int rightUps = 0;
  button.onMouseUp = [&](MouseButton b, int, int) { rightUps += b == MouseButton::kRight; };

  button.MouseDown(MouseButton::kLeft, 10, 10);
  EXPECT_EQ(button.ButtonState(), ImageButton::State::kPressed);
  button.MouseMove(60, 10);
  button.MouseUp(MouseButton::kLeft, 60, 10);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(button.ButtonState(), ImageButton::State::kUp);

  button.MouseDown(MouseButton::kRight, 10, 10);
  button.MouseUp(MouseButton::kRight, 10, 10);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(rightUps, 1);

  button.MouseDown(MouseButton::kLeft, 10, 10);
  button.MouseUp(MouseButton::kLeft, 10, 20);  // the bottom edge still counts
  EXPECT_EQ(clicks_, 1);
}

TEST_F(ImageButtonTest, DisabledButtonShowsItsDisabledPictureAndIgnoresPresses) {
  ImageButton& button = AddButton(10);
  button.SetEnabled(false);
  button.MouseMove(10, 10);
  button.MouseDown(MouseButton::kLeft, 10, 10);
  button.MouseUp(MouseButton::kLeft, 10, 10);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(Painted(button, 10, 10), qrv::ToColorRef(kBlue + 1));
  EXPECT_EQ(button.ButtonState(), ImageButton::State::kDisabled);
  // White and grey of the disabled picture take the system's 3-D colours.
  EXPECT_EQ(Painted(button, 10, 4), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Painted(button, 10, 15), GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace
