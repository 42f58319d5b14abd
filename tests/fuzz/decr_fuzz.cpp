// Deciphering takes any line from downloads and shared files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string plain = qrv::DecipherLine(line);
  if (qrv::DecipherLine(qrv::EncipherLine(plain)) != plain) __builtin_trap();
  return 0;
}
