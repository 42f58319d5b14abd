// The online library and the upload against real servers on 127.0.0.1, and
// how long the editor takes to start and to show a large library.
#include <algorithm>

#include "components/ftp_upload.h"
#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "editor_fixture.h"
#include "ui/wide.h"

namespace qrv {
namespace {

std::string Service(const std::string& keyword, const std::string& title) {
  return "S=0{" + keyword + "}11<CB=" + title + "!><D=!D><CUST=Y><HINT=!H>|https://" + keyword + ".org/?q=<QRV!>";
}

void PublishLibrary(const std::vector<std::string>& lines) {
  std::vector<std::string> enciphered;
  for (const auto& line : lines) enciphered.push_back(EncipherLine(line));
  ASSERT_TRUE(WriteFileSafely(EditorTest::PeersFolder() / "www/qrv/sitelistcu.txt", JoinLines(enciphered)));
}

using LibraryTest = EditorTest;

TEST_F(LibraryTest, ServicesAreShownUnderTheirCategoriesAndTakenForEditing) {
  PublishLibrary({"CATEGORY=Reading", Service("book", "Books: new: old"), "CATEGORY=Films",
                  "S=0{film}11<CB=Films!><D=!D><CUST=Y><HINT=!H>|https://f.org/*/<QRV!>"});
  auto probe = Probe();
  probe.ShowPage(1);
  EXPECT_EQ(probe.Status(), L"Sites downloaded.");
  ASSERT_EQ(probe.Tree().Count(), 4);
  EXPECT_EQ(probe.Tree().NodeText(1), L"Books: new: old");
  // A category takes nothing; a service fills the fields and counts as modified.
  probe.Tree().SetSelection(2, Notify::kYes);
  EXPECT_FALSE(probe.SaveItem().enabled);
  probe.Tree().SetSelection(1, Notify::kYes);
  EXPECT_EQ(probe.Url().Text(), L"https://book.org/?q=*");
  EXPECT_EQ(probe.Status(), L"Entry retrieved.");
  EXPECT_FALSE(probe.UploadItem().enabled);
  EXPECT_EQ(probe.InstallItem().text, L"Save && Install Web Service to QRV");
  // The user's edits survive a visit of the other page and a return.
  probe.Title().SetText(L"My books", Notify::kYes);
  probe.ShowPage(0);
  probe.ShowPage(1);
  EXPECT_EQ(probe.Title().Text(), L"My books");
  // Install saves first under a name the title proposes, and keeps "*" and the marker apart.
  std::vector<std::wstring> proposed;
  Window().chooseSaveFile = [&](const std::filesystem::path&, const std::wstring& name) {
    proposed.push_back(name);
    return std::optional(folder_ / name);
  };
  probe.Tree().SetSelection(1, Notify::kYes);
  probe.Choose(probe.SaveItem());
  probe.Tree().SetSelection(3, Notify::kYes);
  probe.Choose(probe.InstallItem());
  EXPECT_EQ(proposed, (std::vector<std::wstring>{L"Books_ new_ old", L"Films"}));
  EXPECT_EQ(ServiceInFile(ReadFileBytes(folder_ / L"Films.qrv", 4096).value_or(""))->url, "https://f.org/*/<QRV!>");
}

TEST_F(LibraryTest, TheFallbackIsAskedWhenTheLibraryFailsAndNoListIsTriedAgain) {
  PublishLibrary({"CATEGORY=Reading", Service("book", "Books")});
  for (const char* library : {"refused", "missing"}) {
    Open(Peers(library, "files"));
    Probe().ShowPage(1);
    EXPECT_EQ(Probe().Tree().Count(), 2) << library;
  }
  EXPECT_TRUE(messages.empty());
  // A list that ends early is no list, whether cut short of its length or of its last chunk.
  for (const char* library : {"refused", "truncated", "chunked"}) {
    messages.clear();
    Open(Peers(library, "missing"));
    Probe().ShowPage(1);
    ASSERT_EQ(messages.size(), 1u) << library;
    EXPECT_EQ(messages[0].substr(0, 34), L"Connection to QRV's Online Library");
    EXPECT_EQ(Probe().Status(), L"No sites found.");
    EXPECT_EQ(Probe().Tree().Count(), 0);
  }
  // A web page answered instead of the list holds no category: said, and fetched again next time.
  Open(Peers("html", "files"));
  Probe().ShowPage(1);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], L"No QRV Web Services found in Online Library");
  Window().downloadLibrary = [] { return std::optional(EncipherLine("CATEGORY=Later")); };
  Probe().ShowPage(0);
  Probe().ShowPage(1);
  EXPECT_EQ(Probe().Tree().NodeText(0), L"Later");
}

class UploadTest : public EditorTest {
 protected:
  std::filesystem::path Incoming() { return PeersFolder() / "ftp/qrv/incoming"; }
  std::wstring SaveAndUpload(const std::wstring& name) {
    auto probe = Probe();
    probe.Fill(L"book", L"Books", L"", L"https://b.org/?q=*");
    saveAnswer_ = folder_ / name;
    probe.Choose(probe.SaveItem());
    probe.Choose(probe.UploadItem());
    return probe.Status();
  }
};

TEST_F(UploadTest, StoresTheFileAndUnderANumberedNameWhenTheNameIsTaken) {
  for (const auto& entry : std::filesystem::directory_iterator(Incoming())) std::filesystem::remove(entry.path());
  EXPECT_EQ(SaveAndUpload(L"upload.qrv"), L"Upload success");
  EXPECT_EQ(ReadFileBytes(Incoming() / L"upload.qrv", 4096), ReadFileBytes(folder_ / L"upload.qrv", 4096));
  EXPECT_EQ(SaveAndUpload(L"upload.qrv"), L"Upload success");
  std::vector<std::wstring> stored;
  for (const auto& entry : std::filesystem::directory_iterator(Incoming()))
    stored.push_back(entry.path().filename().wstring());
  ASSERT_EQ(stored.size(), 2u);
  const std::wstring numbered = stored[0] == L"upload.qrv" ? stored[1] : stored[0];
  EXPECT_TRUE(numbered.starts_with(L"upload.qrv") && numbered.size() > 10 && numbered.size() <= 13);
  EXPECT_TRUE(std::all_of(numbered.begin() + 10, numbered.end(), iswdigit)) << Narrow(numbered);
  EXPECT_TRUE(messages.empty());
}

TEST_F(UploadTest, RefusedLogInFullDiskAndNoServerEndAsFailedWithTheReason) {
  auto peers = Peers("files", "files");
  peers.ftpPassword = EncipherLine("wrong");
  Open(peers);
  EXPECT_EQ(SaveAndUpload(L"refused.qrv"), L"Upload failed. Log-in refused.");
  EXPECT_TRUE(messages.empty());
  Open(Peers("files", "files", "full"));
  EXPECT_EQ(SaveAndUpload(L"full.qrv"), L"Upload failed. No space on the server.");
  // A server that takes the data and then refuses to keep it.
  peers = Peers("files", "files");
  peers.ftpPort = static_cast<INTERNET_PORT>(PeerPort("diskfull"));
  Open(peers);
  EXPECT_EQ(SaveAndUpload(L"late.qrv"), L"Upload failed. The server could not write the file.");
  peers.ftpPort = static_cast<INTERNET_PORT>(PeerPort("refused"));
  Open(peers);
  EXPECT_EQ(SaveAndUpload(L"noserver.qrv"), L"Upload failed. No connection.");
  EXPECT_EQ(messages, std::vector<std::wstring>{L"Connection Failed"});
}

// A file of the size a reviewer sent, to servers that keep it, fail after the
// data, drop both connections half-way, never answer after the data (the wait
// for that answer ends at the time-out), or take no data connection.
TEST_F(UploadTest, OnlyTheServersConfirmationAfterAllBytesCountsAsStored) {
  const std::filesystem::path file = folder_ / L"large.qrv";
  std::string bytes(953710, 'x');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  ASSERT_TRUE(WriteFileSafely(file, bytes));
  struct Case {
    const char* server;
    UploadResult result;
    std::wstring reason;
    DWORD timeoutMs = 5000;
  };
  for (const Case& c : {Case{"ftp", UploadResult::kStored, L""},
                        Case{"diskfull", UploadResult::kStoreFailed, L"The server could not write the file."},
                        Case{"dropping", UploadResult::kStoreFailed, L"Connection lost."},
                        Case{"mute", UploadResult::kStoreFailed, L"Connection lost.", 500},
                        Case{"unreachable", UploadResult::kStoreFailed, L"Connection lost."}}) {
    SCOPED_TRACE(c.server);
    auto peers = Peers("files", "files");
    peers.ftpPort = static_cast<INTERNET_PORT>(PeerPort(c.server));
    peers.ftpTimeoutMs = c.timeoutMs;
    std::error_code error;
    std::filesystem::remove(Incoming() / L"large.qrv", error);
    std::filesystem::remove(PeersFolder() / "ftp" / c.server / "large.qrv7", error);
    std::vector<std::wstring> seen;
    const UploadOutcome outcome = UploadFile(peers, file, 7, [&](const std::wstring& text) { seen.push_back(text); });
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.reason, c.reason);
    const bool retried = std::find(seen.begin(), seen.end(), L"Upload failure") != seen.end();
    EXPECT_EQ(retried, c.result != UploadResult::kStored);
    if (c.result == UploadResult::kStored) {
      EXPECT_EQ(seen.back(), L"Data Transfer Complete");
      EXPECT_EQ(seen[seen.size() - 2], L"953710 of 953710");
      EXPECT_EQ(ReadFileBytes(Incoming() / L"large.qrv", 1u << 20), bytes);
    } else if (c.server != std::string_view("unreachable")) {
      // Tried once more under the numbered name, on a new connection after a drop.
      EXPECT_TRUE(std::filesystem::exists(PeersFolder() / "ftp" / c.server / "large.qrv7"));
    }
  }
}

TEST_F(UploadTest, AnEmptyFileIsStoredEmptyAndAMissingOrLargerOneIsNotSent) {
  const std::filesystem::path empty = folder_ / L"empty.qrv";
  ASSERT_TRUE(WriteFileSafely(empty, ""));
  std::error_code error;
  std::filesystem::remove(Incoming() / L"empty.qrv", error);
  const auto ignore = [](const std::wstring&) {};
  EXPECT_EQ(UploadFile(Peers("files", "files"), empty, 1, ignore).result, UploadResult::kStored);
  EXPECT_EQ(ReadFileBytes(Incoming() / L"empty.qrv", 10), "");
  const std::filesystem::path large = folder_ / L"toolarge.qrv";
  ASSERT_TRUE(WriteFileSafely(large, std::string(kMaxServiceFileBytes + 1, 'x')));
  for (const auto& file : {folder_ / L"none.qrv", large}) {
    const UploadOutcome outcome = UploadFile(Peers("files", "files"), file, 1, ignore);
    EXPECT_EQ(outcome.result, UploadResult::kStoreFailed);
    EXPECT_EQ(outcome.reason, L"The file could not be read.");
    EXPECT_FALSE(std::filesystem::exists(Incoming() / file.filename()));
  }
}

TEST_F(LibraryTest, AThousandServicesAreDownloadedAndAllShown) {
  std::vector<std::string> lines;
  for (int i = 0; i < 1010; ++i)
    lines.push_back(i % 101 == 0 ? "CATEGORY=" + std::to_string(i) : Service("s" + std::to_string(i), "Service"));
  PublishLibrary(lines);
  Open(Peers("files", "files"));
  Probe().ShowPage(1);
  EXPECT_EQ(Probe().Tree().Count(), 1010);
}

HWND ShownWindowOf(DWORD process) {
  for (HWND w = FindWindowW(nullptr, L"QRV Web Services Editor"); w;
       w = FindWindowExW(nullptr, w, nullptr, L"QRV Web Services Editor")) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == process && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

TEST(EditorStart, TheWindowShowsWhenTheProgramStarts) {
  const std::wstring program = Widen(QRV_APP_DIR) + L"/QRVWebEditor.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  for (DWORD start = GetTickCount(); !ShownWindowOf(process.dwProcessId) && GetTickCount() - start < 20000;) Sleep(2);
  EXPECT_NE(ShownWindowOf(process.dwProcessId), nullptr);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace qrv
