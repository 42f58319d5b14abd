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

namespace {

// How long a second instance waits for a busy bar to take its file.
constexpr ULONGLONG kHandOffWaitMs = ULONGLONG{10} * 60 * 1000;

bool MarkerExists(const wchar_t* markerName) {
  HANDLE marker = OpenMutexW(SYNCHRONIZE, FALSE, markerName);
  if (!marker) return false;
  CloseHandle(marker);
  return true;
}

// The event with which the receiver says it took the path of an atom.
std::wstring TakenEventName(ATOM atom) { return L"Local\\QuorvelHandOff" + std::to_wstring(atom); }

// Waits, handling this thread's messages, until the receiver set `taken`;
// false when the running instance ended or the wait ran out first.
bool WaitUntilTaken(HANDLE taken, const wchar_t* markerName) {
  const ULONGLONG end = GetTickCount64() + kHandOffWaitMs;
  while (MsgWaitForMultipleObjects(1, &taken, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
    if (GetTickCount64() >= end || !MarkerExists(markerName)) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace

std::optional<std::wstring> PassFileToRunningInstance(const std::wstring& name, UINT message, LPARAM lparam,
                                                      const wchar_t* markerName) {
  std::wstring path;
  try {
    path = ExpandLongFileName(name);
  } catch (const PathError& e) {
    return Widen(e.what());
  }
  const ATOM atom = path.size() <= kMaxHandedPath ? GlobalAddAtomW(path.c_str()) : 0;
  if (!atom) return L"The path is too long to hand over to the running Quorvel:\r\n" + path;
  // A free bar takes the path while the broadcast is sent. A busy one (a pause,
  // Outlook starting, an update) misses a sent message that timed out, so the
  // broadcast is posted once more to wait in its queue; this instance keeps
  // the atom until the bar says it took the path.
  HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, TakenEventName(atom).c_str());
  SendMessageTimeoutW(HWND_BROADCAST, message, atom, lparam, SMTO_NORMAL, 1000, nullptr);
  if (taken && WaitForSingleObject(taken, 0) != WAIT_OBJECT_0) PostMessageW(HWND_BROADCAST, message, atom, lparam);
  const bool handed = taken && WaitUntilTaken(taken, markerName);
  if (taken) CloseHandle(taken);
  GlobalDeleteAtom(atom);
  if (handed) return std::nullopt;
  return L"The file could not be handed over to the running Quorvel:\r\n" + path;
}

std::optional<std::wstring> TakeHandedPath(WPARAM atom) {
  // Only a string atom can hold a path; the numbers below are integer atoms.
  if (LOWORD(atom) < MAXINTATOM) return std::nullopt;
  wchar_t buffer[260];
  const UINT length = GlobalGetAtomNameW(static_cast<ATOM>(LOWORD(atom)), buffer, 260);
  if (length == 0) return std::nullopt;
  if (HANDLE taken = OpenEventW(EVENT_MODIFY_STATE, FALSE, TakenEventName(static_cast<ATOM>(LOWORD(atom))).c_str())) {
    SetEvent(taken);
    CloseHandle(taken);
  }
  return std::wstring(buffer, length);
}

}  // namespace qrv
