#include "core/codepage.h"

#include <array>
#include <atomic>

namespace qrv {

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of one character in Windows-1252; none when it has none.
std::optional<char> ByteOf1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

class Windows1252Table final : public CodePage {
 public:
  std::string ToUtf8(std::string_view bytes) const override {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) AppendUtf8(out, AnsiCharToUnicode(static_cast<unsigned char>(c)));
    return out;
  }
  std::optional<std::string> FromUtf8(std::string_view utf8, std::string* unheld) const override {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
      const std::size_t at = i;
      const char32_t cp = NextCodePoint(utf8, i);
      const std::optional<char> byte = cp == 0xFFFD ? std::nullopt : ByteOf1252(cp);
      if (!byte) {
        if (unheld) *unheld = std::string(utf8.substr(at, i - at));
        return std::nullopt;
      }
      out += *byte;
    }
    return out;
  }
};

std::atomic<const CodePage*> systemCodePage{nullptr};

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string_view Utf16Prefix(std::string_view utf8, std::size_t units) {
  std::size_t at = 0, used = 0;
  while (at < utf8.size()) {
    std::size_t next = at;
    used += NextCodePoint(utf8, next) > 0xFFFF ? 2 : 1;
    if (used > units) break;
    at = next;
  }
  return utf8.substr(0, at);
}

char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= s.size()) {
    ++i;
    return 0xFFFD;
  }  // sequence cut short
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
  if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += extra + 1;
  return cp;
}

const CodePage& Windows1252() {
  static const Windows1252Table kTable;
  return kTable;
}

const CodePage& SystemCodePage() {
  const CodePage* installed = systemCodePage.load();
  return installed ? *installed : Windows1252();
}

void SetSystemCodePage(const CodePage& codePage) { systemCodePage.store(&codePage); }

char16_t AnsiCharToUnicode(unsigned char c) {
  return (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : static_cast<char16_t>(c);
}

std::string AnsiToUtf8(std::string_view ansi) { return SystemCodePage().ToUtf8(ansi); }

std::optional<std::string> Utf8ToAnsi(std::string_view utf8, std::string* unheld) {
  return SystemCodePage().FromUtf8(utf8, unheld);
}

std::string UnheldCharacter(std::string_view utf8) {
  std::string unheld;
  return SystemCodePage().FromUtf8(utf8, &unheld) ? std::string() : unheld;
}

std::string UnheldCharacterMessage(std::string_view character) {
  return "The character \"" + std::string(character) +
         "\" cannot be stored: the code page of this system has no such character.";
}

}  // namespace qrv
