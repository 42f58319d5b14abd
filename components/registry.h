// A registry key opened for one use and closed when it goes, with the reading
// of its string values the bar needs: bounded, and another type read as none.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace qrv {

class RegKey {
 public:
  // Opens the key for reading, or with `create` for reading and writing,
  // creating it when missing.
  RegKey(HKEY root, const std::wstring& path, bool create = false);
  ~RegKey();
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  explicit operator bool() const { return key_ != nullptr; }
  HKEY Handle() const { return key_; }

  // A string value; nothing for a missing value, another type or a value longer
  // than any the bar keeps. An empty name reads the default value.
  std::optional<std::string> Text(const wchar_t* name) const;
  // Whether the value exists, of whatever type.
  bool HasValue(const wchar_t* name) const;

 private:
  HKEY key_ = nullptr;
};

}  // namespace qrv
