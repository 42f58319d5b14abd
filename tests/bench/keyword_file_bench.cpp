#include <benchmark/benchmark.h>

#include <string>

#include "core/keyword_file.h"
#include "core/keyword_record.h"

namespace {

// A large keyword file: 5,000 records, a quarter of them web services stored
// enciphered, the rest item, category and icon keywords.
qrv::KeywordLists Lists5000() {
  qrv::KeywordLists lists;
  for (int i = 0; i < 5000; ++i) {
    const std::string word = "WORD" + std::to_string(i);
    switch (i % 4) {
      case 0:
        lists.itemKeywords.push_back(qrv::ItemRecord(i % 8 == 0, word, static_cast<qrv::EntryType>(1 + i % 10)));
        break;
      case 1:
        lists.categoryKeywords.push_back(qrv::CategoryRecord(word, "Category " + word));
        break;
      case 2:
        lists.iconKeywords.push_back(qrv::IconRecord(word, static_cast<char>('A' + i % 52)));
        break;
      default:
        lists.webServices.push_back(qrv::ServiceRecord(
            {"Svc" + std::to_string(i), "Service " + std::to_string(i), "", i % 3 == 0,
             "Searches the service number " + std::to_string(i) + " for the words typed after its keyword.",
             "https://search.example.com/find?q=<QRV!>&date=<Y>-<MM>-<DD>&source=quorvel"}));
    }
  }
  return lists;
}

void BmLoadKeywordFile5000(benchmark::State& state) {
  const std::string file = qrv::KeywordFileBytes(Lists5000()).value();
  for (auto _ : state) {
    auto loaded = qrv::LoadKeywordLists({}, file, std::nullopt);
    benchmark::DoNotOptimize(loaded);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BmLoadKeywordFile5000)->Unit(benchmark::kMillisecond);

void BmSaveKeywordFile5000(benchmark::State& state) {
  const qrv::KeywordLists lists = Lists5000();
  for (auto _ : state) {
    std::optional<std::string> bytes = qrv::KeywordFileBytes(lists);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BmSaveKeywordFile5000)->Unit(benchmark::kMillisecond);

}  // namespace
