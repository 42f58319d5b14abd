// The page of the online library and the upload of a saved file to it. Both
// transfers hold the window: the commands refuse to start a second one, and
// no messages are handled while one runs.
#include <random>

#include "components/ftp_upload.h"
#include "components/internet.h"
#include "core/service_editing.h"
#include "ui/dialogs.h"
#include "ui/wide.h"
#include "webeditor/editor_window.h"

namespace qrv {

namespace {

constexpr int kLibraryPage = 1;

// An hourglass while a transfer runs, and the window's guard against a second one.
class TransferScope {
 public:
  explicit TransferScope(bool& busy) : busy_(busy), cursor_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) { busy_ = true; }
  ~TransferScope() {
    busy_ = false;
    SetCursor(cursor_);
  }
  TransferScope(const TransferScope&) = delete;
  TransferScope& operator=(const TransferScope&) = delete;

 private:
  bool& busy_;
  HCURSOR cursor_;
};

}  // namespace

// The library is fetched on the first visit of its page and again after a
// visit that found none; a visit never reloads the fields.
void EditorWindow::PageChanged() {
  if (pages_.Selection() == kLibraryPage && !libraryLoaded_) DownloadLibrary();
}

void EditorWindow::DownloadLibrary() {
  if (busy_) return;
  std::optional<std::string> body;
  {
    TransferScope transfer(busy_);
    SetStatus(L"Downloading sites...");
    body = downloadLibrary();
  }
  if (!body) {
    SetStatus(L"No sites found.");
    ShowMessage(
        L"Connection to QRV's Online Library\r\ncould not be established.\r\n\r\nMake sure you are "
        L"connected to the Internet.",
        MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
    return;
  }
  libraryTree_.Clear();
  libraryNodes_ = ReadLibraryList(*body);
  if (libraryNodes_.empty()) {
    SetStatus(L"No sites found.");
    ShowMessage(L"No QRV Web Services found in Online Library", MessageKind::kInformation, MessageButtons::kOk,
                {.owner = Handle()});
    return;
  }
  libraryTree_.SetRedraw(false);
  for (const auto& node : libraryNodes_) libraryTree_.Add(node.category, Widen(node.caption));
  libraryTree_.SetRedraw(true);
  SetStatus(L"Sites downloaded.");
  libraryLoaded_ = true;
}

// A service chosen in the tree is shown for editing and counts as modified:
// installing saves it first, and it is uploaded only once saved.
void EditorWindow::LibrarySelectionChanged() {
  const int selected = libraryTree_.Selection();
  if (selected < 0 || selected >= static_cast<int>(libraryNodes_.size()) ||
      libraryNodes_[static_cast<std::size_t>(selected)].isCategory) {
    return;
  }
  if (!MayDiscardEntry()) return;
  const std::string& record = libraryNodes_[static_cast<std::size_t>(selected)].line;
  const WebService service = ReadService(record);
  if (!ShowService(service, service.url)) return;
  SetStatus(L"Entry retrieved.");
  currentFile_.clear();
  proposedName_ = Widen(FileNameFromTitle(service.caption));
  EnableSave(true);
  MarkModified(true);
}

void EditorWindow::Upload(const std::filesystem::path& file) {
  if (busy_) return;
  static std::mt19937 random{std::random_device{}()};
  UploadOutcome outcome;
  {
    TransferScope transfer(busy_);
    SetStatus(L"Uploading file...");
    outcome = UploadFile(peers_, file, std::uniform_int_distribution<int>(0, 998)(random),
                         [this](const std::wstring& text) { SetStatus(text); });
  }
  switch (outcome.result) {
    case UploadResult::kStored:
    case UploadResult::kStoredRenamed:
      SetStatus(L"Upload success");
      return;
    case UploadResult::kConnectionFailed:
      SetStatus(L"Upload failed. " + outcome.reason);
      ShowMessage(L"Connection Failed", MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
      return;
    case UploadResult::kUnsupported:
      SetStatus(L"Upload failed. " + outcome.reason);
      ShowMessage(L"Upload unsupported", MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
      return;
    case UploadResult::kLoginRefused:
    case UploadResult::kStoreFailed:
      SetStatus(L"Upload failed. " + outcome.reason);
      return;
  }
}

}  // namespace qrv
