// The icon note lookup through Outlook (the stand-in, reached the way the bar
// reaches Outlook): the definitions and their pictures when the note is there,
// and a bar that runs on without icons when it is not, when Outlook is not
// connected, or when Outlook fails.
#include "bar/Main.h"
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
  void Connect() {
    OutlookApp = StartOutlook();
    OutlookNameSpace = OutlookApp.Call("GetNameSpace", "MAPI").Object();
  }
  void TearDown() override {
    for (OleObject* object : {&OutlookApp, &OutlookNameSpace, &OutlookFolder, &OutlookExplorer, &OutlookItem})
      object->Clear();
    IconNoteFound = false;
    IconDefinitions.clear();
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
    bar.IconImages.Draw(dc, index, 0, 0);
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

  TQV bar;
};

TEST_F(IconNote, FoundNoteGivesOneIconPerLineAfterTheHeading) {
  Seed(kIconNote);
  Connect();
  bar.ReadIconNote();
  EXPECT_TRUE(IconNoteFound);
  ASSERT_EQ(IconDefinitions.size(), 5u);
  EXPECT_EQ(IconDefinitions[2], "ABCorner=8000000000000000");
  ASSERT_EQ(bar.IconImages.Count(), 4);
  ExpectIcon(0, [](int, int y) { return y % 4 < 2; });                   // black bars on rows 0, 2, 4 and 6
  ExpectIcon(1, [](int x, int y) { return x < 2 && y < 2; });            // the top-left block alone
  ExpectIcon(2, [](int x, int y) { return y < 4 && x < 8; });            // "F0F": the digits that are there
  ExpectIcon(3, [](int x, int y) { return y < 2 && x >= 8; });           // "z" draws nothing, "F" its half
  // The lookup leaves the notes folder as the folder fetched last and no item behind.
  EXPECT_FALSE(OutlookFolder.IsEmpty());
  EXPECT_TRUE(OutlookItem.IsEmpty());
  const auto finds = Calls(Log(), "call", "Find");
  ASSERT_EQ(finds.size(), 1u);
  EXPECT_EQ(finds[0].args, "\"[Subject] = \\\"VIDODU3\\\"\"");
}

TEST_F(IconNote, AGoneNoteClearsTheFlagAndTheDefinitions) {
  Seed(kIconNote);
  Connect();
  bar.ReadIconNote();
  ASSERT_TRUE(IconNoteFound);
  OutlookItem = OutlookFolder.Get("Items").Object().Call("Find", "[Subject] = \"VIDODU3\"").Object();
  OutlookItem.Put("Body", "Shopping list\r\nAAPhone=FF00FF00FF00FF00");
  OutlookItem.Clear();
  bar.ReadIconNote();
  EXPECT_FALSE(IconNoteFound);
  EXPECT_TRUE(IconDefinitions.empty());
}

TEST_F(IconNote, WithoutOutlookTheLookupIsSkipped) {
  IconNoteFound = true;
  IconDefinitions = {"VIDODU3", "AAPhone=FF00FF00FF00FF00"};
  bar.ReadIconNote();
  EXPECT_FALSE(IconNoteFound);
  EXPECT_TRUE(IconDefinitions.empty());
}

TEST_F(IconNote, AnOutlookFailureLeavesTheBarWithoutIcons) {
  Seed(kIconNote);
  for (const char* failing : {"Find", "Body", "GetDefaultFolder"}) {
    Configure(std::string("fail=") + failing + " Outlook is busy.\r\n");
    Connect();
    EXPECT_NO_THROW(bar.ReadIconNote()) << failing;
    EXPECT_FALSE(IconNoteFound) << failing;
    EXPECT_TRUE(IconDefinitions.empty()) << failing;
    EXPECT_TRUE(OutlookItem.IsEmpty()) << failing;
  }
  Configure("");
  bar.ReadIconNote();
  EXPECT_TRUE(IconNoteFound);
}

}  // namespace
}  // namespace qrv::testing
