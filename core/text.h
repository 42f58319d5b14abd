// Text helpers with the rules the stored formats and the quick-entry parser
// read by: 1-based positions, parts that clamp instead of failing, ASCII case
// mapping, and trimming of blanks and control characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// Whether `sub` occurs in `s` (an empty `sub` always does).
inline bool Contains(std::string_view s, std::string_view sub) { return s.find(sub) != std::string_view::npos; }

// 1-based position of the first occurrence of `sub` in `s`; 0 when it does not
// occur or when `sub` is empty. The record and time readers count from it, and
// their clamping rules (below) make "not found" read as an empty field.
inline std::size_t PositionOf(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  const auto at = sub.size() == 1 ? s.find(sub[0]) : s.find(sub);
  return at == std::string_view::npos ? 0 : at + 1;
}

// Up to `count` characters of `s` starting at the 1-based `index`, clamped: an
// index below 1 counts as 1; an index past the end or a count below 1 gives "".
std::string SubText(std::string_view s, long long index, long long count);

// Everything of `s` from the 1-based `index` to its end (clamped like SubText).
std::string SubTextFrom(std::string_view s, long long index);
// The same part of `s` as SubText, without copying it.
std::string_view SubView(std::string_view s, long long index, long long count);

// Case mapping of the letters a-z and A-Z only; every other byte is kept, so
// UTF-8 text stays valid.
std::string AsciiUpper(std::string_view s);
std::string AsciiLower(std::string_view s);
inline char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Equality ignoring the case of a-z.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpperChar(a[i]) != AsciiUpperChar(b[i])) return false;
  return true;
}

// Remove blanks and control characters (every byte up to 0x20) from the ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string_view TrimView(std::string_view s);

// Integer as the stored formats read it: optional leading blanks, an optional
// sign, then decimal digits, or "$" or "x" and hexadecimal digits, to the
// end of the text. Anything else, or a value outside the 32-bit range, is no
// number.
std::optional<int> ReadInt(std::string_view s);
// The same, `fallback` for no number.
int ReadIntOr(std::string_view s, int fallback);

bool StartsWith(std::string_view s, std::string_view prefix);

// `s` as one sentence of a message: trimmed, and ending in a full stop unless
// it already ends in a stop, a question or an exclamation mark. The system's
// error texts come with a stop or without, and with a line break or without.
std::string AsSentence(std::string_view s);

// The lines of a text as a string list reads them: a line ends at CR LF, LF or
// a lone CR, and a break at the very end starts no further line.
std::vector<std::string> SplitLines(std::string_view text);
// How many lines SplitLines would make of `text`, without making them; the
// count stops once it is past `limit`.
std::size_t CountLines(std::string_view text, std::size_t limit = SIZE_MAX);
// `text` without a leading UTF-8 byte-order mark, which some editors put
// before a file's first line.
std::string_view WithoutByteOrderMark(std::string_view text);
// Every line followed by CR LF, as the program's text files are written.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace qrv
