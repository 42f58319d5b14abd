// The quick-entry run as the window sees it: keywords, web services, icons,
// the default kind, the final writing of dates and times, and categories.
#include "core/quick_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qrv {
namespace {

using enum EntryType;

using ::testing::ElementsAre;

const Date kMonday{2003, 3, 3};

class QuickEntry : public ::testing::Test {
 protected:
  QuickEntry() {
    in_.today = kMonday;
    in_.now = {10, 15, 30};
    in_.window.calendarStart = in_.window.calendarEnd = kMonday;
    in_.window.serviceItems = services_;
    in_.window.categoryItems = categories_;
    in_.iconNoteFound = true;
  }

  QuickEntryResult Run(std::string_view subject) {
    in_.subject = subject;
    return RunQuickEntry(in_, keywords_, EnUsLocale());
  }

  std::vector<std::string> services_{"Encyclopedia", "Google"};
  std::vector<std::string> categories_{"Business", "Personal"};
  KeywordMatcher keywords_{
      ReadKeywordRecords({"K=1{CALL}1",
                          "K=1{BAD}x",
                          "K=1{MEET*}3",
                          "K=1{MEETING}1",
                          "K=0{BUY}1",
                          "K=0{NOTE}2",
                          "K=1{JOURNAL}6",
                          "K=1{ASSIGN}7",
                          "K=1{WWW.*}10",
                          "S=0{g}11<CB=google!><D=!D><HINT=!H>|https://www.google.com/search?q=<QRV!>",
                          "S=0{wiki*}11<CB=Encyclopedia!><D=!D><HINT=!H>|https://w.example/<QRV!>",
                          "S=0{img}11<CB=Images!><D=!D><HINT=!H>|https://i.example/<QRV!>",
                          "C=1{PHONE}|{Phone Calls}",
                          "C=1{busi}|{BUSINESS}",
                          "C=1{}|{Empty}",
                          "C=1{CALL}|{phone calls}",
                          "I=1{BDAY}C",
                          "I=1{PARTY*}B",
                          "I=1{NONE}@",
                          "I=1{BLANK}"})};
  QuickEntryInput in_;
};

TEST_F(QuickEntry, TheEarlierWordDecidesThenTheFirstRecord) {
  EXPECT_EQ(Run("meeting call").type, kAppointment);  // MEET* comes before MEETING
  EXPECT_EQ(Run("call meeting").type, kTask);
  EXPECT_EQ(Run("Team meeting").keyword, "MEET*");
  EXPECT_EQ(Run("buy milk").type, kTask);
  EXPECT_EQ(Run("milk to buy").type, std::nullopt);
  EXPECT_EQ(Run("of buy milk").type, kTask);  // "of" is no word
  EXPECT_EQ(Run("call: Bob").type, std::nullopt);
  EXPECT_EQ(Run("call, Bob").type, kTask);
  EXPECT_EQ(Run("bad call").type, kTask);  // a type that is no number matches nothing
  auto r = Run("Call Bob");
  EXPECT_EQ(r.typeButton, kTask);
  EXPECT_TRUE(r.checkCaption);
  // A type without a button still ends the search.
  r = Run("assign call at 3pm");
  EXPECT_EQ(r.type, kTaskRequest);
  EXPECT_EQ(r.typeButton, std::nullopt);
  EXPECT_TRUE(r.checkCaption);
  EXPECT_FALSE(r.typeByDefault);
}

TEST_F(QuickEntry, WebServicesMatchTheWholeFirstWordAndSelectTheirCaption) {
  auto r = Run("G weather Paris");
  EXPECT_EQ(r.type, kWebService);
  EXPECT_EQ(r.typeButton, kInternet);
  EXPECT_EQ(r.labelMatch, "G");
  EXPECT_EQ(r.serviceCaption, "google");
  EXPECT_EQ(r.service, Change::kSet);
  EXPECT_EQ(r.serviceIndex, 1);
  EXPECT_EQ(Run("weather g").type, std::nullopt);
  EXPECT_EQ(Run("wikipedia x").type, std::nullopt);   // no "*" for web services
  EXPECT_EQ(Run("img cats").service, Change::kKeep);  // caption not among the items
  in_.window.serviceText = "google";
  EXPECT_EQ(Run("g x").service, Change::kKeep);
  in_.window.serviceText = "Google";
  EXPECT_EQ(Run("g x").service, Change::kSet);  // the caption differs from the text shown
  in_.byHand.type = true;
  r = Run("g x");
  EXPECT_EQ(r.typeButton, std::nullopt);
  EXPECT_FALSE(r.checkCaption);
  EXPECT_EQ(r.service, Change::kSet);
  in_.byHand.service = true;
  EXPECT_EQ(Run("g x").service, Change::kKeep);
}

TEST_F(QuickEntry, AnInternetAddressClearsTheServiceChoice) {
  const auto r = Run("www.example.com");
  EXPECT_EQ(r.typeButton, kInternet);
  EXPECT_EQ(r.service, Change::kClear);
  in_.byHand.type = true;
  EXPECT_EQ(Run("www.example.com").service, Change::kKeep);
}

TEST_F(QuickEntry, ATimeFromTheSubjectMakesTheDefaultKind) {
  auto r = Run("dentist 3pm");
  EXPECT_EQ(r.type, kTask);
  EXPECT_TRUE(r.typeByDefault);
  EXPECT_EQ(r.typeButton, kTask);
  in_.itemType = kAppointment;
  EXPECT_EQ(Run("dentist 3pm").typeButton, kAppointment);
  EXPECT_EQ(Run("note 3pm").type, kNote);
  EXPECT_EQ(Run("dentist").typeButton, std::nullopt);
  // With the times chosen by hand the boxes are left alone, and what the start
  // box shows decides the default kind.
  in_.byHand.time = true;
  r = Run("dentist 3pm");
  EXPECT_EQ(r.type, std::nullopt);
  EXPECT_EQ(r.times, std::nullopt);
  EXPECT_EQ(r.startTime, "3:00pm");
  in_.window.startTimeBox = "9:30 AM";
  r = Run("dentist");
  EXPECT_EQ(r.typeButton, kAppointment);
  EXPECT_TRUE(r.typeByDefault);
  EXPECT_EQ(r.times, std::nullopt);
}

TEST_F(QuickEntry, IconKeywordsNeedTheIconNote) {
  auto r = Run("Ann bday party");
  EXPECT_EQ(r.iconText, "C");
  EXPECT_EQ(r.icon, Change::kSet);
  EXPECT_EQ(r.iconIndex, 2);
  EXPECT_EQ(Run("partying bday").iconText, "B");  // the earlier word wins
  EXPECT_EQ(Run("none").icon, Change::kClear);    // "@" is no icon
  EXPECT_EQ(Run("blank bday").iconText, "C");     // a record without an icon goes on
  EXPECT_EQ(Run("lunch").icon, Change::kClear);
  in_.iconNoteFound = false;
  EXPECT_EQ(Run("bday").iconText, "");
  EXPECT_EQ(Run("bday").icon, Change::kClear);
  in_.byHand.icon = true;
  EXPECT_EQ(Run("bday").icon, Change::kKeep);
}

TEST_F(QuickEntry, DatesAndTimesGoToTheCalendarAndTheTimeBoxes) {
  auto r = Run("lunch tomorrow at noon");
  EXPECT_EQ(r.calendar, (DateRange{{2003, 3, 4}, {2003, 3, 4}}));
  EXPECT_EQ(r.times, (TimeBoxes{"12:00 PM", "1:00 PM"}));
  EXPECT_TRUE(r.showCalendar);
  EXPECT_TRUE(r.typeByDefault);
  r = Run("party 11pm");
  EXPECT_EQ(r.times, (TimeBoxes{"11:00 PM", "12:00 AM"}));
  EXPECT_EQ(r.calendar, (DateRange{kMonday, {2003, 3, 4}}));  // ends the next day
  EXPECT_EQ(Run("shift 10pm-1am").calendar, (DateRange{kMonday, {2003, 3, 4}}));
  EXPECT_EQ(Run("trip March 10-7").calendar, (DateRange{{2003, 3, 10}, {2003, 3, 10}}));
  r = Run("nothing here");
  EXPECT_EQ(r.calendar, std::nullopt);
  EXPECT_EQ(r.times, (TimeBoxes{"None", "None"}));
  EXPECT_FALSE(r.showCalendar);
  in_.window.datePanelVisible = true;
  in_.window.calendarStart = in_.window.calendarEnd = {2003, 5, 1};
  EXPECT_EQ(Run("nothing here").calendar, (DateRange{kMonday, kMonday}));
  // Dates and times chosen by hand stay.
  in_.byHand.date = true;
  r = Run("party tomorrow 11pm");
  EXPECT_EQ(r.startDate, (Date{2003, 3, 4}));
  EXPECT_EQ(r.calendar, (DateRange{{2003, 5, 1}, {2003, 5, 2}}));  // only the end follows the times
  in_.byHand.time = true;
  r = Run("party tomorrow 11pm");
  EXPECT_EQ(r.calendar, std::nullopt);
  EXPECT_EQ(r.times, std::nullopt);
}

TEST_F(QuickEntry, AJournalKeepsItsTimesUnlessTheSubjectHasOne) {
  in_.window.type = kJournal;
  auto r = Run("journal phone log");
  EXPECT_EQ(r.times, std::nullopt);
  EXPECT_FALSE(r.typeByDefault);
  r = Run("journal 9am");
  EXPECT_EQ(r.times, (TimeBoxes{"9:00 AM", "None"}));
  EXPECT_EQ(Run("journal 9am-11am").times, (TimeBoxes{"9:00 AM", "11:00 AM"}));
}

TEST_F(QuickEntry, CategoriesAreFoundAnywhereInTheBodyOrSubject) {
  auto r = Run("telephone Ann");
  EXPECT_TRUE(r.categories.apply);
  EXPECT_THAT(r.categories.append, ElementsAre("Phone Calls"));
  EXPECT_THAT(r.categories.select, ElementsAre(2));
  EXPECT_TRUE(r.categories.showPanel);
  r = Run("phone call");  // CALL's category is the same one, in other letters
  EXPECT_THAT(r.categories.append, ElementsAre("Phone Calls"));
  EXPECT_THAT(r.categories.select, ElementsAre(2));
  in_.body = "about the business plan";
  r = Run("call Ann");
  EXPECT_THAT(r.categories.append, ElementsAre("phone calls"));
  EXPECT_THAT(r.categories.select, ElementsAre(0, 2));
  in_.body = "";
  r = Run("lunch");
  EXPECT_TRUE(r.categories.apply);  // deselects what an earlier run selected
  EXPECT_TRUE(r.categories.select.empty());
  EXPECT_FALSE(r.categories.showPanel);
  EXPECT_FALSE(Run("g phone").categories.apply);  // web searches have no categories
  in_.window.type = kTextDocument;
  EXPECT_FALSE(CheckCategory(in_, keywords_).apply);
  in_.window.type = kTask;
  in_.body = "phone";
  EXPECT_TRUE(CheckCategory(in_, keywords_).apply);
  in_.byHand.categories = true;
  EXPECT_FALSE(Run("phone").categories.apply);
  in_.byHand.categories = false;
  in_.useCategories = false;
  EXPECT_FALSE(Run("phone").categories.apply);
  EXPECT_FALSE(RunQuickEntry(in_, KeywordMatcher{}, EnUsLocale()).categories.apply);
}

TEST(KeywordMatching, AnEmptyKeywordOrAnEmptyBeginningMatchesNoWord) {
  const KeywordMatcher keywords(
      ReadKeywordRecords({"K=1{}3", "K=0{*}2", "K=1{*}5", "I=1{*}C", "I=1{}C", "S=0{}11<CB=x!><D=!D><HINT=!H>|u"}));
  for (const char* word : {"LUNCH", "A", "*"}) {
    EXPECT_EQ(keywords.TypeRecordFor(word, true), -1) << word;
    EXPECT_EQ(keywords.TypeRecordFor(word, false), -1) << word;
    EXPECT_EQ(keywords.IconRecordFor(word), -1) << word;
  }
  EXPECT_EQ(keywords.TypeRecordFor("", true), -1);
}

TEST_F(QuickEntry, HostileSubjectsEndQuietly) {
  std::string words;
  for (int i = 0; i < 20000; ++i) words += "1-a-p-2 in 99999999999 hours \"x\"\" 9:30, ";
  auto r = Run(words + "call");
  EXPECT_EQ(r.startTime, "9:30am");
  EXPECT_EQ(r.endTime, "9:30am");
  EXPECT_EQ(r.type, kTask);  // the default kind: "call" is past the first time
  r = Run(std::string(300000, '9') + " " + std::string(300000, '-') + " \"lunch tomorrow");
  EXPECT_EQ(r.startDate, (Date{2003, 3, 4}));
  r = Run("in 99999999999999999999 days 4294967297/1/1 in 2147483647 years in 9998 years");
  EXPECT_EQ(r.startDate, std::nullopt);
  std::string control = "call";
  for (int c = 0; c <= 32; ++c) control += static_cast<char>(c);
  r = Run(control + "tomorrow\x7f\xff 3pm\x1b");
  EXPECT_EQ(r.type, kTask);
  EXPECT_EQ(r.startDate, (Date{2003, 3, 4}));
  EXPECT_EQ(r.startTime, "3:00pm");
}

}  // namespace
}  // namespace qrv
