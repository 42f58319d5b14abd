#include "core/subject_words.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qrv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SubjectWords, BlanksControlCharactersAndCommasSeparate) {
  EXPECT_THAT(SplitSubject("  Lunch\twith\r\nBob  "), ElementsAre("Lunch", "with", "Bob"));
  EXPECT_THAT(SplitSubject("call, Bob"), ElementsAre("call", "Bob"));
  EXPECT_THAT(SplitSubject("call:"), ElementsAre("call:"));
  EXPECT_THAT(SplitSubject("a , , b"), ElementsAre("a", "", "b"));
  EXPECT_THAT(SplitSubject(",a,"), ElementsAre("", "a", ""));
  EXPECT_THAT(SplitSubject("a, "), ElementsAre("a"));
  EXPECT_THAT(SplitSubject(std::string("a\0b\x7f", 4)), ElementsAre("a", "b\x7f"));
  EXPECT_THAT(SplitSubject(" \x01 "), IsEmpty());
}

TEST(SubjectWords, QuotedWordsKeepBlanksAndDoubledQuotes) {
  EXPECT_THAT(SplitSubject("see \"Gone with the Wind\" today"), ElementsAre("see", "Gone with the Wind", "today"));
  EXPECT_THAT(SplitSubject("\"say \"\"hi\"\"\",x"), ElementsAre("say \"hi\"", "x"));
  EXPECT_THAT(SplitSubject("\"ab\"cd"), ElementsAre("ab", "cd"));
  EXPECT_THAT(SplitSubject("it\"s"), ElementsAre("it\"s"));
  EXPECT_THAT(SplitSubject("\"\""), ElementsAre(""));
  // An unclosed quote runs to the end and loses nothing.
  EXPECT_THAT(SplitSubject("buy \"milk and eggs"), ElementsAre("buy", "milk and eggs"));
  EXPECT_THAT(SplitSubject("\""), ElementsAre(""));
}

TEST(SubjectWords, RewritesMakeDateAndTimeWordsStandAlone) {
  EXPECT_THAT(SubjectWords("10am-2pm"), ElementsAre("10am", "2pm"));
  EXPECT_THAT(SubjectWords("5-7 12-25-2003"), ElementsAre("5-7", "12-25-2003"));
  EXPECT_THAT(SubjectWords("9-5pm"), ElementsAre("9am", "5pm"));  // the range crosses noon
  EXPECT_THAT(SubjectWords("3-5pm 12-2P (friday) 3pm.!"), ElementsAre("3pm", "5pm", "12p", "2P", "friday", "3pm"));
  EXPECT_THAT(SubjectWords("call-back-now"), ElementsAre("call", "back-now"));
  EXPECT_THAT(SubjectWords("5-6-"), ElementsAre("5"));
  EXPECT_THAT(SubjectWords("-5"), ElementsAre("", "5"));
  EXPECT_THAT(SubjectWords("5th of March"), ElementsAre("5", "March"));
  EXPECT_THAT(SubjectWords("21ST 2nd 3Rd 32nd 0th th"), ElementsAre("21", "2", "3", "32nd", "0th", "th"));
  EXPECT_THAT(SubjectWords("this Weekend"), ElementsAre("this", "saturday", "sunday"));
  EXPECT_THAT(SubjectWords("weekend-trip"), ElementsAre("saturday", "sunday", "trip"));
  EXPECT_THAT(SubjectWords("10 p.m. 9 A.M."), ElementsAre("10", "PM", "9", "AM"));
  EXPECT_THAT(SubjectWords("OF of-x"), ElementsAre("x"));
  EXPECT_THAT(SubjectWords("99999-1"), ElementsAre("99999", "1"));  // 99999 counts as no number
}

TEST(SubjectWords, EachWordKnowsWhereItStands) {
  std::vector<TextSpan> spans;
  EXPECT_THAT(SubjectWords("(friday). 10am-2pm \"a \"\"b\" weekend, 5-6-", &spans),
              ElementsAre("friday", "10am", "2pm", "a \"b", "saturday", "sunday", "5"));
  EXPECT_THAT(spans, ElementsAre(TextSpan{1, 7}, TextSpan{10, 14}, TextSpan{15, 18}, TextSpan{19, 26}, TextSpan{27, 34},
                                 TextSpan{27, 34}, TextSpan{36, 37}));
}

// A word inserted while walking comes next and takes the span of the word it came from.
TEST(SubjectWords, InsertedWordsComeNextInTheWalk) {
  WordList words({"a", "b", "c"}, {{0, 1}, {2, 3}, {4, 5}});
  ASSERT_TRUE(words.Next() && words.Next());
  words.InsertAfterCurrent("x");
  EXPECT_EQ(words.Size(), 4u);
  EXPECT_EQ(words[2], "x");
  EXPECT_EQ(words[3], "c");
  EXPECT_EQ(words.Span(2), (TextSpan{2, 3}));
  std::string seen = words[0] + words[1];
  while (words.Next()) seen += words[words.Current()];
  EXPECT_EQ(seen, "abxc");
  EXPECT_FALSE(WordList({}).Next());
}

}  // namespace
}  // namespace qrv
