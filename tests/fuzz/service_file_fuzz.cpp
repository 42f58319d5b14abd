// Web-service files travel between users: both readers take any bytes, and a
// file written for any one-line record is read back as that record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/codepage.h"
#include "core/service_file.h"
#include "core/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  (void)qrv::CustomServicesInFile(input);
  (void)qrv::ServiceInFile(input);

  const std::string record = qrv::AnsiToUtf8(input);
  if (record.find_first_of("\r\n") != std::string::npos) return 0;
  // Whatever was read from the code page can be written back to it.
  const auto written = qrv::ServiceFileBytes(record, "1.0");
  if (!written) __builtin_trap();
  const std::string& file = *written;
  const bool custom = qrv::StartsWith(record, "S=") && qrv::Contains(record, "<CUST=");
  const auto imported = qrv::CustomServicesInFile(file);
  if (custom ? imported != std::vector<std::string>{record} : !imported.empty()) __builtin_trap();
  const auto opened = qrv::ServiceInFile(file);
  if (opened.has_value() != qrv::StartsWith(record, "S=0{")) __builtin_trap();
  return 0;
}
