#include "core/codepage.h"

#include <gtest/gtest.h>

#include "core/keyword_file.h"
#include "core/service_file.h"

namespace qrv {
namespace {

TEST(Codepage, MapsTheWindowsSpecificRangeAndEveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(AnsiToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(Utf8ToAnsi("\xE2\x80\x9Cq\xE2\x80\x9D"), "\x93q\x94");
}

TEST(Codepage, UnheldOrBrokenTextIsRefusedByNameNeverReplaced) {
  std::string unheld;
  EXPECT_EQ(Utf8ToAnsi("ab\xE4\xB8\xAD", &unheld), std::nullopt);  // a CJK character
  EXPECT_EQ(unheld, "\xE4\xB8\xAD");
  EXPECT_EQ(UnheldCharacter("\xC5\x81\xC3\x93\xC4\x86"), "\xC5\x81");    // "ŁÓĆ": Ł is the first not in 1252
  EXPECT_EQ(UnheldCharacter("x\xF0\x9F\x98\x80!"), "\xF0\x9F\x98\x80");  // outside the BMP
  EXPECT_NE(UnheldCharacter("a\xC3"), "");                               // cut short
  EXPECT_NE(UnheldCharacter("\xC0\xAF"), "");                            // overlong
  EXPECT_NE(UnheldCharacter("\xED\xA0\x80"), "");                        // surrogate
  EXPECT_EQ(UnheldCharacter("Caf\xC3\xA9 \xE2\x82\xAC"), "");
  EXPECT_TRUE(UnheldCharacterMessage("\xC5\x81").find("\"\xC5\x81\"") != std::string::npos);
}

// A stand-in for a Central European system: ASCII, and "Ł" at 0xA3 as in Windows-1250.
class CentralEuropean final : public CodePage {
 public:
  std::string ToUtf8(std::string_view bytes) const override {
    std::string out;
    for (char c : bytes) out += c == '\xA3' ? std::string("\xC5\x81") : std::string(1, c);
    return out;
  }
  std::optional<std::string> FromUtf8(std::string_view utf8, std::string* unheld) const override {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
      const std::size_t at = i;
      const char32_t c = NextCodePoint(utf8, i);
      if (c >= 0x80 && c != U'\u0141') {
        if (unheld) *unheld = std::string(utf8.substr(at, i - at));
        return std::nullopt;
      }
      out += c < 0x80 ? static_cast<char>(c) : '\xA3';
    }
    return out;
  }
};

class SystemCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override { SetSystemCodePage(centralEuropean_); }
  void TearDown() override { SetSystemCodePage(Windows1252()); }
  CentralEuropean centralEuropean_;
};

TEST_F(SystemCodePageTest, StoredFilesAreWrittenAndReadInTheInstalledCodePage) {
  const std::string held = "K=1{\xC5\x81OD}3";
  const auto bytes = KeywordFileBytes({{held}, {}, {}, {}});
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "K=1{\xA3OD}3\r\n");
  EXPECT_EQ(LoadKeywordLists({}, *bytes, std::nullopt).keywordList, std::vector<std::string>{held});
  const auto file = ServiceFileBytes("S=0{\xC5\x81}11<CB=\xC5\x81!><D=!D><CUST=Y><HINT=!H>|https://x/", "");
  ASSERT_TRUE(file);
  EXPECT_EQ(CustomServicesInFile(*file).front(), "S=0{\xC5\x81}11<CB=\xC5\x81!><D=!D><CUST=Y><HINT=!H>|https://x/");
  // The euro sign is in 1252 but not in this code page: refused, not turned into "?".
  std::string fault;
  EXPECT_FALSE(KeywordFileBytes({{}, {}, {}, {"S=0{E}11<CB=\xE2\x82\xAC!>"}}, &fault));
  EXPECT_NE(fault.find("\xE2\x82\xAC"), std::string::npos) << fault;
}

TEST(Codepage, WhatThe1252TableCannotHoldIsNeverSaved) {
  std::string fault;
  EXPECT_FALSE(KeywordFileBytes({{"K=1{\xC5\x81\xC3\x93\xC4\x86}3"}, {}, {}, {}}, &fault));
  EXPECT_NE(fault.find("\xC5\x81"), std::string::npos) << fault;
  std::string unheld;
  EXPECT_FALSE(ServiceFileBytes("S=0{x}11<CB=\xE4\xB8\xAD!>", "", &unheld));
  EXPECT_EQ(unheld, "\xE4\xB8\xAD");
}

}  // namespace
}  // namespace qrv
