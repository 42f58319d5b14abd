#include "components/internet.h"

#include <wininet.h>

#include <cwctype>
#include <string>
#include <vector>

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
  std::vector<char> buffer(std::size_t{64} * 1024);
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

// Whether the body comes in chunks, which a server must not send to an HTTP/1.0 request.
bool IsChunked(HINTERNET request) {
  wchar_t coding[64] = {};
  DWORD size = sizeof coding;
  if (!HttpQueryInfoW(request, HTTP_QUERY_TRANSFER_ENCODING, coding, &size, nullptr)) return false;
  std::wstring lower(coding);
  for (wchar_t& c : lower) c = towlower(c);
  return lower.find(L"chunked") != std::wstring::npos;
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
  // Asked as HTTP/1.0, a server announces the length or ends the body with the
  // connection; it never sends chunks, whose end WinINet under Wine does not check.
  NetHandle request(
      HttpOpenRequestW(connection.Get(), L"GET", source.path.c_str(), L"HTTP/1.0", nullptr, nullptr, flags, 0));
  if (!request) return std::nullopt;
  SetTimeouts(request.Get(), timeoutMs);
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return std::nullopt;
  if (QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE) != 200 || IsChunked(request.Get())) return std::nullopt;
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

}  // namespace qrv
