#include "components/internet.h"

#include <wininet.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/cipher.h"
#include "core/file_io.h"
#include "ui/wide.h"

namespace qrv {

namespace {

constexpr wchar_t kAgent[] = L"Quorvel";
constexpr wchar_t kLibraryPath[] = L"/qrv/sitelistcu.txt";

// Closes a WinINet handle when it goes out of scope.
class NetHandle {
 public:
  explicit NetHandle(HINTERNET handle) : handle_(handle) {}
  ~NetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  NetHandle(const NetHandle&) = delete;
  NetHandle& operator=(const NetHandle&) = delete;
  HINTERNET Get() const { return handle_; }
  HINTERNET Release() { return std::exchange(handle_, nullptr); }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_;
};

// The time-outs of a handle. Windows hands a session's on to its requests; Wine
// keeps the receiving one only where it is set on the request itself.
void SetTimeouts(HINTERNET handle, DWORD timeoutMs) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
    InternetSetOptionW(handle, option, &timeoutMs, sizeof timeoutMs);
}

HINTERNET OpenSession(DWORD timeoutMs) {
  HINTERNET session = InternetOpenW(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (session) SetTimeouts(session, timeoutMs);
  return session;
}

// The time left of one host's overall limit, so that a server trickling its
// answer cannot hold the program longer than a silent one.
class Deadline {
 public:
  explicit Deadline(DWORD ms) : end_(GetTickCount64() + ms) {}
  DWORD RemainingMs() const {
    const ULONGLONG now = GetTickCount64();
    return now >= end_ ? 0 : static_cast<DWORD>(end_ - now);
  }

 private:
  ULONGLONG end_;
};

// Reads what has arrived, never waiting for a full buffer, and gives up once
// the host's time is spent.
std::optional<std::string> ReadBody(HINTERNET request, std::size_t limit, const Deadline& deadline) {
  std::string body;
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const DWORD remaining = deadline.RemainingMs();
    if (remaining == 0) return std::nullopt;
    InternetSetOptionW(request, INTERNET_OPTION_RECEIVE_TIMEOUT, const_cast<DWORD*>(&remaining), sizeof remaining);
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0)) return std::nullopt;
    if (available == 0) return body;
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(available, buffer.size()));
    if (!InternetReadFile(request, buffer.data(), wanted, &read)) return std::nullopt;
    if (read == 0) return body;
    if (body.size() + read > limit) return std::nullopt;
    body.append(buffer.data(), read);
  }
}

// A numeric header of a sent request; none when the answer lacks it.
std::optional<DWORD> QueryNumber(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return std::nullopt;
  return value;
}

// The first three digits of the server's last answer ("530 Login incorrect.").
int LastFtpReply() {
  DWORD error = 0;
  DWORD length = 0;
  InternetGetLastResponseInfoW(&error, nullptr, &length);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  if (length == 0 || !InternetGetLastResponseInfoW(&error, text.data(), &length)) return 0;
  // The text may hold several lines; the last reply stands at the start of the last of them.
  const auto lastLine = text.find_last_of(L'\n', text.find_last_not_of(L"\r\n\0", std::wstring::npos, 3));
  const std::wstring line = lastLine == std::wstring::npos ? text : text.substr(lastLine + 1);
  return line.size() >= 3 && iswdigit(line[0]) && iswdigit(line[1]) && iswdigit(line[2]) ? std::stoi(line.substr(0, 3))
                                                                                         : 0;
}

bool StoreAs(HINTERNET ftp, const std::string& bytes, const std::wstring& remoteName, const UploadStatus& status) {
  NetHandle remote(FtpOpenFileW(ftp, remoteName.c_str(), GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 0));
  if (!remote) return false;
  status(L"Beginning Data Transfer");
  const std::size_t total = bytes.size();
  for (std::size_t sent = 0; sent < total;) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(total - sent, 4096));
    DWORD written = 0;
    if (!InternetWriteFile(remote.Get(), bytes.data() + sent, chunk, &written) || written == 0) return false;
    sent += written;
    status(std::to_wstring(sent) + L" of " + std::to_wstring(total));
  }
  // The server's answer to the stored file comes when the data connection closes.
  return InternetCloseHandle(remote.Release()) != FALSE;
}

}  // namespace

std::optional<std::string> HttpGetOk(const HttpSource& source, DWORD timeoutMs, std::size_t limit) {
  const Deadline deadline(timeoutMs);
  NetHandle session(OpenSession(timeoutMs));
  if (!session) return std::nullopt;
  NetHandle connection(
      InternetConnectW(session.Get(), source.host.c_str(), source.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return std::nullopt;
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES |
                      INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_UI;
  NetHandle request(
      HttpOpenRequestW(connection.Get(), L"GET", source.path.c_str(), nullptr, nullptr, nullptr, flags, 0));
  if (!request) return std::nullopt;
  SetTimeouts(request.Get(), timeoutMs);
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return std::nullopt;
  if (QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE) != 200) return std::nullopt;
  std::optional<std::string> body = ReadBody(request.Get(), limit, deadline);
  // A connection that ends before the announced length gives a truncated body.
  const std::optional<DWORD> length = QueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH);
  if (body && length && body->size() != *length) return std::nullopt;
  return body;
}

std::optional<std::string> HttpGetFirstOk(const std::vector<HttpSource>& sources, const std::vector<DWORD>& waitsMs,
                                          DWORD timeoutMs, std::size_t limit) {
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (i > 0 && i - 1 < waitsMs.size()) Sleep(waitsMs[i - 1]);
    if (auto body = HttpGetOk(sources[i], timeoutMs, limit)) return body;
  }
  return std::nullopt;
}

std::optional<std::string> DownloadLibraryList(const LibraryPeers& peers) {
  constexpr std::size_t kLimit = 8u << 20;
  const HttpSource library{peers.libraryHost, peers.libraryPort, kLibraryPath};
  const HttpSource fallback{peers.fallbackHost, peers.fallbackPort, kLibraryPath};
  return HttpGetFirstOk({library, fallback, fallback}, {peers.retryWaitsMs.begin(), peers.retryWaitsMs.end()},
                        peers.httpTimeoutMs, kLimit);
}

std::optional<std::string> DownloadSiteList(const SiteListPeers& peers) {
  constexpr std::size_t kLimit = 4u << 20;
  return HttpGetFirstOk({peers.sources.begin(), peers.sources.end()},
                        {peers.retryWaitsMs.begin(), peers.retryWaitsMs.end()}, peers.httpTimeoutMs, kLimit);
}

UploadResult UploadFile(const LibraryPeers& peers, const std::filesystem::path& file, int retryNumber,
                        const UploadStatus& status) {
  const std::optional<std::string> bytes = ReadFileBytes(file, 1u << 20);
  if (!bytes) return UploadResult::kStoreFailed;
  NetHandle session(OpenSession(peers.ftpTimeoutMs));
  if (!session) return UploadResult::kConnectionFailed;
  const std::wstring host = Widen(DecipherLine(peers.ftpHost));
  NetHandle ftp(InternetConnectW(session.Get(), host.c_str(), peers.ftpPort, Widen(DecipherLine(peers.ftpUser)).c_str(),
                                 Widen(DecipherLine(peers.ftpPassword)).c_str(), INTERNET_SERVICE_FTP,
                                 INTERNET_FLAG_PASSIVE, 0));
  if (!ftp) {
    const DWORD error = GetLastError();
    const bool refused =
        error == ERROR_INTERNET_LOGIN_FAILURE || (error == ERROR_INTERNET_EXTENDED_ERROR && LastFtpReply() == 530);
    return refused ? UploadResult::kLoginRefused : UploadResult::kConnectionFailed;
  }
  status(L"Connected");
  Sleep(peers.ftpPauseMs);
  FtpSetCurrentDirectoryW(ftp.Get(), Widen(DecipherLine(peers.ftpFolder)).c_str());
  Sleep(peers.ftpPauseMs);
  const std::wstring name = file.filename().wstring();
  if (StoreAs(ftp.Get(), *bytes, name, status)) return UploadResult::kStored;
  const int reply = LastFtpReply();
  if (reply >= 500 && reply <= 502) return UploadResult::kUnsupported;
  status(L"Upload failure");
  if (StoreAs(ftp.Get(), *bytes, name + std::to_wstring(retryNumber), status)) return UploadResult::kStoredRenamed;
  return UploadResult::kStoreFailed;
}

}  // namespace qrv
