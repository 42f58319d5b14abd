// The about face and every page of the preferences window (the views page with
// a new window for each list), the keyword dialog of each list, the dialog
// that asks before an update, and the reports of an update and an import.
#include <array>

#include "core/keyword_editing.h"
#include "core/keyword_file.h"
#include "prefs/preferences_window.h"
#include "prefs/update_dialog.h"
#include "prefs/web_service_update.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"
#include "tests/support/site_list_server.h"
#include "ui/app.h"
#include "ui/program_file.h"

namespace qrv::gallery {
namespace {

// A program that keeps nothing and answers with a few categories.
class QuietActions : public PreferencesActions {
 public:
  void ShowHelp(int) override {}
  void ClaimAssociation() override {}
  std::vector<std::string> CategoryNames() override { return {"Business", "Holiday", "Personal", "Phone Calls"}; }
  SaveContext SaveContextNow() const override { return {}; }
  bool StoreSettings(const SettingsWrite&) override { return true; }
  bool UpdateWebServices(Form&, std::vector<std::string>&, BarSettings&, bool, const BusyShown&) override {
    return false;
  }
  int ImportWebServiceFiles(Form&, const std::vector<std::wstring>&, std::vector<std::string>&) override { return 0; }
  void PreferencesClosed(bool) override { open = false; }
  bool open = true;
};

// The preferences window beside a bar, with the keywords a new installation has.
struct PreferencesSetting {
  explicit PreferencesSetting(UINT dpi) {
    AddIconPictures(images, 2);
    settings.folderState = 1;  // a new window for each list: the views page shows its choices
    window = &bar.CreateOwned<PreferencesWindow>(data, actions);
    Scale(*window, dpi);
    window->SetWindowRect(40, 106, window->WindowRect().right - window->WindowRect().left,
                          window->WindowRect().bottom - window->WindowRect().top);
    window->Show();
    Pump(60);
  }
  ~PreferencesSetting() {
    window->Close();
    Application::Get().RunUntil([this] { return !actions.open; });
    Pump(30);
  }
  KeywordFileBeside keywordFile;
  Form bar{FormArgs{.caption = L"bar", .clientSize = {40, 300}}};
  BarSettings settings;
  std::vector<std::string> keywords = LoadKeywordFiles(ProgramFolder(), {}).keywordList;
  std::vector<std::string> journalTypes{"Phone call", "Meeting", "E-mail message"};
  std::vector<std::string> icons{"VIDODU3", "1 Birthday=FFFF", "2 Call=0F0F"};
  bool noteFound = true;
  ImageList images{16, 16};
  PreferencesData data{settings, keywords, journalTypes, icons, noteFound, images, ProgramFolder()};
  QuietActions actions;
  PreferencesWindow* window = nullptr;
};

struct PageShown {
  PreferencesTab tab;
  const char* name;
  const char* title;
};
constexpr std::array<PageShown, 5> kPagesShown{{
    {PreferencesTab::kGeneral, "prefs-general", "Preferences: General"},
    {PreferencesTab::kButtons, "prefs-buttons", "Preferences: Buttons"},
    {PreferencesTab::kViews, "prefs-views", "Preferences: Views, a new window for each list"},
    {PreferencesTab::kInfoItem, "prefs-info-item", "Preferences: Info Item"},
    {PreferencesTab::kKeywords, "prefs-keywords", "Preferences: Keywords"},
}};

void PlayPages(const Viewer& viewer, UINT dpi) {
  PreferencesSetting setting(dpi);
  PreferencesWindow& window = *setting.window;
  Present(viewer, window.Handle(), "prefs-about", "About / Preferences: the about face");
  window.OpenPages();
  for (const PageShown& page : kPagesShown) {
    window.ShowTab(page.tab);
    Pump(40);
    Present(viewer, window.Handle(), page.name, page.title);
  }
}

struct ListShown {
  KeywordListKind kind;
  const char* name;
  const char* title;
};
constexpr std::array<ListShown, 4> kListsShown{{
    {KeywordListKind::kItems, "keyword-dialog-items", "Keyword dialog: an item keyword"},
    {KeywordListKind::kCategories, "keyword-dialog-categories", "Keyword dialog: a category keyword"},
    {KeywordListKind::kInternet, "keyword-dialog-internet", "Keyword dialog: a web service"},
    {KeywordListKind::kIcons, "keyword-dialog-icons", "Keyword dialog: an icon keyword"},
}};

// Each list's dialog as Modify opens it on the list's first record (Add on a list that has none).
void PlayKeywordDialogs(const Viewer& viewer, UINT dpi) {
  PreferencesSetting setting(dpi);
  PreferencesWindow& window = *setting.window;
  window.OpenPages(PreferencesTab::kKeywords);
  KeywordsPage& page = window.Keywords();
  for (const ListShown& list : kListsShown) {
    page.ShowList(list.kind);
    Pump(40);
    const bool empty = ListOf(page.Lists(), list.kind).empty();
    LookAtNextModal(viewer, OwnedBy(window.Handle()), list.name, list.title, dpi);
    SendMessageW((empty ? page.AddButton() : page.ModifyButton()).Handle(), BM_CLICK, 0, 0);
    Pump(40);
  }
}

void PlayUpdate(const Viewer& viewer, UINT dpi) {
  PreferencesSetting setting(dpi);
  PreferencesWindow& window = *setting.window;
  window.OpenPages(PreferencesTab::kKeywords);
  {
    UpdateDialog dialog(window);
    Scale(dialog, dpi);
    dialog.ShowSchedule(setting.settings);
    dialog.Show();
    Present(viewer, dialog.Handle(), "update-dialog", "Update dialog");
  }
  // A site list with a new web service and a newer program: the report, then the announcement.
  std::vector<std::string> services;
  {
    testing::SiteListServer server({"S=0{book}11<CB=Books!><D=!D><HINT=Finds books.>|https://books.example/?q=<QRV!>",
                                    "VER=99", "VERTEXT=Windows open faster."});
    SiteListPeers here;
    for (HttpSource& source : here.sources) source = {L"127.0.0.1", server.Port(), L"/qrv/sitelist.txt"};
    SetSiteListPeers(here);
    LookAtNextBox(viewer, "update-report", "Update: the report", IDOK,
                  [&] { LookAtNextBox(viewer, "update-new-version", "Update: a newer program announced", IDNO); });
    UpdateWebServices(window, services, setting.settings, true);
  }
  // No site-list host answers (nothing listens on this port of this machine).
  SiteListPeers nowhere;
  for (HttpSource& source : nowhere.sources) source = {L"127.0.0.1", 9, L"/qrv/sitelist.txt"};
  nowhere.httpTimeoutMs = 1000;
  nowhere.retryWaitsMs = {0, 0};
  SetSiteListPeers(nowhere);
  LookAtNextBox(viewer, "update-site-not-found", "Update: no site list found");
  UpdateWebServices(window, services, setting.settings, true);
  SetSiteListPeers({});
  LookAtNextBox(viewer, "import-report", "Import of web-service files: the report");
  ImportWebServiceFiles(window, {}, services);
}

}  // namespace

std::vector<Scene> PreferencesScenes() {
  return {{"Preferences", PlayPages}, {"Preferences", PlayKeywordDialogs}, {"Preferences", PlayUpdate}};
}

}  // namespace qrv::gallery
