// The programs' downloads over WinINet, each run on the window's thread without
// handling messages, so that no command or close can start in between: the
// editor fetches the library list, the bar the site list.
#pragma once

#include <windows.h>

#include <cstddef>
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

}  // namespace qrv
