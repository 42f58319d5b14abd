// The in-process server: the class object that makes the application, and the
// registration under the programmatic identifier "Outlook.Application".
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "objects.h"
#include "session.h"

namespace standin {
namespace {

// Our own class identifier; only the programmatic identifier is Outlook's.
const CLSID kClsid = {0x3e6c0c8a, 0x5b3f, 0x4b8e, {0x9e, 0x2d, 0x7a, 0x1c, 0x4f, 0x0b, 0x9d, 0x21}};
constexpr wchar_t kClsidText[] = L"{3E6C0C8A-5B3F-4B8E-9E2D-7A1C4F0B9D21}";
constexpr wchar_t kProgId[] = L"Outlook.Application";
constexpr wchar_t kDescription[] = L"Quorvel stand-in Outlook (tests and demonstrations)";

HMODULE module = nullptr;
LONG serverLocks = 0;

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
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the module
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
      Session& session = Session::Current();
      session.Start();
      if (const std::string* message = session.Failure("Application", "CreateObject")) {
        session.Log("fail", "Outlook", "CreateObject", {}, *message);
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
      InterlockedIncrement(&serverLocks);
    } else {
      InterlockedDecrement(&serverLocks);
    }
    return S_OK;
  }
};

ClassFactory factory;

bool SetKeyValue(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status =
      RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

std::wstring ModulePath() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
  return length > 0 && length < std::size(path) ? std::wstring(path, length) : std::wstring();
}

// Whether "Outlook.Application" names our class (and not a real Outlook).
bool ProgIdIsOurs() {
  wchar_t value[64]{};
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CLASSES_ROOT, L"Outlook.Application\\CLSID", nullptr, RRF_RT_REG_SZ,
                      nullptr, value, &size) == ERROR_SUCCESS &&
         _wcsicmp(value, kClsidText) == 0;
}

}  // namespace
}  // namespace standin

using namespace standin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != kClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
  return Session::Current().LiveObjects() == 0 && serverLocks == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
  const std::wstring path = ModulePath();
  const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
  const bool ok = !path.empty() && SetKeyValue(kProgId, nullptr, kDescription) &&
                  SetKeyValue(std::wstring(kProgId) + L"\\CLSID", nullptr, kClsidText) &&
                  SetKeyValue(clsidKey, nullptr, kDescription) &&
                  SetKeyValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
                  SetKeyValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                  SetKeyValue(clsidKey + L"\\ProgID", nullptr, kProgId);
  return ok ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  if (ProgIdIsOurs()) RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
  const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
  const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, clsidKey.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
