#include "values.h"

#include <windows.h>
#include <oleauto.h>

namespace standin {
namespace {

// The store's dates are written in US English whatever the user's locale, so
// that a test reads the same text on every machine.
constexpr LCID kStoreLocale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

}  // namespace

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), count);
  return wide;
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), count, nullptr, nullptr);
  return utf8;
}

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
        out += "\\\"";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

static std::optional<double> DateFrom(std::string_view text, LCID locale) {
  const std::wstring wide = Widen(text);
  BSTR source = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  DATE date = 0;
  const HRESULT hr = VarDateFromStr(source, locale, 0, &date);
  SysFreeString(source);
  if (FAILED(hr)) return std::nullopt;
  return date;
}

std::optional<double> ParseDate(std::string_view text) { return DateFrom(text, LOCALE_USER_DEFAULT); }

std::optional<double> ParseStoreDate(std::string_view text) { return DateFrom(text, kStoreLocale); }

std::string DateText(double date) {
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDate(date, kStoreLocale, 0, &text))) return {};
  std::string result = Narrow(std::wstring_view(text, SysStringLen(text)));
  SysFreeString(text);
  return result;
}

}  // namespace standin
