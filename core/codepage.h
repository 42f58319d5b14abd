// Conversion between the UTF-8 text the program works in and the single-byte
// text of the stored files (keyword file, web-service files, site lists) in the
// system's code page, so that files stay byte-compatible with those already in
// use on the same system. The system's own conversion reaches core through the
// CodePage interface; natively, and until the program installs that, it is
// Windows-1252 by table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qrv {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Every byte maps to one character, so any bytes read from a file convert.
  virtual std::string ToUtf8(std::string_view bytes) const = 0;
  // None when `utf8` holds a character the code page cannot hold (or bytes
  // that are no UTF-8); the first such character, as UTF-8, goes to `unheld`.
  // Nothing is ever replaced by "?".
  virtual std::optional<std::string> FromUtf8(std::string_view utf8, std::string* unheld) const = 0;
};

// Windows-1252: the five bytes it leaves undefined map to the C1 control
// characters of the same value, as Windows does, so any bytes survive the
// round trip ToUtf8 -> FromUtf8.
const CodePage& Windows1252();

// The code page of the stored files: Windows-1252 until the program installs
// the system's own at start-up. The code page must outlive every later call.
const CodePage& SystemCodePage();
void SetSystemCodePage(const CodePage& codePage);

// Conversions through the system code page.
std::string AnsiToUtf8(std::string_view ansi);
std::optional<std::string> Utf8ToAnsi(std::string_view utf8, std::string* unheld = nullptr);

// The first character of `utf8` that the system code page cannot hold, empty
// when it holds them all; and the message that refuses it by name.
std::string UnheldCharacter(std::string_view utf8);
std::string UnheldCharacterMessage(std::string_view character);

// The UTF-16 code unit of one Windows-1252 byte.
char16_t AnsiCharToUnicode(unsigned char c);

// One UTF-8 sequence at `i`: answers the character and advances `i`, or answers
// U+FFFD and advances by one byte for an invalid sequence.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);
void AppendUtf8(std::string& out, char32_t codePoint);

// The longest start of `utf8` that is at most `units` UTF-16 code units long
// (the length Windows gives a text), never ending inside a character.
std::string_view Utf16Prefix(std::string_view utf8, std::size_t units);

}  // namespace qrv
