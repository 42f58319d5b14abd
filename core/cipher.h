// The record cipher that protects web-service lines wherever they are stored or
// sent: Blowfish in 8-bit cipher-feedback mode keyed with the SHA-1 digest of a
// fixed pass phrase, then Base64. Lines already published are read with it, so
// its output is fixed to the byte.
#pragma once

#include <string>
#include <string_view>

namespace qrv {

// Both work on the bytes of one line (the system code page, no line break) and
// answer their input unchanged when any step fails. Every line starts from the
// same initial vector, so lines are independent of each other; both may be
// called from any thread.
std::string EncipherLine(std::string_view line);
std::string DecipherLine(std::string_view line);

}  // namespace qrv
