#include "components/windows_system.h"

#include <windows.h>

#include <climits>

#include "core/file_io.h"
#include "core/outlook_numbers.h"
#include "ui/wide.h"

namespace qrv {

namespace {

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring Wide(UINT codePage, std::string_view bytes, DWORD flags) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
  return wide;
}

// The bytes of `wide` in `codePage`; none when a character has none there.
std::optional<std::string> Narrow(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  // UTF-8 holds every character and takes neither flag nor default character.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, usedDefaultOut);
  return bytes;
}

}  // namespace

WindowsCodePage::WindowsCodePage(unsigned codePage) : codePage_(codePage == 0 ? GetACP() : codePage) {}

std::string WindowsCodePage::ToUtf8(std::string_view bytes) const { return qrv::Narrow(Wide(codePage_, bytes, 0)); }

std::optional<std::string> WindowsCodePage::FromUtf8(std::string_view utf8, std::string* unheld) const {
  if (utf8.empty()) return std::string();
  // Empty only for what is no UTF-8 (or too long to convert at all).
  const std::wstring wide = Wide(CP_UTF8, utf8, MB_ERR_INVALID_CHARS);
  if (!wide.empty()) {
    if (auto bytes = Narrow(codePage_, wide)) return bytes;
  }
  // Find the first character that is no UTF-8 or has no bytes here, to name it.
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t at = i;
    const char32_t c = NextCodePoint(utf8, i);
    const std::string_view character = utf8.substr(at, i - at);
    if (c == 0xFFFD || !Narrow(codePage_, Wide(CP_UTF8, character, 0))) {
      if (unheld) *unheld = std::string(character);
      return std::nullopt;
    }
  }
  if (unheld) *unheld = std::string(utf8.substr(0, 1));
  return std::nullopt;
}

int CompareInUserLocale(std::string_view a, std::string_view b) {
  const std::wstring wideA = Widen(a), wideB = Widen(b);
  const int result =
      CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                      wideB.data(), static_cast<int>(wideB.size()), nullptr, nullptr, 0);
  return result == 0 ? CaselessByteOrder(a, b) : result - CSTR_EQUAL;
}

void KeepFileAttributes(const std::filesystem::path& from, const std::filesystem::path& to) {
  const DWORD old = GetFileAttributesW(from.c_str());
  const DWORD now = GetFileAttributesW(to.c_str());
  if (old == INVALID_FILE_ATTRIBUTES || now == INVALID_FILE_ATTRIBUTES) return;
  // The content is new, so it is marked for the next backup as any changed file is.
  SetFileAttributesW(to.c_str(), (now & ~kKeptAttributes) | (old & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
}

void UseWindowsSystem() {
  static const WindowsCodePage kSystemCodePage;
  SetSystemCodePage(kSystemCodePage);
  SetAttributeKeeper(KeepFileAttributes);
}

}  // namespace qrv
