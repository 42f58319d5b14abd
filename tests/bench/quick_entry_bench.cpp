// One quick-entry run per keystroke: typical subjects against the factory
// keyword list, and a long subject against a very large list.
#include <benchmark/benchmark.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/keyword_file.h"
#include "core/quick_entry.h"

namespace {

using qrv::KeywordMatcher;

// The factory keyword file as shipped, loaded the way the bar loads it.
std::vector<std::string> FactoryLines() {
  const auto file = qrv::ReadFileBytes(QRV_FACTORY_KEYWORD_FILE, 1 << 20);
  if (!file) throw std::runtime_error("factory keyword file missing");
  return qrv::LoadKeywordLists({}, file, std::nullopt).keywordList;
}

// 5,000 records: item keywords, categories, web services and icons, none of
// which matches the long subject below, so every word is tried against all.
std::vector<std::string> LargeLines() {
  std::vector<std::string> lines = FactoryLines();
  for (int i = 0; lines.size() < 5000; ++i) {
    const std::string word = "KEYWORD" + std::to_string(i);
    switch (i % 10) {
      case 0:
        lines.push_back(qrv::CategoryRecord(word, "Category " + std::to_string(i)));
        break;
      case 1:
        lines.push_back(qrv::ServiceRecord({word, "Caption " + std::to_string(i), "", true, "", "https://x/<QRV!>"}));
        break;
      case 2:
        lines.push_back(qrv::IconRecord(word + "*", 'C'));
        break;
      case 3:
        lines.push_back(qrv::ItemRecord(true, word + "*", qrv::EntryType::kAppointment));
        break;
      default:
        lines.push_back(qrv::ItemRecord(i % 2 == 0, word, static_cast<qrv::EntryType>(1 + i % 9)));
        break;
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

void RunSubjects(benchmark::State& state, const KeywordMatcher& keywords, const std::vector<std::string>& subjects) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto result = qrv::RunQuickEntry(Input(subjects[i++ % subjects.size()]), keywords, qrv::EnUsLocale());
    benchmark::DoNotOptimize(result);
  }
}

void BmTypicalSubjectFactoryList(benchmark::State& state) {
  static const KeywordMatcher kEywords(qrv::ReadKeywordRecords(FactoryLines()));
  static const std::vector<std::string> kSubjects = {"Lunch with Bob tomorrow at noon", "call Ann friday 3pm",
                                                     "Dentist March 5 9:30 am", "Team meeting next monday 10am-11am",
                                                     "pay the phone bill in 3 days"};
  RunSubjects(state, kEywords, kSubjects);
}
BENCHMARK(BmTypicalSubjectFactoryList);

void BmLongSubjectLargeList(benchmark::State& state) {
  static const KeywordMatcher kEywords(qrv::ReadKeywordRecords(LargeLines()));
  static const std::vector<std::string> kSubjects = {
      "Quarterly figures for Ann and the board before friday 3:30pm"};  // 60 characters
  RunSubjects(state, kEywords, kSubjects);
}
BENCHMARK(BmLongSubjectLargeList);

// One word joined by "-" ("a-pa-pa..."), 25,000 to 200,000 characters: every run stays linear.
void BmHyphenatedSubject(benchmark::State& state) {
  static const KeywordMatcher kEywords(qrv::ReadKeywordRecords(FactoryLines()));
  std::string word = "a";
  while (word.size() < static_cast<std::size_t>(state.range(0))) word += "-pa";
  RunSubjects(state, kEywords, {word});
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BmHyphenatedSubject)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BmLoadLargeList(benchmark::State& state) {
  const std::vector<std::string> lines = LargeLines();
  for (auto _ : state) {
    KeywordMatcher keywords(qrv::ReadKeywordRecords(lines));
    benchmark::DoNotOptimize(keywords);
  }
}
BENCHMARK(BmLoadLargeList);

}  // namespace
