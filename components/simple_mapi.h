// Simple MAPI, loaded at run time: the program links no mail library, so a
// system without one (or with a broken one) runs as well as any other. The
// library is looked for once, when the program starts, where the system says
// a mail system is installed; its ten entry points are resolved by name. A
// library that lacks one of them counts as no library at all: every call then
// answers MAPI_E_FAILURE, never a call through a missing address.
#pragma once

#include <windows.h>
#include <mapi.h>

#include <string>

namespace qrv {

// The text shown when a library lacks an entry point.
inline constexpr wchar_t kMapiEntryPointsMissing[] = L"GetProcAddress for MAPI.DLL function(s) failed";

class SimpleMapi {
 public:
  enum class State { kNotInstalled, kIncomplete, kAvailable };

  // Nothing loaded: not available.
  SimpleMapi() = default;
  ~SimpleMapi();
  SimpleMapi(const SimpleMapi&) = delete;
  SimpleMapi& operator=(const SimpleMapi&) = delete;

  // Loads `library` ("mapi32", then with ".dll") when the system has a mail
  // system installed (or `skipInstallCheck`), with no error box for a missing
  // file. Loading again frees what was loaded first.
  void Load(const std::wstring& library = L"mapi32", bool skipInstallCheck = false);

  State Status() const { return state_; }
  bool Available() const { return state_ == State::kAvailable; }

  // The entry points, arguments passed on unchanged.
  ULONG Logon(ULONG_PTR ui, LPSTR profile, LPSTR password, FLAGS flags, LPLHANDLE session) const;
  ULONG Logoff(LHANDLE session) const noexcept;
  ULONG SendMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage message, FLAGS flags) const;
  ULONG ResolveName(LHANDLE session, ULONG_PTR ui, LPSTR name, FLAGS flags, lpMapiRecipDesc* recipient) const;
  ULONG FreeBuffer(LPVOID buffer) const;
  ULONG Address(LHANDLE session, ULONG_PTR ui, ULONG editFields, ULONG count, lpMapiRecipDesc recipients,
                LPULONG newCount, lpMapiRecipDesc* newRecipients) const;
  ULONG SaveMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage message, FLAGS flags, LPSTR messageId) const;

 private:
  void Free();
  bool ResolveEntryPoints();

  State state_ = State::kNotInstalled;
  HMODULE library_ = nullptr;
  LPMAPILOGON logon_ = nullptr;
  LPMAPILOGOFF logoff_ = nullptr;
  LPMAPISENDMAIL sendMail_ = nullptr;
  LPMAPIRESOLVENAME resolveName_ = nullptr;
  LPMAPIFREEBUFFER freeBuffer_ = nullptr;
  LPMAPIADDRESS address_ = nullptr;
  LPMAPISAVEMAIL saveMail_ = nullptr;
};

// Whether the system says a Simple MAPI mail system is installed: the value
// "MAPI" of the Windows Messaging Subsystem key is exactly "1".
bool MapiInstalled();

}  // namespace qrv
