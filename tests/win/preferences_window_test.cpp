// The preferences window on its own, with a program of the test's own behind
// it: files dropped on it and a save the registry refuses.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>

#include "prefs/preferences_window.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui_test_support.h"

namespace qrv::testing {
namespace {

class RecordingActions : public PreferencesActions {
 public:
  void ShowHelp(int) override {}
  void ClaimAssociation() override {}
  std::vector<std::string> CategoryNames() override { return {"Business"}; }
  SaveContext SaveContextNow() const override { return {}; }
  bool StoreSettings(const SettingsWrite& values) override {
    stored.push_back(values);
    return storeWorks;
  }
  bool UpdateWebServices(Form&, std::vector<std::string>&, BarSettings&, bool, const qrv::BusyShown&) override {
    return false;
  }
  int ImportWebServiceFiles(Form&, const std::vector<std::wstring>& paths,
                            std::vector<std::string>& services) override {
    imported.insert(imported.end(), paths.begin(), paths.end());
    services.push_back("S=0{new}11<CB=New!><D=!D><CUST=Y><HINT=!H>|http://n/<QRV!>");
    return 1;
  }
  void PreferencesClosed(bool) override { closed = true; }

  std::vector<SettingsWrite> stored;
  std::vector<std::wstring> imported;
  bool storeWorks = true;
  bool closed = false;
};

std::vector<std::wstring> gPrompts;
std::vector<std::wstring> gStarted;

class PreferencesWindowAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    gPrompts.clear();
    SetPromptHandler([](const std::wstring& text, MessageKind, MessageButtons) {
      gPrompts.push_back(text);
      return DialogResult::kOk;
    });
    folder_ = std::filesystem::temp_directory_path() / ("qrv-prefs-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder_);
    data_ = std::make_unique<PreferencesData>(
        PreferencesData{settings_, keywords_, journalTypes_, icons_, noteFound_, images_, folder_});
    window_ = &bar_.CreateOwned<PreferencesWindow>(*data_, actions_);
    window_->Show();
  }
  void TearDown() override {
    if (!actions_.closed) {
      window_->Close();
      Application::Get().RunUntil([&] { return actions_.closed; });
    }
    SetPromptHandler(nullptr);
    std::filesystem::remove_all(folder_);
  }
  std::wstring MakeFile(const wchar_t* name, std::size_t size) {
    std::ofstream(folder_ / name, std::ios::binary) << std::string(size, 'x');
    return (folder_ / name).wstring();
  }
  // OK, and the window closes.
  void AcceptAndWait() {
    window_->Accept();
    Application::Get().RunUntil([&] { return actions_.closed; });
  }
  Form bar_{FormArgs{.caption = L"bar", .clientSize = {40, 300}}};
  BarSettings settings_;
  std::vector<std::string> keywords_{"K=0{CALL}1"}, journalTypes_, icons_;
  bool noteFound_ = false;
  ImageList images_{16, 16};
  std::filesystem::path folder_;
  std::unique_ptr<PreferencesData> data_;
  RecordingActions actions_;
  PreferencesWindow* window_ = nullptr;
};

TEST_F(PreferencesWindowAlone, EveryDroppedNameReachesTheImportWhoseServicesTheWorkingListTakes) {
  // The import says what is wrong with a file; none is passed over unseen.
  const std::vector<std::wstring> dropped = {MakeFile(L"small.qrv", 300), MakeFile(L"large.qrv", 70000),
                                             folder_.wstring(), (folder_ / L"gone.qrv").wstring()};
  DropFiles(window_->Handle(), dropped);
  EXPECT_EQ(actions_.imported, dropped);
  // The pages opened on the web services, which now hold the import and are saved on OK.
  EXPECT_TRUE(window_->PagesShown());
  EXPECT_EQ(window_->Keywords().Shown(), KeywordListKind::kInternet);
  EXPECT_EQ(window_->Keywords().Grid().Count(), 1);
  AcceptAndWait();
  EXPECT_TRUE(std::filesystem::exists(folder_ / "prefs-qrv.dat"));
}

TEST_F(PreferencesWindowAlone, ASaveTheRegistryRefusesSaysSoAndKeepsTheWindowOpen) {
  window_->OpenPages();
  actions_.storeWorks = false;
  window_->Accept();
  Application::Get().ProcessMessages();
  ASSERT_EQ(gPrompts.size(), 1u);
  EXPECT_NE(gPrompts[0].find(L"settings could not be saved"), std::wstring::npos);
  EXPECT_FALSE(actions_.closed);
  EXPECT_TRUE(window_->Visible());
  actions_.storeWorks = true;
  AcceptAndWait();
  EXPECT_EQ(actions_.stored.size(), 2u);
  EXPECT_EQ(actions_.stored.back().front().first, "VERSION");
}

TEST_F(PreferencesWindowAlone, PagesAreMadeWhenFirstShownAndThoseNeverShownAreSavedAsLoaded) {
  // The about face holds no pages at all.
  EXPECT_EQ(FindWindowExW(window_->Handle(), nullptr, WC_TABCONTROLW, nullptr), nullptr);
  settings_.hints = false;
  settings_.programMode = ProgramMode::kTrayOnly;
  settings_.tab = true;
  settings_.folderState = 1;
  settings_.folderType = 1;
  settings_.minimizeTimeMs = 150000;
  journalTypes_ = {"Phone call", "Meeting"};
  settings_.journalType = "Meeting";
  window_->OpenPages(PreferencesTab::kKeywords);
  const auto made = [&](PreferencesTab tab) {
    return GetWindow(window_->Tabs().Page(static_cast<std::size_t>(tab)).Handle(), GW_CHILD) != nullptr;
  };
  EXPECT_TRUE(made(PreferencesTab::kKeywords));
  EXPECT_FALSE(made(PreferencesTab::kGeneral));
  EXPECT_FALSE(made(PreferencesTab::kInfoItem));
  // The General page, shown now, shows the settings; the user ticks hints on.
  window_->ShowTab(PreferencesTab::kGeneral);
  HWND hints = FindWindowExW(window_->Tabs().Page(0).Handle(), nullptr, L"Button", L"Show Hints under mouse");
  ASSERT_NE(hints, nullptr);
  EXPECT_EQ(SendMessageW(hints, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageW(hints, BM_CLICK, 0, 0);
  EXPECT_FALSE(made(PreferencesTab::kViews));
  AcceptAndWait();
  // Every setting is written: the pages never shown as they were loaded.
  PreferenceChoices expected = ChoicesFromSettings(settings_, journalTypes_);
  expected.hints = true;
  ASSERT_EQ(actions_.stored.size(), 1u);
  EXPECT_EQ(actions_.stored[0], SettingsToSave(expected, {}));
  EXPECT_EQ(expected.journalType, "Meeting");
  EXPECT_EQ(expected.idleUnit, IdleUnit::kMinutes);
}

TEST_F(PreferencesWindowAlone, AddingAWebServiceStartsTheEditorByItsFullPath) {
  gStarted.clear();
  SetProgramStartHandler([](const std::wstring& path) {
    gStarted.push_back(path);
    return true;
  });
  window_->ShowWebServices();
  window_->Keywords().AddButton().Click();
  SetProgramStartHandler(nullptr);
  EXPECT_EQ(gStarted, (std::vector<std::wstring>{(folder_ / L"QRVWebEditor.exe").wstring()}));
  EXPECT_EQ(window_->Keywords().Grid().Count(), 0);
}

TEST_F(PreferencesWindowAlone, AMovedRowStaysTheOneSelectedInViewAndIsSavedInItsPlaceAndAHiddenGridStaysHidden) {
  keywords_.clear();
  for (int n = 0; n < 60; ++n) keywords_.push_back("K=0{K" + std::to_string(n) + "}1");
  window_->OpenPages(PreferencesTab::kKeywords);
  KeywordsPage& page = window_->Keywords();
  HWND grid = page.Grid().Handle();
  page.Grid().SetSelection(0);
  for (int n = 0; n < 30; ++n) page.MoveDownButton().Click();
  page.MoveUpButton().Click();
  EXPECT_EQ(page.Grid().Selection(), 29);
  EXPECT_EQ(SendMessageW(grid, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  const auto top = static_cast<int>(SendMessageW(grid, LVM_GETTOPINDEX, 0, 0));
  EXPECT_TRUE(top <= 29 && 29 < top + static_cast<int>(SendMessageW(grid, LVM_GETCOUNTPERPAGE, 0, 0))) << top;
  EXPECT_EQ(page.Grid().CellText(29, 1), L"k0");
  // The last row taken away: the row before it is selected, in view.
  page.Grid().SetSelection(59);
  page.RemoveButton().Click();
  EXPECT_EQ(page.Grid().Count(), 59);
  EXPECT_EQ(page.Grid().Selection(), 58);
  EXPECT_EQ(SendMessageW(grid, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  // While an update hides the grid, the refill after it does not show it.
  page.SetGridShown(false);
  page.ServicesChanged();
  page.ShowList(KeywordListKind::kItems);
  EXPECT_FALSE(GetWindowLongPtrW(grid, GWL_STYLE) & WS_VISIBLE);
  page.SetGridShown(true);
  AcceptAndWait();
  std::ifstream saved(folder_ / "prefs-qrv.dat", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(saved, line);) lines.push_back(line);
  ASSERT_GE(lines.size(), 59u);
  EXPECT_EQ(lines[28], "K=0{K29}1\r");
  EXPECT_EQ(lines[29], "K=0{K0}1\r");
  EXPECT_EQ(lines[30], "K=0{K30}1\r");
  EXPECT_EQ(lines[58], "K=0{K58}1\r");
}

}  // namespace
}  // namespace qrv::testing
