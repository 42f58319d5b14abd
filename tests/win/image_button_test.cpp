// The hover image button on a real form under Wine: the pixel-precise hover
// test, pressing and releasing, groups, and how its pictures are drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/CoolButton.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kBlue = 0x2050C0;

// A strip of four 20 x 20 pictures, each a disc of `colour` on the key colour;
// picture 1 (disabled) has a white pixel at (10, 4) and a grey one at (10, 15).
ui::Picture DiscStrip(int count = 4) {
  const int size = 20;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * count * size), kKey);
  for (int i = 0; i < count; ++i) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const int dx = x - 10, dy = y - 10;
        if (dx * dx + dy * dy <= 64) pixels[static_cast<std::size_t>(y * size * count + i * size + x)] = kBlue + i;
      }
    }
  }
  if (count > 1) {
    pixels[static_cast<std::size_t>(4 * size * count + size + 10)] = kWhite;
    pixels[static_cast<std::size_t>(15 * size * count + size + 10)] = kGrey;
  }
  return ui::Picture::FromPixels(size * count, size, std::move(pixels));
}

class CoolButtonTest : public ::testing::Test {
 protected:
  TCoolButton& AddButton(const wchar_t* name, int left) {
    auto& button = static_cast<TCoolButton&>(
        ui::Make<TCoolButton>(form, ui::LayoutRow{name, ui::Make<TCoolButton>, left, 10, 20, 20}));
    button.SetGlyph(DiscStrip());
    button.OnClick = [this](ui::Control&) { ++clicks; };
    return button;
  }
  // The colour the button paints at a point of its own.
  COLORREF Painted(TCoolButton& button, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, button.Width(), button.Height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, button.Width(), button.Height()};
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(dc, &all, black);
    button.Paint(dc);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
  }
  ui::Form form{L"TButtonTestForm", L"buttons", 200, 60};
  int clicks = 0;
};

TEST_F(CoolButtonTest, HoverOnlyOverDrawnPixels) {
  TCoolButton& button = AddButton(L"B", 10);
  button.MouseMove(1, 1);  // transparent corner of the disc
  EXPECT_FALSE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 1, 1), RGB(0, 0, 0));  // the form shows through
  button.MouseMove(10, 10);
  EXPECT_TRUE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 10, 10), ui::ToColorRef(kBlue + 3));  // hover picture
  button.MouseLeave();
  EXPECT_FALSE(button.MouseInControl());
  EXPECT_EQ(Painted(button, 10, 10), ui::ToColorRef(kBlue));  // normal picture
}

TEST_F(CoolButtonTest, HoverTestStaysInsideTheGlyph) {
  TCoolButton& button = AddButton(L"B", 10);
  for (POINT p : {POINT{-3, 10}, POINT{10, -3}, POINT{500, 10}, POINT{10, 500}, POINT{-100000, -100000}}) {
    button.MouseMove(p.x, p.y);
    EXPECT_FALSE(button.MouseInControl()) << p.x << "," << p.y;
  }
  button.SetGlyph(ui::Picture());
  button.MouseMove(10, 10);
  EXPECT_FALSE(button.MouseInControl());
}

TEST_F(CoolButtonTest, ClickOnlyWhenTheLeftButtonIsReleasedOverIt) {
  TCoolButton& button = AddButton(L"B", 10);
  int right_ups = 0;
  button.OnMouseUp = [&](ui::Control&, ui::MouseButton b, int, int) { right_ups += b == ui::MouseButton::kRight; };

  button.MouseDown(ui::MouseButton::kLeft, 10, 10);
  EXPECT_EQ(button.ButtonState(), TCoolButton::kPressed);
  button.MouseMove(60, 10);
  button.MouseUp(ui::MouseButton::kLeft, 60, 10);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button.ButtonState(), TCoolButton::kUp);

  button.MouseDown(ui::MouseButton::kRight, 10, 10);
  button.MouseUp(ui::MouseButton::kRight, 10, 10);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(right_ups, 1);

  button.MouseDown(ui::MouseButton::kLeft, 10, 10);
  button.MouseUp(ui::MouseButton::kLeft, 10, 20);  // the bottom edge still counts
  EXPECT_EQ(clicks, 1);
}

TEST_F(CoolButtonTest, DisabledButtonShowsItsDisabledPictureAndIgnoresPresses) {
  TCoolButton& button = AddButton(L"B", 10);
  button.SetEnabled(false);
  button.MouseMove(10, 10);
  button.MouseDown(ui::MouseButton::kLeft, 10, 10);
  button.MouseUp(ui::MouseButton::kLeft, 10, 10);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(Painted(button, 10, 10), ui::ToColorRef(kBlue + 1));
  EXPECT_EQ(button.ButtonState(), TCoolButton::kDisabled);
  // White and grey of the disabled picture take the system's 3-D colours.
  EXPECT_EQ(Painted(button, 10, 4), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Painted(button, 10, 15), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(CoolButtonTest, OnePictureStripIsDrawnEmbossedWhenDisabled) {
  TCoolButton& button = AddButton(L"B", 10);
  button.SetGlyph(DiscStrip(1));
  button.SetNumGlyphs(1);
  button.SetEnabled(false);
  EXPECT_EQ(Painted(button, 10, 10), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Painted(button, 11, 19), GetSysColor(COLOR_BTNHIGHLIGHT));  // the disc's edge, one pixel off
}

TEST_F(CoolButtonTest, PropertiesKeepToTheirRanges) {
  TCoolButton& button = AddButton(L"B", 10);
  button.SetNumGlyphs(6);
  EXPECT_EQ(button.NumGlyphs(), 4);
  button.SetNumGlyphs(0);
  EXPECT_EQ(button.NumGlyphs(), 1);
  button.SetNumGlyphs(-7);
  EXPECT_EQ(button.NumGlyphs(), 1);
  button.SetMargin(-2);
  EXPECT_EQ(button.Margin(), -1);
  button.SetMargin(3);
  EXPECT_EQ(button.Margin(), 3);
}

TEST_F(CoolButtonTest, GroupKeepsOneButtonDown) {
  TCoolButton& first = AddButton(L"B1", 10);
  TCoolButton& second = AddButton(L"B2", 40);
  first.SetGroupIndex(1);
  second.SetGroupIndex(1);
  first.MouseDown(ui::MouseButton::kLeft, 10, 10);
  first.MouseUp(ui::MouseButton::kLeft, 10, 10);
  EXPECT_TRUE(first.Down());
  second.MouseDown(ui::MouseButton::kLeft, 10, 10);
  second.MouseUp(ui::MouseButton::kLeft, 10, 10);
  EXPECT_TRUE(second.Down());
  EXPECT_FALSE(first.Down());
  second.MouseDown(ui::MouseButton::kLeft, 10, 10);
  second.MouseUp(ui::MouseButton::kLeft, 10, 10);
  EXPECT_TRUE(second.Down());  // without AllowAllUp a down button stays down
  EXPECT_EQ(clicks, 3);
  // Outside a group a button never stays down.
  TCoolButton& loose = AddButton(L"B3", 70);
  loose.SetDown(true);
  EXPECT_FALSE(loose.Down());
}

TEST(CoolButtonPlacement, PictureAndCaptionFollowLayoutMarginAndSpacing) {
  using P = TCoolButton;
  // No caption, the defaults: the picture is centred.
  auto p = P::PlaceGlyphAndText({25, 24}, {21, 20}, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph.x, 2);
  EXPECT_EQ(p.glyph.y, 2);
  // A caption right of the picture, centred together.
  p = P::PlaceGlyphAndText({100, 24}, {16, 16}, {40, 13}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(p.glyph.x, 20);
  EXPECT_EQ(p.text.left, 40);
  // Margin and spacing both free: equal thirds.
  p = P::PlaceGlyphAndText({100, 24}, {16, 16}, {40, 13}, TButtonLayout::blGlyphRight, -1, -1);
  EXPECT_EQ(p.glyph.x, 100 - 14 - 16);
  EXPECT_EQ(p.text.left, p.glyph.x - 14 - 40);
  // On top: the picture at the margin, the text below it.
  p = P::PlaceGlyphAndText({60, 60}, {16, 16}, {30, 13}, TButtonLayout::blGlyphTop, 5, -1);
  EXPECT_EQ(p.glyph.y, 5);
  EXPECT_EQ(p.text.top, 5 + 16 + (60 - 5 - 16 - 13) / 2);
  EXPECT_EQ(p.glyph.x, 22);
}

}  // namespace
