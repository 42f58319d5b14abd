// E-mail through Simple MAPI: log on to a profile, resolve typed names against
// the mail system's address book, show its address book, and send one message
// with To, Cc and Bcc names and attached files. Every call goes through the
// loader (SimpleMapi). An operation that finds the component not logged on
// logs on for itself and off again at its end, on every path.
//
// Texts are UTF-8 here and the system code page towards Simple MAPI. Every
// failure code reaches the owner through onMapiError and the returned code;
// the component shows nothing itself (Simple MAPI may show its own dialogs).
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "components/simple_mapi.h"

namespace qrv {

// Raised by every operation while Simple MAPI is not available.
class MapiUnavailable : public std::runtime_error {
 public:
  MapiUnavailable() : std::runtime_error("MAPI services are not available on this system") {}
};

// Codes of the component's own beside those Simple MAPI answers (they are
// Simple MAPI's codes of the same meaning).
inline constexpr ULONG kMapiLogonFailed = MAPI_E_LOGON_FAILURE;               // 3
inline constexpr ULONG kMapiAttachmentMissing = MAPI_E_ATTACHMENT_NOT_FOUND;  // 11

class Email {
 public:
  static constexpr char kVersion[] = "2.09.02";

  explicit Email(const SimpleMapi& mapi) : mapi_(mapi) {}
  ~Email();
  Email(const Email&) = delete;
  Email& operator=(const Email&) = delete;

  bool Available() const { return mapi_.Available(); }
  bool LoggedOn() const { return session_ != 0; }

  // Logs on with the profile and password, else letting Simple MAPI ask the
  // user; nothing when logged on already. 0 on success.
  ULONG Logon();
  ULONG Logoff();

  // Resolves every name of the three lists (a resolved name replaces the typed
  // one) and sends. When a name does not resolve nothing is sent: the last
  // failure's code comes back and UnresolvedNames() tells which. A missing
  // attachment stops the send with kMapiAttachmentMissing. Without any name
  // the message goes through Simple MAPI's send dialog.
  ULONG SendMail();
  // The display name a name resolves to; "" when it does not. A typed address
  // in square brackets that resolves to a name without brackets comes back as
  // typed.
  std::string ResolveName(std::string_view name);
  // Shows the address book with the lists' names; what the user chose
  // replaces the lists. 0 on success.
  ULONG ShowAddressBook();
  // The names of the last send or address book that did not resolve.
  const std::vector<std::string>& UnresolvedNames() const { return unresolved_; }

  // An attachment's name as the message shows it: at most 12 characters,
  // keeping the 8 before a late first "." with the extension.
  static std::string TruncateFileName(std::string_view name);

  std::vector<std::string> recipients;  // To
  std::vector<std::string> copies;      // Cc
  std::vector<std::string> blindCopies;
  std::vector<std::string> attachments;  // full paths
  std::string subject;
  std::string body;
  std::string profile;
  std::string password;
  bool showDialog = false;
  bool acknowledge = false;  // ask for a read receipt
  bool truncateNames = true;
  bool useDefaultProfile = false;
  bool newSession = false;
  bool downloadFirst = false;
  ULONG editFields = 0;  // of the address book's dialog
  std::function<void(ULONG code)> onMapiError;

 private:
  class OwnLogon;
  struct Built;

  void CheckMapi() const;
  ULONG EndSession() noexcept;  // Logoff without the check: a session is only open where MAPI is
  ULONG Failed(ULONG code) const;
  FLAGS LogonFlags() const;
  void ReadDefaultProfile();
  ULONG ResolveOne(std::string& name, ULONG mapiClass, Built& built);
  ULONG BuildRecipients(Built& built);

  const SimpleMapi& mapi_;
  LHANDLE session_ = 0;
  std::vector<std::string> unresolved_;
};

}  // namespace qrv
