// The web-service update's own work on a site list of 20,000 services: reading
// (each line deciphered alone) and merging into a user's list of as many, of
// which a third are unchanged, a third take a new address and a third went.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/cipher.h"
#include "core/site_list.h"

namespace {

constexpr int kServices = 20000;

std::string Service(int n, const std::string& url) {
  return "S=0{k" + std::to_string(n) + "}11<CB=Service " + std::to_string(n) +
         "!><D=!D><HINT=Search the web for it!H>|" + url + "?q=<QRV!>";
}

std::string ServerBody() {
  std::string body;
  for (int n = 0; n < kServices; ++n) body += qrv::EncipherLine(Service(n, "https://new.example/")) + "\r\n";
  return body;
}

std::vector<std::string> LocalList() {
  std::vector<std::string> local;
  for (int n = 0; n < kServices; ++n)
    local.push_back(n % 3 == 0   ? Service(n, "https://new.example/")
                    : n % 3 == 1 ? Service(n, "http://old.example/")
                                 : Service(n + kServices, "http://gone.example/"));
  return local;
}

void BmReadSiteList20000(benchmark::State& state) {
  const std::string body = ServerBody();
  for (auto _ : state) benchmark::DoNotOptimize(qrv::ReadSiteList(body));
}
BENCHMARK(BmReadSiteList20000)->Unit(benchmark::kMillisecond);

void BmMergeSiteList20000(benchmark::State& state) {
  const std::vector<std::string> records = qrv::ReadSiteList(ServerBody())->records;
  const std::vector<std::string> local = LocalList();
  for (auto _ : state) {
    std::vector<std::string> services = local;
    benchmark::DoNotOptimize(qrv::MergeSiteList(services, records));
  }
}
BENCHMARK(BmMergeSiteList20000)->Unit(benchmark::kMillisecond);

}  // namespace
