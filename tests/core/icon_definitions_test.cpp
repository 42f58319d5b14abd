#include "core/icon_definitions.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

// The picture as 16 lines of "#" (black) and "." (white), for readable failures.
std::vector<std::string> Rows(const IconPicture& picture) {
  std::vector<std::string> rows;
  for (int y = 0; y < kIconSize; ++y) {
    std::string row;
    for (int x = 0; x < kIconSize; ++x) row += picture.IsBlack(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// Stored records name icons 1 to 52 by the characters "A" to "t" in a row.
TEST(IconCharacters, MapIconNumbersBothWays) {
  for (int n = 1; n <= kMaxIcon; ++n) {
    EXPECT_EQ(ExtractIconValue(n), static_cast<char>('@' + n)) << n;
    EXPECT_EQ(CreateIconValue(ExtractIconValue(n)), n);
  }
  for (int n : {0, 53, -1, 1000}) EXPECT_EQ(ExtractIconValue(n), '@') << n;
  for (char c : {'@', 'u', '?', ' ', '\0', '\xC9'}) EXPECT_EQ(CreateIconValue(c), 0) << int(c);
}

TEST(IconDefinitions, LineZeroIsTheHeadingAndTheRestAreIcons) {
  EXPECT_EQ(IconDefinitions("Icons").size(), 1u);  // no icons
  const auto definitions = IconDefinitions("Icons\r\n01Bell=FF00FF00FF00FF00\r\n02Flag=8\r\n");
  ASSERT_EQ(definitions.size(), 3u);  // two icons
  EXPECT_EQ(IconDataAt(definitions, 1), "FF00FF00FF00FF00");
  EXPECT_EQ(IconDataAt(definitions, 2), "8");
  EXPECT_EQ(IconDataAt(definitions, 3), "");
  EXPECT_EQ(IconDataAt({"a=0123456789ABCDEF-too-long=x"}, 0), "0123456789ABCDEF");
  EXPECT_EQ(IconDataAt({"0123456789ABCDEFGH"}, 0), "0123456789ABCDEF");  // no "="
  EXPECT_EQ(IconDataAt({"Name="}, 0), "");
  EXPECT_EQ(IconNoteFilter(), "[Subject] = \"VIDODU3\"");
}

TEST(IconDefinitions, CaptionsOfTypedLinesNeverFail) {
  const std::vector<std::string> lines{"1 Birthday=0123", "1 Call", "1=x", "=", "", "12=", "1 a=b=c"};
  // No "=", an "=" before the caption begins, or no such line: no caption.
  const char* const captions[] = {"Birthday", "", "", "", "", "", "a", ""};
  for (std::size_t i = 0; i < std::size(captions); ++i) EXPECT_EQ(IconCaption(lines, i), captions[i]) << i;
}

TEST(IconPicture, DrawsTwoPixelBlocksRowByRow) {
  std::vector<std::string> bars;
  for (int y = 0; y < kIconSize; ++y) bars.push_back(y % 4 < 2 ? std::string(16, '#') : std::string(16, '.'));
  EXPECT_EQ(Rows(DrawIconPicture("FF00FF00FF00FF00")), bars);

  const auto corner = Rows(DrawIconPicture("8000000000000000"));
  EXPECT_EQ(corner[0], "##..............");
  EXPECT_EQ(corner[1], "##..............");
  for (int y = 2; y < kIconSize; ++y) EXPECT_EQ(corner[y], std::string(16, '.')) << y;

  // The right half of a row, and single digits at their places.
  EXPECT_EQ(Rows(DrawIconPicture("0000000000000015"))[15], "......##..##..##");
  EXPECT_EQ(Rows(DrawIconPicture("1"))[0], "......##........");
  EXPECT_EQ(Rows(DrawIconPicture("5"))[1], "..##..##........");
  EXPECT_EQ(Rows(DrawIconPicture("a3c0ffee00000000")), Rows(DrawIconPicture("A3C0FFEE00000000")));
}

TEST(IconPicture, DrawsWhatCanBeReadOfAShortOrDamagedLine) {
  EXPECT_EQ(Rows(DrawIconPicture("")), Rows(IconPicture{}));
  const auto shortLine = Rows(DrawIconPicture("FF8"));
  EXPECT_EQ(shortLine[1], std::string(16, '#'));
  EXPECT_EQ(shortLine[2], "##..............");
  EXPECT_EQ(shortLine[4], std::string(16, '.'));
  // A character that is no digit leaves its four blocks white; the others stay in place.
  const auto damaged =
      Rows(DrawIconPicture("FxF-\xC9"
                           "FFF00000000"));
  EXPECT_EQ(damaged[0], "########........");
  EXPECT_EQ(damaged[2], "########........");
  EXPECT_EQ(damaged[4], "........########");
  EXPECT_EQ(damaged[6], std::string(16, '#'));
  // Only the first 16 digits draw.
  EXPECT_EQ(Rows(DrawIconPicture("0000000000000000FFFF")), Rows(IconPicture{}));
}

}  // namespace
}  // namespace qrv
