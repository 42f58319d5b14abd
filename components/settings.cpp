#include "components/settings.h"

#include <windows.h>

#include "components/registry.h"
#include "core/text.h"
#include "ui/wide.h"

namespace qrv {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FolderOf(const std::string& path) {
  const auto last = path.find_last_of("\\:");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

namespace {

// The default value of a program's App Paths key, when the key exists.
std::optional<std::string> AppPath(const wchar_t* program) {
  RegKey key(HKEY_LOCAL_MACHINE, std::wstring(L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + program);
  if (!key) return std::nullopt;
  return key.Text(nullptr).value_or("");
}

std::string LocateOutlook() {
  std::string path = AppPath(L"OUTLOOK.EXE").value_or(R"(C:\PROGRAM FILES\MICROSOFT OFFICE\OFFICE\OUTLOOK.EXE)");
  const std::string german = R"(C:\Programme\Microsoft Office\Office\Outlook.exe)";
  if (!FileExists(path) && FileExists(german)) path = german;
  return path;
}

std::string LocateExpress() {
  const auto found = AppPath(L"MSIMN.EXE");
  if (!found) return R"(C:\Program Files\Outlook Express\msimn.exe)";
  std::string path = *found;
  if (PositionOf("%SystemDrive%", path) == 0) return path;
  const std::string rest = path.substr(std::min(path.size(), path.find('\\')));
  for (const char* drive : {"C:", "D:", "E:"}) {
    if (FileExists(drive + rest)) return drive + rest;
  }
  return "C:" + rest;
}

std::string LocateOfficeShortcut(const std::string& outlook) {
  std::string path;
  if (RegKey key(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office\\8.0\\Common\\Assistant"); key)
    path = key.Text(L"OfficeStartupPath").value_or("");
  for (const std::string& candidate :
       {FolderOf(outlook) + "OSA9.EXE", std::string(R"(C:\Program Files\Microsoft Office\Office\OSA9.EXE)"),
        std::string(R"(C:\Programme\Microsoft Office\Office\OSA9.EXE)")}) {
    if (FileExists(candidate)) return candidate;
  }
  return path;
}

void LocatePrograms(BarSettings& s) {
  s.outlookExePath = LocateOutlook();
  s.browserPath = AppPath(L"IEXPLORE.EXE").value_or(R"(C:\PROGRAM FILES\INTERNET EXPLORER\IEXPLORE.EXE)");
  if (RegKey key(HKEY_USERS, L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"); key)
    s.signatureFolder = key.Text(L"AppData").value_or("") + R"(\Microsoft\Shared\Signatures\)";
  s.expressPath = LocateExpress();
  s.addressBookPath = AppPath(L"wab.exe").value_or(R"(C:\Program Files\Outlook Express\wab.exe)");
  s.officeShortcutPath = LocateOfficeShortcut(s.outlookExePath);
}

}  // namespace

std::optional<SettingsValues> ReadSettingsKey(const wchar_t* keyPath) {
  RegKey key(HKEY_CURRENT_USER, keyPath);
  if (!key) return std::nullopt;
  SettingsValues values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256;
    const LONG result = RegEnumValueW(key.Handle(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) continue;  // a name longer than any setting's
    if (auto text = key.Text(name)) values[AsciiUpper(Narrow(name))] = std::move(*text);
  }
  return values;
}

std::string ReadSetting(const char* name, const wchar_t* keyPath) {
  RegKey key(HKEY_CURRENT_USER, keyPath);
  return key ? key.Text(Widen(name).c_str()).value_or("") : std::string();
}

bool WriteSetting(const char* name, const std::string& text, const wchar_t* keyPath) {
  RegKey key(HKEY_CURRENT_USER, keyPath, true);
  if (!key) return false;
  const std::wstring value = Widen(text);
  return RegSetValueExW(key.Handle(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void LoadBarSettings(BarSettings& settings, const wchar_t* key) {
  const auto values = ReadSettingsKey(key);
  const std::string format = ShortDateFormat();
  if (const auto lastUpdate = ReadBarSettings(settings, values ? &*values : nullptr, Today(), format))
    WriteSetting("LASTUPDATE", *lastUpdate, key);  // written again at the next start when this fails
  LocatePrograms(settings);
}

std::vector<std::string> ReadJournalTypes() {
  const std::wstring root = L"Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";
  std::vector<std::string> types;
  RegKey key(HKEY_CURRENT_USER, root);
  if (!key) return types;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    const LONG result = RegEnumKeyExW(key.Handle(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) continue;
    std::string type = Narrow(name);
    RegKey entry(HKEY_CURRENT_USER, root + L"\\" + name);
    if (const auto description = entry ? entry.Text(L"Description") : std::nullopt;
        description && !TrimView(*description).empty())
      type = *description;
    types.push_back(std::move(type));
  }
  return types;
}

std::string ShortDateFormat() {
  wchar_t format[80];
  if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format, 80)) return "M/d/yyyy";
  return Narrow(format);
}

Date Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return Date{now.wYear, now.wMonth, now.wDay};
}

}  // namespace qrv
