// Reading and setting keys of HKEY_CLASSES_ROOT (the machine-wide classes key
// under Wine) and of the user's own classes in the association tests, and
// setting a text value of any key the tests make.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qrv::testing {

inline bool ClassesKeyExists(const std::wstring& path) {
  HKEY key{};
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The key's default value; none when the key or the value is missing.
inline std::optional<std::wstring> ClassesDefault(const std::wstring& path) {
  wchar_t value[1024]{};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

// The default value of a key of the user's own classes (HKEY_CURRENT_USER\Software\Classes).
inline std::optional<std::wstring> UserClassesDefault(const std::wstring& path) {
  wchar_t value[1024]{};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + path).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

// Removes a class key with its subkeys from the user's classes and the classes root.
inline void RemoveClassKey(const std::wstring& path) {
  RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + path).c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
}

// Sets a value of a key, making the key when it is missing (name null: its default value).
inline void SetKeyText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value,
                       DWORD type = REG_SZ) {
  ASSERT_EQ(RegSetKeyValueW(root, path.c_str(), name, type, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

inline void SetClassesDefault(const std::wstring& path, const std::wstring& value) {
  SetKeyText(HKEY_CLASSES_ROOT, path, nullptr, value);
}

}  // namespace qrv::testing
