// The stand-in Outlook as a program of its own, as Outlook is: a local server
// whose class object makes the application. Started by COM ("-Embedding") for
// a program that asks for Outlook, it ends once the last object it handed out
// is released. Started by the user (no argument), it shows Outlook's window,
// stands in the running object table and serves every program that asks until
// that window is closed. "/RegServer" and "/UnregServer" write and remove its
// registration.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <tlhelp32.h>

#include <iterator>
#include <string>
#include <utility>

#include "objects.h"
#include "registration.h"
#include "session.h"

namespace standin {
namespace {

enum class StartKind { kRegister, kUnregister, kByCom, kByUser };

constexpr wchar_t kWindowClass[] = L"QuorvelOutlookStandIn";

// The server's state: one process, one thread.
DWORD classCookie = 0;   // the class object's registration, 0 once revoked
DWORD activeCookie = 0;  // the running object table's entry, 0 when none
HWND userWindow = nullptr;
LONG serverLocks = 0;
bool stopping = false;

// No new requests reach this process from now on; it ends once the message
// loop sees the quit.
void StopServer() {
  if (stopping) return;
  stopping = true;
  if (classCookie) CoRevokeClassObject(std::exchange(classCookie, 0));
  PostQuitMessage(0);
}

// Outlook's window goes: out of the running object table, and the process
// ends with the last object.
void CloseUserWindow() {
  if (HWND window = std::exchange(userWindow, nullptr)) DestroyWindow(window);
  if (activeCookie) RevokeActiveObject(std::exchange(activeCookie, 0), nullptr);
  if (Session::Current().LiveObjects() == 0 && serverLocks == 0) StopServer();
}

void OnIdle() {
  if (!userWindow && serverLocks == 0) StopServer();
}

// A quit Outlook takes no new requests; a new one starts for the next.
void OnQuit() {
  if (classCookie) CoRevokeClassObject(std::exchange(classCookie, 0));
  CloseUserWindow();
}

class ClassFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the process
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (stopping) return CO_E_SERVER_STOPPING;
    try {
      Session& session = Session::Current();
      if (!session.Running()) session.Start();
      if (const std::string* message = session.Failure("Application", "CreateObject")) {
        session.Log("fail", "Outlook", "CreateObject", {}, *message);
        if (session.LiveObjects() == 0) StopServer();  // an Outlook that could not start
        return CO_E_SERVER_EXEC_FAILURE;
      }
      Object* application = NewApplication();
      const HRESULT hr = application->QueryInterface(iid, out);
      application->Release();
      return hr;
    } catch (...) {
      return E_OUTOFMEMORY;
    }
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      ++serverLocks;
    } else if (serverLocks > 0 && --serverLocks == 0) {
      OnIdle();
    }
    return S_OK;
  }
};

ClassFactory factory;

LRESULT CALLBACK UserWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CLOSE) return DefWindowProcW(window, message, wParam, lParam);
  try {
    // The user closes Outlook's window: its explorer is gone.
    Session& session = Session::Current();
    session.Data().CloseExplorers();
    session.Changed();
    session.Flush();
    session.Log("call", "Outlook", "Close");
    CloseUserWindow();
  } catch (...) {
    DestroyWindow(window);
  }
  return 0;
}

// Outlook as the user starts it: its window on the Inbox, and its application
// in the running object table for programs that look for a running Outlook.
bool OpenUserWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = UserWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  userWindow = CreateWindowExW(0, kWindowClass, L"Inbox - Outlook", WS_OVERLAPPEDWINDOW, 400, 200, 480, 320, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
  if (!userWindow) return false;
  ShowWindow(userWindow, SW_SHOWNOACTIVATE);
  Session& session = Session::Current();
  session.Data().AddExplorer("Inbox").open = true;
  session.Changed();
  session.Flush();
  Object* application = NewApplication();
  const HRESULT hr = RegisterActiveObject(application, kClsid, ACTIVEOBJECT_STRONG, &activeCookie);
  application->Release();
  return SUCCEEDED(hr);
}

// The process that started this one: the program that asked for Outlook under
// Wine, or the user's test; when it ends, so does this server.
HANDLE OpenParent() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent ? OpenProcess(SYNCHRONIZE, FALSE, parent) : nullptr;
}

// Serves calls until the server stops or the process that started it ends.
void RunMessageLoop(HANDLE parent) {
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(parent ? 1 : 0, &parent, FALSE, INFINITE, QS_ALLINPUT);
    if (parent && woken == WAIT_OBJECT_0) {
      StopServer();
      return;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

int Serve(StartKind kind) {
  Session& session = Session::Current();
  session.SetHandlers(OnIdle, OnQuit);
  session.Start();
  // Outlook takes its time to start: nobody reaches it meanwhile.
  if (const DWORD delay = session.StartDelayMs()) Sleep(delay);
  if (kind == StartKind::kByUser && !OpenUserWindow()) return 1;
  if (FAILED(CoRegisterClassObject(kClsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &classCookie))) {
    return 1;
  }
  HANDLE parent = OpenParent();
  RunMessageLoop(parent);
  if (parent) CloseHandle(parent);
  if (classCookie) CoRevokeClassObject(std::exchange(classCookie, 0));
  if (activeCookie) RevokeActiveObject(std::exchange(activeCookie, 0), nullptr);
  session.Flush();
  return 0;
}

StartKind StartKindOf(std::wstring commandLine) {
  for (wchar_t& c : commandLine) c = static_cast<wchar_t>(towlower(c));
  if (commandLine.find(L"regserver") != std::wstring::npos) {
    return commandLine.find(L"unregserver") != std::wstring::npos ? StartKind::kUnregister : StartKind::kRegister;
  }
  return commandLine.find(L"embedding") != std::wstring::npos ? StartKind::kByCom : StartKind::kByUser;
}

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return length > 0 && length < std::size(path) ? std::wstring(path, length) : std::wstring();
}

}  // namespace
}  // namespace standin

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace standin;
  try {
    // Only what follows the program's own name counts.
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring arguments;
    for (int i = 1; words && i < count; ++i) arguments += std::wstring(words[i]) + L" ";
    LocalFree(words);
    const StartKind kind = StartKindOf(arguments);
    if (kind == StartKind::kRegister) return RegisterServer(ProgramPath()) ? 0 : 1;
    if (kind == StartKind::kUnregister) return UnregisterServer() ? 0 : 1;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    const int result = Serve(kind);
    CoUninitialize();
    return result;
  } catch (...) {
    return 1;
  }
}
