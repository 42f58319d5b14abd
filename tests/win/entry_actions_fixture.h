// An Information Item window wired to the bar's actions, with the stand-in
// Outlook started afresh for each test and the stand-in Simple MAPI library
// of the application folder; the test answers the message boxes and the save
// dialog.
#pragma once

#include <fstream>
#include <sstream>

#include "bar/bar_data.h"
#include "entry/actions/item_actions.h"
#include "entry/open_entry.h"
#include "entry_test_support.h"
#include "standin_fixture.h"
#include "ui/wide.h"

namespace qrv::testing {

inline std::wstring TestFolder() {
  wchar_t self[MAX_PATH];
  const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\'));
}

// A file of the build's application folder, as Wine sees it.
inline std::wstring AppFile(const wchar_t* name) { return L"Z:" + Widen(QRV_APP_DIR) + L"/" + name; }

inline std::string ReadText(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits until a log file holds at least `lines` lines.
inline bool WaitForLine(const std::wstring& path, int lines) {
  for (int tries = 0; tries < 400; ++tries) {
    const std::string text = ReadText(path);
    if (std::count(text.begin(), text.end(), '\n') >= lines) return true;
    Pump(25);
  }
  return false;
}

class EntryActionsTest : public StandInTest {
 protected:
  void SetUp() override {
    StandInTest::SetUp();
    prompts = {};
    promptAnswer = DialogResult::kYes;
    SetPromptHandler(AnswerPrompt);
    if (!Application::Get().MainForm()) Application::Get().CreateForm<Form>(FormArgs{.caption = L"bar"});
    data_.settings.hints = false;
    data_.webServiceCaptions = {"Search"};
    data_.keywordList = {"W=1{FIND}<CB=Search!><D=news!D>|http://127.0.0.1/find?q=<QRV!>&d=<Y>-<MM>-<DD>"};
    mapiLog_ = Folder() + L"\\mapi.log";
    mapiConfig_ = Folder() + L"\\mapi.ini";
    SetEnvironmentVariableW(L"QRV_MAPI_LOG", mapiLog_.c_str());
    SetEnvironmentVariableW(L"QRV_MAPI_CONFIG", mapiConfig_.c_str());
    mapi_.Load(AppFile(L"mapi32.dll"), true);
    actions_.emplace(ItemActionsData{data_.settings, data_.keywordList, data_.webServiceCaptions, data_.categoryNames,
                                     data_.icons.noteFound},
                     outlook_, email_, clock_);
    actions_->notePlace = [] { return NotePlace{40, 100, 298}; };
    actions_->SetSaveNameChooser([this](HWND, const std::wstring& offered) -> std::optional<std::wstring> {
      offeredName_ = offered;
      if (chosenPath_.empty()) return std::nullopt;
      return chosenPath_;
    });
  }
  void TearDown() override {
    for (EntryWindow* window : live_) Application::Get().Release(*window);
    Pump(50);
    SetPromptHandler(nullptr);
    if (outlook_.Connected()) outlook_.Release();
    DeleteFileW(mapiLog_.c_str());
    DeleteFileW(mapiConfig_.c_str());
    StandInTest::TearDown();
  }

  std::wstring Folder() const { return Widen(FolderPath()); }
  void ConfigureMapi(const std::string& text) { std::ofstream(mapiConfig_.c_str(), std::ios::binary) << text; }
  std::string MapiLog() const { return ReadText(mapiLog_); }

  // A window of a type chosen by hand, its boxes filled as given.
  EntryWindow& Window(EntryType type, const std::wstring& subject, const std::wstring& to = L"",
                      const std::wstring& cc = L"") {
    if (!outlook_.Connected()) {
      EXPECT_TRUE(outlook_.Connect());
    }
    EntryWindow& window = OpenEntryWindow(
        entryData_, *actions_,
        {.barTop = 100,
         .listWindow = [](HWND) { return 1; },
         .unlistWindow = [this](HWND w) { std::erase_if(live_, [w](EntryWindow* e) { return e->Handle() == w; }); },
         .clock = &clock_});
    live_.push_back(&window);
    window.ChooseType(type);
    window.Header().Subject().SetPlainText(subject);
    if (!to.empty()) window.Header().Recipients().SetText(to, Notify::kYes);
    if (!cc.empty()) window.Header().Copies().SetText(cc);
    SetForegroundWindow(window.Handle());
    Pump(30);
    return window;
  }
  bool IsOpen(const EntryWindow* window) const { return std::find(live_.begin(), live_.end(), window) != live_.end(); }

  BarData data_;
  OutlookSession outlook_;
  SimpleMapi mapi_;
  Email email_{mapi_};
  FixedClock clock_;
  std::optional<ItemActions> actions_;
  EntryData entryData_{data_.settings,      data_.keywords,     data_.webServiceCaptions,
                       data_.categoryNames, data_.journalTypes, data_.icons.noteFound};
  std::vector<EntryWindow*> live_;
  std::wstring mapiLog_, mapiConfig_, chosenPath_, offeredName_;
};

}  // namespace qrv::testing
