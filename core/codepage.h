// Conversion between the UTF-8 text the program works in and the single-byte
// Windows-1252 text of the stored files (keyword file, web-service files, site
// lists), so that files stay byte-compatible with those already in use.
#pragma once

#include <string>
#include <string_view>

namespace qrv {

// Every byte maps to one character; the five bytes 1252 leaves undefined map to
// the C1 control characters of the same value, as Windows does, so any byte
// string survives the round trip AnsiToUtf8 -> Utf8ToAnsi.
std::string AnsiToUtf8(std::string_view ansi);

// Characters that 1252 cannot hold, and bytes that are no valid UTF-8, become "?".
std::string Utf8ToAnsi(std::string_view utf8);

// The UTF-16 code unit of one 1252 byte.
char16_t AnsiCharToUnicode(unsigned char c);

}  // namespace qrv
