// The web-services editor's window: the four fields of one web service, the
// user's web-service files and the online library on two pages, a status bar,
// and the commands to open, save, install, upload, test and reset.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "components/internet_peers.h"
#include "core/date.h"
#include "core/keyword_record.h"
#include "core/library_list.h"
#include "core/service_editing.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/menu.h"
#include "ui/panels.h"
#include "ui/tree_view.h"
#include "webeditor/criteria_dialog.h"
#include "webeditor/editor_settings.h"

namespace qrv {

// What the save, install and upload commands do after the file is saved.
enum class SaveCommand { kSave, kInstall, kUpload };

class EditorWindow : public Form {
 public:
  EditorWindow(const EditorSettings& settings, const LibraryPeers& peers);

  // The file dialogs; tests answer them instead of the screen. None: cancelled.
  std::function<std::optional<std::filesystem::path>(const std::filesystem::path& folder, const std::wstring& name)>
      chooseSaveFile;
  std::function<std::optional<std::filesystem::path>(const std::filesystem::path& folder)> chooseOpenFile;
  std::function<std::optional<std::wstring>()> askCriteria;
  // Where the library list comes from (the library peers unless a test says).
  std::function<std::optional<std::string>()> downloadLibrary;
  // The date a tested address is filled with.
  std::function<Date()> today;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  friend struct EditorProbe;

  // Entry state (editor_window.cpp).
  void SetStatus(const std::wstring& text);
  void EnableSave(bool enabled);
  void MarkModified(bool modified);
  void FieldTyped();
  void UrlChanged();
  bool ShowService(const WebService& service, const std::string& urlTemplate);
  bool MayDiscardEntry();
  ServiceFields Fields() const;
  void ResetForm();
  void FillPages();
  void ShowHelp();
  void ShowAbout();

  // Files (editor_files.cpp).
  void ListFiles();
  void OpenChosenFile();
  void OpenListedFile();
  void MarkListedFile();
  bool OpenServiceFile(const std::filesystem::path& file);
  void RunSaveCommand(SaveCommand command);
  std::optional<std::filesystem::path> SaveEntry();
  void Install(const std::filesystem::path& file);
  void TestUrl();
  void DropFiles(HDROP drop);

  // The online library and upload (editor_library.cpp).
  void PageChanged();
  void DownloadLibrary();
  void LibrarySelectionChanged();
  void Upload(const std::filesystem::path& file);

  EditorSettings settings_;
  LibraryPeers peers_;
  std::filesystem::path listFolder_;
  std::filesystem::path dialogFolder_;
  std::filesystem::path currentFile_;  // the file last opened or saved; empty: none
  std::wstring proposedName_;          // the save dialog's file name
  EditedUrl editedUrl_;
  bool modified_ = false;
  bool typed_ = false;  // the user typed into the entry since it was shown or saved
  bool libraryLoaded_ = false;
  bool busy_ = false;
  std::vector<LibraryNode> libraryNodes_;

  // The most characters each field takes: far more than a web service needs, few
  // enough for the edit fields to stay quick with any file.
  static constexpr int kKeywordLimit = 64;
  static constexpr int kTitleLimit = 128;
  static constexpr int kDescriptionLimit = 2000;
  static constexpr int kUrlLimit = 2048;

  Label urlLabel_{*this, {.bounds = {7, 10, 27, 16}, .text = L"URL:"}};
  Edit urlEdit_{*this, {.bounds = {35, 6, 424, 21}, .anchors = {.right = true}, .limit = kUrlLimit}};
  Button testButton_{
      *this,
      {.bounds = {462, 6, 37, 21}, .text = L"Test", .anchors = {.left = false, .right = true}, .enabled = false}};
  TabControl pages_{
      *this,
      {.bounds = {6, 32, 246, 237}, .anchors = {.bottom = true}, .pages = {L"My QRV Files", L"QRV Internet Library"}}};
  ListBox fileList_{pages_.Page(0), {}};
  TreeView libraryTree_{pages_.Page(1), {}};
  Label keywordLabel_{*this, {.bounds = {257, 36, 200, 16}, .text = L"Quorvel Keyword:"}};
  Edit keywordEdit_{*this, {.bounds = {257, 52, 242, 21}, .anchors = {.right = true}, .limit = kKeywordLimit}};
  Label titleLabel_{*this, {.bounds = {257, 76, 242, 16}, .text = L"Site title to appear in Quorvel's list:"}};
  Edit titleEdit_{*this, {.bounds = {257, 92, 242, 21}, .anchors = {.right = true}, .limit = kTitleLimit}};
  Label descriptionLabel_{*this, {.bounds = {257, 116, 200, 16}, .text = L"Site description:"}};
  Edit descriptionEdit_{*this,
                        {.bounds = {257, 132, 242, 135},
                         .anchors = {.right = true, .bottom = true},
                         .multiLine = true,
                         .limit = kDescriptionLimit}};
  StatusBar statusBar_{*this, {.bounds = {0, 275, 506, 19}}};

  MenuBar menu_{*this};
  MenuItem fileMenu_{menu_, {.text = L"&File"}};
  MenuItem openItem_{
      fileMenu_, {.text = L"Open .qrv File", .hotkeyText = L"Ctrl+O", .accelerator = {FVIRTKEY | FCONTROL, 'O', 0}}};
  MenuItem saveItem_{fileMenu_,
                     {.text = L"Save to .qrv File",
                      .hotkeyText = L"Ctrl+S",
                      .enabled = false,
                      .accelerator = {FVIRTKEY | FCONTROL, 'S', 0}}};
  MenuItem fileSeparator1_{fileMenu_, {.text = L"-"}};
  MenuItem installItem_{fileMenu_, {.text = L"Install Web Service to QRV", .enabled = false}};
  MenuItem uploadItem_{fileMenu_, {.text = L"Upload Web Service to online library", .enabled = false}};
  MenuItem fileSeparator2_{fileMenu_, {.text = L"-"}};
  MenuItem testItem_{fileMenu_, {.text = L"Test Current Site", .enabled = false}};
  MenuItem fileSeparator3_{fileMenu_, {.text = L"-"}};
  MenuItem exitItem_{fileMenu_, {.text = L"Exit"}};
  MenuItem editMenu_{menu_, {.text = L"&Edit"}};
  MenuItem resetItem_{editMenu_, {.text = L"Reset Form"}};
  MenuItem helpMenu_{menu_, {.text = L"&Help"}};
  MenuItem contentsItem_{helpMenu_, {.text = L"Contents", .hotkeyText = L"F1", .accelerator = {FVIRTKEY, VK_F1, 0}}};
  MenuItem helpSeparator_{helpMenu_, {.text = L"-"}};
  MenuItem aboutItem_{helpMenu_, {.text = L"About..."}};

  CriteriaDialog* criteriaDialog_ = nullptr;  // made on first use
};

}  // namespace qrv
