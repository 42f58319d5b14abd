// The preferences window's pictures, painted for real and read back pixel by
// pixel: icon pictures in the keyword grid and in the keyword dialog's icon
// list, the about face and its buttons' glyphs (the program's pictures and
// manifest are compiled in, as in Quorvel.exe).
#include <gtest/gtest.h>

#include <functional>

#include "prefs/keyword_dialog.h"
#include "prefs/preferences_window.h"
#include "ui/app.h"
#include "ui/gdi.h"
#include "ui/picture.h"

namespace qrv::testing {
namespace {

constexpr std::uint32_t kRed = 0xDC0000, kBlue = 0x0000DC;

// A picture of one colour, for the icons.
Picture Plain(std::uint32_t colour) { return Picture::FromPixels(16, 16, std::vector<std::uint32_t>(256, colour)); }

// A picture of ours the size of a window's client area, painted by `paint`.
Picture Shot(HWND window, const std::function<void(HDC, const RECT&)>& paint) {
  RECT client{};
  GetClientRect(window, &client);
  Picture shot = Picture::FromPixels(client.right, client.bottom,
                                     std::vector<std::uint32_t>(std::size_t(client.right) * client.bottom, 0));
  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  SelectedObject selected(memory.Get(), shot.Handle());
  paint(memory.Get(), client);
  GdiFlush();
  return shot;
}

// A window's client area as the window paints it.
Picture Painted(HWND window) {
  return Shot(window, [window](HDC dc, const RECT&) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  });
}

// How many pixels of a part of a picture pass a test.
int CountIn(const Picture& picture, const RECT& part, const std::function<bool(std::uint32_t)>& test) {
  int count = 0;
  for (int y = std::max(0L, part.top); y < std::min<long>(picture.Height(), part.bottom); ++y)
    for (int x = std::max(0L, part.left); x < std::min<long>(picture.Width(), part.right); ++x)
      count += test(picture.Pixel(x, y)) ? 1 : 0;
  return count;
}

class PreferencesPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::uint32_t colour : {kRed, kBlue}) ASSERT_TRUE(images_.Add(Plain(colour).Handle()));
    window_ = &bar_.CreateOwned<PreferencesWindow>(data_, actions_);
    window_->Show();
  }
  void TearDown() override {
    window_->Close();
    Application::Get().RunUntil([&] { return actions_.closed; });
  }

  class QuietActions : public PreferencesActions {
   public:
    void ShowHelp(int) override {}
    void ClaimAssociation() override {}
    std::vector<std::string> CategoryNames() override { return {"Business"}; }
    SaveContext SaveContextNow() const override { return {}; }
    bool StoreSettings(const SettingsWrite&) override { return true; }
    bool UpdateWebServices(Form&, std::vector<std::string>&, BarSettings&, bool, const qrv::BusyShown&) override {
      return false;
    }
    int ImportWebServiceFiles(Form&, const std::vector<std::wstring>&, std::vector<std::string>&) override { return 0; }
    void PreferencesClosed(bool) override { closed = true; }
    bool closed = false;
  };

  Form bar_{FormArgs{.caption = L"bar", .clientSize = {40, 300}}};
  BarSettings settings_;
  std::vector<std::string> keywords_{"I=1{PHONE}B", "I=1{FLAG}A", "K=0{CALL}1"}, journalTypes_,
      icons_{"icons", "1 Flag=00FF", "2 Phone=FF00"};
  bool noteFound_ = true;
  ImageList images_{16, 16};
  PreferencesData data_{settings_, keywords_, journalTypes_, icons_, noteFound_, images_, "."};
  QuietActions actions_;
  PreferencesWindow* window_ = nullptr;
};

TEST_F(PreferencesPictures, TheIconsGridShowsEachKeywordsIconInTheMiddleOfItsIconCellAndOtherListsNone) {
  window_->OpenPages(PreferencesTab::kKeywords);
  KeywordsPage& page = window_->Keywords();
  page.ShowList(KeywordListKind::kIcons);
  ListView& grid = page.Grid();
  const RECT phone = grid.CellRect(0, 1), flag = grid.CellRect(1, 1);
  EXPECT_GE(phone.bottom - phone.top, 18);  // a picture and a pixel above it fit a row
  const Picture shot = Painted(grid.Handle());
  const auto middle = [&](const RECT& cell) { return shot.Pixel((cell.left + cell.right) / 2, cell.top + 1 + 8); };
  EXPECT_EQ(middle(phone), kBlue);  // "B" is icon 2
  EXPECT_EQ(middle(flag), kRed);
  const auto blue = [](std::uint32_t c) { return c == kBlue; };
  // The picture stands in its cell only: 16 x 16 of it.
  EXPECT_EQ(CountIn(shot, phone, blue), 256);
  EXPECT_EQ(CountIn(shot, grid.CellRect(0, 0), blue), 0);
  // The item keywords show no pictures in the same place.
  page.ShowList(KeywordListKind::kItems);
  const Picture items = Painted(grid.Handle());
  EXPECT_EQ(CountIn(items, phone, [](std::uint32_t c) { return c == kBlue || c == kRed; }), 0);
}

TEST_F(PreferencesPictures, TheKeywordDialogsIconListDrawsEachIconsPictureBeforeItsCaption) {
  KeywordDialog dialog(bar_, KeywordListKind::kIcons, icons_, images_);
  dialog.Prefill(nullptr);
  dialog.Show();
  ComboBox& types = dialog.Types();
  const int height = static_cast<int>(SendMessageW(types.Handle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(height, 19);
  SendMessageW(types.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(types.Handle(), &info));
  const Picture list = Painted(info.hwndList);
  SendMessageW(types.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  // Entry n: icon n + 1's picture two pixels in, its caption from 22 pixels on.
  EXPECT_EQ(list.Pixel(2 + 8, 1 + 8), kRed);
  EXPECT_EQ(list.Pixel(2 + 8, height + 1 + 8), kBlue);
  const RECT secondPicture{0, height, 20, 2 * height}, secondCaption{20, height, 120, 2 * height};
  EXPECT_EQ(CountIn(list, secondPicture, [](std::uint32_t c) { return c == kBlue; }), 256);
  const std::uint32_t ink = ToRgb(GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_GT(CountIn(list, secondCaption, [ink](std::uint32_t c) { return c == ink; }), 10);
  EXPECT_EQ(types.ItemText(1), L"Phone");
}

TEST_F(PreferencesPictures, TheAboutFaceShowsItsPictureAndTheButtonsTheirGlyphsBesideTheirTexts) {
  const Picture face = Picture::FromResource(L"ABOUTBACK");
  ASSERT_FALSE(face.Empty());
  const Picture shot =
      Shot(window_->Handle(), [&](HDC dc, const RECT& client) { window_->PaintBackground(dc, client); });
  for (POINT at : {POINT{10, 10}, POINT{176, 30}, POINT{100, 80}, POINT{200, 200}})
    EXPECT_EQ(shot.Pixel(at.x, at.y), face.Pixel(at.x, at.y)) << at.x << "," << at.y;
  EXPECT_NE(shot.Pixel(200, 200), shot.Pixel(200, 20));  // a picture, not one colour
  // The glyphs: a green tick on OK, a red cross on Cancel, the texts kept.
  window_->OpenPages();
  const auto glyphPixels = [](Button& button, const std::function<bool(std::uint32_t)>& colour) {
    const Picture painted = Painted(button.Handle());
    return CountIn(painted, {0, 0, painted.Width(), painted.Height()}, colour);
  };
  const auto green = [](std::uint32_t c) { return ((c >> 8) & 0xFF) > 110 && (c >> 16) < 90 && (c & 0xFF) < 120; };
  const auto red = [](std::uint32_t c) { return (c >> 16) > 150 && ((c >> 8) & 0xFF) < 90 && (c & 0xFF) < 90; };
  EXPECT_GT(glyphPixels(window_->OkButton(), green), 10);
  EXPECT_GT(glyphPixels(window_->CancelButton(), red), 10);
  EXPECT_EQ(glyphPixels(window_->OkButton(), red), 0);
  EXPECT_EQ(window_->OkButton().Text(), L"OK");
  EXPECT_EQ(window_->CancelButton().Text(), L"Cancel");
}

}  // namespace
}  // namespace qrv::testing
