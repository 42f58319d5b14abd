// Key strings come from hotkey files that travel between users: any text parses
// without fault; a refused one gives no events, and escaped text always types
// as it reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const AnyLayout layout;
  const qrv::ParsedKeys parsed = qrv::ParseKeyString(text, layout);
  if (parsed.result != qrv::SendKeysResult::kOk && !parsed.events.empty()) __builtin_trap();
  if (parsed.result == qrv::SendKeysResult::kOk && !parsed.fault.empty()) __builtin_trap();

  // Text the layout can type once escaped types without fault.
  if (size > 1024) return 0;
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return 0;
  if (qrv::ParseKeyString(qrv::EscapeKeyString(text), layout).result != qrv::SendKeysResult::kOk) __builtin_trap();
  return 0;
}
