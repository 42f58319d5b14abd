// The web-services editor's window in the test process: a folder of its own
// for the user's files, the library's servers on 127.0.0.1, the file dialogs,
// message boxes and the shell answered by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "webeditor/editor_window.h"

namespace qrv {

// Reaches the window's parts as the user sees them.
struct EditorProbe {
  explicit EditorProbe(EditorWindow& window) : w(window) {}
  EditorWindow& w;
  Edit& Url() { return w.urlEdit_; }
  Edit& Keyword() { return w.keywordEdit_; }
  Edit& Title() { return w.titleEdit_; }
  Edit& Description() { return w.descriptionEdit_; }
  Button& TestButton() { return w.testButton_; }
  ListBox& Files() { return w.fileList_; }
  TreeView& Tree() { return w.libraryTree_; }
  std::wstring Status() { return w.statusBar_.Text(); }
  MenuItem& SaveItem() { return w.saveItem_; }
  MenuItem& InstallItem() { return w.installItem_; }
  MenuItem& UploadItem() { return w.uploadItem_; }
  MenuItem& OpenItem() { return w.openItem_; }
  MenuItem& TestItem() { return w.testItem_; }
  MenuItem& ResetItem() { return w.resetItem_; }
  void Choose(MenuItem& item) { item.onClick(); }
  void ShowPage(int page) { w.pages_.SetSelection(page, Notify::kYes); }
  void Fill(const std::wstring& keyword, const std::wstring& title, const std::wstring& description,
            const std::wstring& url);
};

struct ShellRequest {
  std::wstring file;
  std::wstring parameters;
};

class EditorTest : public ::testing::Test {
 public:
  static std::filesystem::path PeersFolder();

 protected:
  void SetUp() override;
  void TearDown() override;
  EditorWindow& Window() { return *window_; }
  EditorProbe Probe() { return EditorProbe(*window_); }
  // Peers on 127.0.0.1 with short waits: the library at `library`, the fallback at `fallback`.
  static LibraryPeers Peers(const char* library, const char* fallback, const char* ftpUser = "qrv");
  static int PeerPort(const char* name);
  // Makes a new window (as after a start) with these peers.
  void Open(const LibraryPeers& peers);
  // A web-service file written as the editor writes it.
  std::filesystem::path WriteServiceFile(const std::wstring& name, const std::string& record);

  std::filesystem::path folder_;  // the bar's folder, where the user's files are listed
  std::optional<std::filesystem::path> saveAnswer_;
  int saveAsked_ = 0;
  std::vector<std::optional<std::wstring>> criteriaAnswers_;

  static inline std::vector<ShellRequest> shell;
  static inline std::vector<std::wstring> messages;
  static inline DialogResult yesNoAnswer = DialogResult::kYes;  // to every yes-or-no question

 private:
  std::unique_ptr<EditorWindow> window_;
};

}  // namespace qrv
