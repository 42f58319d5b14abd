// The editor's window: the entry's states, saving and opening, the field
// checks, installing into the bar, testing the URL and dropped files.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "editor_fixture.h"
#include "ui/wide.h"
#include "ui_test_support.h"

namespace qrv {
namespace {

using testing::Pump;

const std::string kBooks =
    "S=0{book}11<CB=Books!><D=!D><CUST=Y><HINT=Finds books.\r\nType book and a title.!H>|https://b.org/?q=<QRV!>";

WebService Saved(const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file, kMaxServiceFileBytes);
  EXPECT_TRUE(bytes.has_value()) << file;
  const auto service = ServiceInFile(bytes.value_or(""));
  EXPECT_TRUE(service.has_value());
  return service.value_or(WebService{});
}

TEST_F(EditorTest, TypingSavingAndResettingMoveTheCommandsAsTheEntryStands) {
  auto probe = Probe();
  EXPECT_EQ(probe.Status(), L"Begin typing, or open an existing .qrv file");
  EXPECT_FALSE(probe.SaveItem().enabled);
  EXPECT_FALSE(probe.TestButton().Enabled());

  // Real keys in a field make the entry modified; Upload waits for a save.
  probe.Url().Focus();
  testing::PressKeys({'W', 'X'});
  EXPECT_EQ(probe.Status(), L"Entry has been modified.");
  EXPECT_TRUE(probe.SaveItem().enabled);
  EXPECT_TRUE(probe.InstallItem().enabled);
  EXPECT_FALSE(probe.UploadItem().enabled);
  EXPECT_EQ(probe.InstallItem().text, L"Save && Install Web Service to QRV");
  EXPECT_TRUE(probe.TestButton().Enabled());

  // Paste counts as typing too; the program's own changes do not.
  probe.ResetItem().onClick();
  EXPECT_FALSE(probe.SaveItem().enabled);
  EXPECT_FALSE(probe.TestButton().Enabled());
  probe.Title().SetText(L"quiet");
  EXPECT_FALSE(probe.SaveItem().enabled);
  SendMessageW(probe.Title().Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" pasted"));
  EXPECT_TRUE(probe.SaveItem().enabled);

  // Ctrl+S saves through the menu bar's accelerator; ".qrv" is added to the name.
  probe.Fill(L"book", L"Books", L"Finds books.\r\nType book and a title.", L"b.org/?q=*&n=*");
  saveAnswer_ = folder_ / L"books";
  probe.Keyword().Focus();
  testing::PressKeys({'S'}, VK_CONTROL);
  ASSERT_EQ(saveAsked_, 1);
  EXPECT_EQ(probe.Status(), L"File saved.");
  EXPECT_TRUE(probe.UploadItem().enabled);
  EXPECT_EQ(probe.InstallItem().text, L"Install Web Service to QRV");
  const WebService saved = Saved(folder_ / L"books.qrv");
  EXPECT_EQ(saved.keyword, "book");
  EXPECT_EQ(saved.hint, "Finds books.\r\nType book and a title.");
  EXPECT_EQ(saved.url, "http://b.org/?q=<QRV!>&n=*");
  EXPECT_TRUE(saved.custom);
  EXPECT_EQ(probe.Url().Text(), L"http://b.org/?q=<QRV!>&n=*");
  EXPECT_EQ(probe.Files().Items(), std::vector<std::wstring>{L"books.qrv"});

  // A cancelled save dialog leaves everything as it was.
  saveAnswer_.reset();
  probe.Choose(probe.SaveItem());
  EXPECT_EQ(probe.Status(), L"File not saved.");
  EXPECT_TRUE(probe.UploadItem().enabled);
}

TEST_F(EditorTest, FieldsThatWouldBreakTheRecordAreRefusedByName) {
  auto probe = Probe();
  saveAnswer_ = folder_ / L"broken.qrv";
  probe.Fill(L"bo|ok", L"Books", L"", L"https://b.org/*");
  probe.Choose(probe.SaveItem());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(L"\"Quorvel Keyword\""), std::wstring::npos) << messages[0];
  EXPECT_EQ(saveAsked_, 0);
  EXPECT_FALSE(std::filesystem::exists(folder_ / L"broken.qrv"));
  EXPECT_EQ(probe.Status(), L"File not saved.");
  probe.Keyword().SetText(L"book", Notify::kYes);
  probe.Title().SetText(L"Books \x4E2D", Notify::kYes);
  probe.Choose(probe.SaveItem());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find(L"\"Site title\""), std::wstring::npos);
}

TEST_F(EditorTest, OpeningShowsTheRecordAndSavingKeepsItsMarkersAndStars) {
  const std::string tricky = "S=0{x}11<CB=X!><D=!D><CUST=Y><HINT=!H>|https://x.org/a*b?q=<QRV!>&r=<QRV!>";
  WriteServiceFile(L"b.qrv", tricky);
  WriteServiceFile(L"A.qrv", kBooks);
  Open(Peers("files", "files"));  // lists the files anew
  auto probe = Probe();
  EXPECT_EQ(probe.Files().Items(), (std::vector<std::wstring>{L"A.qrv", L"b.qrv"}));
  probe.Files().SetSelected(0, true, Notify::kYes);
  EXPECT_EQ(probe.Keyword().Text(), L"book");
  EXPECT_EQ(probe.Description().Text(), L"Finds books.\r\nType book and a title.");
  EXPECT_EQ(probe.Url().Text(), L"https://b.org/?q=*");
  EXPECT_EQ(probe.Status(), L"QRV Web Services information loaded.");
  EXPECT_TRUE(probe.UploadItem().enabled);

  probe.Files().SetSelected(1, true, Notify::kYes);
  EXPECT_EQ(probe.Url().Text(), L"https://x.org/a*b?q=<QRV!>&r=<QRV!>");
  saveAnswer_ = folder_ / L"again.qrv";
  probe.Choose(probe.SaveItem());
  EXPECT_EQ(Saved(folder_ / L"again.qrv").url, "https://x.org/a*b?q=<QRV!>&r=<QRV!>");

  // A file that holds no record empties the fields; one that cannot be read is reported.
  ASSERT_TRUE(WriteFileSafely(folder_ / L"junk.qrv", EncipherLine("K=0{CALL}1") + "\r\n"));
  probe.ShowPage(0);
  Window().chooseOpenFile = [this](const std::filesystem::path&) { return folder_ / L"junk.qrv"; };
  probe.Choose(probe.OpenItem());
  EXPECT_EQ(probe.Keyword().Text(), L"");
  EXPECT_EQ(probe.Status(), L"QRV Web Services information not found.");
  EXPECT_FALSE(probe.SaveItem().enabled);
  Window().chooseOpenFile = [this](const std::filesystem::path&) { return folder_ / L"gone.qrv"; };
  probe.Choose(probe.OpenItem());
  EXPECT_EQ(messages.size(), 1u);
}

// A window of the test titled as the bar is.
struct FakeBar {
  FakeBar() {
    window =
        CreateWindowExW(0, L"STATIC", L"QV", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
  ~FakeBar() { DestroyWindow(window); }
  HWND window;
};

TEST_F(EditorTest, InstallHandsTheFullPathToTheRunningBarOrStartsTheBarWithIt) {
  auto probe = Probe();
  const auto other = std::filesystem::temp_directory_path() / "qrv-editor" / "elsewhere.qrv";
  std::filesystem::create_directories(other.parent_path());
  ASSERT_TRUE(WriteFileSafely(other, ServiceFileBytes(kBooks, "")));
  Window().chooseOpenFile = [&](const std::filesystem::path&) { return other; };
  probe.Choose(probe.OpenItem());
  {
    FakeBar bar;
    probe.Choose(probe.InstallItem());
    EXPECT_EQ(GetForegroundWindow(), bar.window);
  }
  EXPECT_EQ(saveAsked_, 0);
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(std::filesystem::path(shell[0].file), other);

  // Without a running bar, the bar of the bar's folder starts with the file.
  ASSERT_TRUE(WriteFileSafely(folder_ / L"Quorvel.exe", "stand-in"));
  probe.Choose(probe.InstallItem());
  ASSERT_EQ(shell.size(), 2u);
  EXPECT_EQ(std::filesystem::path(shell[1].file), folder_ / L"Quorvel.exe");
  EXPECT_EQ(shell[1].parameters, L"\"" + other.wstring() + L"\"");

  // A modified entry is saved first, as ".qrv" whatever the name typed.
  probe.Title().SetText(L"Books and more", Notify::kYes);
  saveAnswer_ = folder_ / L"more.txt";
  probe.Choose(probe.InstallItem());
  EXPECT_EQ(saveAsked_, 1);
  ASSERT_EQ(shell.size(), 3u);
  EXPECT_EQ(shell[2].parameters, L"\"" + (folder_ / L"more.txt.qrv").wstring() + L"\"");
  EXPECT_EQ(Saved(folder_ / L"more.txt.qrv").caption, "Books and more");
}

TEST_F(EditorTest, TestOpensOnlyWebAddressesWithTheSampleCriteriaEncoded) {
  auto probe = Probe();
  probe.Url().SetText(L"search.org/find?q=*&page=1", Notify::kYes);
  criteriaAnswers_ = {std::wstring(L"AC/DC live"), std::nullopt};
  probe.Choose(probe.TestItem());
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(shell[0].file, L"http://search.org/find?q=AC%2FDC+live&page=1");
  EXPECT_EQ(probe.Url().Text(), L"http://search.org/find?q=*&page=1");
  probe.TestButton().Click();  // cancelled
  EXPECT_EQ(shell.size(), 1u);

  probe.Url().SetText(L"file:///c:/windows/notepad.exe", Notify::kYes);
  probe.Choose(probe.TestItem());
  probe.Url().SetText(L"javascript://alert(1)", Notify::kYes);
  probe.Choose(probe.TestItem());
  EXPECT_EQ(shell.size(), 1u);
  EXPECT_EQ(probe.Status(), L"Only http and https addresses can be tested.");
}

HGLOBAL DropOf(const std::vector<std::wstring>& files) {
  std::wstring names;
  for (const auto& file : files) names += file + L'\0';
  names += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

TEST_F(EditorTest, DroppedFilesOpenInNameOrderAndTheLastStaysShown) {
  auto probe = Probe();
  const auto a = WriteServiceFile(L"Apples.qrv", "S=0{a}11<CB=Apples!><D=!D><CUST=Y><HINT=!H>|https://a/<QRV!>");
  const auto b = WriteServiceFile(L"bananas.qrv", "S=0{b}11<CB=Bananas!><D=!D><CUST=Y><HINT=!H>|https://b/<QRV!>");
  ASSERT_TRUE(WriteFileSafely(folder_ / L"zebra.txt", "not a service"));
  SendMessageW(Window().Handle(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(DropOf({b.wstring(), (folder_ / L"zebra.txt").wstring(), a.wstring()})), 0);
  EXPECT_EQ(probe.Title().Text(), L"Bananas");
  EXPECT_TRUE(messages.empty());
  // Installing now uses the dropped file's full path.
  FakeBar bar;
  probe.Choose(probe.InstallItem());
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(std::filesystem::path(shell[0].file), b);
}

}  // namespace
}  // namespace qrv
