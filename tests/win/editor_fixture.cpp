#include "editor_fixture.h"

#include <fstream>
#include <sstream>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "ui/shell.h"
#include "ui/wide.h"
#include "ui_test_support.h"

namespace qrv {

void EditorProbe::Fill(const std::wstring& keyword, const std::wstring& title, const std::wstring& description,
                       const std::wstring& url) {
  // As typed: each field fires its change.
  Keyword().SetText(keyword, Notify::kYes);
  Title().SetText(title, Notify::kYes);
  Description().SetText(description, Notify::kYes);
  Url().SetText(url, Notify::kYes);
}

std::filesystem::path EditorTest::PeersFolder() { return QRV_PEERS_DIR; }

int EditorTest::PeerPort(const char* name) {
  std::ifstream ports(PeersFolder() / "ports.txt");
  std::string peer;
  int port = 0;
  while (ports >> peer >> port)
    if (peer == name) return port;
  ADD_FAILURE() << "no peer " << name;
  return 1;
}

LibraryPeers EditorTest::Peers(const char* library, const char* fallback, const char* ftpUser) {
  LibraryPeers peers;
  peers.libraryHost = peers.fallbackHost = L"127.0.0.1";
  peers.libraryPort = static_cast<INTERNET_PORT>(PeerPort(library));
  peers.fallbackPort = static_cast<INTERNET_PORT>(PeerPort(fallback));
  peers.httpTimeoutMs = 5000;
  peers.retryWaitsMs = {20, 30};
  peers.ftpHost = EncipherLine("127.0.0.1");
  peers.ftpUser = EncipherLine(ftpUser);
  peers.ftpPassword = EncipherLine("secret");
  peers.ftpFolder = EncipherLine("incoming");
  peers.ftpPort = static_cast<INTERNET_PORT>(PeerPort("ftp"));
  peers.ftpPauseMs = 0;
  return peers;
}

void EditorTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  folder_ = std::filesystem::temp_directory_path() / "qrv-editor" / info->name();
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  shell.clear();
  messages.clear();
  SetShellHandler([](const std::wstring& file, const std::wstring& parameters, int) {
    shell.push_back({file, parameters});
  });
  yesNoAnswer = DialogResult::kYes;
  SetPromptHandler([](const std::wstring& text, MessageKind, MessageButtons buttons) {
    messages.push_back(text);
    return buttons == MessageButtons::kYesNo ? yesNoAnswer : DialogResult::kOk;
  });
  Open(Peers("files", "files"));
}

void EditorTest::Open(const LibraryPeers& peers) {
  window_.reset();
  window_ = std::make_unique<EditorWindow>(EditorSettings{"2.5", folder_}, peers);
  window_->chooseSaveFile = [this](const std::filesystem::path&, const std::wstring&) {
    ++saveAsked_;
    return saveAnswer_;
  };
  window_->askCriteria = [this]() -> std::optional<std::wstring> {
    if (criteriaAnswers_.empty()) return std::nullopt;
    auto answer = criteriaAnswers_.front();
    criteriaAnswers_.erase(criteriaAnswers_.begin());
    return answer;
  };
  window_->Show();
  SetForegroundWindow(window_->Handle());
  testing::Pump(30);
}

void EditorTest::TearDown() {
  window_.reset();
  SetShellHandler(nullptr);
  SetPromptHandler(nullptr);
}

std::filesystem::path EditorTest::WriteServiceFile(const std::wstring& name, const std::string& record) {
  auto file = folder_ / name;
  EXPECT_TRUE(WriteFileSafely(file, ServiceFileBytes(record, "2.5").value()));
  return file;
}

}  // namespace qrv
