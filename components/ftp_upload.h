// The upload of a saved web-service file to the online library's FTP server,
// on the window's thread without handling messages. A file counts as stored
// only when the server confirms it after all its bytes were sent.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "components/internet_peers.h"

namespace qrv {

enum class UploadResult { kStored, kStoredRenamed, kConnectionFailed, kLoginRefused, kUnsupported, kStoreFailed };

struct UploadOutcome {
  UploadResult result = UploadResult::kStoreFailed;
  std::wstring reason;  // why it failed, as a sentence for the status bar; empty when stored
};

// Progress of an upload, in the status texts the user sees.
using UploadStatus = std::function<void(const std::wstring& text)>;

// Logs in, changes to the upload folder (staying where it is when that fails),
// stores the file under its own name, and once more under its name followed by
// `retryNumber` when the first store fails; a connection lost on the way is
// made again for that second store.
UploadOutcome UploadFile(const LibraryPeers& peers, const std::filesystem::path& file, int retryNumber,
                         const UploadStatus& status);

}  // namespace qrv
