#include <benchmark/benchmark.h>

#include <string>

#include "core/hotkey_file.h"

namespace {

// A hotkey file of 1,000 rows, every action among them, half with long
// descriptions or key strings.
std::string HotkeyFile1000() {
  std::vector<qrv::HotkeyRow> rows(1000);
  for (int i = 0; i < 1000; ++i) {
    qrv::HotkeyRow& row = rows[static_cast<std::size_t>(i)];
    row.description = "Hotkey number " + std::to_string(i) + (i % 2 ? std::string(40, 'd') : "");
    row.action = static_cast<qrv::HotkeyAction>(i % qrv::kHotkeyActionCount);
    if (qrv::DataOf(row.action) == qrv::HotkeyData::kText) row.text = "Kind regards,{ENTER}Sam " + std::to_string(i);
    row.dataIndex = i % 3;
    row.ctrl = true;
    row.alt = i % 2 == 0;
    row.keyIndex = i % qrv::kHotkeyKeyCount;
  }
  return qrv::HotkeyFileBytes(rows).value();
}

void BmReadHotkeyFile1000(benchmark::State& state) {
  const std::string file = HotkeyFile1000();
  for (auto _ : state) {
    auto read = qrv::ReadHotkeyFile(file);
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BmReadHotkeyFile1000)->Unit(benchmark::kMicrosecond);

}  // namespace
