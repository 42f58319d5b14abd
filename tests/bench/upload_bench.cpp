// A 1,000,000-byte file uploaded to the FTP test server on 127.0.0.1 as the
// editor uploads it (log-in, folder, store, confirmation), without the pauses
// the editor gives a real server: the median of 31 uploads in milliseconds.
// tools/run-upload-bench.sh times the same transfer by curl beside it.
// Not a timed test; run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "components/ftp_upload.h"
#include "core/cipher.h"
#include "core/file_io.h"

constexpr int kRuns = 31;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "upload_bench PORT PEERS-FOLDER\n");
    return 2;
  }
  qrv::LibraryPeers peers;
  peers.ftpHost = qrv::EncipherLine("127.0.0.1");
  peers.ftpUser = qrv::EncipherLine("qrv");
  peers.ftpPassword = qrv::EncipherLine("secret");
  peers.ftpFolder = qrv::EncipherLine("incoming");
  peers.ftpPort = static_cast<INTERNET_PORT>(std::stoi(argv[1]));
  peers.ftpPauseMs = 0;
  const std::filesystem::path incoming = std::filesystem::path(argv[2]) / "ftp" / "qrv" / "incoming";
  const std::filesystem::path file = std::filesystem::temp_directory_path() / L"upload-bench.qrv";
  if (!qrv::WriteFileSafely(file, std::string(1000000, 'q'))) return 1;

  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    std::error_code error;
    std::filesystem::remove(incoming / file.filename(), error);
    const auto start = std::chrono::steady_clock::now();
    const qrv::UploadOutcome outcome = qrv::UploadFile(peers, file, 0, [](const std::wstring&) {});
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (outcome.result != qrv::UploadResult::kStored) {
      std::fprintf(stderr, "upload %d failed: %ls\n", run, outcome.reason.c_str());
      return 1;
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("Upload of 1,000,000 bytes to the local FTP server: median %.1f ms\n", times[kRuns / 2]);
  return 0;
}
