#include "e2e_support.h"

#include <string_view>

namespace e2e {

std::wstring AppProgram(const wchar_t* name) {
  const std::string_view dir = QRV_APP_DIR;
  std::wstring path = L"Z:" + std::wstring(dir.begin(), dir.end()) + L"/" + name;
  for (auto& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

Process::Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }

Process& Process::operator=(Process&& other) noexcept {
  std::swap(info_, other.info_);
  return *this;
}

Process::~Process() {
  if (!info_.hProcess) return;
  if (Running()) {
    if (HWND bar = FindBar(info_.dwProcessId)) PostMessageW(bar, WM_CLOSE, 0, 0);
    if (!WaitForExit(5000)) TerminateProcess(info_.hProcess, 1);
    WaitForExit(5000);
  }
  if (info_.hThread) CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

Process Process::Start(const std::wstring& program, const std::wstring& args) {
  Process p;
  std::wstring command = L"\"" + program + L"\" " + args;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &p.info_))
    p.info_ = {};
  return p;
}

Process Process::Adopt(HANDLE process) {
  Process p;
  p.info_.hProcess = process;
  p.info_.dwProcessId = process ? GetProcessId(process) : 0;
  return p;
}

bool Process::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

namespace {

// Handles the test thread's pending messages: a broadcast waits for them.
void HandleMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

bool Process::WaitForExit(DWORD ms) const {
  if (!info_.hProcess) return false;
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - start;
    const DWORD left = spent >= ms ? 0 : ms - spent;
    const DWORD result = MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, left, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    HandleMessages();
  }
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HWND StartBar(Process& bar, const std::wstring& args) {
  bar = Process::Start(AppProgram(L"Quorvel.exe"), args);
  return WaitForCollapsedBar(bar, 20000);
}

bool WaitFor(const std::function<bool()>& condition, DWORD ms) {
  // Every wait is for something that should come; a loaded machine starting
  // Wine processes may take several times what this one does, so the ceiling
  // is generous and a passing run never waits for it.
  const DWORD ceiling = ms * 4;
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > ceiling) return false;
    HandleMessages();
    Sleep(10);
  }
  return true;
}

namespace {

bool XDoTool(const std::wstring& args) {
  std::wstring command = L"/usr/bin/xdotool " + args;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(L"/usr/bin/xdotool", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info))
    return false;
  WaitForSingleObject(info.hProcess, 20000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  Sleep(200);
  return true;
}

}  // namespace

bool XType(const std::wstring& text) { return XDoTool(L"type --delay 30 \"" + text + L"\""); }
bool XKeys(const std::wstring& keys) { return XDoTool(L"key " + keys); }
bool XFocus(const std::wstring& title) {
  return XDoTool(L"search --limit 1 --name \"^" + title + L"$\" windowfocus --sync");
}

bool ForegroundOwnedBy(HWND owner) {
  const HWND front = GetForegroundWindow();
  for (HWND w = GetWindow(front, GW_OWNER); w; w = GetWindow(w, GW_OWNER))
    if (w == owner) return true;
  DWORD frontProcess = 0, ownerProcess = 0;
  GetWindowThreadProcessId(front, &frontProcess);
  GetWindowThreadProcessId(owner, &ownerProcess);
  wchar_t className[16] = L"";
  GetClassNameW(front, className, 16);
  return frontProcess == ownerProcess && std::wstring(className) == L"#32770";
}

namespace {

// The first top-level window of a process of this class and title (null:
// any) that `fits`, or null.
template <typename Fits>
HWND FirstWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* title, Fits fits) {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, windowClass, title)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(found, &owner);
    if (owner == processId && fits(found)) return found;
  }
  return nullptr;
}

bool Any(HWND) { return true; }

}  // namespace

HWND FindBar(DWORD processId) { return FirstWindowOf(processId, nullptr, L"QV", Any); }

HWND WaitForCollapsedBar(const Process& bar, DWORD ms) {
  HWND hwnd = nullptr;
  const bool up = WaitFor(
      [&] {
        hwnd = FindBar(bar.Id());
        return hwnd && IsWindowVisible(hwnd) && WidthOf(hwnd) == 6;
      },
      ms);
  return up ? hwnd : nullptr;
}

HWND FindMessageBox(DWORD processId, const wchar_t* caption) {
  return FirstWindowOf(processId, L"#32770", caption, Any);
}

RECT WindowRect(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return rc;
}

void MoveMouse(int x, int y) {
  SetCursorPos(x, y);
  Sleep(50);
}

void PressButton(bool right) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void Click(int x, int y, bool right) {
  MoveMouse(x, y);
  PressButton(right);
  Sleep(50);
}

void Drag(POINT from, POINT to) {
  MoveMouse(from.x, from.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &input, sizeof(INPUT));
  Sleep(100);
  for (int step = 1; step <= 5; ++step) {
    MoveMouse(from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5);
  }
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(INPUT));
  Sleep(100);
}

void PressKeys(std::initializer_list<WORD> keys) {
  for (const WORD key : keys) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(20);
  }
}

HWND FindWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* title, bool shown) {
  return FirstWindowOf(processId, windowClass, title,
                       [shown](HWND window) { return (IsWindowVisible(window) != FALSE) == shown; });
}

HWND FindWindowWithChild(DWORD processId, const wchar_t* childClass) {
  return FirstWindowOf(processId, nullptr, nullptr, [childClass](HWND window) {
    return IsWindowVisible(window) && FindWindowExW(window, nullptr, childClass, nullptr);
  });
}

std::wstring MessageText(HWND box) {
  wchar_t text[1024]{};
  GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the box's text control
  return text;
}

void Answer(HWND box, int button) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

constexpr wchar_t kKey[] = L"Software\\QV\\Quorvel";

void ResetSettings(const std::map<std::wstring, std::wstring>& values) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  if (values.empty()) return;
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  for (const auto& [name, text] : values) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

std::wstring ReadSetting(const wchar_t* name) {
  wchar_t text[512];
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return L"";
  return text;
}

std::map<std::wstring, std::wstring> DefaultSettings(const wchar_t* idleSeconds) {
  return {{L"BUTTON1", L"20,ON"},         {L"BUTTON2", L"54,ON"},    {L"BUTTON3", L"88,ON"},
          {L"BUTTON4", L"122,ON"},        {L"BUTTON5", L"156,ON"},   {L"BUTTON6", L"190,ON"},
          {L"BUTTON7", L"190,OFF"},       {L"BUTTON8", L"190,OFF"},  {L"BUTTONE1", L"224,ON"},
          {L"BUTTONE2", L"224,OFF"},      {L"BUTTONE3", L"224,OFF"}, {L"BUTTONE4", L"224,OFF"},
          {L"MINIMIZETIME", idleSeconds}, {L"POSITION", L"NO,100"},  {L"LASTUPDATE", L"1/1/2030"}};
}

HandOffListener::HandOffListener() {
  WNDCLASSW type{};
  type.lpfnWndProc = WindowProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.lpszClassName = L"QuorvelHandOffListener";
  RegisterClassW(&type);
  window_ =
      CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, type.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HandOffListener::~HandOffListener() { DestroyWindow(window_); }

LRESULT CALLBACK HandOffListener::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT kHandOff = RegisterWindowMessageW(L"Quorvel_By_Dobrin");
  auto* listener = reinterpret_cast<HandOffListener*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg != kHandOff || !listener) return DefWindowProcW(hwnd, msg, wp, lp);
  wchar_t path[260];
  const UINT length = GlobalGetAtomNameW(static_cast<ATOM>(LOWORD(wp)), path, 260);
  // A second instance broadcasts once more for a bar that was busy.
  if (length && (listener->paths_.empty() || listener->paths_.back() != std::wstring(path, length)))
    listener->paths_.emplace_back(path, length);
  return 0;
}

}  // namespace e2e
