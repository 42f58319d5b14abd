// A site-list host on this machine for the update's scenes and benchmark: it answers every
// request with one list, from a thread of its own, until it is destroyed.
#pragma once

#include <winsock2.h>

#include <string>
#include <thread>
#include <vector>

namespace qrv::testing {

class SiteListServer {
 public:
  // `lines` are the list's lines before they are enciphered.
  explicit SiteListServer(const std::vector<std::string>& lines);
  ~SiteListServer();
  SiteListServer(const SiteListServer&) = delete;
  SiteListServer& operator=(const SiteListServer&) = delete;
  // The port it listens on at 127.0.0.1; 0 when it could not listen.
  unsigned short Port() const { return port_; }

 private:
  void Serve();
  std::string answer_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::thread thread_;
};

}  // namespace qrv::testing
