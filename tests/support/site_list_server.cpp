#include "tests/support/site_list_server.h"

#include <ws2tcpip.h>

#include <vector>

#include "core/cipher.h"
#include "core/text.h"

namespace qrv::testing {

SiteListServer::SiteListServer(const std::vector<std::string>& lines) {
  std::vector<std::string> enciphered;
  for (const std::string& line : lines) enciphered.push_back(EncipherLine(line));
  const std::string body = JoinLines(enciphered);
  answer_ = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
            "\r\nConnection: close\r\n\r\n" + body;
  WSADATA wsa{};
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return;
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener_, 4) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

SiteListServer::~SiteListServer() {
  if (listener_ != INVALID_SOCKET) closesocket(listener_);  // ends the accept that waits
  if (thread_.joinable()) thread_.join();
  WSACleanup();
}

// Reads the request's head and answers it, one connection at a time.
void SiteListServer::Serve() {
  for (;;) {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::string request;
    char chunk[1024];
    int got = 0;
    while (request.find("\r\n\r\n") == std::string::npos && (got = recv(client, chunk, sizeof chunk, 0)) > 0)
      request.append(chunk, static_cast<std::size_t>(got));
    send(client, answer_.data(), static_cast<int>(answer_.size()), 0);
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}

}  // namespace qrv::testing
