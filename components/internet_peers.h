// The servers both programs reach. The editor's online library: the web server
// that publishes the library list (a host, then a numeric fallback address) and
// the FTP server that collects uploaded services; the FTP account is built in
// enciphered with the record cipher and deciphered only for an upload. The
// bar's site list: three web hosts asked in turn. Tests give peers of their own
// on 127.0.0.1 and shorter waits.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <array>
#include <string>

namespace qrv {

struct LibraryPeers {
  std::wstring libraryHost = L"library.quorvel.example";
  INTERNET_PORT libraryPort = INTERNET_DEFAULT_HTTP_PORT;
  std::wstring fallbackHost = L"192.0.2.80";
  INTERNET_PORT fallbackPort = INTERNET_DEFAULT_HTTP_PORT;
  DWORD httpTimeoutMs = 60000;
  // Before the second and the third request.
  std::array<DWORD, 2> retryWaitsMs{2000, 3000};

  std::string ftpHost = "+Ilz8BmFX2wC9SASh5RgV95x/A==";  // enciphered
  std::string ftpUser = "7yHR+rPk";
  std::string ftpPassword = "y70hwnnV2Oo=";
  std::string ftpFolder = "sX+8rNMNQcST";
  INTERNET_PORT ftpPort = INTERNET_DEFAULT_FTP_PORT;
  DWORD ftpTimeoutMs = 5000;
  // The server is given this long after the log-in and after changing folder.
  DWORD ftpPauseMs = 1000;
};

// One place a file is fetched from over HTTP.
struct HttpSource {
  std::wstring host;
  INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
  std::wstring path;
};

struct SiteListPeers {
  // The update host by its numeric address, the maker's web host, and a user's
  // home folder on a third host.
  std::array<HttpSource, 3> sources{{{L"192.0.2.32", INTERNET_DEFAULT_HTTP_PORT, L"/qrv/sitelist.txt"},
                                     {L"www.quorvel.example", INTERNET_DEFAULT_HTTP_PORT, L"/qrv/sitelist.txt"},
                                     {L"home.quorvel.example", INTERNET_DEFAULT_HTTP_PORT, L"/~qrv/sitelist.txt"}}};
  DWORD httpTimeoutMs = 60000;
  // Before the second and the third request.
  std::array<DWORD, 2> retryWaitsMs{2000, 3000};
};

}  // namespace qrv
