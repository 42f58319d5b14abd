#include "components/registry.h"

#include "ui/wide.h"

namespace qrv {
namespace {

// Longer than any path a setting holds; longer values are refused.
constexpr DWORD kMaxValueChars = 32768;

}  // namespace

RegKey::RegKey(HKEY root, const std::wstring& path, bool create) {
  const LONG result =
      create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
             : RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key_);
  if (result != ERROR_SUCCESS) key_ = nullptr;
}

RegKey::~RegKey() {
  if (key_) RegCloseKey(key_);
}

std::optional<std::string> RegKey::Text(const wchar_t* name) const {
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxValueChars * sizeof(wchar_t))
    return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcsnlen(value.c_str(), value.size()));
  return Narrow(value);
}

bool RegKey::HasValue(const wchar_t* name) const {
  return RegQueryValueExW(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace qrv
