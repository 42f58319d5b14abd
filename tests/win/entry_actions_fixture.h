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
    data.settings.hints = false;
    data.webServiceCaptions = {"Search"};
    data.keywordList = {"W=1{FIND}<CB=Search!><D=news!D>|http://127.0.0.1/find?q=<QRV!>&d=<Y>-<MM>-<DD>"};
    mapiLog = Folder() + L"\\mapi.log";
    mapiConfig = Folder() + L"\\mapi.ini";
    SetEnvironmentVariableW(L"QRV_MAPI_LOG", mapiLog.c_str());
    SetEnvironmentVariableW(L"QRV_MAPI_CONFIG", mapiConfig.c_str());
    mapi.Load(AppFile(L"mapi32.dll"), true);
    actions.emplace(ItemActionsData{data.settings, data.keywordList, data.webServiceCaptions, data.categoryNames,
                                    data.icons.noteFound},
                    outlook, email, clock);
    actions->notePlace = [] { return NotePlace{40, 100, 298}; };
    actions->SetSaveNameChooser([this](HWND, const std::wstring& offered) -> std::optional<std::wstring> {
      offeredName = offered;
      if (chosenPath.empty()) return std::nullopt;
      return chosenPath;
    });
  }
  void TearDown() override {
    for (EntryWindow* window : live) Application::Get().Release(*window);
    Pump(50);
    SetPromptHandler(nullptr);
    if (outlook.Connected()) outlook.Release();
    DeleteFileW(mapiLog.c_str());
    DeleteFileW(mapiConfig.c_str());
    StandInTest::TearDown();
  }

  std::wstring Folder() const { return Widen(FolderPath()); }
  void ConfigureMapi(const std::string& text) { std::ofstream(mapiConfig.c_str(), std::ios::binary) << text; }
  std::string MapiLog() const { return ReadText(mapiLog); }

  // A window of a type chosen by hand, its boxes filled as given.
  EntryWindow& Window(EntryType type, const std::wstring& subject, const std::wstring& to = L"",
                      const std::wstring& cc = L"") {
    if (!outlook.Connected()) {
      EXPECT_TRUE(outlook.Connect());
    }
    EntryWindow& window = OpenEntryWindow(
        entryData, *actions,
        {.barTop = 100,
         .listWindow = [](HWND) { return 1; },
         .unlistWindow = [this](HWND w) { std::erase_if(live, [w](EntryWindow* e) { return e->Handle() == w; }); },
         .clock = &clock});
    live.push_back(&window);
    window.ChooseType(type);
    window.SetSubject(subject);
    if (!to.empty()) window.SetRecipients(to);
    if (!cc.empty()) window.SetCopies(cc);
    SetForegroundWindow(window.Handle());
    Pump(30);
    return window;
  }
  bool IsOpen(const EntryWindow* window) const { return std::find(live.begin(), live.end(), window) != live.end(); }

  BarData data;
  OutlookSession outlook;
  SimpleMapi mapi;
  Email email{mapi};
  FixedClock clock;
  std::optional<ItemActions> actions;
  EntryData entryData{data.settings,      data.keywords,     data.webServiceCaptions,
                      data.categoryNames, data.journalTypes, data.icons.noteFound};
  std::vector<EntryWindow*> live;
  std::wstring mapiLog, mapiConfig, chosenPath, offeredName;
};

}  // namespace qrv::testing
