// The bar at another DPI, with its pictures and shape compiled in as in the
// program: the window, its buttons and its shape scale together, and each
// picture (also the menu items') is the one drawn for the nearest scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "bar/bar_window.h"
#include "bar/program.h"
#include "ui/app.h"

namespace qrv {
namespace {

// A rectangle's sides, left, top, right, bottom, to compare and print.
std::array<LONG, 4> Box(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The bounding box of the window's shape.
RECT ShapeBox(HWND window) {
  RECT box{};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

// The bounding box of a picture's drawn pixels (those not of its bottom-left colour).
RECT DrawnBox(const Picture& picture) {
  RECT box{picture.Width(), picture.Height(), 0, 0};
  const std::uint32_t clear = picture.Pixel(0, picture.Height() - 1);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.Pixel(x, y) == clear) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
             std::max<LONG>(box.bottom, y + 1)};
    }
  }
  return box;
}

// The system reads the program's awareness from its manifest: per monitor (v2)
// where it knows that, else the older system-wide awareness.
TEST(Manifest, DeclaresPerMonitorAwarenessAndTheOlderFallback) {
  const auto setting = [](const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, nullptr, space, name, value, 64, &written)) return std::wstring(L"(none)");
    return std::wstring(value);
  };
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"), L"PerMonitorV2");
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true");
}

TEST(PictureNames, TheNearestDrawnScaleIsChosen) {
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 96), L"NEW1");
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 119), L"NEW1");      // 124 %
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 120), L"NEW1_150");  // 125 %
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 144), L"NEW1_150");
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 168), L"NEW1_200");  // 175 %
  EXPECT_EQ(PictureNameForDpi(L"NEW1", 288), L"NEW1_200");
}

class BarAtDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    bar_ = std::make_unique<BarWindow>(parts_.data, parts_.outlook, parts_.entryActions, std::vector<std::string>{});
    bar_->SetWindowRect(-1, 150, BarWindow::kOpenWidth, BarWindow::kHeight);
  }
  void TearDown() override { bar_.reset(); }
  int Width() const { return bar_->WindowRect().right - bar_->WindowRect().left; }
  int Height() const { return bar_->WindowRect().bottom - bar_->WindowRect().top; }

  ProgramParts parts_;
  std::unique_ptr<BarWindow> bar_;
};

TEST_F(BarAtDpi, WidthButtonsPicturesAndShapeScaleTogether) {
  ASSERT_FALSE(bar_->BackgroundPicture().Empty()) << "the bar's pictures are not compiled in";
  const RECT shapeAt96 = ShapeBox(bar_->Handle());
  EXPECT_EQ(Box(shapeAt96), Box(DrawnBox(bar_->BackgroundPicture())));
  const BarButton& note = bar_->Buttons().NewItemButton(EntryType::kNote);
  const BarButton& notes = bar_->Buttons().FolderButton(FolderKind::kNotes);
  const RECT noteAt96 = note.PlacedRect(), notesAt96 = notes.PlacedRect();
  const SIZE backAt96{bar_->BackgroundPicture().Width(), bar_->BackgroundPicture().Height()};
  const SIZE glyphAt96{note.Glyph().Width() / 4, note.Glyph().Height()};  // a strip of four

  // At 150 % every measure is half as large again, each picture the one drawn at that size.
  const auto at144 = [](LONG size) { return MulDiv(size, 144, 96); };
  const auto rectAt144 = [&](const RECT& r) {
    return Box({at144(r.left), at144(r.top), at144(r.right), at144(r.bottom)});
  };
  bar_->ApplyDpi(144);
  EXPECT_EQ(Width(), at144(BarWindow::kOpenWidth));
  EXPECT_EQ(Height(), at144(BarWindow::kHeight));
  EXPECT_EQ(bar_->BackgroundPicture().Width(), at144(backAt96.cx));
  EXPECT_EQ(bar_->BackgroundPicture().Height(), at144(backAt96.cy));
  EXPECT_EQ(Box(note.PlacedRect()), rectAt144(noteAt96));
  EXPECT_EQ(Box(notes.PlacedRect()), rectAt144(notesAt96));
  EXPECT_EQ(note.Glyph().Width(), 4 * at144(glyphAt96.cx));
  EXPECT_EQ(note.Glyph().Height(), at144(glyphAt96.cy));
  // The shape is the outline of the bigger background, not the small one.
  const RECT shapeAt144 = ShapeBox(bar_->Handle());
  EXPECT_EQ(Box(shapeAt144), Box(DrawnBox(bar_->BackgroundPicture())));
  EXPECT_GT(shapeAt144.bottom, shapeAt96.bottom * 3 / 2 - 2);

  // Back at 96 DPI, everything is as it was.
  bar_->ApplyDpi(96);
  EXPECT_EQ(Width(), BarWindow::kOpenWidth);
  EXPECT_EQ(Box(note.PlacedRect()), Box(noteAt96));
  EXPECT_EQ(note.Glyph().Width(), 4 * glyphAt96.cx);
  EXPECT_EQ(Box(ShapeBox(bar_->Handle())), Box(shapeAt96));
}

TEST_F(BarAtDpi, CollapsingAndOpeningKeepTheScaledWidths) {
  bar_->ApplyDpi(144);
  bar_->ToggleCollapsed();
  EXPECT_TRUE(bar_->Collapsed());
  EXPECT_EQ(Width(), MulDiv(BarWindow::kCollapsedWidth, 144, 96));
  bar_->ToggleCollapsed();
  EXPECT_FALSE(bar_->Collapsed());
  EXPECT_EQ(Width(), MulDiv(BarWindow::kOpenWidth, 144, 96));
}

// The side of the square 32-bit picture a menu item has its owner draw, or 0;
// -1 for a picture whose colours are not premultiplied by its alpha, or that
// shows nothing.
int PictureSide(HMENU menu, int place, HBITMAP& picture) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP | MIIM_DATA;
  DIBSECTION dib{};
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(place), TRUE, &info) || info.hbmpItem != HBMMENU_CALLBACK ||
      !(picture = reinterpret_cast<HBITMAP>(info.dwItemData)) || GetObjectW(picture, sizeof dib, &dib) != sizeof dib ||
      dib.dsBm.bmBitsPixel != 32 || dib.dsBm.bmWidth != dib.dsBm.bmHeight)
    return 0;
  const auto* pixels = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  bool premultiplied = true, visible = false;
  for (int n = 0; n < dib.dsBm.bmWidth * dib.dsBm.bmHeight; ++n) {
    const std::uint32_t alpha = pixels[n] >> 24;
    for (int shift : {0, 8, 16}) premultiplied &= ((pixels[n] >> shift) & 0xFF) <= alpha;
    visible |= alpha > 128;
  }
  return premultiplied && visible ? dib.dsBm.bmWidth : -1;
}

TEST_F(BarAtDpi, MenuItemsOfFoldersNewItemsAndProgramsShowPicturesDrawnForTheDisplay) {
  // Places in the built menu: the folders, the new items, the requests, the
  // Outlook programs' items; the settings items and Exit carry none.
  std::vector<int> pictured{0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 14, 15, 17, 18, 19, 20, 21};
  const auto check = [&](int size) {
    std::vector<MenuItem*> commands;
    HMENU menu = bar_->Menu().Popup().Build(commands);
    std::set<HBITMAP> distinct;
    for (int place = 0; place < GetMenuItemCount(menu); ++place) {
      HBITMAP picture = nullptr;
      const bool wanted = std::find(pictured.begin(), pictured.end(), place) != pictured.end();
      EXPECT_EQ(PictureSide(menu, place, picture), wanted ? size : 0) << "place " << place;
      if (wanted) distinct.insert(picture);
    }
    EXPECT_EQ(distinct.size(), pictured.size());
    DestroyMenu(menu);
  };
  check(16);
  bar_->ApplyDpi(144);
  check(24);
  bar_->ApplyDpi(192);
  check(32);
  bar_->ApplyDpi(96);
  check(16);
}

}  // namespace
}  // namespace qrv
