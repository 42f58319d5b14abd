// The bar's preferences window in the real Quorvel.exe under Wine, worked with
// the mouse and the keyboard: opened from the bar's button and its menu, every
// page saved into the settings key and the keyword file, the keyword dialogs,
// and the web-service update against site-list servers on 127.0.0.1.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/keyword_editing.h"
#include "core/keyword_file.h"
#include "core/keyword_record.h"
#include "e2e_controls.h"
#include "e2e_support.h"
#include "program_folder.h"

namespace {

using e2e::Process;
using Records = std::vector<std::string>;

// Items of the bar menu by their place from its end.
constexpr int kPreferencesItem = 6;
constexpr int kKeywordsItem = 5;
constexpr int kUpdateItem = 3;

enum Page { kGeneral, kButtons, kViews, kInfoItem, kKeywords };

std::string Service(const char* caption, const char* url, const char* hint, bool custom = false) {
  return qrv::ServiceRecord({"K", caption, "", custom, hint, url});
}

const std::string kGoogle = Service("Google", "http://www.google.example/search?q=<QRV!>", "Searches.");
const std::string kMine = Service("Mine", "http://mine.example/<QRV!>", "My own.", true);

qrv::KeywordLists StartingLists() {
  qrv::KeywordLists lists;
  lists.itemKeywords = {"K=0{CALL}4", "K=1{MEET}3", "K=0{TODO}1"};
  lists.categoryKeywords = {"C=1{WORK}|{Work}"};
  lists.webServices = {kGoogle, kMine};
  return lists;
}

class BarPreferences : public ::testing::Test {
 protected:
  void SetUp() override {
    auto settings = e2e::DefaultSettings(L"2");
    settings[L"UPDATECHECK"] = L"1";
    e2e::ResetSettings(settings);
  }
  void TearDown() override { SetEnvironmentVariableW(L"QRV_SITE_LIST_PORTS", nullptr); }

  void StartBar(const qrv::KeywordLists& lists) {
    const std::string keywords = *qrv::KeywordFileBytes(lists);
    bar_ = Process::Start(folder_.CopyProgram(&keywords), L"");
    hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
    ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
  }
  qrv::KeywordLists Stored() const { return qrv::SplitKeywordList(folder_.Records("prefs-qrv.dat")); }
  Records FactoryItems() const { return qrv::SplitKeywordList(folder_.Records("prefs-qrv.bak")).itemKeywords; }

  // The bar's strip, once it stands collapsed again after its idle time.
  POINT Strip() const {
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 6; }, 5000)) << "the bar stays open";
    return {2, e2e::WindowRect(hwnd_).top + 100};
  }
  // The preferences button of the opened bar; the window's about face.
  HWND OpenFromButton() {
    const POINT strip = Strip();
    e2e::Click(strip.x, strip.y);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == 38; }, 3000)) << "the bar did not open";
    const RECT bar = e2e::WindowRect(hwnd_);
    e2e::Click(bar.left + 24, bar.top + 270);
    return e2e::WaitForTitled(bar_.Id(), L"About");
  }
  // An item of the bar menu, which a right click on the strip opens.
  void ChooseFromMenu(int placeFromEnd) {
    const POINT strip = Strip();
    e2e::Click(strip.x, strip.y, true);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindWindowOf(bar_.Id(), L"#32768") != nullptr; }, 3000)) << "no menu";
    for (int n = 0; n < placeFromEnd; ++n) e2e::PressKeys({VK_UP});
    e2e::PressKeys({VK_RETURN});
  }
  HWND OpenFromMenu(int placeFromEnd) {
    ChooseFromMenu(placeFromEnd);
    return e2e::WaitForTitled(bar_.Id(), L"About");
  }
  // The about face's Preferences button opens the pages.
  static void OpenPages(HWND prefs) {
    e2e::ClickControl(e2e::FindControl(prefs, L"Button", L"Preferences"));
    EXPECT_TRUE(e2e::WaitFor([&] { return !e2e::ControlsOf(prefs, L"SysTabControl32").empty(); }, 3000));
  }
  // The page's tab clicked, and a control of the page seen.
  static void ShowPage(HWND prefs, Page page) {
    static const std::pair<const wchar_t*, const wchar_t*> kOnPage[] = {
        {L"Button", L"Show Hints under mouse"},
        {L"Static", L"Note: Right clicking on the icon will show the pop-up menu..."},
        {L"Static",
         L"When viewing lists of items in Microsoft Outlook, like the Task List, Note List, Contact "
         L"List, or Calendar:"},
        {L"Button", L"Automatically detect category keywords"},
        {L"Button", L"Reset"}};
    e2e::ClickTab(e2e::ControlsOf(prefs, L"SysTabControl32").at(0), page);
    const auto& shown = kOnPage[page];
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindControl(prefs, shown.first, shown.second) != nullptr; }, 2000))
        << "page " << page << " did not show";
  }
  static void Press(HWND window, const wchar_t* button) {
    const HWND control = e2e::FindControl(window, L"Button", button);
    ASSERT_TRUE(control) << "no button " << testing::PrintToString(std::wstring(button));
    // A page just made may still be showing its buttons.
    e2e::WaitFor([&] { return IsWindowVisible(control) && IsWindowEnabled(control); }, 2000);
    e2e::ClickControl(control);
  }
  // OK or Cancel, and the window goes.
  static void Close(HWND prefs, const wchar_t* button) {
    Press(prefs, button);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(prefs); }, 3000)) << "the window stays";
  }
  // The keyword grid, once it shows: it may still be hidden just after its page showed.
  static HWND Grid(HWND prefs) {
    e2e::WaitFor([&] { return !e2e::ControlsOf(prefs, L"SysListView32").empty(); }, 2000);
    return e2e::ControlsOf(prefs, L"SysListView32").at(0);
  }
  static void ShowList(HWND prefs, const wchar_t* list) {
    e2e::ChooseEntry(e2e::ListOffering(prefs, L"Internet"), list);
  }
  static HWND HintsBox(HWND prefs) { return e2e::FindControl(prefs, L"Button", L"Show Hints under mouse"); }

  e2e::ProgramFolder folder_;
  Process bar_;  // closed before its folder goes
  HWND hwnd_ = nullptr;
};

TEST_F(BarPreferences, EveryPageIsSavedByOkShownAgainAndKeptByCancel) {
  StartBar(StartingLists());
  HWND prefs = OpenFromButton();
  ASSERT_TRUE(prefs) << "the bar's button opened no preferences";
  OpenPages(prefs);
  const bool hints = e2e::Checked(HintsBox(prefs));
  e2e::ClickControl(HintsBox(prefs));
  ShowPage(prefs, kButtons);
  e2e::ChooseEntry(e2e::ListOffering(prefs, L"New Meeting Request"), L"New Note");
  ShowPage(prefs, kViews);
  e2e::ChooseEntry(e2e::ListOffering(prefs, L"Open a new window for each list"), L"Open a new window for each list");
  ShowPage(prefs, kInfoItem);
  e2e::ChooseEntry(e2e::ListOffering(prefs, L"Appointment"), L"Task");
  ShowPage(prefs, kKeywords);
  e2e::ChooseRow(Grid(prefs), 1);
  Press(prefs, L"Move Up");
  Close(prefs, L"OK");

  const std::wstring hintsSaved = hints ? L"NO" : L"YES";
  EXPECT_EQ(e2e::ReadSetting(L"HINTS"), hintsSaved);
  EXPECT_EQ(e2e::ReadSetting(L"BUTTON2"), L"20,ON");  // the note in the first slot,
  EXPECT_EQ(e2e::ReadSetting(L"BUTTON1"), L"0,OFF");  // the task nowhere
  EXPECT_EQ(e2e::ReadSetting(L"FOLDERSTATE"), L"1");
  EXPECT_EQ(e2e::ReadSetting(L"ITEMTYPE"), L"1");
  EXPECT_EQ(e2e::ReadSetting(L"VERSION"), L"3.22");
  const Records moved{"K=1{MEET}3", "K=0{CALL}4", "K=0{TODO}1"};
  EXPECT_EQ(Stored().itemKeywords, moved);

  // From the menu the window shows what was saved; what Cancel drops stays unsaved.
  prefs = OpenFromMenu(kPreferencesItem);
  ASSERT_TRUE(prefs) << "the menu opened no preferences";
  OpenPages(prefs);
  EXPECT_EQ(e2e::Checked(HintsBox(prefs)), !hints);
  e2e::ClickControl(HintsBox(prefs));
  ShowPage(prefs, kButtons);
  const auto slots = e2e::ListsOffering(prefs, L"New Meeting Request");
  ASSERT_GE(slots.size(), 2u);
  EXPECT_EQ(e2e::ChosenEntry(slots[0]), L"New Note");
  EXPECT_EQ(e2e::ChosenEntry(slots[1]), L"None");
  ShowPage(prefs, kViews);
  EXPECT_EQ(e2e::ChosenEntry(e2e::ListOffering(prefs, L"Open a new window for each list")),
            L"Open a new window for each list");
  EXPECT_TRUE(e2e::FindControl(prefs, L"Button", L"the normal Outlook display mode"));
  ShowPage(prefs, kInfoItem);
  EXPECT_EQ(e2e::ChosenEntry(e2e::ListOffering(prefs, L"Appointment")), L"Task");
  ShowPage(prefs, kKeywords);
  EXPECT_EQ(e2e::RowCount(Grid(prefs)), 3);
  e2e::ChooseRow(Grid(prefs), 0);
  Press(prefs, L"Remove");
  EXPECT_EQ(e2e::RowCount(Grid(prefs)), 2);
  Close(prefs, L"Cancel");
  EXPECT_EQ(e2e::ReadSetting(L"HINTS"), hintsSaved);
  EXPECT_EQ(Stored().itemKeywords, moved);

  prefs = OpenFromMenu(kKeywordsItem);
  ASSERT_TRUE(prefs) << "the menu opened no keywords";
  EXPECT_EQ(e2e::RowCount(Grid(prefs)), 3);
  ShowPage(prefs, kGeneral);
  EXPECT_EQ(e2e::Checked(HintsBox(prefs)), !hints);
  Close(prefs, L"Cancel");
}

// The keyword dialog, filled in with the keyboard and its lists.
class KeywordDialog {
 public:
  // Opened with a button of the Keywords page.
  KeywordDialog(DWORD processId, HWND prefs, const wchar_t* button) {
    e2e::ClickControl(e2e::FindControl(prefs, L"Button", button));
    dialog_ = e2e::WaitForTitled(processId, L"Preferences");
    EXPECT_TRUE(dialog_) << "no keyword dialog";
  }
  // The edits from the top down: the keyword first, below a read-only site name for web services.
  HWND Edit(std::size_t n) const { return e2e::ControlsOf(dialog_, L"Edit").at(n); }
  void Type(std::size_t edit, const std::wstring& text) const { EXPECT_TRUE(e2e::TypeInto(Edit(edit), text)); }
  void Choose(const wchar_t* offered, const wchar_t* entry) const {
    e2e::ChooseEntry(e2e::ListOffering(dialog_, offered), entry);
  }
  void Ok() const {
    e2e::ClickControl(e2e::FindControl(dialog_, L"Button", L"OK"));
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(dialog_); }, 3000)) << "the dialog stays";
  }

 private:
  HWND dialog_ = nullptr;
};

TEST_F(BarPreferences, KeywordsOfEachKindAreAddedModifiedRemovedAndReset) {
  StartBar(StartingLists());
  const HWND prefs = OpenFromMenu(kKeywordsItem);
  ASSERT_TRUE(prefs) << "the menu opened no keywords";
  const HWND grid = Grid(prefs);
  ASSERT_EQ(e2e::RowCount(grid), 3);
  // Reset asks first: No keeps the items, Yes takes the factory's.
  for (const int answer : {IDNO, IDYES}) {
    Press(prefs, L"Reset");
    const HWND question = e2e::WaitForMessageBox(bar_.Id(), L"Warning");
    ASSERT_TRUE(question);
    EXPECT_EQ(e2e::MessageText(question),
              L"Are you sure you want to overwrite\r\nany changes you have made to the\r\nItems Keywords?");
    e2e::Answer(question, answer);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(question); }, 3000));
  }
  Records items = FactoryItems();
  ASSERT_GT(items.size(), 1u);
  EXPECT_EQ(e2e::RowCount(grid), static_cast<int>(items.size()));

  // An item keyword added, its type changed, and the first item removed.
  KeywordDialog add(bar_.Id(), prefs, L"Add...");
  add.Choose(L"Contains...", L"Contains...");
  add.Type(0, L"meet*");
  add.Choose(L"Task Item", L"Appointment Item");
  add.Ok();
  EXPECT_EQ(e2e::ChosenRow(grid), static_cast<int>(items.size()));
  KeywordDialog modify(bar_.Id(), prefs, L"Modify...");
  EXPECT_EQ(e2e::TextOf(modify.Edit(0)), L"meet*");
  modify.Choose(L"Task Item", L"Task Item");
  modify.Ok();
  e2e::ChooseRow(grid, 0);
  Press(prefs, L"Remove");
  items.erase(items.begin());
  items.push_back("K=1{MEET*}1");

  // A category keyword added in place of the one there was.
  ShowList(prefs, L"Categories");
  e2e::ChooseRow(grid, 0);
  Press(prefs, L"Remove");
  KeywordDialog category(bar_.Id(), prefs, L"Add...");
  category.Type(0, L"proj");
  category.Type(1, L"Projects");  // the category list's edit
  category.Ok();

  // A web service's keyword changed; the custom one removed.
  ShowList(prefs, L"Internet");
  e2e::ChooseRow(grid, 0);
  KeywordDialog service(bar_.Id(), prefs, L"Modify...");
  EXPECT_EQ(e2e::TextOf(service.Edit(0)), L"Google");
  service.Type(1, L"gg");
  service.Ok();
  e2e::ChooseRow(grid, 1);
  Press(prefs, L"Remove");
  EXPECT_EQ(e2e::RowCount(grid), 1);
  Close(prefs, L"OK");

  const qrv::KeywordLists stored = Stored();
  EXPECT_EQ(stored.itemKeywords, items);
  EXPECT_EQ(stored.categoryKeywords, Records{"C=1{PROJ}|{Projects}"});
  ASSERT_EQ(stored.webServices.size(), 1u);
  qrv::WebService google = qrv::ReadService(kGoogle);
  google.keyword = "gg";
  EXPECT_EQ(stored.webServices[0], qrv::ServiceRecord(google));
}

class BarPreferencesUpdate : public BarPreferences {
 protected:
  // The site list's hosts in turn: one that refuses, one that has no list, and the one that serves it.
  static std::wstring Ports() {
    std::ifstream ports(std::filesystem::path(QRV_PEERS_DIR) / "ports.txt");
    std::map<std::string, int> byName;
    std::string name;
    int port = 0;
    while (ports >> name >> port) byName[name] = port;
    return std::to_wstring(byName["refused"]) + L"," + std::to_wstring(byName["missing"]) + L"," +
           std::to_wstring(byName["files"]);
  }
  static void Publish(const std::string& body) {
    const auto folder = std::filesystem::path(QRV_PEERS_DIR) / "www" / "~qrv";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(qrv::WriteFileSafely(folder / "sitelist.txt", body));
  }
  // The update's question answered with Yes; the message that followed.
  std::wstring AnswerYes() {
    const HWND question = e2e::WaitForTitled(bar_.Id(), L"Update");
    EXPECT_TRUE(question) << "no update question";
    if (!question) return L"";
    Press(question, L"  Yes  ");
    HWND box = nullptr;
    EXPECT_TRUE(e2e::WaitFor([&] { return (box = e2e::FindMessageBox(bar_.Id(), L"Information")) != nullptr; }, 15000));
    std::wstring text = box ? e2e::MessageText(box) : L"";
    if (box) e2e::Answer(box, IDOK);
    return text;
  }
};

TEST_F(BarPreferencesUpdate, TheSiteListIsMergedAndABadAnswerLosesNothing) {
  const std::string gone = Service("Gone", "http://gone.example/<QRV!>", "Old.");
  const std::string google = Service("Google", "https://www.google.example/?q=<QRV!>", "Searches anew.");
  const std::string wiki = Service("Wiki", "https://wiki.example/<QRV!>", "Looks up.");
  Publish(qrv::EncipherLine(google) + "\r\n" + qrv::EncipherLine(wiki) + "\r\n");
  ASSERT_TRUE(SetEnvironmentVariableW(L"QRV_SITE_LIST_PORTS", Ports().c_str()));
  qrv::KeywordLists lists = StartingLists();
  lists.webServices = {kGoogle, gone, kMine};
  StartBar(lists);

  // From the bar menu: the question, the merge and its report; the window saves and closes by itself.
  ChooseFromMenu(kUpdateItem);
  EXPECT_EQ(AnswerYes(), L"Update complete." + std::wstring(22, L' ') +
                             L"\r\n\r\nNew sites: 1\r\nUpdated sites: 1\r\nOutdated sites: 1\r\nTotal sites: 3");
  EXPECT_TRUE(e2e::WaitFor([&] { return !e2e::FindTitled(bar_.Id(), L"About"); }, 3000));
  const Records merged{google, kMine, wiki};
  EXPECT_EQ(Stored().webServices, merged);
  EXPECT_NE(e2e::ReadSetting(L"LASTUPDATE"), L"1/1/2030");

  // A page that is no site list, from the Keywords page's button: nothing lost.
  Publish("<html><body><h1>200 OK</h1></body></html>");
  const HWND prefs = OpenFromMenu(kKeywordsItem);
  ASSERT_TRUE(prefs);
  ShowList(prefs, L"Internet");
  Press(prefs, L"Update");
  EXPECT_EQ(AnswerYes(),
            L"QRV Update site not found.\r\nIf you continue to experience this problem,\r\nplease contact the author.");
  EXPECT_EQ(e2e::RowCount(Grid(prefs)), 3);
  Close(prefs, L"OK");
  EXPECT_EQ(Stored().webServices, merged);
}

}  // namespace
