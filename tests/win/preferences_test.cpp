// The preferences window with a real bar in the test process: opened from the
// bar's menu and button, its pages changed through their controls, saved to
// the settings key and the keyword file or dropped, and the keyword lists
// edited through the keyword dialog.
#include <deque>
#include <functional>

#include "bar_fixture.h"
#include "core/codepage.h"
#include "core/keyword_file.h"
#include "core/text.h"
#include "ui/program_file.h"
#include "ui_test_support.h"

namespace qrv::testing {
namespace {

const std::filesystem::path kKeywordFile = qrv::ProgramFolder() / std::string(kKeywordFileName);
const std::filesystem::path kFactoryFile = qrv::ProgramFolder() / std::string(kFactoryKeywordFileName);

const KeywordLists kUserLists{.itemKeywords = {"K=0{CALL}1", "K=1{MEET*}3"},
                              .categoryKeywords = {"C=1{HOME}|{Home}"},
                              .iconKeywords = {},
                              .webServices = {"S=0{map}11<CB=Maps!><D=Berlin!D><HINT=maps!H>|http://m/<QRV!>",
                                              "S=0{own}11<CB=Own!><D=!D><CUST=Y><HINT=mine!H>|http://o/<QRV!>"}};

// Direct children of a window of a class, in the order they were made.
std::vector<HWND> Children(HWND parent, const wchar_t* className, bool visibleOnly = false) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = L"";
    GetClassNameW(child, name, 64);
    if (_wcsicmp(name, className) == 0 && (!visibleOnly || IsWindowVisible(child))) found.push_back(child);
  }
  return found;
}

HWND ChildWithText(HWND parent, const wchar_t* text) { return FindWindowExW(parent, nullptr, nullptr, text); }

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// Chooses an entry of a combo box as the user does: the selection, then the notification.
void Choose(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

// What the user does in the next keyword dialogs, in turn.
std::deque<std::function<void(HWND)>> gDialogSteps;
UINT_PTR gDialogTimer = 0;

HWND ShownKeywordDialog() {
  return FindThreadWindow([](HWND window) {
    wchar_t caption[64] = L"";
    GetWindowTextW(window, caption, 64);
    return std::wstring(caption) == L"Preferences" && IsWindowEnabled(window);
  });
}

void CALLBACK AnswerKeywordDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (gDialogSteps.empty()) return;
  HWND dialog = ShownKeywordDialog();
  if (!dialog) return;
  auto step = std::move(gDialogSteps.front());
  gDialogSteps.pop_front();
  step(dialog);
}

// The dialog's keyword edit: the first shown one the user may type in.
HWND KeywordEdit(HWND dialog) {
  for (HWND edit : Children(dialog, L"Edit", true))
    if (!(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY)) return edit;
  return nullptr;
}

// Types a keyword, chooses entries of the shown lists and presses a button.
std::function<void(HWND)> Fill(const std::wstring& keyword, const std::vector<int>& choices,
                               const wchar_t* button = L"OK") {
  return [=](HWND dialog) {
    SetWindowTextW(KeywordEdit(dialog), keyword.c_str());
    const auto combos = Children(dialog, L"ComboBox", true);
    for (std::size_t n = 0; n < choices.size() && n < combos.size(); ++n) Choose(combos[n], choices[n]);
    Click(ChildWithText(dialog, button));
  };
}

class Preferences : public BarTest {
 protected:
  void SetUp() override {
    BarTest::SetUp();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    savedFile_ = ReadFileBytes(kKeywordFile, 1 << 24);
    ASSERT_TRUE(SaveKeywordFile(qrv::ProgramFolder(), kUserLists));
    gDialogSteps.clear();
    gDialogTimer = SetTimer(nullptr, 0, 30, AnswerKeywordDialog);
    bar_->StartUp();
  }
  void TearDown() override {
    KillTimer(nullptr, gDialogTimer);
    BarTest::TearDown();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    if (savedFile_) {
      WriteFileSafely(kKeywordFile, *savedFile_);
    } else {
      std::filesystem::remove(kKeywordFile);
    }
  }

  PreferencesWindow& Open(PreferencePage page) {
    bar_->Preferences().Show(page);
    EXPECT_NE(bar_->Preferences().Window(), nullptr);
    return *bar_->Preferences().Window();
  }
  // Shows a page, as a click on its tab does, and answers its window.
  HWND Page(PreferencesTab tab) {
    bar_->Preferences().Window()->ShowTab(tab);
    return bar_->Preferences().Window()->Tabs().Page(static_cast<std::size_t>(tab)).Handle();
  }
  // Presses a button of the window and lets it close.
  void Finish(Button& button) {
    button.Click();
    Application::Get().RunUntil([&] { return bar_->Preferences().Window() == nullptr; });
  }
  std::vector<std::string> KeywordFileLines() const { return PlainLines(ReadFileBytes(kKeywordFile, 1 << 24).value()); }

  std::optional<std::string> savedFile_;
};

TEST_F(Preferences, OpenOneAtATimeBesideTheBarFromTheMenuAndTheButtonAndGoWhenClosed) {
  PreferencesWindow& about = Open(PreferencePage::kGeneral);
  EXPECT_TRUE(about.Visible());
  EXPECT_FALSE(about.PagesShown());
  EXPECT_EQ(about.WindowRect().left, 40);
  EXPECT_EQ(about.WindowRect().top, bar_->WindowRect().top);
  EXPECT_TRUE(bar_->Preferences().WindowOpen());
  // "Keywords..." on the open about face opens the pages there; the same window.
  EXPECT_EQ(&Open(PreferencePage::kKeywords), &about);
  EXPECT_TRUE(about.PagesShown());
  EXPECT_EQ(about.Tabs().Selection(), static_cast<int>(PreferencesTab::kKeywords));
  EXPECT_FALSE(about.PrefsButton().Visible());
  EXPECT_FALSE(bar_->Preferences().UpdateCheckRunning());
  Finish(about.CancelButton());
  EXPECT_FALSE(bar_->Preferences().WindowOpen());
  EXPECT_TRUE(bar_->Preferences().UpdateCheckRunning());
  // The about face's Preferences button opens the pages on General.
  PreferencesWindow& again = Open(PreferencePage::kGeneral);
  again.PrefsButton().Click();
  EXPECT_EQ(again.Tabs().Selection(), static_cast<int>(PreferencesTab::kGeneral));
  Finish(again.OkButton());
  EXPECT_EQ(ReadSetting("VERSION"), "3.22");
}

// On a screen of 144 DPI the window opens right of the open bar (57 pixels wide
// there) and in front, but only the bar stays on top of other programs.
TEST_F(Preferences, OpenRightOfTheOpenBarAtAnyDpiInFrontButNotOnTopOfOtherPrograms) {
  bar_->ApplyDpi(144);
  bar_->Show();
  PreferencesWindow& about = Open(PreferencePage::kGeneral);
  Pump(60);
  EXPECT_EQ(about.WindowRect().left, 60);
  EXPECT_GE(about.WindowRect().left, bar_->WindowRect().right);
  EXPECT_EQ(GetForegroundWindow(), about.Handle());
  EXPECT_FALSE(GetWindowLongPtrW(about.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongPtrW(bar_->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  Finish(about.CancelButton());
}

TEST_F(Preferences, ChangesOnEveryPageAreStoredOnOkReadByTheBarAndShownOnReopening) {
  PreferencesWindow& prefs = Open(PreferencePage::kGeneral);
  prefs.OpenPages();
  Click(ChildWithText(Page(PreferencesTab::kGeneral), L"Show Hints under mouse"));
  // "New Note" chosen for the third slot leaves the second, where it stood.
  const auto combos = Children(Page(PreferencesTab::kButtons), L"ComboBox");  // slots 1..6, then the extra slot
  Choose(combos[2], 1);
  EXPECT_EQ(SendMessageW(combos[1], CB_GETCURSEL, 0, 0), kEmptySlot);
  // Walking the fourth slot's list with the arrow keys and back to its own
  // button leaves every other slot as it was.
  std::vector<LRESULT> before;
  for (HWND combo : combos) before.push_back(SendMessageW(combo, CB_GETCURSEL, 0, 0));
  for (int entry = 0; entry < kEmptySlot; ++entry) Choose(combos[3], entry);
  Choose(combos[3], static_cast<int>(before[3]));
  for (std::size_t n = 0; n < combos.size(); ++n)
    EXPECT_EQ(SendMessageW(combos[n], CB_GETCURSEL, 0, 0), before[n]) << n;
  Click(Children(Page(PreferencesTab::kButtons), L"Button")[2]);  // the third slot's categories box
  Choose(Children(Page(PreferencesTab::kViews), L"ComboBox")[0], 1);
  Click(ChildWithText(Page(PreferencesTab::kViews), L"without the Outlook Bar on the side (List w/Options)"));
  Click(ChildWithText(Page(PreferencesTab::kInfoItem),
                      L"TAB key inserts a TAB in the body, instead of adv. to next field"));
  Choose(Children(Page(PreferencesTab::kInfoItem), L"ComboBox")[0], 1);  // a timed item is a task
  gDialogSteps.push_back(Fill(L"lunch", {1, 2}));                        // contains, appointment
  prefs.Keywords().AddButton().Click();
  Finish(prefs.OkButton());

  EXPECT_EQ(ReadSetting("HINTS"), "NO");
  EXPECT_EQ(ReadSetting("BUTTON2"), "88,ON");
  EXPECT_EQ(ReadSetting("CATEGORY3"), "2");
  EXPECT_EQ(ReadSetting("BUTTON1"), "20,ON");
  EXPECT_EQ(ReadSetting("FOLDERSTATE"), "1");
  EXPECT_EQ(ReadSetting("FOLDERTYPE"), "1");
  EXPECT_EQ(ReadSetting("TAB"), "YES");
  EXPECT_EQ(ReadSetting("ITEMTYPE"), "1");
  EXPECT_EQ(ReadSetting("PATH"), AsciiLower(qrv::Narrow(qrv::ProgramFolder().wstring())) + "\\");
  const auto lines = KeywordFileLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "K=1{LUNCH}3"), lines.end());
  // The bar read what was saved.
  EXPECT_FALSE(parts_.data.settings.hints);
  EXPECT_EQ(parts_.data.settings.itemType, EntryType::kTask);
  EXPECT_NE(std::find(parts_.data.keywordList.begin(), parts_.data.keywordList.end(), "K=1{LUNCH}3"),
            parts_.data.keywordList.end());

  PreferencesWindow& reopened = Open(PreferencePage::kKeywords);
  EXPECT_EQ(SendMessageW(ChildWithText(Page(PreferencesTab::kGeneral), L"Show Hints under mouse"), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);
  EXPECT_EQ(reopened.Keywords().Grid().Count(), 3);
  EXPECT_EQ(reopened.Keywords().Grid().CellText(2, 1), L"lunch");
  Finish(reopened.CancelButton());
}

TEST_F(Preferences, CancelKeepsTheSettingsAndTheKeywordFileAsTheyWere) {
  const auto before = ReadFileBytes(kKeywordFile, 1 << 24);
  PreferencesWindow& prefs = Open(PreferencePage::kKeywords);
  Click(ChildWithText(Page(PreferencesTab::kGeneral), L"Show Hints under mouse"));
  prefs.Keywords().Grid().SetSelection(0);
  prefs.Keywords().RemoveButton().Click();
  EXPECT_EQ(prefs.Keywords().Grid().Count(), 1);
  // OK is a toolbar button: pressed and let go off it, it leaves the focus in
  // the list, where Esc still cancels.
  HWND grid = prefs.Keywords().Grid().Handle(), ok = prefs.OkButton().Handle();
  SetForegroundWindow(prefs.Handle());
  SetFocus(grid);
  SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
  EXPECT_EQ(GetFocus(), grid);
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  Application::Get().RunUntil([&] { return bar_->Preferences().Window() == nullptr; });
  EXPECT_EQ(ReadSetting("HINTS"), "");
  EXPECT_EQ(ReadFileBytes(kKeywordFile, 1 << 24), before);
  EXPECT_TRUE(parts_.data.settings.hints);
}

TEST_F(Preferences, KeywordsOfEachKindAreAddedModifiedAndRemovedAndDamagingFieldsRefused) {
  parts_.data.icons.definitions = {"icons", "1 Flag=00FF", "2 Phone=FF00"};
  parts_.data.icons.noteFound = true;
  PreferencesWindow& prefs = Open(PreferencePage::kKeywords);
  KeywordsPage& page = prefs.Keywords();
  // Items: modify the first to "Contains ring / Note", then remove the second.
  page.Grid().SetSelection(0);
  gDialogSteps.push_back(Fill(L"ring", {1, 1}));
  page.ModifyButton().Click();
  EXPECT_EQ(page.Lists().itemKeywords[0], "K=1{RING}2");
  EXPECT_EQ(page.Grid().CellText(0, 2), L"Note");
  page.Grid().SetSelection(1);
  page.RemoveButton().Click();
  EXPECT_EQ(page.Lists().itemKeywords, (std::vector<std::string>{"K=1{RING}2"}));
  // Add opens the dialog afresh each time, whatever the last opening left in it.
  const auto fresh = [](HWND dialog) {
    HWND edit = KeywordEdit(dialog);
    EXPECT_EQ(GetWindowTextLengthW(edit), 0);
    EXPECT_EQ(GetFocus(), edit);
    for (HWND combo : Children(dialog, L"ComboBox", true)) EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    SetFocus(ChildWithText(dialog, L"OK"));
    Click(ChildWithText(dialog, L"Cancel"));
  };
  for (int n = 0; n < 2; ++n) {
    gDialogSteps.push_back(fresh);
    page.AddButton().Click();
  }
  // Categories: an empty category is refused with a message, then given.
  page.ShowList(KeywordListKind::kCategories);
  gDialogSteps.push_back([](HWND dialog) {
    SetWindowTextW(KeywordEdit(dialog), L"gift");
    Click(ChildWithText(dialog, L"OK"));
  });
  gDialogSteps.push_back([](HWND dialog) {
    SetWindowTextW(Children(dialog, L"ComboBox", true)[0], L"Gifts");
    Click(ChildWithText(dialog, L"OK"));
  });
  page.AddButton().Click();
  ASSERT_FALSE(Prompts().empty());
  EXPECT_EQ(Prompts().back().text, L"A category cannot be empty.");
  EXPECT_EQ(page.Lists().categoryKeywords.back(), "C=1{GIFT}|{Gifts}");
  // A keyword holding a record's bracket is refused too; Cancel then keeps the list.
  // So is one the system's code page cannot hold, by its name, as the save would.
  gDialogSteps.push_back(Fill(L"a}b", {}));
  gDialogSteps.push_back(Fill(L"\u03A9mega", {}));
  gDialogSteps.push_back(Fill(L"", {}, L"Cancel"));
  page.Grid().SetSelection(0);
  page.ModifyButton().Click();
  ASSERT_GE(Prompts().size(), 2u);
  EXPECT_EQ(Prompts()[Prompts().size() - 2].text, L"A keyword cannot hold \"}\".");
  EXPECT_EQ(Prompts().back().text, Widen(UnheldCharacterMessage("\u03A9")));
  EXPECT_EQ(page.Lists().categoryKeywords.front(), "C=1{HOME}|{Home}");
  // Icons: offered as the note has them.
  page.ShowList(KeywordListKind::kIcons);
  gDialogSteps.push_back(Fill(L"phone", {1}));
  page.AddButton().Click();
  EXPECT_EQ(page.Lists().iconKeywords, (std::vector<std::string>{"I=1{PHONE}B"}));
  EXPECT_EQ(page.Grid().CellText(0, 2), L"Phone");
  // Web services: a shipped one may change its keyword and criteria but not go.
  page.ShowList(KeywordListKind::kInternet);
  page.Grid().SetSelection(0);
  EXPECT_FALSE(page.RemoveButton().Enabled());
  gDialogSteps.push_back(Fill(L"Karte", {}));
  page.ModifyButton().Click();
  EXPECT_EQ(page.Lists().webServices[0], "S=0{Karte}11<CB=Maps!><D=Berlin!D><HINT=maps!H>|http://m/<QRV!>");
  EXPECT_EQ(page.Grid().CellText(0, 0), L"KARTE");
  page.Grid().SetSelection(1);
  page.RemoveButton().Click();
  EXPECT_EQ(page.Lists().webServices.size(), 1u);
  Finish(prefs.OkButton());
  const auto lines = KeywordFileLines();
  EXPECT_EQ(lines, (std::vector<std::string>{"K=1{RING}2", "C=1{HOME}|{Home}", "C=1{GIFT}|{Gifts}", "I=1{PHONE}B",
                                             "S=0{Karte}11<CB=Maps!><D=Berlin!D><HINT=maps!H>|http://m/<QRV!>"}));
}

TEST_F(Preferences, ResetWorksOnTheWindowsOwnListAndCancelKeepsTheUsersKeywords) {
  const bool hadFactory = std::filesystem::exists(kFactoryFile);
  if (!hadFactory) std::filesystem::copy_file(QRV_FACTORY_KEYWORD_FILE, kFactoryFile);
  const auto before = ReadFileBytes(kKeywordFile, 1 << 24);
  const std::vector<std::string> userList = parts_.data.keywordList;
  PreferencesWindow& prefs = Open(PreferencePage::kKeywords);
  PromptAnswer() = DialogResult::kYes;
  prefs.Keywords().ResetButton().Click();
  EXPECT_EQ(Prompts().back().text,
            L"Are you sure you want to overwrite\r\nany changes you have made to the\r\nItems Keywords?");
  EXPECT_GT(prefs.Keywords().Grid().Count(), 3);
  EXPECT_EQ(prefs.Keywords().Lists().webServices, kUserLists.webServices);
  // The bar's own list, which Information Item windows read, is the user's still.
  EXPECT_EQ(parts_.data.keywordList, userList);
  Finish(prefs.CancelButton());
  EXPECT_EQ(ReadFileBytes(kKeywordFile, 1 << 24), before);
  PreferencesWindow& reopened = Open(PreferencePage::kKeywords);
  EXPECT_EQ(reopened.Keywords().Lists().itemKeywords, kUserLists.itemKeywords);
  Finish(reopened.OkButton());
  EXPECT_EQ(KeywordFileLines(), PlainLines(*before));
  if (!hadFactory) std::filesystem::remove(kFactoryFile);
}

TEST_F(Preferences, AnUpdateTheBarStartsStoresOnlyItsOwnValuesAndLeavesOpenPagesAsTheyAre) {
  // The update asks first; the user answers No each time, so no site is asked.
  const UINT_PTR answerNo = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = FindWindowW(nullptr, L"Update");
    if (dialog && IsWindowVisible(dialog)) PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  });
  // With no window open it stores the update's values alone and closes.
  bar_->Preferences().Show(PreferencePage::kUpdate);
  Application::Get().RunUntil([&] { return bar_->Preferences().Window() == nullptr; });
  EXPECT_EQ(ReadSetting("UPDATECHECK"), "1");
  EXPECT_EQ(ReadSetting("UPDATETIME"), "7");
  EXPECT_EQ(ReadSetting("HINTS"), "");
  EXPECT_EQ(ReadSetting("MINIMIZETIME"), "");
  EXPECT_TRUE(bar_->Preferences().UpdateCheckRunning());
  // Pages the user is editing stay open with the edits.
  PreferencesWindow& prefs = Open(PreferencePage::kKeywords);
  prefs.Keywords().Grid().SetSelection(0);
  prefs.Keywords().RemoveButton().Click();
  bar_->Preferences().Show(PreferencePage::kUpdate);
  bar_->Preferences().Show(PreferencePage::kKeywords);
  Application::Get().ProcessMessages();
  ASSERT_EQ(bar_->Preferences().Window(), &prefs);
  EXPECT_EQ(prefs.Keywords().Lists().itemKeywords.size(), 1u);
  Finish(prefs.OkButton());
  EXPECT_EQ(parts_.data.keywordList.front(), "K=1{MEET*}3");
  KillTimer(nullptr, answerNo);
}

// An Information Item window opened from the bar lists the categories the
// settings read had cleared, and its "Key" button opens the keyword pages.
TEST_F(Preferences, TheInformationItemWindowListsTheCategoriesAndOpensTheKeywords) {
  // The program's main form is the bar: closing the window ends only the window.
  if (!Application::Get().MainForm()) Application::Get().CreateForm<Form>(FormArgs{.caption = L"main"});
  for (const MenuItem* item : bar_->Menu().Popup().Items())
    if (item->text == L"New Information Item") item->onClick();
  Pump(100);
  const HWND entry = FindThreadWindow([](HWND w) { return FindWindowExW(w, nullptr, L"Button", L"Key") != nullptr; });
  ASSERT_NE(entry, nullptr);
  // The category panel, made as it is first shown, lists them.
  SendMessageW(FindWindowExW(entry, nullptr, L"Button", L"C"), BM_CLICK, 0, 0);
  const HWND list = ChildOf(entry, L"ListBox");
  ASSERT_NE(list, nullptr);
  EXPECT_GT(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
  SendMessageW(FindWindowExW(entry, nullptr, L"Button", L"Key"), BM_CLICK, 0, 0);
  Pump(100);
  ASSERT_NE(bar_->Preferences().Window(), nullptr);
  EXPECT_TRUE(bar_->Preferences().Window()->PagesShown());
  EXPECT_EQ(bar_->Preferences().Window()->Tabs().Selection(), static_cast<int>(PreferencesTab::kKeywords));
  Finish(bar_->Preferences().Window()->CancelButton());
  PostMessageW(entry, WM_CLOSE, 0, 0);
  for (int i = 0; i < 100 && IsWindow(entry); ++i) Pump(20);
  EXPECT_FALSE(IsWindow(entry));
}

}  // namespace
}  // namespace qrv::testing
