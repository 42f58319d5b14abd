#include "core/text.h"

#include <algorithm>
#include <climits>

namespace qrv {

std::string_view SubView(std::string_view s, long long index, long long count) {
  if (index < 1) index = 1;
  if (count < 1 || index > static_cast<long long>(s.size())) return {};
  const auto from = static_cast<std::size_t>(index - 1);
  const auto len = static_cast<std::size_t>(std::min<long long>(count, static_cast<long long>(s.size() - from)));
  return s.substr(from, len);
}

std::string SubText(std::string_view s, long long index, long long count) {
  return std::string(SubView(s, index, count));
}

std::string SubTextFrom(std::string_view s, long long index) {
  return SubText(s, index, static_cast<long long>(s.size()) + 1);
}

static char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiUpperChar(c);
  return out;
}

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerChar(c);
  return out;
}

static bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return std::string(s);
}

std::string TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

std::optional<int> ReadInt(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  }
  if (i == s.size()) return std::nullopt;
  long long value = 0;
  for (; i < s.size(); ++i) {
    const char c = AsciiUpperChar(s[i]);
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int ReadIntOr(std::string_view s, int fallback) { return ReadInt(s).value_or(fallback); }

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string AsSentence(std::string_view s) {
  std::string sentence = Trim(s);
  if (!sentence.empty() && std::string_view(".?!").find(sentence.back()) == std::string_view::npos) sentence += '.';
  return sentence;
}

namespace {

// Where the next line break (CR or LF) is from `start`; the size of `text`
// when there is none. A plain loop: find_first_of looks each byte up in the
// set of two, which made it the dearest step of loading a keyword file.
std::size_t NextLineBreak(std::string_view text, std::size_t start) {
  while (start < text.size() && text[start] != '\r' && text[start] != '\n') ++start;
  return start;
}

// The start of the line after the break at `end`: CR LF counts as one break.
std::size_t AfterLineBreak(std::string_view text, std::size_t end) {
  return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = NextLineBreak(text, start);
    lines.emplace_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = AfterLineBreak(text, end);
  }
  return lines;
}

std::size_t CountLines(std::string_view text, std::size_t limit) {
  std::size_t count = 0;
  for (std::size_t start = 0; start < text.size() && count <= limit; ++count) {
    const std::size_t end = NextLineBreak(text, start);
    if (end == text.size()) return count + 1;
    start = AfterLineBreak(text, end);
  }
  return count;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return StartsWith(text, kMark) ? text.substr(kMark.size()) : text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace qrv
