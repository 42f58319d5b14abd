#include "core/quick_entry.h"

#include <algorithm>
#include <exception>

#include "core/date_words.h"
#include "core/icon_definitions.h"
#include "core/subject_phrases.h"
#include "core/subject_words.h"
#include "core/text.h"

namespace qrv {

namespace {

// The type button that shows an entry type; none for the types without one.
std::optional<EntryType> ButtonOf(EntryType type) {
  const int number = NumberOf(type);
  if ((number >= NumberOf(EntryType::kTask) && number <= NumberOf(EntryType::kJournal)) ||
      type == EntryType::kTextDocument)
    return type;
  if (type == EntryType::kInternet || type == EntryType::kWebService) return EntryType::kInternet;
  return std::nullopt;
}

struct WordMatches {
  int typeRecord = -1;
  std::size_t typeWord = 0;  // the word the type record matched
  int iconRecord = -1;
};

// The word loop: keywords, icon keywords, then the date and time steps.
WordMatches ReadWords(const QuickEntryInput& in, const KeywordMatcher& keywords, WordList& words,
                      DateTimeReader& reader) {
  WordMatches found;
  const bool wantIcon = in.iconNoteFound && !in.byHand.icon;
  while (words.Next()) {
    const std::size_t s = words.Current();
    const std::string upper = AsciiUpper(words[s]);
    if (found.typeRecord < 0) {
      found.typeRecord = keywords.TypeRecordFor(upper, s == 0);
      found.typeWord = s;
    }
    if (wantIcon && found.iconRecord < 0) found.iconRecord = keywords.IconRecordFor(upper);
    if (reader.WantsDate()) reader.DateStep(words, s, upper);
    if (reader.WantsTime()) reader.TimeStep(words, s);
  }
  return found;
}

void ApplyTypeRecord(const QuickEntryInput& in, const KeywordRecord& record, QuickEntryResult& r) {
  if (record.type) r.type = static_cast<EntryType>(*record.type);
  r.keyword = record.keyword;
  if (r.type != EntryType::kWebService) return;
  r.labelMatch = record.keyword;
  r.serviceCaption = ServiceCaption(record.line);
  if (in.byHand.service || r.serviceCaption == in.window.serviceText) return;
  const auto& items = in.window.serviceItems;
  const auto item = std::find_if(items.begin(), items.end(),
                                 [&](const std::string& i) { return EqualsIgnoringCase(i, r.serviceCaption); });
  if (item == items.end()) return;
  r.service = Change::kSet;
  r.serviceIndex = static_cast<int>(item - items.begin());
}

void ApplyIconRecord(const QuickEntryInput& in, const KeywordMatcher& keywords, int index, QuickEntryResult& r) {
  if (index < 0) {
    if (!in.byHand.icon) r.icon = Change::kClear;
    return;
  }
  r.iconText = SubText(keywords.Records()[static_cast<std::size_t>(index)].tail, 1, 2);
  const int number = CreateIconValue(r.iconText[0]);
  r.icon = number > 0 ? Change::kSet : Change::kClear;
  r.iconIndex = number - 1;
}

// The dates and times found, written into the calendar and the time boxes.
void WriteDatesAndTimes(const QuickEntryInput& in, const LocaleFacts& locale, const DateTimeReader& reader,
                        QuickEntryResult& r) {
  const EntryWindowState& w = in.window;
  DateRange calendar{w.calendarStart, w.calendarEnd};
  if (!in.byHand.date && reader.StartDate()) {
    const Date start = *reader.StartDate();
    const auto end = reader.EndDate();
    r.calendar = calendar = DateRange{start, end && *end > start ? *end : start};
    r.showCalendar = true;
  } else if (!in.byHand.date && w.datePanelVisible) {
    r.calendar = calendar = DateRange{in.today, in.today};
    r.showCalendar = true;
  }
  if (in.byHand.time) return;
  const bool journal = w.type == EntryType::kJournal;
  if (reader.StartTime().empty()) {
    if (!journal) r.times = TimeBoxes{"None", "None"};
    return;
  }
  TimeBoxes boxes{TimeBoxText(locale, reader.StartTime()), !reader.EndTime().empty() || journal
                                                               ? TimeBoxText(locale, reader.EndTime())
                                                               : HourLaterBoxText(locale, reader.StartTime())};
  const Date end = CheckSpanDays(calendar.start, calendar.end, boxes.start, boxes.end);
  if (end != calendar.end) r.calendar = DateRange{calendar.start, end};
  r.times = std::move(boxes);
  r.showCalendar = true;
}

CategoryChoice ChooseCategories(const QuickEntryInput& in, std::optional<EntryType> type,
                                const KeywordMatcher& keywords) {
  CategoryChoice choice;
  if (type == EntryType::kTextDocument || type == EntryType::kInternet || in.byHand.categories || !in.useCategories ||
      keywords.Empty())
    return choice;
  choice.apply = true;
  if (keywords.Categories().empty()) return choice;
  const std::string body = AsciiUpper(in.body);
  const std::string subject = AsciiUpper(in.subject);
  const auto& items = in.window.categoryItems;
  for (const auto& category : keywords.Categories()) {
    if (body.find(category.keyword) == std::string::npos && subject.find(category.keyword) == std::string::npos)
      continue;
    const auto same = [&](const std::string& item) { return EqualsIgnoringCase(item, category.name); };
    int index;
    if (const auto it = std::find_if(items.begin(), items.end(), same); it != items.end()) {
      index = static_cast<int>(it - items.begin());
    } else {
      const auto added = std::find_if(choice.append.begin(), choice.append.end(), same);
      index = static_cast<int>(items.size() + (added - choice.append.begin()));
      if (added == choice.append.end()) choice.append.push_back(category.name);
    }
    choice.showPanel = true;
    if (std::find(choice.select.begin(), choice.select.end(), index) == choice.select.end())
      choice.select.push_back(index);
  }
  return choice;
}

QuickEntryResult Run(const QuickEntryInput& in, const KeywordMatcher& keywords, const LocaleFacts& locale) {
  QuickEntryResult r;
  DateTimeReader reader(locale, in.today, in.now);
  std::vector<TextSpan> spans;
  std::vector<std::string> subjectWords = SubjectWords(in.subject, &spans);
  WordList words(std::move(subjectWords), spans);
  const WordMatches found = ReadWords(in, keywords, words, reader);
  std::string_view firstWordKeyword;
  if (found.typeRecord >= 0) {
    const KeywordRecord& record = keywords.Records()[static_cast<std::size_t>(found.typeRecord)];
    ApplyTypeRecord(in, record, r);
    if (found.typeWord == 0) firstWordKeyword = record.keyword;
  }
  r.phrases = UsedPhrases(in.subject, {words, reader, firstWordKeyword});
  r.startDate = reader.StartDate();
  r.endDate = reader.EndDate();
  r.startTime = reader.StartTime();
  r.endTime = reader.EndTime();
  WriteDatesAndTimes(in, locale, reader, r);
  // A time and no keyword: the default kind of timed item. The time may come
  // from the subject or be one the user chose by hand in the start time box.
  const std::string_view startShown = r.times ? std::string_view(r.times->start) : in.window.startTimeBox;
  if (!r.type && !startShown.empty() && startShown != "None") {
    r.type = in.itemType;
    r.typeByDefault = true;
  }
  if (r.type && !in.byHand.type) {
    r.typeButton = ButtonOf(*r.type);
    r.checkCaption = true;
    if (*r.type == EntryType::kInternet) r.service = Change::kClear;
  }
  ApplyIconRecord(in, keywords, found.iconRecord, r);
  r.categories = ChooseCategories(in, r.typeButton ? r.typeButton : in.window.type, keywords);
  return r;
}

}  // namespace

QuickEntryResult RunQuickEntry(const QuickEntryInput& input, const KeywordMatcher& keywords,
                               const LocaleFacts& locale) {
  try {
    return Run(input, keywords, locale);
  } catch (const std::exception&) {
    return QuickEntryResult{};  // out of memory: the window keeps what it shows
  }
}

CategoryChoice CheckCategory(const QuickEntryInput& input, const KeywordMatcher& keywords) {
  try {
    return ChooseCategories(input, input.window.type, keywords);
  } catch (const std::exception&) {
    return CategoryChoice{};
  }
}

}  // namespace qrv
