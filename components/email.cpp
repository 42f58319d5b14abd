#include "components/email.h"

#include <algorithm>
#include <memory>

#include "ui/wide.h"

namespace qrv {
namespace {

constexpr std::size_t kMaxName = 255;

std::string ToAnsi(std::string_view utf8) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), length, nullptr, nullptr);
  return ansi;
}

std::string FromAnsi(const char* ansi) {
  if (!ansi || !*ansi) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(length - 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
  return Narrow(wide);
}

bool HasBrackets(std::string_view s) {
  return s.find('[') != std::string_view::npos && s.find(']') != std::string_view::npos;
}

// A typed "[address]": the text without its first "[" and its first "]".
std::string WithoutBrackets(std::string text) {
  text.erase(text.find('['), 1);
  text.erase(text.find(']'), 1);
  return text;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// The recipients and files of one message, owned until the message is handed over.
struct Email::Built {
  struct Recipient {
    ULONG mapiClass;
    std::string name;
    std::string address;
    std::vector<BYTE> entryId;
  };
  std::vector<Recipient> recipients;

  std::vector<MapiRecipDesc> Descriptions() {
    std::vector<MapiRecipDesc> list;
    for (Recipient& r : recipients) {
      list.push_back({0, r.mapiClass, r.name.data(), r.address.data(), static_cast<ULONG>(r.entryId.size()),
                      r.entryId.empty() ? nullptr : r.entryId.data()});
    }
    return list;
  }
};

// Logs on for one operation when the component is not logged on yet, and off
// again when the operation ends, however it ends.
class Email::OwnLogon {
 public:
  explicit OwnLogon(Email& email) : email_(email), own_(!email.LoggedOn()), code_(email.Logon()) {}
  ~OwnLogon() {
    if (own_) email_.EndSession();
  }
  OwnLogon(const OwnLogon&) = delete;
  OwnLogon& operator=(const OwnLogon&) = delete;
  ULONG Code() const { return code_; }

 private:
  Email& email_;
  bool own_;
  ULONG code_;
};

Email::~Email() {
  if (LoggedOn()) mapi_.Logoff(session_);
}

void Email::CheckMapi() const {
  if (!Available()) throw MapiUnavailable();
}

ULONG Email::Failed(ULONG code) const {
  if (code != SUCCESS_SUCCESS && onMapiError) onMapiError(code);
  return code;
}

FLAGS Email::LogonFlags() const {
  return (newSession ? MAPI_NEW_SESSION : 0) | (downloadFirst ? MAPI_FORCE_DOWNLOAD : 0);
}

void Email::ReadDefaultProfile() {
  static constexpr const wchar_t* kKeys[] = {
      L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles",
      L"Software\\Microsoft\\Windows Messaging Subsystem\\Profiles"};
  for (const wchar_t* path : kKeys) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    wchar_t value[256]{};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    const bool read = RegQueryValueExW(key, L"DefaultProfile", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                          ERROR_SUCCESS &&
                      type == REG_SZ;
    RegCloseKey(key);
    profile = read ? Narrow(value) : "";
    return;
  }
}

ULONG Email::Logon() {
  CheckMapi();
  if (LoggedOn()) return SUCCESS_SUCCESS;
  if (useDefaultProfile) ReadDefaultProfile();
  std::string name = ToAnsi(profile.substr(0, kMaxName)), secret = ToAnsi(password.substr(0, kMaxName));
  ULONG code = mapi_.Logon(0, name.empty() ? nullptr : name.data(), secret.empty() ? nullptr : secret.data(),
                           LogonFlags(), &session_);
  if (code != SUCCESS_SUCCESS) code = mapi_.Logon(0, nullptr, nullptr, LogonFlags() | MAPI_LOGON_UI, &session_);
  if (code != SUCCESS_SUCCESS) session_ = 0;
  return Failed(code);
}

ULONG Email::Logoff() {
  CheckMapi();
  return EndSession();
}

ULONG Email::EndSession() noexcept {
  if (!LoggedOn()) return SUCCESS_SUCCESS;
  const ULONG code = mapi_.Logoff(session_);
  session_ = 0;
  return code;
}

ULONG Email::ResolveOne(std::string& name, ULONG mapiClass, Built& built) {
  std::string ansi = ToAnsi(name.substr(0, kMaxName));
  lpMapiRecipDesc found = nullptr;
  ULONG code = mapi_.ResolveName(session_, 0, ansi.data(), 0, &found);
  if (code == MAPI_E_AMBIGUOUS_RECIPIENT || code == MAPI_E_UNKNOWN_RECIPIENT) {
    if (found) mapi_.FreeBuffer(found);
    found = nullptr;
    code = mapi_.ResolveName(session_, 0, ansi.data(), MAPI_DIALOG, &found);
  }
  const auto release = [this](MapiRecipDesc* buffer) {
    if (buffer) mapi_.FreeBuffer(buffer);
  };
  const std::unique_ptr<MapiRecipDesc, decltype(release)> owned(found, release);
  if (code != SUCCESS_SUCCESS || !found) {
    unresolved_.push_back(name);
    return Failed(code != SUCCESS_SUCCESS ? code : MAPI_E_FAILURE);
  }
  const std::string display = FromAnsi(found->lpszName);
  if (HasBrackets(name) && !HasBrackets(display)) {
    const std::string typed = ToAnsi(WithoutBrackets(name));
    built.recipients.push_back({mapiClass, typed, typed, {}});
    return SUCCESS_SUCCESS;
  }
  name = display;
  Built::Recipient entry{mapiClass, ToAnsi(display), found->lpszAddress ? found->lpszAddress : "", {}};
  if (entry.address.empty()) entry.address = entry.name;
  if (found->lpEntryID && found->ulEIDSize > 0) {
    const auto* id = static_cast<const BYTE*>(found->lpEntryID);
    entry.entryId.assign(id, id + found->ulEIDSize);
  }
  built.recipients.push_back(std::move(entry));
  return SUCCESS_SUCCESS;
}

// Every name of the three lists, empty ones skipped; the last failure's code.
ULONG Email::BuildRecipients(Built& built) {
  ULONG result = SUCCESS_SUCCESS;
  const std::pair<std::vector<std::string>*, ULONG> lists[] = {
      {&recipients, MAPI_TO}, {&copies, MAPI_CC}, {&blindCopies, MAPI_BCC}};
  for (const auto& [list, mapiClass] : lists) {
    for (std::string& name : *list) {
      if (name.empty()) continue;
      if (const ULONG code = ResolveOne(name, mapiClass, built); code != SUCCESS_SUCCESS) result = code;
    }
  }
  return result;
}

ULONG Email::SendMail() {
  CheckMapi();
  unresolved_.clear();
  const OwnLogon logon(*this);
  if (logon.Code() != SUCCESS_SUCCESS) return Failed(kMapiLogonFailed);
  Built built;
  if (const ULONG code = BuildRecipients(built); code != SUCCESS_SUCCESS) return code;

  std::vector<std::string> paths, shown;
  for (const std::string& file : attachments) {
    if (!FileExists(file)) return Failed(kMapiAttachmentMissing);
    paths.push_back(ToAnsi(file));
    const std::string name = FileNameOf(file);
    shown.push_back(ToAnsi(truncateNames ? TruncateFileName(name) : name));
  }
  std::vector<MapiFileDesc> files;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    files.push_back({0, 0, static_cast<ULONG>(-1), paths[i].data(), shown[i].data(), nullptr});
  }
  std::vector<MapiRecipDesc> descriptions = built.Descriptions();
  std::string ansiSubject = ToAnsi(subject), ansiBody = ToAnsi(body);
  MapiMessage message{};
  message.lpszSubject = ansiSubject.empty() ? nullptr : ansiSubject.data();
  message.lpszNoteText = ansiBody.empty() ? nullptr : ansiBody.data();
  message.flFlags = acknowledge ? MAPI_RECEIPT_REQUESTED : 0;
  message.nRecipCount = static_cast<ULONG>(descriptions.size());
  message.lpRecips = descriptions.empty() ? nullptr : descriptions.data();
  message.nFileCount = static_cast<ULONG>(files.size());
  message.lpFiles = files.empty() ? nullptr : files.data();
  const FLAGS flags = descriptions.empty() || showDialog ? MAPI_DIALOG : 0;
  return Failed(mapi_.SendMail(session_, 0, &message, flags));
}

std::string Email::ResolveName(std::string_view name) {
  CheckMapi();
  unresolved_.clear();
  const OwnLogon logon(*this);
  if (logon.Code() != SUCCESS_SUCCESS) return {};
  Built built;
  std::string typed(name.substr(0, kMaxName));
  if (ResolveOne(typed, MAPI_TO, built) != SUCCESS_SUCCESS) return {};
  return typed;
}

ULONG Email::ShowAddressBook() {
  CheckMapi();
  unresolved_.clear();
  const OwnLogon logon(*this);
  if (logon.Code() != SUCCESS_SUCCESS) return kMapiLogonFailed;
  Built built;
  BuildRecipients(built);
  // A name that does not resolve cannot be shown in the book, so the user
  // cannot have removed it there: it stays as typed.
  std::vector<std::pair<std::string, ULONG>> kept;
  const std::pair<std::vector<std::string>*, ULONG> lists[] = {
      {&recipients, MAPI_TO}, {&copies, MAPI_CC}, {&blindCopies, MAPI_BCC}};
  for (const auto& [list, mapiClass] : lists) {
    for (const std::string& name : *list) {
      if (std::find(unresolved_.begin(), unresolved_.end(), name) != unresolved_.end())
        kept.emplace_back(name, mapiClass);
    }
  }
  std::vector<MapiRecipDesc> descriptions = built.Descriptions();
  ULONG count = 0;
  lpMapiRecipDesc chosen = nullptr;
  const ULONG code = mapi_.Address(session_, 0, editFields, static_cast<ULONG>(descriptions.size()),
                                   descriptions.empty() ? nullptr : descriptions.data(), &count, &chosen);
  if (code != SUCCESS_SUCCESS) {
    if (chosen) mapi_.FreeBuffer(chosen);
    return Failed(code);
  }
  recipients.clear();
  copies.clear();
  blindCopies.clear();
  for (ULONG i = 0; chosen && i < count; ++i) {
    kept.emplace(kept.begin() + i, FromAnsi(chosen[i].lpszName), chosen[i].ulRecipClass);
  }
  if (chosen) mapi_.FreeBuffer(chosen);
  for (auto& [name, mapiClass] : kept) {
    (mapiClass == MAPI_CC ? copies : mapiClass == MAPI_BCC ? blindCopies : recipients).push_back(std::move(name));
  }
  return SUCCESS_SUCCESS;
}

std::string Email::TruncateFileName(std::string_view name) {
  if (name.size() <= 12) return std::string(name);
  std::string shortened(name);
  if (const auto dot = shortened.find('.'); dot != std::string::npos && dot + 1 >= 10) {
    shortened.erase(0, dot - 8);
  }
  if (shortened.size() > 12) shortened.erase(0, shortened.size() - 12);
  shortened.erase(
      0, shortened.find_first_not_of('.') == std::string::npos ? shortened.size() : shortened.find_first_not_of('.'));
  return shortened;
}

}  // namespace qrv
