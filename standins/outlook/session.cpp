#include "session.h"

#include <algorithm>
#include <cstdio>

#include "core/text.h"
#include "values.h"

namespace standin {
namespace {

constexpr DWORD kMaxFileSize = 16 * 1024 * 1024;
constexpr DWORD kMaxDelayMs = 60 * 1000;

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
  if (length == 0 || length >= std::size(buffer)) return {};
  return std::wstring(buffer, length);
}

bool ReadWholeFile(const std::wstring& path, std::string& text) {
  if (path.empty()) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kMaxFileSize;
  if (ok) {
    text.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    ok = ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr) && read == text.size();
  }
  CloseHandle(file);
  return ok;
}

bool WriteWholeFile(const std::wstring& path, std::string_view text) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
  CloseHandle(file);
  return ok;
}

void AppendToFile(const std::wstring& path, std::string_view text) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// Seconds since 1970 with microseconds, comparable across processes.
std::string Now() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =
      ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) - 116444736000000000ULL;
  char text[32];
  std::snprintf(text, sizeof text, "%llu.%06llu", ticks / 10000000ULL, (ticks / 10ULL) % 1000000ULL);
  return text;
}

// A setting's "Member" or "Class.Member" naming this member.
bool Targets(std::string_view target, std::string_view className, std::string_view member) {
  const std::size_t dot = target.find('.');
  return dot == std::string_view::npos ? qrv::EqualsIgnoringCase(target, member)
                                       : qrv::EqualsIgnoringCase(target.substr(0, dot), className) &&
                                             qrv::EqualsIgnoringCase(target.substr(dot + 1), member);
}

// A count of milliseconds in a setting, bounded to a minute; 0 when it is no number.
DWORD Milliseconds(std::string_view text) {
  const std::string digits = qrv::Trim(text);
  DWORD ms = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    ms = std::min<DWORD>(ms * 10 + static_cast<DWORD>(c - '0'), kMaxDelayMs);
  }
  return ms;
}

bool SameStamp(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b) {
  return CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0 && a.nFileSizeLow == b.nFileSizeLow &&
         a.nFileSizeHigh == b.nFileSizeHigh;
}

}  // namespace

Session& Session::Current() {
  static Session session;
  return session;
}

void Session::Start() {
  started_ = true;
  configPath_ = Environment(L"QRV_OUTLOOK_CONFIG");
  logPath_ = Environment(L"QRV_OUTLOOK_LOG");
  storePath_ = Environment(L"QRV_OUTLOOK_STORE");
  store_.Reset();
  Log("start", "Outlook");
  std::string seed;
  if (ReadWholeFile(Environment(L"QRV_OUTLOOK_SEED"), seed)) {
    for (const std::string& problem : store_.Load(seed)) Log("seed", "Outlook", {}, {}, problem);
  }
  Refresh(true);
  Changed();
  Flush();
}

void Session::Refresh(bool force) {
  WIN32_FILE_ATTRIBUTE_DATA stamp{};
  if (configPath_.empty() || !GetFileAttributesExW(configPath_.c_str(), GetFileExInfoStandard, &stamp)) {
    stamp = {};
  }
  if (!force && SameStamp(stamp, configSeen_)) return;
  configSeen_ = stamp;
  ReadSettings();
}

void Session::ReadSettings() {
  failures_.clear();
  slowMembers_.clear();
  unresolved_.clear();
  startDelayMs_ = 0;
  nothing_ = Nothing::kNullObject;
  std::string text;
  if (!ReadWholeFile(configPath_, text)) return;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string line = qrv::Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || equals == std::string::npos) continue;
    ApplySetting(qrv::Trim(line.substr(0, equals)), qrv::Trim(line.substr(equals + 1)));
  }
}

void Session::ApplySetting(std::string_view key, std::string_view value) {
  if (qrv::EqualsIgnoringCase(key, "fail")) {
    const std::size_t blank = value.find(' ');
    std::string message = blank == std::string_view::npos ? "" : qrv::Trim(value.substr(blank));
    if (message.empty()) message = "The operation failed.";
    if (message == "-") message.clear();  // a report without a description
    failures_.emplace_back(std::string(value.substr(0, blank)), Unescape(message));
  } else if (qrv::EqualsIgnoringCase(key, "slow")) {
    const std::size_t blank = value.find(' ');
    const std::string target(value.substr(0, blank));
    slowMembers_.emplace_back(target, blank == std::string_view::npos ? 0 : Milliseconds(value.substr(blank)));
  } else if (qrv::EqualsIgnoringCase(key, "start-delay")) {
    startDelayMs_ = Milliseconds(value);
  } else if (qrv::EqualsIgnoringCase(key, "unresolved")) {
    unresolved_.emplace_back(value);
  } else if (qrv::EqualsIgnoringCase(key, "nothing")) {
    nothing_ = qrv::EqualsIgnoringCase(value, "empty")  ? Nothing::kEmpty
               : qrv::EqualsIgnoringCase(value, "null") ? Nothing::kNull
                                                        : Nothing::kNullObject;
  } else if (qrv::EqualsIgnoringCase(key, "explorer")) {
    // An Outlook window that the user opened or closed meanwhile.
    if (qrv::EqualsIgnoringCase(value, "no")) {
      store_.CloseExplorers();
    } else if (!store_.ActiveExplorer()) {
      store_.AddExplorer("Inbox").open = true;
    }
    Changed();
  } else if (qrv::EqualsIgnoringCase(key, "item-windows") && qrv::EqualsIgnoringCase(value, "closed")) {
    store_.CloseItemWindows();
    Changed();
  } else {
    Log("config", "Outlook", {}, {}, "unknown setting \"" + std::string(key) + "\"");
  }
}

const std::string* Session::Failure(std::string_view className, std::string_view member) const {
  for (const auto& [target, message] : failures_) {
    if (Targets(target, className, member)) return &message;
  }
  return nullptr;
}

DWORD Session::SlowMs(std::string_view className, std::string_view member) const {
  for (const auto& [target, ms] : slowMembers_) {
    if (Targets(target, className, member)) return ms;
  }
  return 0;
}

void Session::ObjectGone() {
  if (--liveObjects_ == 0 && onIdle_) onIdle_();
}

void Session::Quit() {
  store_.CloseExplorers();
  store_.CloseItemWindows();
  store_.quit = true;
  Changed();
  if (onQuit_) onQuit_();
}

bool Session::Resolves(std::string_view name) const {
  const std::string trimmed = qrv::Trim(name);
  if (trimmed.empty()) return false;
  for (const std::string& unknown : unresolved_) {
    if (qrv::EqualsIgnoringCase(unknown, trimmed)) return false;
  }
  return true;
}

bool Session::Resolve(Recipient& recipient) const {
  if (!Resolves(recipient.name)) return false;
  const std::vector<const Item*> contacts = store_.ContactsNamed(qrv::Trim(recipient.name));
  if (contacts.size() > 1) return false;
  if (contacts.size() == 1) recipient.name = contacts.front()->Value(*FindProperty("FullName"));
  return true;
}

void Session::Log(std::string_view kind, std::string_view object, std::string_view member, std::string_view args,
                  std::string_view result) {
  if (logPath_.empty()) return;
  std::string line = Now();
  line += '\t' + std::to_string(GetCurrentProcessId());
  for (const std::string_view field : {kind, object, member, args, result}) {
    line += '\t';
    line += field;
  }
  line += "\r\n";
  AppendToFile(logPath_, line);
}

void Session::Flush() {
  if (!dirty_ || storePath_.empty()) return;
  dirty_ = false;
  // Written beside the file and renamed over it: a reader never sees half a store.
  const std::wstring temporary = storePath_ + L".tmp";
  if (!WriteWholeFile(temporary, store_.Dump()) ||
      !MoveFileExW(temporary.c_str(), storePath_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    Log("error", "Outlook", {}, {}, "the store file could not be written");
  }
}

}  // namespace standin
