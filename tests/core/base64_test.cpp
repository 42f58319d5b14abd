#include "core/base64.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

TEST(Base64, EncodesAsRfc4648WithZeroFillBits) {
  EXPECT_EQ(Base64Encode(""), "");
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode("foo"), "Zm9v");
  EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64Encode(std::string("\xFF\xFF", 2)), "//8=");
  EXPECT_EQ(Base64Encode(std::string("\0", 1)), "AA==");
}

TEST(Base64, RejectsOnlyALengthThatIsNoMultipleOfFour) {
  try {
    Base64Decode("Zm9vY");
    FAIL() << "length 5 must be refused";
  } catch (const Base64Error& e) {
    EXPECT_STREQ(e.what(), "Base64: Incorrect string format");
  }
  EXPECT_THROW(Base64Decode("Zg="), Base64Error);
  EXPECT_EQ(Base64Decode(""), "");
}

TEST(Base64, DecodesLenientlyAsStoredLinesExpect) {
  // A third "=" ends the group after one byte, whatever the fourth character.
  EXPECT_EQ(Base64Decode("Zg=x"), "f");
  EXPECT_EQ(Base64Decode("Zm8="), "fo");
  // Characters outside the alphabet and an "=" before the last group count as 63.
  EXPECT_EQ(Base64Decode("-AAA"), Base64Decode("/AAA"));
  EXPECT_EQ(Base64Decode(" AAA"), Base64Decode("/AAA"));
  EXPECT_EQ(Base64Decode("=AAAZm9v"), Base64Decode("/AAAZm9v"));
  EXPECT_EQ(Base64Decode("/AAA"), std::string("\xFC\0\0", 3));
}

TEST(Base64, RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (std::size_t n = 0; n <= all.size(); n += 37) {
    const std::string part = all.substr(0, n);
    EXPECT_EQ(Base64Decode(Base64Encode(part)), part);
  }
  EXPECT_EQ(Base64Decode(Base64Encode(all)), all);
}

}  // namespace
}  // namespace qrv
