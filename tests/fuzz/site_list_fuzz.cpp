// The site list comes from a web server: any bytes are read without fault, only
// sound records are taken, and merging them into an empty list adds each caption once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/site_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const std::optional<qrv::SiteList> read = qrv::ReadSiteList(body);
  if (!read) return 0;  // a list cut short is no list
  const qrv::SiteList& list = *read;
  for (const auto& record : list.records)
    if (!qrv::IsSoundServiceRecord(record)) __builtin_trap();
  (void)qrv::IsNewerVersion(list.version);

  std::vector<std::string> services;
  const qrv::MergeCounts counts = qrv::MergeSiteList(services, list.records);
  if (counts.added != static_cast<int>(services.size()) || services.size() > list.records.size()) __builtin_trap();
  return 0;
}
