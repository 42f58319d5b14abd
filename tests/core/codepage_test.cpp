#include "core/codepage.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(Codepage, MapsTheWindowsSpecificRange) {
  EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(AnsiToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(Utf8ToAnsi("\xE2\x80\x9Cq\xE2\x80\x9D"), "\x93q\x94");
}

TEST(Codepage, UnmappableOrBrokenTextBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");        // a CJK character
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");  // outside the BMP
  EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");              // cut short
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");           // overlong
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");      // surrogate
}

}  // namespace
}  // namespace qrv
