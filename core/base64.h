// Base64 text encoding of byte strings (standard alphabet, "=" fill, no line
// breaks). Decoding is lenient: enciphered lines are tested for nothing else
// before they are decoded, and lines already in use depend on that.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qrv {

class Base64Error : public std::runtime_error {
 public:
  Base64Error() : std::runtime_error("Base64: Incorrect string format") {}
};

std::string Base64Encode(std::string_view bytes);

// Throws Base64Error when the length of `text` is no multiple of 4. Characters
// outside the alphabet are not rejected: they, "/" and "=" count as 63.
std::string Base64Decode(std::string_view text);

}  // namespace qrv
