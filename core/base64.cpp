#include "core/base64.h"

#include <array>
#include <cstdint>

namespace qrv {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

unsigned Value(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - 'A');
  if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 26);
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0' + 52);
  if (c == '+') return 62;
  return 63;
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const auto b1 = static_cast<std::uint8_t>(bytes[i]);
    const auto b2 = static_cast<std::uint8_t>(bytes[i + 1]);
    const auto b3 = static_cast<std::uint8_t>(bytes[i + 2]);
    out += kAlphabet[b1 >> 2];
    out += kAlphabet[((b1 & 3) << 4) | (b2 >> 4)];
    out += kAlphabet[((b2 & 15) << 2) | (b3 >> 6)];
    out += kAlphabet[b3 & 63];
  }
  const std::size_t left = bytes.size() - i;
  if (left > 0) {
    const auto b1 = static_cast<std::uint8_t>(bytes[i]);
    const auto b2 = left == 2 ? static_cast<std::uint8_t>(bytes[i + 1]) : std::uint8_t{0};
    out += kAlphabet[b1 >> 2];
    out += kAlphabet[((b1 & 3) << 4) | (b2 >> 4)];
    out += left == 2 ? kAlphabet[(b2 & 15) << 2] : '=';
    out += '=';
  }
  return out;
}

std::string Base64Decode(std::string_view text) {
  if (text.size() % 4 != 0) throw Base64Error();
  static const std::array<std::uint8_t, 256> kValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (int c = 0; c < 256; ++c)
      values[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(Value(static_cast<char>(c)));
    return values;
  }();
  // Only the last group is examined for "=".
  std::size_t size = text.size() / 4 * 3;
  if (!text.empty() && text[text.size() - 2] == '=')
    size -= 2;
  else if (!text.empty() && text[text.size() - 1] == '=')
    size -= 1;
  std::string out(text.size() / 4 * 3, '\0');
  for (std::size_t i = 0, o = 0; i < text.size(); i += 4, o += 3) {
    const unsigned c1 = kValues[static_cast<std::uint8_t>(text[i])],
                   c2 = kValues[static_cast<std::uint8_t>(text[i + 1])];
    const unsigned c3 = kValues[static_cast<std::uint8_t>(text[i + 2])],
                   c4 = kValues[static_cast<std::uint8_t>(text[i + 3])];
    out[o] = static_cast<char>(((c1 << 2) | ((c2 >> 4) & 3)) & 0xFF);
    out[o + 1] = static_cast<char>(((c2 << 4) | ((c3 >> 2) & 15)) & 0xFF);
    out[o + 2] = static_cast<char>(((c3 << 6) | (c4 & 63)) & 0xFF);
  }
  out.resize(size);
  return out;
}

}  // namespace qrv
