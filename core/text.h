// Text helpers with the semantics the stored formats and the quick-entry parser
// are defined in: 1-based positions, copies that clamp instead of failing,
// ASCII case mapping, and trimming of blanks and control characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// 1-based position of the first occurrence of `sub` in `s`; 0 when it does not
// occur or when `sub` is empty.
inline std::size_t Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  const auto at = sub.size() == 1 ? s.find(sub[0]) : s.find(sub);
  return at == std::string_view::npos ? 0 : at + 1;
}

// Up to `count` characters of `s` starting at the 1-based `index`. An index
// below 1 counts as 1; an index past the end or a count below 1 gives "".
std::string Copy(std::string_view s, long long index, long long count);

// Everything of `s` from the 1-based `index` to its end (clamped like Copy).
std::string CopyFrom(std::string_view s, long long index);
// The same part of `s` as Copy, without copying it.
std::string_view Slice(std::string_view s, long long index, long long count);

// Case mapping of the letters a-z and A-Z only; every other byte is kept, so
// UTF-8 text stays valid.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
inline char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Equality ignoring the case of a-z.
inline bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

// Remove blanks and control characters (every byte up to 0x20) from the ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string_view TrimView(std::string_view s);

// Integer as the stored formats read it: optional leading blanks, an optional
// sign, then decimal digits, or "$", "x" or "0x" and hexadecimal digits, to the
// end of the text. Anything else, or a value outside the 32-bit range, is no
// number.
std::optional<int> ReadInt(std::string_view s);
int StrToIntDef(std::string_view s, int fallback);

bool StartsWith(std::string_view s, std::string_view prefix);

// The lines of a text as a string list reads them: a line ends at CR LF, LF or
// a lone CR, and a break at the very end starts no further line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by CR LF, as the program's text files are written.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace qrv
