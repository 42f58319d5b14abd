// The icon note is typed by the user: any body gives definitions, and every
// definition draws a picture of whole 2 x 2 blocks, whatever its letter case.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/icon_definitions.h"
#include "core/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const auto definitions = qrv::IconDefinitions(body);
  for (std::size_t n = 0; n <= definitions.size(); ++n) {
    const std::string icon = qrv::IconDataAt(definitions, n);
    if (icon.size() > 16) __builtin_trap();
    const qrv::IconPicture picture = qrv::DrawIconPicture(icon);
    if (picture.rows != qrv::DrawIconPicture(qrv::AsciiUpper(icon)).rows) __builtin_trap();
    for (int y = 0; y < qrv::kIconSize; y += 2)
      for (int x = 0; x < qrv::kIconSize; x += 2) {
        const bool black = picture.IsBlack(x, y);
        if (picture.IsBlack(x + 1, y) != black || picture.IsBlack(x, y + 1) != black ||
            picture.IsBlack(x + 1, y + 1) != black)
          __builtin_trap();
      }
  }
  const int n = size > 0 ? data[0] - 100 : 0;
  const char c = qrv::ExtractIconValue(n);
  if (qrv::CreateIconValue(c) != (n >= 1 && n <= qrv::kMaxIcon ? n : 0)) __builtin_trap();
  return 0;
}
