// A 1,000,000-byte file uploaded to the FTP test server on 127.0.0.1 as the
// editor uploads it (the file read, log-in, folder, store, confirmation),
// without the two pauses of a second the editor gives a real server: the
// median of 31 uploads in milliseconds: the network part alone, whole and from
// the connection on, and then from the editor window's menu command to its
// last status text, which adds painting the status bar at every step.
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
#include "tests/bench/bench_timing.h"
#include "ui/app.h"
#include "webeditor/editor_window.h"

using namespace qrv::bench;

namespace {

constexpr int kRuns = 31;

// Chooses the item of the window's first drop-down menu with this text, as a click does.
void ChooseMenuItem(HWND window, const std::wstring& text) {
  HMENU menu = GetSubMenu(GetMenu(window), 0);
  SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t shown[128]{};
    GetMenuStringW(menu, static_cast<UINT>(i), shown, 128, MF_BYPOSITION);
    if (shown == text) SendMessageW(window, WM_COMMAND, GetMenuItemID(menu, i), 0);
  }
}

}  // namespace

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
  // A web service the editor opens, and lines it does not read up to the size.
  std::string bytes = qrv::EncipherLine("S=0{book}11<CB=Books!><D=!D><CUST=Y><HINT=!H>|https://b.org/?q=<QRV!>");
  bytes += "\r\n";
  bytes.resize(1000000, 'q');
  if (!qrv::WriteFileSafely(file, bytes)) return 1;

  const auto stored = [&] {
    std::error_code error;
    return std::filesystem::file_size(incoming / file.filename(), error) == bytes.size();
  };
  const auto clear = [&] {
    std::error_code error;
    std::filesystem::remove(incoming / file.filename(), error);
  };

  // curl's own time runs from its connection to the server's last reply, after
  // it opened the file: so does the session time here, from the host resolved
  // (a number, so at once) to the end of the upload, which also holds the QUIT
  // and the closes that curl does after its time.
  std::vector<double> times;
  std::vector<double> sessionTimes;
  for (int run = 0; run < kRuns; ++run) {
    clear();
    const auto start = Clock::now();
    Clock::time_point connecting;
    const qrv::UploadOutcome outcome = qrv::UploadFile(peers, file, 0, [&](const std::wstring& text) {
      if (text == L"Host resolved") connecting = Clock::now();
    });
    times.push_back(Ms(start));
    sessionTimes.push_back(Ms(connecting));
    if (outcome.result != qrv::UploadResult::kStored) {
      std::fprintf(stderr, "upload %d failed: %ls\n", run, outcome.reason.c_str());
      return 1;
    }
  }
  std::printf("Upload of 1,000,000 bytes to the local FTP server: median %.1f ms\n", Median(times));
  std::printf("Its session alone, from the connection on, as curl times its own: median %.1f ms\n",
              Median(sessionTimes));

  qrv::Application& app = qrv::Application::Get();
  app.Initialize(L"upload_bench");
  auto& window = app.CreateForm<qrv::EditorWindow>(qrv::EditorSettings{"2.5", file.parent_path()}, peers);
  window.chooseOpenFile = [&](const std::filesystem::path&) { return std::optional(file); };
  window.Show();
  ChooseMenuItem(window.Handle(), L"Open .qrv File\tCtrl+O");
  app.ProcessMessages();
  times.clear();
  for (int run = 0; run < kRuns; ++run) {
    clear();
    const auto start = Clock::now();
    ChooseMenuItem(window.Handle(), L"Upload Web Service to online library");
    times.push_back(Ms(start));
    app.ProcessMessages();
    if (!stored()) {
      std::fprintf(stderr, "upload %d from the window failed\n", run);
      return 1;
    }
  }
  std::printf("The same from the editor window's menu: median %.1f ms\n", Median(times));
  return 0;
}
