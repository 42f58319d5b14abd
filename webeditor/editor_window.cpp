#include "webeditor/editor_window.h"

#include <windows.h>

#include "components/internet.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"
#include "ui/program_file.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {

namespace {

constexpr wchar_t kBeginStatus[] = L"Begin typing, or open an existing .qrv file";
constexpr wchar_t kInstallCaption[] = L"Install Web Service to QRV";
constexpr wchar_t kSaveAndInstallCaption[] = L"Save && Install Web Service to QRV";

// The description field keeps the record's CR LF line breaks.
std::wstring TextOf(const Control& control) { return control.Text(); }

std::optional<std::filesystem::path> RunFileDialog(HWND owner, const std::filesystem::path& folder,
                                                   const std::wstring& name, bool save) {
  const auto file = ChooseFile({.owner = owner,
                                .save = save,
                                .title = save ? L"QRV Web Services" : L"",
                                .filter = L"QRV Web Services|*.qrv",
                                .defaultExtension = L"qrv",
                                .folder = folder.wstring(),
                                .file = name});
  if (!file) return std::nullopt;
  return std::filesystem::path(*file);
}

}  // namespace

EditorWindow::EditorWindow(const EditorSettings& settings, const LibraryPeers& peers)
    : Form({.caption = L"QRV Web Services Editor", .clientSize = {506, 294}, .style = FormStyle::kSizable}),
      settings_(settings),
      peers_(peers),
      listFolder_(settings.barFolder),
      dialogFolder_(settings.barFolder) {
  chooseSaveFile = [this](const std::filesystem::path& folder, const std::wstring& name) {
    return RunFileDialog(Handle(), folder, name, true);
  };
  chooseOpenFile = [this](const std::filesystem::path& folder) { return RunFileDialog(Handle(), folder, {}, false); };
  askCriteria = [this] {
    if (!criteriaDialog_) criteriaDialog_ = &CreateOwned<CriteriaDialog>();
    return criteriaDialog_->Ask();
  };
  downloadLibrary = [this] { return DownloadLibraryList(peers_); };
  today = [] {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return Date{now.wYear, now.wMonth, now.wDay};
  };

  for (Edit* field : {&keywordEdit_, &titleEdit_, &descriptionEdit_}) field->onChange = [this] { FieldTyped(); };
  urlEdit_.onChange = [this] {
    FieldTyped();
    UrlChanged();
  };
  testButton_.onClick = [this] { TestUrl(); };
  pages_.onSelect = [this] { PageChanged(); };
  fileList_.onSelect = [this] { OpenListedFile(); };
  libraryTree_.onSelect = [this] { LibrarySelectionChanged(); };

  openItem_.onClick = [this] { OpenChosenFile(); };
  saveItem_.onClick = [this] { RunSaveCommand(SaveCommand::kSave); };
  installItem_.onClick = [this] { RunSaveCommand(SaveCommand::kInstall); };
  uploadItem_.onClick = [this] { RunSaveCommand(SaveCommand::kUpload); };
  testItem_.onClick = [this] { TestUrl(); };
  exitItem_.onClick = [this] { Close(); };
  resetItem_.onClick = [this] {
    if (MayDiscardEntry()) ResetForm();
  };
  contentsItem_.onClick = [this] { ShowHelp(); };
  aboutItem_.onClick = [this] { ShowAbout(); };
  menu_.Attach();

  const RECT placed = WindowRect();
  const int width = placed.right - placed.left;
  const int height = placed.bottom - placed.top;
  SetWindowRect((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width,
                height);
  FillPages();
  DragAcceptFiles(Handle(), TRUE);
  ListFiles();
  SetStatus(kBeginStatus);
}

LRESULT EditorWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DROPFILES:
      Guarded(Handle(), [&] { DropFiles(reinterpret_cast<HDROP>(wp)); });
      return 0;
    case WM_GETMINMAXINFO: {
      // The designed size is also the smallest.
      RECT least{0, 0, Scale(DesignClientSize().cx), Scale(DesignClientSize().cy)};
      AdjustWindowRectEx(&least, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), TRUE,
                         static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
      auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
      info.ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
      return 0;
    }
    case WM_SIZE: {
      const LRESULT result = Form::WndProc(msg, wp, lp);
      FillPages();
      return result;
    }
    case WM_CLOSE:
      // Transfers run without handling messages; this is only a second guard.
      if (busy_ || !MayDiscardEntry()) return 0;
      break;
    default:
      break;
  }
  return Form::WndProc(msg, wp, lp);
}

void EditorWindow::FillPages() {
  for (std::size_t i = 0; i < pages_.PageCount(); ++i) {
    const SIZE page = pages_.Page(i).ClientSize96();
    Control& filler = i == 0 ? static_cast<Control&>(fileList_) : static_cast<Control&>(libraryTree_);
    filler.SetBounds({0, 0, page.cx, page.cy});
  }
}

void EditorWindow::SetStatus(const std::wstring& text) {
  statusBar_.SetText(text);
  UpdateWindow(statusBar_.Handle());  // shown also while a transfer holds the window
}

void EditorWindow::EnableSave(bool enabled) {
  saveItem_.enabled = enabled;
  installItem_.enabled = enabled;
  uploadItem_.enabled = enabled && !modified_;
}

// A modified entry is installed only by saving it first, and not uploaded until saved.
void EditorWindow::MarkModified(bool modified) {
  modified_ = modified;
  installItem_.text = modified ? kSaveAndInstallCaption : kInstallCaption;
  uploadItem_.enabled = !modified && saveItem_.enabled;
}

void EditorWindow::FieldTyped() {
  typed_ = true;
  SetStatus(L"Entry has been modified.");
  EnableSave(true);
  MarkModified(true);
}

void EditorWindow::UrlChanged() {
  const bool hasUrl = GetWindowTextLengthW(urlEdit_.Handle()) > 0;
  testButton_.SetEnabled(hasUrl);
  testItem_.enabled = hasUrl;
}

// A record is shown only as a whole: a field cut at a NUL would lose the rest
// when saved. A field longer than the editor takes is cut, and the user told.
bool EditorWindow::ShowService(const WebService& service, const std::string& urlTemplate) {
  for (const std::string* text : {&service.keyword, &service.caption, &service.hint, &urlTemplate}) {
    if (text->find('\0') != std::string::npos) {
      ShowMessage(L"This web service holds a NUL character, which the editor cannot show: it is not opened.",
                  MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
      return false;
    }
  }
  std::wstring cut;
  const auto show = [&cut](Edit& field, std::wstring text, std::size_t limit, const wchar_t* name) {
    if (text.size() > limit) {
      text.resize(limit);
      cut += L"\r\n" + std::wstring(name) + L": the first " + std::to_wstring(limit) + L" characters";
    }
    field.SetText(text);
  };
  show(keywordEdit_, Widen(service.keyword), kKeywordLimit, L"Quorvel Keyword");
  show(titleEdit_, Widen(service.caption), kTitleLimit, L"Site title");
  show(descriptionEdit_, Widen(service.hint), kDescriptionLimit, L"Site description");
  show(urlEdit_, Widen(editedUrl_.Load(urlTemplate)), kUrlLimit, L"URL");
  UrlChanged();
  typed_ = false;
  SetStatus(L"QRV Web Services information loaded.");
  MarkModified(false);
  EnableSave(true);
  if (!cut.empty())
    ShowMessage(L"Fields longer than the editor takes were cut:" + cut, MessageKind::kWarning, MessageButtons::kOk,
                {.owner = Handle()});
  return true;
}

// Typed changes are thrown away only when the user says so.
bool EditorWindow::MayDiscardEntry() {
  return !typed_ || ShowMessage(L"The entry has been modified. Discard the changes?", MessageKind::kConfirmation,
                                MessageButtons::kYesNo, {.owner = Handle()}) == DialogResult::kYes;
}

ServiceFields EditorWindow::Fields() const {
  return {Narrow(TextOf(keywordEdit_)), Narrow(TextOf(titleEdit_)), Narrow(TextOf(descriptionEdit_)),
          Narrow(TextOf(urlEdit_))};
}

void EditorWindow::ResetForm() {
  for (Edit* field : {&keywordEdit_, &titleEdit_, &descriptionEdit_, &urlEdit_}) field->SetText({});
  editedUrl_.Forget();
  UrlChanged();
  proposedName_.clear();
  currentFile_.clear();
  typed_ = false;
  MarkModified(false);
  EnableSave(false);
  SetStatus(kBeginStatus);
}

void EditorWindow::ShowHelp() {
  const std::filesystem::path readme = ProgramFolder() / L"WSEReadme.txt";
  std::error_code error;
  if (std::filesystem::is_regular_file(readme, error)) {
    ShellOpen(Handle(), readme.wstring());
    return;
  }
  ShowMessage(L"Help file not found.\r\n\r\nsee WSEReadme.txt for more information.", MessageKind::kInformation,
              MessageButtons::kOk, {.owner = Handle()});
}

void EditorWindow::ShowAbout() {
  ShowMessage(L"QRV Web Services Editor\r\nVersion 1.0", MessageKind::kInformation, MessageButtons::kOk,
              {.owner = Handle()});
}

}  // namespace qrv
