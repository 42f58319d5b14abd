// The programs' transfers over WinINet, each run on the window's thread without
// handling messages, so that no command or close can start in between: the
// editor fetches the library list over HTTP and stores a file on the FTP
// server; the bar fetches the site list over HTTP.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "components/internet_peers.h"

namespace qrv {

// The body of a GET answered with status 200; none for any failure (name
// lookup, refusal, another status, a body over `limit` bytes or shorter than
// the length the server announced, or the whole exchange taking longer than
// `timeoutMs`).
std::optional<std::string> HttpGetOk(const HttpSource& source, DWORD timeoutMs, std::size_t limit);

// The body from the first source that answers with status 200, each source
// asked on its own after the wait before it (`waitsMs[i - 1]` before source i).
std::optional<std::string> HttpGetFirstOk(const std::vector<HttpSource>& sources, const std::vector<DWORD>& waitsMs,
                                          DWORD timeoutMs, std::size_t limit);

// The library list from the first host that answers with status 200, trying
// the library host, then the fallback address twice, with the peers' waits.
std::optional<std::string> DownloadLibraryList(const LibraryPeers& peers);

// The site list from the first of the three update hosts that answers with
// status 200.
std::optional<std::string> DownloadSiteList(const SiteListPeers& peers);

enum class UploadResult { kStored, kStoredRenamed, kConnectionFailed, kLoginRefused, kUnsupported, kStoreFailed };

// Progress of an upload, in the status texts the user sees.
using UploadStatus = std::function<void(const std::wstring& text)>;

// Logs in, changes to the upload folder (staying where it is when that fails),
// stores the file under its own name, and once more under its name followed by
// `retryNumber` when the first store fails.
UploadResult UploadFile(const LibraryPeers& peers, const std::filesystem::path& file, int retryNumber,
                        const UploadStatus& status);

}  // namespace qrv
