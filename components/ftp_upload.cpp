#include "components/ftp_upload.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

#include "core/cipher.h"
#include "core/codepage.h"
#include "core/service_file.h"
#include "ui/wide.h"

namespace qrv {

namespace {

// The data goes out in sends this large, each followed by the progress: every
// send is a costly call into the system, and a file is at most 1 MiB.
constexpr std::size_t kChunkBytes = std::size_t{512} * 1024;
// No server's reply line is longer; a longer one is no FTP server.
constexpr std::size_t kMaxReplyLine = std::size_t{8} * 1024;
constexpr std::size_t kMaxReplyLines = 1000;

// Winsock, started on the first upload and kept for the rest of the run.
bool WinsockStarted() {
  static const bool kStarted = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return kStarted;
}

class Socket {
 public:
  Socket() = default;
  explicit Socket(SOCKET socket) : socket_(socket) {}
  ~Socket() { Close(); }
  Socket(Socket&& other) noexcept : socket_(std::exchange(other.socket_, INVALID_SOCKET)) {}
  Socket& operator=(Socket&& other) noexcept {
    if (this != &other) {
      Close();
      socket_ = std::exchange(other.socket_, INVALID_SOCKET);
    }
    return *this;
  }
  SOCKET Get() const { return socket_; }
  explicit operator bool() const { return socket_ != INVALID_SOCKET; }
  void Close() {
    if (socket_ != INVALID_SOCKET) closesocket(std::exchange(socket_, INVALID_SOCKET));
  }

 private:
  SOCKET socket_ = INVALID_SOCKET;
};

// The file being uploaded, read where it lies without a copy in memory; no one
// else may write it while it is open, so what is sent is the file as it was.
class LocalFile {
 public:
  explicit LocalFile(const std::filesystem::path& path)
      : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {
    LARGE_INTEGER size;
    if (file_ == INVALID_HANDLE_VALUE || !GetFileSizeEx(file_, &size) ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxServiceFileBytes)
      return;
    if (size.QuadPart == 0) {
      bytes_ = std::string_view();  // an empty file cannot be mapped
      return;
    }
    mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping_) view_ = MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0);
    if (view_) bytes_ = std::string_view(static_cast<const char*>(view_), static_cast<std::size_t>(size.QuadPart));
  }
  ~LocalFile() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  LocalFile(const LocalFile&) = delete;
  LocalFile& operator=(const LocalFile&) = delete;

  // None when the file could not be read or is larger than a web-service file may be.
  const std::optional<std::string_view>& Bytes() const { return bytes_; }

 private:
  HANDLE file_;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
  std::optional<std::string_view> bytes_;
};

// A connection made within the time-out, which then also bounds each of its
// sends or receives (`timeoutOption`: SO_SNDTIMEO or SO_RCVTIMEO). The control
// connection only ever waits in receives, its commands being a line each, and
// the data connection only sends, so each gets the one option it needs: under
// Wine every socket call costs a round trip to the Wine server. The wait is on
// an event: under Wine a select costs milliseconds.
Socket Connect(const sockaddr_in& address, DWORD timeoutMs, int timeoutOption) {
  Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  WSAEVENT connected = WSACreateEvent();
  if (!s || connected == WSA_INVALID_EVENT) return {};
  WSANETWORKEVENTS events{};
  const bool made = WSAEventSelect(s.Get(), connected, FD_CONNECT) == 0 &&
                    (connect(s.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
                     WSAGetLastError() == WSAEWOULDBLOCK) &&
                    WaitForSingleObject(connected, timeoutMs) == WAIT_OBJECT_0 &&
                    WSAEnumNetworkEvents(s.Get(), connected, &events) == 0 && (events.lNetworkEvents & FD_CONNECT) &&
                    events.iErrorCode[FD_CONNECT_BIT] == 0;
  WSAEventSelect(s.Get(), nullptr, 0);
  WSACloseEvent(connected);
  u_long blocking = 0;
  if (!made || ioctlsocket(s.Get(), FIONBIO, &blocking) != 0 ||
      setsockopt(s.Get(), SOL_SOCKET, timeoutOption, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs) != 0)
    return {};
  return s;
}

bool SendAll(SOCKET s, const char* data, std::size_t size) {
  while (size > 0) {
    const int sent = send(s, data, static_cast<int>(std::min(size, kChunkBytes)), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

std::optional<sockaddr_in> Resolve(const std::string& host, INTERNET_PORT port) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
  sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  freeaddrinfo(found);
  address.sin_port = htons(port);
  return address;
}

// The port of a "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)" reply; the data
// connection goes to the control connection's host whatever address it names.
std::optional<u_short> PassivePort(const std::string& reply) {
  const auto open = reply.find('(');
  if (open == std::string::npos) return std::nullopt;
  int numbers[6];
  char close = 0;
  if (std::sscanf(reply.c_str() + open, "(%d,%d,%d,%d,%d,%d%c", &numbers[0], &numbers[1], &numbers[2], &numbers[3],
                  &numbers[4], &numbers[5], &close) != 7 ||
      close != ')' || !std::all_of(numbers, numbers + 6, [](int n) { return n >= 0 && n <= 255; }))
    return std::nullopt;
  return static_cast<u_short>(numbers[4] * 256 + numbers[5]);
}

// Why a store failed, from the server's reply code (0: the connection broke).
std::wstring StoreFailure(int code) {
  switch (code) {
    case 0:
    case 421:
    case 425:
    case 426:
      return L"Connection lost.";
    case 450:
    case 532:
    case 550:
    case 553:
      return L"Permission denied.";
    case 452:
    case 552:
      return L"No space on the server.";
    case 451:
      return L"The server could not write the file.";
    default:
      return L"The server refused the file (" + std::to_wstring(code) + L").";
  }
}

// The control connection: commands out, replies in. A reply of several lines is
// read up to its last line; a broken connection or a text that is no reply
// gives the code 0 and closes the connection.
class Control {
 public:
  bool Open(const sockaddr_in& address, DWORD timeoutMs) {
    socket_ = Connect(address, timeoutMs, SO_RCVTIMEO);
    buffer_.clear();
    return static_cast<bool>(socket_);
  }
  bool IsOpen() const { return static_cast<bool>(socket_); }
  void Close() { socket_.Close(); }
  const std::string& LastLine() const { return line_; }

  // A line break inside a command would make a second one of it: such a command is not sent.
  bool Send(const std::string& command) {
    const std::string line = command + "\r\n";
    return socket_ && command.find_first_of("\r\n") == std::string::npos &&
           SendAll(socket_.Get(), line.data(), line.size());
  }
  int Command(const std::string& command) { return Send(command) ? Reply() : Broken(); }

  int Reply() {
    if (!ReadLine() || line_.size() < 3 ||
        !std::all_of(line_.begin(), line_.begin() + 3, [](unsigned char c) { return c >= '0' && c <= '9'; }))
      return Broken();
    const std::string code = line_.substr(0, 3);
    if (line_.size() > 3 && line_[3] == '-') {
      for (std::size_t lines = 0; line_ != code && !line_.starts_with(code + " "); ++lines)
        if (lines == kMaxReplyLines || !ReadLine()) return Broken();
    }
    return std::stoi(code);
  }

 private:
  int Broken() {
    socket_.Close();
    return 0;
  }

  bool ReadLine() {
    for (;;) {
      if (const auto end = buffer_.find('\n'); end != std::string::npos) {
        line_.assign(buffer_, 0, end);
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        buffer_.erase(0, end + 1);
        return true;
      }
      if (buffer_.size() > kMaxReplyLine) return false;
      char chunk[1024];
      const int got = recv(socket_.Get(), chunk, sizeof chunk, 0);
      if (got <= 0) return false;
      buffer_.append(chunk, static_cast<std::size_t>(got));
    }
  }

  Socket socket_;
  std::string buffer_;
  std::string line_;
};

class Uploader {
 public:
  Uploader(const LibraryPeers& peers, const sockaddr_in& server, const UploadStatus& status)
      : peers_(peers), server_(server), status_(status) {}
  // The server's goodbye is not waited for: the file is already stored or not.
  ~Uploader() { control_.Send("QUIT"); }
  Uploader(const Uploader&) = delete;
  Uploader& operator=(const Uploader&) = delete;

  // Connected, logged in and in the upload folder; the failure otherwise.
  std::optional<UploadOutcome> LogIn() {
    if (!control_.Open(server_, peers_.ftpTimeoutMs)) return Failed(UploadResult::kConnectionFailed, L"No connection.");
    const int greeting = control_.Reply();
    if (greeting == 0 || greeting >= 400) return Failed(UploadResult::kConnectionFailed, L"No connection.");
    status_(L"Connected");
    int reply = control_.Command("USER " + DecipherLine(peers_.ftpUser));
    if (reply == 331) reply = control_.Command("PASS " + DecipherLine(peers_.ftpPassword));
    if (reply == 0) return Failed(UploadResult::kConnectionFailed, L"Connection lost.");
    if (reply != 230 && reply != 202) return Failed(UploadResult::kLoginRefused, L"Log-in refused.");
    Pause();
    // Without the folder the file goes to the log-in folder.
    control_.Command("CWD " + DecipherLine(peers_.ftpFolder));
    Pause();
    return std::nullopt;
  }

  // Stored and confirmed by the server; the failure otherwise.
  std::optional<UploadOutcome> Store(std::string_view bytes, const std::string& remoteName) {
    if (const int reply = control_.Command("TYPE I"); reply != 200) return StoreFailed(reply);
    if (const int reply = control_.Command("PASV"); reply != 227) return StoreFailed(reply);
    const std::optional<u_short> port = PassivePort(control_.LastLine());
    if (!port) return StoreFailed(0);
    sockaddr_in dataAddress = server_;
    dataAddress.sin_port = htons(*port);
    // The store is asked for before the data connection is made, so that the
    // server's answer and the connection overlap: after a passive reply the
    // server listens until the client connects, whichever comes first. Without
    // the data connection the server still waits on that store, so a retry
    // starts over on a new control connection.
    if (!control_.Send("STOR " + remoteName)) return StoreFailed(0);
    Socket data = Connect(dataAddress, peers_.ftpTimeoutMs, SO_SNDTIMEO);
    if (!data) {
      control_.Close();
      return StoreFailed(0);
    }
    const int start = control_.Reply();
    if (start >= 500 && start <= 502) return Failed(UploadResult::kUnsupported, L"The server does not take files.");
    if (start != 125 && start != 150) return StoreFailed(start);
    status_(L"Beginning Data Transfer");
    const std::wstring total = std::to_wstring(bytes.size());
    for (std::size_t sent = 0; sent < bytes.size();) {
      const std::size_t chunk = std::min(bytes.size() - sent, kChunkBytes);
      if (!SendAll(data.Get(), bytes.data() + sent, chunk)) {
        data.Close();
        return StoreFailed(control_.Reply());
      }
      sent += chunk;
      status_(std::to_wstring(sent) + L" of " + total);
    }
    // The end of the data connection ends the file (the close sends what is still
    // buffered, then the end); the server's reply to it says whether it was kept.
    data.Close();
    status_(L"Data Transfer Complete");
    const int end = control_.Reply();
    if (end != 226 && end != 250) return StoreFailed(end);
    return std::nullopt;
  }

  bool IsConnected() const { return control_.IsOpen(); }

 private:
  std::optional<UploadOutcome> Failed(UploadResult result, const std::wstring& reason) {
    control_.Close();
    return UploadOutcome{result, reason};
  }
  // No pause at all is no yield of the thread either.
  void Pause() const {
    if (peers_.ftpPauseMs > 0) Sleep(peers_.ftpPauseMs);
  }
  std::optional<UploadOutcome> StoreFailed(int code) {
    return UploadOutcome{UploadResult::kStoreFailed, StoreFailure(code)};
  }

  const LibraryPeers& peers_;
  sockaddr_in server_;
  const UploadStatus& status_;
  Control control_;
};

// The name the server stores the file under, in the files' code page.
std::optional<std::string> RemoteName(const std::wstring& name) {
  std::optional<std::string> bytes = Utf8ToAnsi(Narrow(name));
  if (!bytes || bytes->empty() || bytes->find_first_of("\r\n") != std::string::npos) return std::nullopt;
  return bytes;
}

}  // namespace

UploadOutcome UploadFile(const LibraryPeers& peers, const std::filesystem::path& file, int retryNumber,
                         const UploadStatus& status) {
  const LocalFile local(file);
  const std::optional<std::string_view>& bytes = local.Bytes();
  const std::optional<std::string> name = RemoteName(file.filename().wstring());
  const std::optional<std::string> numbered = RemoteName(file.filename().wstring() + std::to_wstring(retryNumber));
  if (!bytes || !name || !numbered) return {UploadResult::kStoreFailed, L"The file could not be read."};
  const auto server = WinsockStarted() ? Resolve(DecipherLine(peers.ftpHost), peers.ftpPort) : std::nullopt;
  if (!server) return {UploadResult::kConnectionFailed, L"The server was not found."};
  status(L"Host resolved");

  Uploader uploader(peers, *server, status);
  if (auto failed = uploader.LogIn()) return *failed;
  std::optional<UploadOutcome> failed = uploader.Store(*bytes, *name);
  if (!failed) return {UploadResult::kStored, {}};
  if (failed->result == UploadResult::kUnsupported) return *failed;
  status(L"Upload failure");
  if (!uploader.IsConnected())
    if (auto again = uploader.LogIn()) return {UploadResult::kStoreFailed, again->reason};
  failed = uploader.Store(*bytes, *numbered);
  if (!failed) return {UploadResult::kStoredRenamed, {}};
  return *failed;
}

}  // namespace qrv
