#include "core/icon_definitions.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

namespace {

constexpr std::size_t kDataDigits = 16;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = AsciiUpperChar(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;  // unreadable: no black blocks
}

// Widens each of the four bits of a digit to two pixels: 1011 -> 11001111.
std::uint16_t DigitPixels(int digit) {
  std::uint16_t pixels = 0;
  for (int bit = 3; bit >= 0; --bit) {
    pixels = static_cast<std::uint16_t>(pixels << 2);
    if (digit & (1 << bit)) pixels |= 0b11;
  }
  return pixels;
}

}  // namespace

std::string IconNoteFilter() { return "[Subject] = \"" + std::string(kIconNoteSubject) + "\""; }

char ExtractIconValue(int n) { return n >= 0 && n <= kMaxIcon ? static_cast<char>(64 + n) : '@'; }

int CreateIconValue(char c) { return c >= 'A' && c <= 64 + kMaxIcon ? c - 64 : 0; }

std::vector<std::string> IconDefinitions(std::string_view noteBody) { return SplitLines(noteBody); }

std::string IconDataAt(const std::vector<std::string>& definitions, std::size_t index) {
  if (index >= definitions.size()) return {};
  const std::string& line = definitions[index];
  return SubText(line, static_cast<long long>(PositionOf("=", line)) + 1, kDataDigits);
}

bool IconPicture::IsBlack(int x, int y) const {
  if (x < 0 || x >= kIconSize || y < 0 || y >= kIconSize) return false;
  return (rows[static_cast<std::size_t>(y)] >> (kIconSize - 1 - x)) & 1u;
}

IconPicture DrawIconPicture(std::string_view data) {
  IconPicture picture;
  const std::size_t digits = std::min(data.size(), kDataDigits);
  for (std::size_t i = 0; i < digits; ++i) {
    const std::uint16_t pixels = DigitPixels(HexDigit(data[i]));
    const int shift = i % 2 == 0 ? 8 : 0;
    const std::size_t top = 2 * (i / 2);
    for (std::size_t y = top; y < top + 2; ++y)
      picture.rows[y] = static_cast<std::uint16_t>(picture.rows[y] | (pixels << shift));
  }
  return picture;
}

std::string IconCaption(const std::vector<std::string>& definitions, std::size_t index) {
  if (index >= definitions.size()) return {};
  const std::string& line = definitions[index];
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos || equals < 2) return {};
  return line.substr(2, equals - 2);
}

}  // namespace qrv
