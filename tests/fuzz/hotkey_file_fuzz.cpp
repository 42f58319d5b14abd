// Hotkey files may be damaged or hostile: reading any bytes never fails and
// never claims more than the bytes hold; every row read is written back and
// reads again as it was; its key string parses without fault or harm.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/hotkey_file.h"
#include "core/key_string.h"

namespace {

// Every character but a few types with a key of its own.
class AnyLayout final : public qrv::KeyboardLayout {
 public:
  std::optional<qrv::CharacterKey> KeyFor(char32_t c) const override {
    if (c == 0xFFFD || c > 0xFFFF) return std::nullopt;
    return qrv::CharacterKey{static_cast<std::uint8_t>(c & 0xFE), static_cast<std::uint8_t>(c % 7)};
  }
  std::uint32_t ScanCode(std::uint32_t virtualKey) const override { return virtualKey; }
};

// The smallest record: an empty description (2 bytes), an action (2), four
// Booleans, a key index (2) and the active flag.
constexpr std::size_t kSmallestRecord = 11;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const qrv::HotkeyFileContents read = qrv::ReadHotkeyFile(bytes);
  if (read.rows.size() * kSmallestRecord > size) __builtin_trap();
  if (read.status == qrv::HotkeyFileStatus::kDamaged && (read.reason.empty() || read.damageOffset > size))
    __builtin_trap();
  const auto written = qrv::HotkeyFileBytes(read.rows);
  if (!written) __builtin_trap();
  const qrv::HotkeyFileContents again = qrv::ReadHotkeyFile(*written);
  if (again.status != qrv::HotkeyFileStatus::kRead || again.rows != read.rows) __builtin_trap();
  const AnyLayout layout;
  for (const auto& row : read.rows) {
    const qrv::ParsedKeys parsed = qrv::ParseKeyString(row.text, layout);
    if (parsed.result != qrv::SendKeysResult::kOk && !parsed.events.empty()) __builtin_trap();
    for (const auto& e : parsed.events)
      if (e.virtualKey > 0xFF) __builtin_trap();
  }
  return 0;
}
