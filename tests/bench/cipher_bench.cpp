#include <benchmark/benchmark.h>

#include "core/cipher.h"

namespace {

// A web-service record of 200 characters, as stored in the keyword file.
std::string Record200() {
  std::string r =
      "S=0{Dict}11<CB=Dictionary!><D=!D><CUST=Y><HINT=Look up a word in the dictionary!H>|"
      "https://www.merriam-webster.com/dictionary/<QRV!>?src=quorvel&date=<Y>-<MM>-<DD>";
  r.resize(200, 'x');
  return r;
}

void BmCipherRoundTrip200(benchmark::State& state) {
  const std::string record = Record200();
  for (auto _ : state) {
    std::string line = qrv::DecipherLine(qrv::EncipherLine(record));
    benchmark::DoNotOptimize(line);
  }
}
BENCHMARK(BmCipherRoundTrip200);

}  // namespace
