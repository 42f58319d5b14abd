// One quick-entry run per keystroke: typical subjects against a list the size
// of the factory keyword list, and a long subject against a very large list.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/quick_entry.h"

namespace {

using qrv::KeywordMatcher;

std::vector<std::string> FactoryLikeLines() {
  std::vector<std::string> lines;
  const std::pair<const char*, int> items[] = {
      {"CALL", 1},     {"PHONE", 1},    {"RING", 1},      {"MEET*", 3},     {"LUNCH", 3},
      {"DINNER", 3},   {"BREAKFAST", 3}, {"APPT", 3},     {"APPOINTMENT", 3}, {"DENTIST", 3},
      {"DOCTOR", 3},   {"EMAIL", 5},    {"E-MAIL", 5},    {"MAIL", 5},      {"SEND", 5},
      {"NOTE", 2},     {"REMEMBER", 2}, {"IDEA", 2},      {"JOURNAL", 6},   {"LOG", 6},
      {"TODO", 1},     {"TASK", 1},     {"BUY", 1},       {"PAY", 1},       {"FIX", 1},
      {"CONTACT", 4},  {"ADDRESS", 4},  {"DOC", 9},       {"TEXT", 9},      {"WWW.*", 10},
      {"HTTP*", 10},   {"ASSIGN", 7},   {"DELEGATE", 7},  {"INVITE", 8},    {"CONFERENCE", 8},
      {"REVIEW", 1},   {"FINISH", 1},   {"PREPARE", 1},   {"ORDER", 1},     {"BOOK", 3}};
  bool firstWordOnly = false;
  for (const auto& [keyword, type] : items) {
    lines.push_back(qrv::ItemRecord(!firstWordOnly, keyword, type));
    firstWordOnly = !firstWordOnly && type == 1;
  }
  for (const char* c : {"PHONE", "BUSINESS", "PERSONAL", "HOLIDAY", "BIRTHDAY"})
    lines.push_back(qrv::CategoryRecord(c, std::string(c) + " items"));
  for (int i = 0; i < 10; ++i)
    lines.push_back(qrv::ServiceRecord({"web" + std::to_string(i), "Service " + std::to_string(i), "",
                                        false, "Searches service " + std::to_string(i),
                                        "https://search.example/" + std::to_string(i) + "?q=<QRV!>"}));
  return lines;
}

// 5,000 records: item keywords, categories, web services and icons, none of
// which matches the long subject below, so every word is tried against all.
std::vector<std::string> LargeLines() {
  std::vector<std::string> lines = FactoryLikeLines();
  for (int i = 0; lines.size() < 5000; ++i) {
    const std::string word = "KEYWORD" + std::to_string(i);
    switch (i % 10) {
      case 0: lines.push_back(qrv::CategoryRecord(word, "Category " + std::to_string(i))); break;
      case 1: lines.push_back(qrv::ServiceRecord({word, "Caption " + std::to_string(i), "", true, "", "https://x/<QRV!>"})); break;
      case 2: lines.push_back(qrv::IconRecord(word + "*", 'C')); break;
      case 3: lines.push_back(qrv::ItemRecord(true, word + "*", 3)); break;
      default: lines.push_back(qrv::ItemRecord(i % 2 == 0, word, 1 + i % 9)); break;
    }
  }
  return lines;
}

qrv::QuickEntryInput Input(std::string_view subject) {
  qrv::QuickEntryInput in;
  in.subject = subject;
  in.today = {2003, 3, 3};
  in.now = {10, 15, 30};
  in.window.calendarStart = in.window.calendarEnd = in.today;
  in.iconNoteFound = true;
  return in;
}

void RunSubjects(benchmark::State& state, const KeywordMatcher& keywords,
                 const std::vector<std::string>& subjects) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto result = qrv::RunQuickEntry(Input(subjects[i++ % subjects.size()]), keywords,
                                     qrv::EnUsLocale());
    benchmark::DoNotOptimize(result);
  }
}

void BM_TypicalSubjectFactoryList(benchmark::State& state) {
  static const KeywordMatcher keywords(qrv::ReadKeywordRecords(FactoryLikeLines()));
  static const std::vector<std::string> subjects = {
      "Lunch with Bob tomorrow at noon", "call Ann friday 3pm", "Dentist March 5 9:30 am",
      "Team meeting next monday 10am-11am", "pay the phone bill in 3 days"};
  RunSubjects(state, keywords, subjects);
}
BENCHMARK(BM_TypicalSubjectFactoryList);

void BM_LongSubjectLargeList(benchmark::State& state) {
  static const KeywordMatcher keywords(qrv::ReadKeywordRecords(LargeLines()));
  static const std::vector<std::string> subjects = {
      "Quarterly figures for Ann and the board before friday 3:30pm"};  // 60 characters
  RunSubjects(state, keywords, subjects);
}
BENCHMARK(BM_LongSubjectLargeList);

void BM_LoadLargeList(benchmark::State& state) {
  const std::vector<std::string> lines = LargeLines();
  for (auto _ : state) {
    KeywordMatcher keywords(qrv::ReadKeywordRecords(lines));
    benchmark::DoNotOptimize(keywords);
  }
}
BENCHMARK(BM_LoadLargeList);

}  // namespace
