// The editor's two transfers over WinINet, both run on the window's thread
// without handling messages, so that no command or close can start in between:
// fetching the library list over HTTP and storing a file on the FTP server.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "webeditor/library_peers.h"

namespace qrv {

// The body of a GET answered with status 200; none for any failure (name
// lookup, refusal, time-out, another status, a body over `limit` bytes).
std::optional<std::string> HttpGetOk(const std::wstring& host, INTERNET_PORT port, const std::wstring& path,
                                     DWORD timeoutMs, std::size_t limit);

// The library list from the first host that answers with status 200, trying
// the library host, then the fallback address twice, with the peers' waits.
std::optional<std::string> DownloadLibraryList(const LibraryPeers& peers);

enum class UploadResult { kStored, kStoredRenamed, kConnectionFailed, kLoginRefused, kUnsupported, kStoreFailed };

// Progress of an upload, in the status texts the user sees.
using UploadStatus = std::function<void(const std::wstring& text)>;

// Logs in, changes to the upload folder (staying where it is when that fails),
// stores the file under its own name, and once more under its name followed by
// `retryNumber` when the first store fails.
UploadResult UploadFile(const LibraryPeers& peers, const std::filesystem::path& file, int retryNumber,
                        const UploadStatus& status);

}  // namespace qrv
