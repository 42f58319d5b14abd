#include "core/base64.h"

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
  std::string out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const unsigned c1 = Value(text[i]), c2 = Value(text[i + 1]);
    const unsigned c3 = Value(text[i + 2]), c4 = Value(text[i + 3]);
    int count = 3;
    if (i + 4 == text.size()) {  // only the last group is examined for "="
      if (text[i + 2] == '=')
        count = 1;
      else if (text[i + 3] == '=')
        count = 2;
    }
    out += static_cast<char>(((c1 << 2) | ((c2 >> 4) & 3)) & 0xFF);
    if (count > 1) out += static_cast<char>(((c2 << 4) | ((c3 >> 2) & 15)) & 0xFF);
    if (count > 2) out += static_cast<char>(((c3 << 6) | (c4 & 63)) & 0xFF);
  }
  return out;
}

}  // namespace qrv
