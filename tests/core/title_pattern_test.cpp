#include "core/title_pattern.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

bool Matches(std::string_view pattern, std::string_view title) {
  const auto parsed = TitlePattern::Parse(pattern);
  return parsed && parsed->Matches(title);
}

TEST(TitlePattern, ComparesBeginningsEndingsOrAnything) {
  EXPECT_TRUE(Matches("QV", "QV"));
  EXPECT_TRUE(Matches("QV", "qv bar"));
  EXPECT_FALSE(Matches("QV", "The QV bar"));
  EXPECT_FALSE(Matches("QV", "Q"));
  EXPECT_TRUE(Matches("*notepad", "Untitled - NOTEPAD"));
  EXPECT_FALSE(Matches("*notepad", "pad"));
  EXPECT_FALSE(Matches("*notepad", "Notepad - x"));
  EXPECT_TRUE(Matches("QV*ignored", "QV"));
  EXPECT_FALSE(Matches("QV*ignored", "Q"));
  EXPECT_TRUE(Matches("*", "anything"));
  EXPECT_TRUE(Matches("", "anything"));
  // Only ASCII letters fold; other bytes compare exactly.
  EXPECT_FALSE(Matches("\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"));
  EXPECT_TRUE(Matches("\xC3\xA9t", "\xC3\xA9T\xC3\xA9"));
}

TEST(TitlePattern, ALeadingStarWithASecondIsNoPattern) {
  EXPECT_FALSE(TitlePattern::Parse("**").has_value());
  EXPECT_FALSE(TitlePattern::Parse("*a*b").has_value());
  EXPECT_TRUE(TitlePattern::Parse("a*b*").has_value());
}

}  // namespace
}  // namespace qrv
