#include "webeditor/editor_settings.h"

#include <windows.h>

#include <system_error>

#include "core/service_file.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\QV\\Quorvel";

std::wstring ReadString(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ ||
      size > 64 * 1024)
    return {};
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return {};
  value.resize(wcsnlen(value.c_str(), value.size()));
  return value;
}

}  // namespace

EditorSettings ReadEditorSettings() {
  std::wstring version;
  std::wstring folder;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    version = ReadString(key, L"VERSION");
    folder = ReadString(key, L"PATH");
    RegCloseKey(key);
  }
  EditorSettings settings{version.empty() ? std::string(kNoBarVersion) : Narrow(version), ProgramFolder()};
  std::error_code error;
  if (!folder.empty() && std::filesystem::is_directory(folder, error)) settings.barFolder = folder;
  return settings;
}

}  // namespace qrv
