// The icon note lookup through Outlook (the stand-in, reached the way the bar
// reaches Outlook): the definitions and their pictures when the note is there,
// and a bar that runs on without icons when it is not, when Outlook is not
// connected, or when Outlook fails.
#include "bar/bar_files.h"
#include "standin_fixture.h"

namespace qrv::testing {
namespace {

// A heading line, then four icons: bars, one corner block, a short line and a
// line that is partly no hexadecimal.
const char kIconNote[] =
    "[Item 1]\r\nClass=NoteItem\r\n"
    "Body=VIDODU3\\r\\nAAPhone=ff00FF00ff00FF00\\r\\nABCorner=8000000000000000\\r\\nACShort=F0F\\r\\nADOdd=zF\r\n";

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class IconNote : public StandInTest {
 protected:
  void Connect() { ASSERT_TRUE(outlook_.Connect()); }
  void Read() { ReadIconNote(outlook_, icons_); }
  void TearDown() override {
    outlook_.Release();
    StandInTest::TearDown();
  }
  // Image `index` of the bar's icon images, drawn on a grey ground: a pixel is
  // black or white as the icon has it, or grey where nothing was drawn.
  std::vector<COLORREF> IconPixels(int index) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    icons_.images.Draw(dc, index, 0, 0);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
  }
  void ExpectIcon(int index, const std::function<bool(int x, int y)>& black) {
    const auto pixels = IconPixels(index);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(pixels[y * 16 + x], black(x, y) ? kBlack : kWhite) << "image " << index << " at " << x << "," << y;
  }

  OutlookSession outlook_;
  IconSet icons_;
};

TEST_F(IconNote, FoundNoteGivesOneIconPerLineAfterTheHeading) {
  Seed(kIconNote);
  Connect();
  Read();
  EXPECT_TRUE(icons_.noteFound);
  ASSERT_EQ(icons_.definitions.size(), 5u);
  EXPECT_EQ(icons_.definitions[2], "ABCorner=8000000000000000");
  ASSERT_EQ(icons_.images.Count(), 4);
  ExpectIcon(0, [](int, int y) { return y % 4 < 2; });          // black bars on rows 0, 2, 4 and 6
  ExpectIcon(1, [](int x, int y) { return x < 2 && y < 2; });   // the top-left block alone
  ExpectIcon(2, [](int x, int y) { return y < 4 && x < 8; });   // "F0F": the digits that are there
  ExpectIcon(3, [](int x, int y) { return y < 2 && x >= 8; });  // "z" draws nothing, "F" its half
  // The lookup holds on to nothing of Outlook's but the session.
  outlook_.Release();
  EXPECT_TRUE(UnreleasedObjects(Log()).empty());
  const auto finds = Calls(Log(), "call", "Find");
  ASSERT_EQ(finds.size(), 1u);
  EXPECT_EQ(finds[0].args, "\"[Subject] = \\\"VIDODU3\\\"\"");
}

TEST_F(IconNote, AGoneNoteClearsTheFlagAndTheDefinitions) {
  Seed(kIconNote);
  Connect();
  Read();
  ASSERT_TRUE(icons_.noteFound);
  outlook_.DefaultFolder(OutlookFolder::kNotes)
      .Get("Items")
      .Object()
      .Call("Find", "[Subject] = \"VIDODU3\"")
      .Object()
      .Put("Body", "Shopping list\r\nAAPhone=FF00FF00FF00FF00");
  Read();
  EXPECT_FALSE(icons_.noteFound);
  EXPECT_TRUE(icons_.definitions.empty());
  EXPECT_EQ(icons_.images.Count(), 0);
}

TEST_F(IconNote, WithoutOutlookTheLookupIsSkipped) {
  icons_.noteFound = true;
  icons_.definitions = {"VIDODU3", "AAPhone=FF00FF00FF00FF00"};
  Read();
  EXPECT_FALSE(icons_.noteFound);
  EXPECT_TRUE(icons_.definitions.empty());
}

TEST_F(IconNote, AnOutlookFailureLeavesTheBarWithoutIcons) {
  Seed(kIconNote);
  for (const char* failing : {"Find", "Body", "GetDefaultFolder"}) {
    Configure(std::string("fail=") + failing + " Outlook is busy.\r\n");
    Connect();
    EXPECT_NO_THROW(Read()) << failing;
    EXPECT_FALSE(icons_.noteFound) << failing;
    EXPECT_TRUE(icons_.definitions.empty()) << failing;
  }
  Configure("");
  Read();
  EXPECT_TRUE(icons_.noteFound);
}

}  // namespace
}  // namespace qrv::testing
