#include "components/simple_mapi.h"

#include <array>

namespace qrv {
namespace {

template <class F>
bool Resolve(HMODULE library, const char* name, F& out) {
  out = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return out != nullptr;
}

HMODULE LoadQuietly(const std::wstring& name) {
  const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE library = LoadLibraryW(name.c_str());
  SetErrorMode(mode);
  return library;
}

}  // namespace

bool MapiInstalled() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  std::array<wchar_t, 9> value{};
  DWORD size = sizeof(wchar_t) * (value.size() - 1);
  DWORD type = 0;
  const LSTATUS read = RegQueryValueExW(key, L"MAPI", nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS && type == REG_SZ && std::wstring(value.data()) == L"1";
}

SimpleMapi::~SimpleMapi() { Free(); }

void SimpleMapi::Free() {
  if (library_) FreeLibrary(library_);
  library_ = nullptr;
  logon_ = nullptr;
  logoff_ = nullptr;
  sendMail_ = nullptr;
  resolveName_ = nullptr;
  freeBuffer_ = nullptr;
  address_ = nullptr;
  saveMail_ = nullptr;
  state_ = State::kNotInstalled;
}

void SimpleMapi::Load(const std::wstring& library, bool skipInstallCheck) {
  Free();
  if (!skipInstallCheck && !MapiInstalled()) return;
  library_ = LoadQuietly(library);
  if (!library_) library_ = LoadQuietly(library + L".dll");
  if (!library_) return;
  if (ResolveEntryPoints()) {
    state_ = State::kAvailable;
    return;
  }
  Free();
  state_ = State::kIncomplete;
}

// All ten must be there, the three the program never calls too: a library
// without them is no Simple MAPI library.
bool SimpleMapi::ResolveEntryPoints() {
  void* unused = nullptr;
  const bool others = Resolve(library_, "MAPIFindNext", unused) && Resolve(library_, "MAPIReadMail", unused) &&
                      Resolve(library_, "MAPIDeleteMail", unused);
  return Resolve(library_, "MAPILogoff", logoff_) && Resolve(library_, "MAPILogon", logon_) &&
         Resolve(library_, "MAPISendMail", sendMail_) && Resolve(library_, "MAPIResolveName", resolveName_) &&
         Resolve(library_, "MAPIFreeBuffer", freeBuffer_) && Resolve(library_, "MAPIAddress", address_) &&
         Resolve(library_, "MAPISaveMail", saveMail_) && others;
}

ULONG SimpleMapi::Logon(ULONG_PTR ui, LPSTR profile, LPSTR password, FLAGS flags, LPLHANDLE session) const {
  return Available() ? logon_(ui, profile, password, flags, 0, session) : MAPI_E_FAILURE;
}

ULONG SimpleMapi::Logoff(LHANDLE session) const noexcept {
  return Available() ? logoff_(session, 0, 0, 0) : MAPI_E_FAILURE;
}

ULONG SimpleMapi::SendMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage message, FLAGS flags) const {
  return Available() ? sendMail_(session, ui, message, flags, 0) : MAPI_E_FAILURE;
}

ULONG SimpleMapi::ResolveName(LHANDLE session, ULONG_PTR ui, LPSTR name, FLAGS flags,
                              lpMapiRecipDesc* recipient) const {
  return Available() ? resolveName_(session, ui, name, flags, 0, recipient) : MAPI_E_FAILURE;
}

ULONG SimpleMapi::FreeBuffer(LPVOID buffer) const {
  return Available() && buffer ? freeBuffer_(buffer) : MAPI_E_FAILURE;
}

ULONG SimpleMapi::Address(LHANDLE session, ULONG_PTR ui, ULONG editFields, ULONG count, lpMapiRecipDesc recipients,
                          LPULONG newCount, lpMapiRecipDesc* newRecipients) const {
  if (!Available()) return MAPI_E_FAILURE;
  char empty[] = "";
  return address_(session, ui, empty, editFields, empty, count, recipients, 0, 0, newCount, newRecipients);
}

ULONG SimpleMapi::SaveMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage message, FLAGS flags, LPSTR messageId) const {
  return Available() ? saveMail_(session, ui, message, flags, 0, messageId) : MAPI_E_FAILURE;
}

}  // namespace qrv
