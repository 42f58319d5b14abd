// The editor's files: the list of the user's web-service files, opening,
// saving (always as ".qrv"), installing into the bar, testing the URL in the
// web browser and files dropped on the window.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <random>

#include "components/window_activation.h"
#include "core/entry_texts.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"
#include "webeditor/editor_window.h"

namespace qrv {

namespace {

constexpr wchar_t kBarProgram[] = L"Quorvel.exe";

bool HasServiceExtension(const std::filesystem::path& file) {
  return EqualsIgnoringCase(Narrow(file.extension().wstring()), ".qrv");
}

// The name as typed, with ".qrv" added unless it ends so already.
std::filesystem::path WithServiceExtension(std::filesystem::path file) {
  if (!HasServiceExtension(file)) file += L".qrv";
  return file;
}

bool NameLess(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_LESS_THAN;
}

}  // namespace

void EditorWindow::ListFiles() {
  std::vector<std::wstring> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(listFolder_, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && HasServiceExtension(it->path())) names.push_back(it->path().filename().wstring());
  }
  std::sort(names.begin(), names.end(), NameLess);
  fileList_.SetItems(names);
}

void EditorWindow::OpenChosenFile() {
  if (!MayDiscardEntry()) return;
  if (const auto file = chooseOpenFile(dialogFolder_)) OpenServiceFile(*file);
}

void EditorWindow::OpenListedFile() {
  const std::vector<int> selected = fileList_.SelectedIndexes();
  if (selected.empty()) return;
  if (!MayDiscardEntry()) {
    MarkListedFile();
    return;
  }
  OpenServiceFile(listFolder_ / fileList_.Items().at(static_cast<std::size_t>(selected.front())));
}

// The list highlights the file shown, and none when that lies in another folder.
void EditorWindow::MarkListedFile() {
  for (const int index : fileList_.SelectedIndexes()) fileList_.SetSelected(index, false);
  std::error_code error;
  if (currentFile_.empty() || !std::filesystem::equivalent(currentFile_.parent_path(), listFolder_, error)) return;
  const std::vector<std::wstring> names = fileList_.Items();
  const std::wstring name = currentFile_.filename().wstring();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!NameLess(names[i], name) && !NameLess(name, names[i])) fileList_.SetSelected(static_cast<int>(i), true);
}

bool EditorWindow::OpenServiceFile(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileBytes(file, kMaxServiceFileBytes);
  if (!bytes) {
    ShowMessage(L"The file \"" + file.wstring() + L"\" could not be read.", MessageKind::kError, MessageButtons::kOk,
                {.owner = Handle()});
    return false;
  }
  if (const std::optional<WebService> service = ServiceInFile(*bytes)) {
    if (!ShowService(*service, service->url)) return true;
  } else {
    ResetForm();
    SetStatus(L"QRV Web Services information not found.");
  }
  currentFile_ = file;
  dialogFolder_ = file.parent_path();
  proposedName_ = file.filename().wstring();
  MarkListedFile();
  return true;
}

std::optional<std::filesystem::path> EditorWindow::SaveEntry() {
  const ServiceFields fields = Fields();
  if (const auto problem = FieldProblem(fields)) {
    ShowMessage(Widen(*problem), MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
    SetStatus(L"File not saved.");
    return std::nullopt;
  }
  const std::optional<std::filesystem::path> chosen = chooseSaveFile(dialogFolder_, proposedName_);
  if (!chosen) {
    SetStatus(L"File not saved.");
    return std::nullopt;
  }
  const std::filesystem::path file = WithServiceExtension(*chosen);
  const WebService service{fields.keyword, fields.title, "", true, fields.description, editedUrl_.Template(fields.url)};
  std::string unheld;
  const std::optional<std::string> bytes = ServiceFileBytes(ServiceRecord(service), settings_.barVersion, &unheld);
  if (!bytes) {
    ShowMessage(L"The character \"" + Widen(unheld) + L"\" cannot be stored in a web-service file.",
                MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
    SetStatus(L"File not saved.");
    return std::nullopt;
  }
  if (const SaveResult saved = WriteFileSafely(file, *bytes); !saved) {
    ShowMessage(L"The file \"" + file.wstring() + L"\" could not be saved: " + Widen(saved.reason), MessageKind::kError,
                MessageButtons::kOk, {.owner = Handle()});
    SetStatus(L"File not saved.");
    return std::nullopt;
  }
  // What is saved is what is shown from now on.
  urlEdit_.SetText(Widen(editedUrl_.Load(service.url)));
  currentFile_ = file;
  dialogFolder_ = file.parent_path();
  proposedName_ = file.filename().wstring();
  SetStatus(L"File saved.");
  ListFiles();
  MarkListedFile();
  typed_ = false;
  MarkModified(false);
  EnableSave(true);
  return file;
}

void EditorWindow::RunSaveCommand(SaveCommand command) {
  if (busy_) return;
  std::optional<std::filesystem::path> file = currentFile_;
  if (command == SaveCommand::kSave || modified_ || currentFile_.empty() || !HasServiceExtension(currentFile_))
    file = SaveEntry();
  if (!file) return;
  if (command == SaveCommand::kInstall) Install(*file);
  if (command == SaveCommand::kUpload) Upload(*file);
}

// The running bar takes the file through the shell's ".qrv" association and
// hands it to itself; a bar that is not running is started with the file.
void EditorWindow::Install(const std::filesystem::path& file) {
  if (HWND bar = ActivateWindowByTitle(L"QV")) {
    SetForegroundWindow(bar);
    ShellOpen(Handle(), file.wstring());
    return;
  }
  const std::filesystem::path barProgram = settings_.barFolder / kBarProgram;
  std::error_code error;
  if (!std::filesystem::is_regular_file(barProgram, error)) {
    SetStatus(L"Quorvel is not installed in " + settings_.barFolder.wstring());
    return;
  }
  ShellOpen(Handle(), barProgram.wstring(), L"\"" + file.wstring() + L"\"");
  SetStatus(L"Quorvel started with " + file.filename().wstring());
}

void EditorWindow::TestUrl() {
  const std::wstring typed = urlEdit_.Text();
  if (!Contains(Narrow(typed), "://")) {
    urlEdit_.SetText(L"http://" + typed);
    UrlChanged();
  }
  const std::string urlTemplate = editedUrl_.Template(Narrow(urlEdit_.Text()));
  std::string criteria;
  if (HasCriteriaMarker(urlTemplate)) {
    const std::optional<std::wstring> answer = askCriteria();
    if (!answer) return;
    criteria = Narrow(*answer);
  }
  // As a web search from the bar fills it: today's date and the criteria.
  const std::string url = FillUrlTemplate(urlTemplate, today(), criteria, "");
  if (!IsWebAddress(url)) {
    SetStatus(L"Only http and https addresses can be tested.");
    return;
  }
  ShellOpen(Handle(), Widen(EscapeWebAddress(url)));
}

// The files are opened in name order, so that the last one stays shown.
void EditorWindow::DropFiles(HDROP drop) {
  std::vector<std::wstring> names = DroppedFiles(drop);
  std::erase_if(names, [](const std::wstring& name) { return !HasServiceExtension(name); });
  if (names.empty() || !MayDiscardEntry()) return;
  std::sort(names.begin(), names.end(), NameLess);
  for (const auto& name : names)
    if (!OpenServiceFile(name)) break;
}

}  // namespace qrv
