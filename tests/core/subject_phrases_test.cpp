// The phrases a quick-entry run used and the subject stored without them:
// whole words the parser read, never a piece of a longer word.
#include "core/subject_phrases.h"

#include <gtest/gtest.h>

#include "core/quick_entry.h"

namespace qrv {
namespace {

using enum EntryType;

LocaleFacts DayFirst() {
  LocaleFacts locale = EnUsLocale();
  locale.dateOrder = DateOrder::kDayMonthYear;
  return locale;
}

class SubjectPhrases : public ::testing::Test {
 protected:
  QuickEntryResult Run(std::string_view subject) {
    in_.subject = subject;
    in_.today = {2003, 3, 3};  // a Monday
    in_.now = {10, 15, 30};
    return RunQuickEntry(in_, keywords_, locale_);
  }

  // The subject an item stores, for the type the run chose (a task when none).
  std::string Stored(std::string_view subject) {
    const QuickEntryResult r = Run(subject);
    state_.typeButton = r.typeButton.value_or(kTask);
    return SubjectWithout(subject, RemovablePhrases(r.phrases, state_));
  }

  // The used phrases' texts.
  std::vector<std::string> Phrases(std::string_view subject) {
    std::vector<std::string> texts;
    for (const UsedPhrase& p : Run(subject).phrases)
      texts.emplace_back(subject.substr(p.span.begin, p.span.end - p.span.begin));
    return texts;
  }

  KeywordMatcher keywords_{
      ReadKeywordRecords({"K=0{BUY}1", "K=1{LUNCH}3", "K=0{RENEW}1", "K=1{MEET*}3", "K=0{T/*}1", "K=0{NOTE}2"})};
  LocaleFacts locale_ = EnUsLocale();
  QuickEntryInput in_;
  RemovalState state_;
};

TEST_F(SubjectPhrases, OnlyWholeWordsThatGaveTheDateAreTakenOut) {
  EXPECT_EQ(Stored("Buy salmon"), "Buy salmon");
  EXPECT_EQ(Stored("Lunch with Simon"), "Lunch with Simon");
  EXPECT_EQ(Stored("Contract renewed by Bob"), "Contract renewed by Bob");
  EXPECT_EQ(Stored("Ask Toby about it by 5/3/03"), "Ask Toby about it");
  EXPECT_EQ(Stored("Meet Ron on 5/3/03"), "Meet Ron");
  EXPECT_EQ(Stored("Call Simon on Mon"), "Call Simon");
  EXPECT_EQ(Stored("Call Bob todays news"), "Call Bob todays news");  // a date, but not the whole word
  EXPECT_EQ(Stored("Dentist March 5"), "Dentist March 5");            // month dates stay
  EXPECT_EQ(Phrases("Ask Toby about it by 5/3/03"), std::vector<std::string>{"by 5/3/03"});
  EXPECT_EQ(Phrases("Lunch with Simon"), std::vector<std::string>{});
}

TEST_F(SubjectPhrases, DayAndPeriodPhrasesGoWithTheirLeadingWord) {
  EXPECT_EQ(Stored("Call Bob tomorrow"), "Call Bob");
  EXPECT_EQ(Stored("Report in 3 days"), "Report");
  EXPECT_EQ(Stored("Meet Ann next friday at noon"), "Meet Ann at noon");
  EXPECT_EQ(Stored("Call Bob on friday."), "Call Bob");
  EXPECT_EQ(Stored("Call Bob in 2 hours"), "Call Bob");
  EXPECT_EQ(Stored("Party this weekend"), "Party");
  EXPECT_EQ(Stored("Trip friday to sunday"), "Trip friday to sunday");  // a range of days stays
  EXPECT_EQ(Stored("Buy milk, eggs, tomorrow"), "Buy milk, eggs");
  EXPECT_EQ(Stored("tomorrow, call Bob"), "call Bob");
  EXPECT_EQ(Stored("Meet at 5, on friday, with Bob"), "Meet at 5, with Bob");
  EXPECT_EQ(Stored("Café für Zoë morgen tomorrow"), "Café für Zoë morgen");
  EXPECT_EQ(Stored("\"Gone with the Wind\" tomorrow"), "\"Gone with the Wind\"");
  EXPECT_EQ(Stored("tomorrow"), "tomorrow");  // removal never leaves an empty subject
}

// The parser reads "(friday)" and "fri." as their words: the marks go with them,
// a bracket only with its partner.
TEST_F(SubjectPhrases, TheMarksAPhraseWasReadWithoutGoWithIt) {
  EXPECT_EQ(Stored("Dinner with Sam (friday)"), "Dinner with Sam");
  EXPECT_EQ(Stored("Meet next fri."), "Meet");
  EXPECT_EQ(Stored("Meet (next fri.) at 5"), "Meet at 5");
  EXPECT_EQ(Stored("Lunch (with Sam friday)"), "Lunch (with Sam)");
  EXPECT_EQ(Stored("Lunch (friday with Sam)"), "Lunch (with Sam)");
  EXPECT_EQ(Stored("Call (Bob) tomorrow!"), "Call (Bob)");
  EXPECT_EQ(Phrases("Dinner ((friday))."), std::vector<std::string>{"((friday))."});
}

TEST_F(SubjectPhrases, PrefixesGoOnlyWhenTheyNameTheType) {
  EXPECT_EQ(Stored("TODO: call Bob"), "call Bob");
  EXPECT_EQ(Stored("t/Buy milk"), "Buy milk");
  EXPECT_EQ(Stored("T/ Buy milk"), "Buy milk");
  EXPECT_EQ(Run("t/Buy milk").type, kTask);
  EXPECT_EQ(Stored("I/O error on server"), "I/O error on server");
  EXPECT_EQ(Stored("w/e review"), "w/e review");
}

TEST_F(SubjectPhrases, RemovalFollowsTheSettingTheTypeAndTheHandChoices) {
  state_.removal = false;
  EXPECT_EQ(Stored("TODO: call Bob tomorrow"), "TODO: call Bob tomorrow");
  state_.removal = true;
  const auto r = Run("Note about friday");
  EXPECT_EQ(SubjectWithout("Note about friday", RemovablePhrases(r.phrases, {.typeButton = kNote})),
            "Note about friday");
  EXPECT_EQ(SubjectWithout("Note about friday", RemovablePhrases(r.phrases, {.typeButton = kAppointment})),
            "Note about");
  const auto timed = Run("Call Bob tomorrow in 2 hours");
  EXPECT_EQ(SubjectWithout("Call Bob tomorrow in 2 hours",
                           RemovablePhrases(timed.phrases, {.typeButton = kTask, .dateByHand = true})),
            "Call Bob tomorrow");
  EXPECT_EQ(SubjectWithout("Call Bob tomorrow in 2 hours",
                           RemovablePhrases(timed.phrases, {.typeButton = kTask, .timeByHand = true})),
            "Call Bob in 2 hours");
  // A task whose dates were hidden takes no date: its date words stay, its prefix goes.
  EXPECT_EQ(SubjectWithout("TODO: Buy milk tomorrow", RemovablePhrases(Run("TODO: Buy milk tomorrow").phrases,
                                                                       {.typeButton = kTask, .datesUsed = false})),
            "Buy milk tomorrow");
}

TEST_F(SubjectPhrases, ADayFirstLocaleReadsTheSameWords) {
  locale_ = DayFirst();
  EXPECT_EQ(Run("Meet Ron on 5/3/03").startDate, (Date{2003, 3, 5}));
  EXPECT_EQ(Stored("Meet Ron on 5/3/03"), "Meet Ron");
  EXPECT_EQ(Stored("Ask Toby about it by 25/12/03"), "Ask Toby about it");
  EXPECT_EQ(Stored("Contract renewed by Bob"), "Contract renewed by Bob");
}

TEST_F(SubjectPhrases, SpansOutsideTheSubjectOrOverlappingAreHarmless) {
  const std::vector<TextSpan> spans{{3, 2}, {5, 9}, {0, 6}, {40, 50}};
  EXPECT_EQ(SubjectWithout("Call Bob now", spans), "now");
  EXPECT_EQ(SubjectWithout("", spans), "");
}

}  // namespace
}  // namespace qrv
