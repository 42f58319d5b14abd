#include "registration.h"

#include <iterator>

namespace standin {

// Our own class identifier; only the programmatic identifier is Outlook's.
const CLSID kClsid = {0x3e6c0c8a, 0x5b3f, 0x4b8e, {0x9e, 0x2d, 0x7a, 0x1c, 0x4f, 0x0b, 0x9d, 0x21}};

namespace {

constexpr wchar_t kClsidText[] = L"{3E6C0C8A-5B3F-4B8E-9E2D-7A1C4F0B9D21}";
constexpr wchar_t kProgId[] = L"Outlook.Application";
constexpr wchar_t kDescription[] = L"Quorvel stand-in Outlook (tests and demonstrations)";
// Where an installed Outlook tells programs the path of OUTLOOK.EXE.
constexpr wchar_t kAppPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";

bool SetKeyValue(const std::wstring& path, const wchar_t* name, const std::wstring& value,
                 HKEY root = HKEY_CLASSES_ROOT) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::wstring ClassKey() { return std::wstring(L"CLSID\\") + kClsidText; }

bool DeleteClass() {
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// Whether "Outlook.Application" names our class (and not a real Outlook).
bool ProgIdIsOurs() {
  wchar_t value[64]{};
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CLASSES_ROOT, L"Outlook.Application\\CLSID", nullptr, RRF_RT_REG_SZ, nullptr, value,
                      &size) == ERROR_SUCCESS &&
         _wcsicmp(value, kClsidText) == 0;
}

// Whether OUTLOOK.EXE's App Paths entry names a stand-in (and not a real Outlook).
bool AppPathIsOurs() {
  wchar_t value[MAX_PATH * 2]{};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kAppPath, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return false;
  const std::wstring path = value;
  const std::wstring ours = L"\\outlook_standin.exe";
  return path.size() >= ours.size() && _wcsicmp(path.c_str() + path.size() - ours.size(), ours.c_str()) == 0;
}

}  // namespace

bool RegisterServer(const std::wstring& program) {
  if (program.empty() || !DeleteClass()) return false;
  const std::wstring classKey = ClassKey();
  return SetKeyValue(kProgId, nullptr, kDescription) &&
         SetKeyValue(std::wstring(kProgId) + L"\\CLSID", nullptr, kClsidText) &&
         SetKeyValue(classKey, nullptr, kDescription) &&
         SetKeyValue(classKey + L"\\LocalServer32", nullptr, L"\"" + program + L"\"") &&
         SetKeyValue(classKey + L"\\ProgID", nullptr, kProgId) &&
         SetKeyValue(kAppPath, nullptr, program, HKEY_LOCAL_MACHINE) &&
         SetKeyValue(kAppPath, L"Path", program.substr(0, program.find_last_of(L'\\') + 1), HKEY_LOCAL_MACHINE);
}

bool UnregisterServer() {
  if (ProgIdIsOurs()) RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
  if (AppPathIsOurs()) RegDeleteTreeW(HKEY_LOCAL_MACHINE, kAppPath);
  return DeleteClass();
}

}  // namespace standin
