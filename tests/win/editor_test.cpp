// The editor's window: the entry's states, saving and opening, the field
// checks, installing into the bar, testing the URL and dropped files.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "editor_fixture.h"
#include "ui_test_support.h"

namespace qrv {
namespace {

WebService Saved(const std::filesystem::path& file) {
  return ServiceInFile(ReadFileBytes(file, kMaxServiceFileBytes).value_or("")).value_or(WebService{});
}

TEST_F(EditorTest, TypingSavingAndResettingMoveTheCommandsAsTheEntryStands) {
  auto probe = Probe();
  EXPECT_FALSE(probe.SaveItem().enabled);
  // Real keys make the entry modified; Upload waits for a save.
  probe.Url().Focus();
  testing::PressKeys({'W', 'X'});
  EXPECT_EQ(probe.Status(), L"Entry has been modified.");
  EXPECT_TRUE(probe.SaveItem().enabled);
  EXPECT_FALSE(probe.UploadItem().enabled);
  EXPECT_EQ(probe.InstallItem().text, L"Save && Install Web Service to QRV");
  EXPECT_TRUE(probe.TestButton().Enabled());
  // A paste counts as typing; the program's own changes do not.
  probe.Choose(probe.ResetItem());
  messages.clear();  // the question before the typed entry goes
  EXPECT_FALSE(probe.TestButton().Enabled());
  probe.Title().SetText(L"quiet");
  EXPECT_FALSE(probe.SaveItem().enabled);
  SendMessageW(probe.Title().Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" pasted"));
  EXPECT_TRUE(probe.SaveItem().enabled);

  // A field that would break the record is refused by name before any dialog.
  probe.Fill(L"bo|ok", L"Books", L"Finds books.\r\nType book and a title.", L"b.org/?q=*&n=*");
  probe.Choose(probe.SaveItem());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(L"\"Quorvel Keyword\""), std::wstring::npos) << messages[0];
  EXPECT_EQ(saveAsked_, 0);
  // Ctrl+S saves through the menu bar; ".qrv" is added to the name.
  probe.Keyword().SetText(L"book", Notify::kYes);
  saveAnswer_ = folder_ / L"books";
  testing::PressKeys({'S'}, VK_CONTROL);
  ASSERT_EQ(saveAsked_, 1);
  EXPECT_EQ(probe.Status(), L"File saved.");
  EXPECT_TRUE(probe.UploadItem().enabled);
  EXPECT_EQ(probe.InstallItem().text, L"Install Web Service to QRV");
  const WebService saved = Saved(folder_ / L"books.qrv");
  EXPECT_EQ(saved.hint, "Finds books.\r\nType book and a title.");
  EXPECT_EQ(saved.url, "http://b.org/?q=<QRV!>&n=*");
  EXPECT_EQ(probe.Url().Text(), L"http://b.org/?q=<QRV!>&n=*");
  EXPECT_EQ(probe.Files().Items(), std::vector<std::wstring>{L"books.qrv"});
}

// A box speaks for the editor's window: it belongs to it, and once a key has
// answered it the window is active again with the focus in the field it was
// in, so that the next keys go on into that field.
TEST_F(EditorTest, AfterABoxAnsweredByAKeyTheNextKeysGoOnIntoTheField) {
  auto probe = Probe();
  probe.Fill(L"bo|ok", L"Books", L"Finds books.", L"b.org/?q=*");
  probe.Title().Focus();
  SendMessageW(probe.Title().Handle(), EM_SETSEL, 5, 5);
  SetPromptHandler(nullptr);
  testing::AnswerNextBoxByKey(VK_RETURN);
  probe.Choose(probe.SaveItem());  // the keyword is refused
  testing::Pump(60);
  EXPECT_EQ(testing::answeredBox.owner, Window().Handle());
  EXPECT_EQ(GetForegroundWindow(), Window().Handle());
  EXPECT_EQ(GetFocus(), probe.Title().Handle());
  testing::TypeCharacter(L's');
  testing::Pump(60);
  EXPECT_EQ(probe.Title().Text(), L"Bookss");
}

TEST_F(EditorTest, OpeningShowsTheRecordAndSavingKeepsItsMarkersAndStars) {
  const std::string tricky = "S=0{x}11<CB=X!><D=!D><CUST=Y><HINT=!H>|https://x.org/a*b?q=<QRV!>&r=<QRV!>";
  WriteServiceFile(L"b.qrv", tricky);
  WriteServiceFile(L"A.qrv", "S=0{book}11<CB=Books!><D=!D><CUST=Y><HINT=Two\r\nlines!H>|https://b.org/?q=<QRV!>");
  Open(Peers("files", "files"));  // lists the files anew
  auto probe = Probe();
  EXPECT_EQ(probe.Files().Items(), (std::vector<std::wstring>{L"A.qrv", L"b.qrv"}));
  probe.Files().SetSelected(0, true, Notify::kYes);
  EXPECT_EQ(probe.Description().Text(), L"Two\r\nlines");
  EXPECT_EQ(probe.Url().Text(), L"https://b.org/?q=*");
  EXPECT_TRUE(probe.UploadItem().enabled);
  probe.Files().SetSelected(1, true, Notify::kYes);
  EXPECT_EQ(probe.Url().Text(), L"https://x.org/a*b?q=<QRV!>&r=<QRV!>");
  saveAnswer_ = folder_ / L"again.qrv";
  probe.Choose(probe.SaveItem());
  EXPECT_EQ(Saved(folder_ / L"again.qrv").url, "https://x.org/a*b?q=<QRV!>&r=<QRV!>");

  // A file that holds no record empties the fields; one that cannot be read is reported.
  ASSERT_TRUE(WriteFileSafely(folder_ / L"junk.qrv", EncipherLine("K=0{CALL}1") + "\r\n"));
  for (const wchar_t* name : {L"junk.qrv", L"gone.qrv"}) {
    Window().chooseOpenFile = [&](const std::filesystem::path&) { return folder_ / name; };
    probe.Choose(probe.OpenItem());
  }
  EXPECT_EQ(probe.Keyword().Text(), L"");
  EXPECT_EQ(probe.Status(), L"QRV Web Services information not found.");
  EXPECT_FALSE(probe.SaveItem().enabled);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(EditorTest, TypedChangesGoOnlyWhenTheUserSaysSoAndTheListMarksTheFileShown) {
  WriteServiceFile(L"A.qrv", "S=0{a}11<CB=Apples!><D=!D><CUST=Y><HINT=!H>|https://a/");
  WriteServiceFile(L"B.qrv", "S=0{b}11<CB=Bananas!><D=!D><CUST=Y><HINT=!H>|https://b/");
  std::filesystem::create_directories(folder_ / L"other");
  const auto other = WriteServiceFile(L"other/C.qrv", "S=0{c}11<CB=Cherries!><D=!D><CUST=Y><HINT=!H>|https://c/");
  Open(Peers("files", "files"));
  auto probe = Probe();
  probe.Files().SetSelected(0, true, Notify::kYes);
  probe.Files().SetSelected(1, true, Notify::kYes);  // nothing typed: no question
  EXPECT_TRUE(messages.empty());
  probe.Title().SetText(L"Bananas, ripe", Notify::kYes);

  // Each way to another entry asks first, and "No" keeps what was typed.
  yesNoAnswer = DialogResult::kNo;
  int opened = 0;
  Window().chooseOpenFile = [&](const std::filesystem::path&) { return ++opened, std::optional(other); };
  probe.Files().SetSelected(0, true, Notify::kYes);
  probe.Choose(probe.ResetItem());
  probe.Choose(probe.OpenItem());
  SendMessageW(Window().Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(messages.size(), 4u);
  EXPECT_EQ(opened, 0);
  EXPECT_TRUE(IsWindow(Window().Handle()));
  EXPECT_EQ(probe.Title().Text(), L"Bananas, ripe");
  EXPECT_EQ(probe.Files().SelectedIndexes(), std::vector<int>{1});

  // A file opened from another folder leaves no file of the list marked.
  yesNoAnswer = DialogResult::kYes;
  probe.Choose(probe.OpenItem());
  EXPECT_EQ(probe.Title().Text(), L"Cherries");
  EXPECT_TRUE(probe.Files().SelectedIndexes().empty());

  // An empty keyword is refused with the other field checks, before the dialog.
  messages.clear();
  probe.Keyword().SetText(L"", Notify::kYes);
  probe.Choose(probe.SaveItem());
  EXPECT_EQ(saveAsked_, 0);
  EXPECT_EQ(probe.Status(), L"File not saved.");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(L"\"Quorvel Keyword\""), std::wstring::npos) << messages[0];
}

TEST_F(EditorTest, ARecordWithANulIsNotOpenedAndOverlongFieldsAreCutWithAMessage) {
  auto probe = Probe();
  const std::string nul = std::string("S=0{n}11<CB=Nul!><D=!D><CUST=Y><HINT=before") + '\0' + "after!H>|https://n/";
  Window().chooseOpenFile = [&](const std::filesystem::path&) { return WriteServiceFile(L"zero.qrv", nul); };
  probe.Choose(probe.OpenItem());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(L"NUL"), std::wstring::npos);
  EXPECT_EQ(probe.Title().Text(), L"");
  EXPECT_FALSE(probe.SaveItem().enabled);

  // A description of 200,000 characters reaches the field cut to its bound.
  const std::string hint(200000, 'd');
  Window().chooseOpenFile = [&](const std::filesystem::path&) {
    return WriteServiceFile(L"long.qrv", "S=0{l}11<CB=Long!><D=!D><CUST=Y><HINT=" + hint + "!H>|https://l/");
  };
  probe.Choose(probe.OpenItem());
  EXPECT_EQ(probe.Title().Text(), L"Long");
  EXPECT_EQ(probe.Description().Text().size(), 2000u);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find(L"Site description: the first 2000 characters"), std::wstring::npos) << messages[1];
}

TEST_F(EditorTest, InstallHandsTheFullPathToTheRunningBarOrStartsTheBarWithIt) {
  auto probe = Probe();
  // Dropped files open in name order; the last stays shown, from another folder.
  const auto other = folder_ / L"other";
  std::filesystem::create_directories(other);
  const auto a = WriteServiceFile(L"other/Apples.qrv", "S=0{a}11<CB=Apples!><D=!D><CUST=Y><HINT=!H>|https://a/");
  const auto b = WriteServiceFile(L"other/bananas.qrv", "S=0{b}11<CB=Bananas!><D=!D><CUST=Y><HINT=!H>|https://b/");
  testing::DropFiles(Window().Handle(), {b.wstring(), (other / L"x.txt").wstring(), a.wstring()});
  EXPECT_EQ(probe.Title().Text(), L"Bananas");
  {
    HWND bar =
        CreateWindowExW(0, L"STATIC", L"QV", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    probe.Choose(probe.InstallItem());
    EXPECT_EQ(GetForegroundWindow(), bar);
    DestroyWindow(bar);
  }
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(std::filesystem::path(shell[0].file), b);

  // Without a running bar, the bar of the bar's folder starts with the file.
  ASSERT_TRUE(WriteFileSafely(folder_ / L"Quorvel.exe", "stand-in"));
  probe.Choose(probe.InstallItem());
  ASSERT_EQ(shell.size(), 2u);
  EXPECT_EQ(std::filesystem::path(shell[1].file), folder_ / L"Quorvel.exe");
  EXPECT_EQ(shell[1].parameters, L"\"" + b.wstring() + L"\"");

  // A modified entry is saved first, as ".qrv" whatever the name typed.
  probe.Title().SetText(L"Bananas and more", Notify::kYes);
  saveAnswer_ = folder_ / L"more.txt";
  probe.Choose(probe.InstallItem());
  EXPECT_EQ(saveAsked_, 1);
  ASSERT_EQ(shell.size(), 3u);
  EXPECT_EQ(shell[2].parameters, L"\"" + (folder_ / L"more.txt.qrv").wstring() + L"\"");
  EXPECT_EQ(Saved(folder_ / L"more.txt.qrv").caption, "Bananas and more");
}

TEST_F(EditorTest, TestOpensOnlyWebAddressesFilledAsTheBarFillsThemAsOneArgument) {
  auto probe = Probe();
  Window().today = [] { return Date{2004, 3, 5}; };
  probe.Url().SetText(L"search.org/find?q=*&page=1&d=<Y>-<MM>-<DD>", Notify::kYes);
  criteriaAnswers_ = {std::wstring(L"AC/DC live"), std::nullopt, std::wstring(L"x")};
  probe.Choose(probe.TestItem());
  probe.TestButton().Click();  // cancelled
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(shell[0].file, L"http://search.org/find?q=AC%2FDC+live&page=1&d=2004-03-05");
  EXPECT_EQ(probe.Url().Text(), L"http://search.org/find?q=*&page=1&d=<Y>-<MM>-<DD>");
  // Quotation marks and blanks of a template cannot make arguments of their own.
  probe.Url().SetText(L"http://x.example/?a=\" --evil \"&q=*", Notify::kYes);
  probe.Choose(probe.TestItem());
  ASSERT_EQ(shell.size(), 2u);
  const std::wstring commandLine = L"browser.exe \"" + shell[1].file + L"\"";
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(commandLine.c_str(), &count);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(std::wstring(arguments[1]), L"http://x.example/?a=%22%20--evil%20%22&q=x");
  LocalFree(arguments);
  probe.Url().SetText(L"file:///c:/windows/notepad.exe", Notify::kYes);
  probe.Choose(probe.TestItem());
  EXPECT_EQ(shell.size(), 2u);
  EXPECT_EQ(probe.Status(), L"Only http and https addresses can be tested.");
}

}  // namespace
}  // namespace qrv
