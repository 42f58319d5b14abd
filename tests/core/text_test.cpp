#include "core/text.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

TEST(Text, PosIsOneBasedFirstOccurrenceAndZeroWhenAbsent) {
  EXPECT_EQ(PositionOf("{", "K=1{LUNCH}3"), 4u);
  EXPECT_EQ(PositionOf("}", "a}b}c"), 2u);
  EXPECT_EQ(PositionOf("x", "abc"), 0u);
  EXPECT_EQ(PositionOf("", "abc"), 0u);
  EXPECT_EQ(PositionOf("abcd", "abc"), 0u);
}

TEST(Text, CopyClampsInsteadOfFailing) {
  EXPECT_EQ(SubText("K=1{LUNCH}3", 5, 5), "LUNCH");
  EXPECT_EQ(SubText("abc", 2, 100), "bc");
  EXPECT_EQ(SubText("abc", 0, 2), "ab");
  EXPECT_EQ(SubText("abc", -5, 2), "ab");
  EXPECT_EQ(SubText("abc", 4, 1), "");
  EXPECT_EQ(SubText("abc", 99, 1), "");
  EXPECT_EQ(SubText("abc", 1, 0), "");
  EXPECT_EQ(SubText("abc", 1, -3), "");
  EXPECT_EQ(SubTextFrom("abc", 2), "bc");
  EXPECT_EQ(SubTextFrom("abc", 9), "");
}

TEST(Text, CaseMappingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper("lunch @ 12pm"), "LUNCH @ 12PM");
  EXPECT_EQ(AsciiUpper("caf\xC3\xA9"), "CAF\xC3\xA9");  // UTF-8 stays valid
  EXPECT_EQ(AsciiLower("MeEt"), "meet");
  EXPECT_TRUE(EqualsIgnoringCase("Business", "BUSINESS"));
  EXPECT_FALSE(EqualsIgnoringCase("Business", "Busines"));
}

TEST(Text, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n word  x \x01"), "word  x");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \r\n"), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Text, ReadIntAcceptsOnlyWholeNumbers) {
  EXPECT_EQ(ReadInt("11"), 11);
  EXPECT_EQ(ReadInt("  -7"), -7);
  EXPECT_EQ(ReadInt("+3"), 3);
  EXPECT_EQ(ReadInt("2147483647"), 2147483647);
  EXPECT_EQ(ReadInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadInt("2147483648"), std::nullopt);
  EXPECT_EQ(ReadInt("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadInt(""), std::nullopt);
  EXPECT_EQ(ReadInt("-"), std::nullopt);
  EXPECT_EQ(ReadInt("1 "), std::nullopt);
  EXPECT_EQ(ReadInt("1a"), std::nullopt);
  EXPECT_EQ(ReadInt("$1F"), 31);
  EXPECT_EQ(ReadInt("x10"), 16);
  EXPECT_EQ(ReadInt("-x10"), -16);
  EXPECT_EQ(ReadInt("0x10"), std::nullopt);  // only "$" and "x" mark hexadecimal
  EXPECT_EQ(ReadInt("$"), std::nullopt);
  EXPECT_EQ(ReadInt("1F"), std::nullopt);
  EXPECT_EQ(ReadInt("$FFFFFFFFF"), std::nullopt);
  EXPECT_EQ(ReadIntOr("x", 9999), 9999);
}

TEST(Text, LinesEndAtAnyLineBreakAndJoinWithCrLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(SplitLines(std::string("x\0y", 3)), std::vector<std::string>{std::string("x\0y", 3)});
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(SplitLines(JoinLines({"a", "", "b"})), (std::vector<std::string>{"a", "", "b"}));
}

}  // namespace
}  // namespace qrv
