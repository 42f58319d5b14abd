// Stands in for the programs the bar starts (outlook.exe, Finder.exe, the
// Office shortcut program, the user's own program): copied or registered under
// their names, it appends one line to the file named by QRV_ARGLOG, its own
// path, a tab and the command line it was given, and ends without a window.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), count, nullptr, nullptr);
  return utf8;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t logPath[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"QRV_ARGLOG", logPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  wchar_t self[MAX_PATH];
  const DWORD selfLength = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string line =
      Utf8(std::wstring(self, selfLength < MAX_PATH ? selfLength : 0)) + "\t" + Utf8(GetCommandLineW()) + "\r\n";
  HANDLE file = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
