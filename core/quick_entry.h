// The quick-entry parser behind the Information Item window: one run reads the
// subject afresh and answers everything its words imply (entry type, web
// service, icon, dates, times, categories) as plain values for the window to
// show. Choices the user made by hand are inputs and are never overwritten.
// A run reads no clock, locale or global and never throws.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dates.h"
#include "core/keyword_matcher.h"
#include "core/subject_phrases.h"

namespace qrv {

// What the user chose by hand in the window since it was last reset.
struct HandChoices {
  bool type = false;
  bool date = false;
  bool time = false;
  bool icon = false;
  bool service = false;
  bool categories = false;
};

// What the window shows when the run starts.
struct EntryWindowState {
  std::optional<EntryType> type = EntryType::kTask;  // of the pressed type button, none for none
  std::span<const std::string> serviceItems;         // the web-service choice's items
  std::string_view serviceText;                      // and its current text
  bool datePanelVisible = false;
  Date calendarStart;
  Date calendarEnd;
  std::span<const std::string> categoryItems;
  std::string_view startTimeBox = "None";  // what the start time box shows
};

struct QuickEntryInput {
  std::string_view subject;
  std::string_view body;
  EntryType itemType = EntryType::kTask;  // the default kind of a timed item: task or appointment
  bool useCategories = true;
  bool iconNoteFound = false;
  HandChoices byHand;
  EntryWindowState window;
  Date today;
  TimeOfDay now;
};

// How a run leaves one of the window's choices.
enum class Change { kKeep, kSet, kClear };

struct DateRange {
  Date start;
  Date end;
  bool operator==(const DateRange&) const = default;
};

struct TimeBoxes {
  std::string start;  // a time in the short time format, or "None"
  std::string end;
  bool operator==(const TimeBoxes&) const = default;
};

struct CategoryChoice {
  bool apply = false;               // false: leave the category list as it is
  std::vector<std::string> append;  // add these names after the list's items
  std::vector<int> select;          // then select exactly these items (indexes after adding)
  bool showPanel = false;           // open the category panel when it is hidden
};

struct QuickEntryResult {
  // What the subject says.
  // Entry type of the first matching keyword, or the default kind. A record may
  // hold a number that is no entry type; it is passed on as it is.
  std::optional<EntryType> type;
  bool typeByDefault = false;  // of a timed item when only a time was found
  std::string keyword;         // the matching keyword, in capitals
  std::string serviceCaption;  // its caption when it is a web-service keyword
  std::string iconText;        // the icon character(s) of the matching icon keyword
  std::optional<Date> startDate;
  std::optional<Date> endDate;
  std::string startTime;  // "9:05pm", or "2:15 pm" for "in 2 hours" ...
  std::string endTime;
  // The subject's phrases this run used for the type prefix, the date and the
  // time, where it read them; what keyword removal may take out.
  std::vector<UsedPhrase> phrases;

  // What the window shows; an empty value or kKeep leaves the control as it is.
  std::optional<EntryType> typeButton;    // press the button of this type: task .. journal, text, internet
  bool checkCaption = false;              // lay the window out for its type again
  std::optional<std::string> labelMatch;  // the web-service keyword that matched
  Change service = Change::kKeep;         // kSet: select serviceIndex and show its hint;
  int serviceIndex = -1;                  // kClear: select no service
  Change icon = Change::kKeep;            // kSet: show icon iconIndex (from 0); kClear: none
  int iconIndex = -1;
  std::optional<DateRange> calendar;
  std::optional<TimeBoxes> times;
  bool showCalendar = false;  // show the date panel (for types that have one)
  CategoryChoice categories;
};

QuickEntryResult RunQuickEntry(const QuickEntryInput& input, const KeywordMatcher& keywords, const LocaleFacts& locale);

// The categories whose keywords occur anywhere in the body or the subject, for
// the window's current type; run on its own when the body changes.
CategoryChoice CheckCategory(const QuickEntryInput& input, const KeywordMatcher& keywords);

}  // namespace qrv
