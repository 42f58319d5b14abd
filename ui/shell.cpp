#include "ui/shell.h"

#include <shellapi.h>

namespace qrv {
namespace {

ShellHandler shellHandler = nullptr;
ProgramStartHandler startHandler = nullptr;

}  // namespace

bool ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters, int show) {
  if (shellHandler) {
    shellHandler(file, parameters, show);
    return true;
  }
  const auto started =
      ShellExecuteW(owner, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
  return reinterpret_cast<INT_PTR>(started) > 32;
}

void SetShellHandler(ShellHandler handler) { shellHandler = handler; }

std::vector<std::wstring> DroppedFiles(HDROP drop) {
  struct Finish {
    HDROP drop;
    ~Finish() { DragFinish(drop); }
  } finish{drop};
  std::vector<std::wstring> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT n = 0; n < count; ++n) {
    // Each name's length is asked before it is read.
    const UINT length = DragQueryFileW(drop, n, nullptr, 0);
    if (length == 0) continue;
    std::wstring file(length + 1, L'\0');
    file.resize(DragQueryFileW(drop, n, file.data(), length + 1));
    files.push_back(std::move(file));
  }
  return files;
}

bool StartProgram(const std::wstring& path, std::wstring commandLine) {
  if (startHandler) return startHandler(path);
  if (commandLine.empty()) commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void SetProgramStartHandler(ProgramStartHandler handler) { startHandler = handler; }

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.emplace(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace qrv
