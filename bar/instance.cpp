#include "bar/instance.h"

#include "core/command_line.h"
#include "core/long_path.h"
#include "ui/wide.h"

namespace qrv {

UINT HandOffMessage() {
  static const UINT kMessage = RegisterWindowMessageW(L"Quorvel_By_Dobrin");
  return kMessage;
}

bool IsFirstInstance(const wchar_t* mutexName) {
  [[maybe_unused]] static HANDLE marker = nullptr;
  HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName);
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  marker = mutex;
  return true;
}

std::vector<std::string> CommandLineArguments() {
  auto args = SplitCommandLine(Narrow(GetCommandLineW()));
  if (!args.empty()) args.erase(args.begin());
  return args;
}

std::wstring ExpandLongFileName(const std::wstring& name) {
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n >= full.size()) {
    full.resize(n);
    n = GetFullPathNameW(name.c_str(), n, full.data(), nullptr);
  }
  full.resize(n < full.size() ? n : 0);
  const auto find = [](const std::string& path) -> std::optional<std::string> {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return Narrow(found.cFileName);
  };
  return Widen(BuildLongPath(Narrow(full.empty() ? name : full), find));
}

std::optional<std::wstring> PassFileToRunningInstance(const std::wstring& name, UINT message, LPARAM lparam) {
  std::wstring path;
  try {
    path = ExpandLongFileName(name);
  } catch (const PathError& e) {
    return Widen(e.what());
  }
  const ATOM atom = path.size() <= kMaxHandedPath ? GlobalAddAtomW(path.c_str()) : 0;
  if (!atom) return L"The path is too long to hand over to the running Quorvel:\r\n" + path;
  // Every top-level window hears the broadcast; one that hangs must not keep
  // this instance waiting for ever, and the bar answers at once.
  SendMessageTimeoutW(HWND_BROADCAST, message, atom, lparam, SMTO_ABORTIFHUNG, 5000, nullptr);
  GlobalDeleteAtom(atom);
  return std::nullopt;
}

std::optional<std::wstring> HandedPath(WPARAM atom) {
  // Only a string atom can hold a path; the numbers below are integer atoms.
  if (LOWORD(atom) < MAXINTATOM) return std::nullopt;
  wchar_t buffer[260];
  const UINT length = GlobalGetAtomNameW(static_cast<ATOM>(LOWORD(atom)), buffer, 260);
  if (length == 0) return std::nullopt;
  return std::wstring(buffer, length);
}

}  // namespace qrv
