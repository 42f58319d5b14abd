// The real Quorvel.exe and its files under Wine: the ".qrv" association it
// writes at start-up and the shell then follows to hand a web-service file to
// the running bar, and start-up with the keyword file missing or damaged.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/keyword_file.h"
#include "core/keyword_record.h"
#include "core/service_file.h"
#include "e2e_controls.h"
#include "e2e_support.h"
#include "program_folder.h"

namespace {

using e2e::Process;

std::wstring ClassesDefault(const wchar_t* path) {
  wchar_t value[1024]{};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, path, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return L"(missing)";
  return value;
}

class BarFiles : public ::testing::Test {
 protected:
  void SetUp() override { e2e::ResetSettings(e2e::DefaultSettings(L"10")); }

  // A web-service file as the editor writes it, in a folder with blanks in its name.
  std::wstring ServiceFile(const char* name, const qrv::WebService& service) {
    folder_.Write(name, *qrv::ServiceFileBytes(qrv::ServiceRecord(service), "3.22"));
    return (folder_.Path() / name).wstring();
  }
  std::wstring ServiceFile() { return ServiceFile("My Web Service.qrv", docs_); }
  void StartBar(const std::wstring& program) {
    bar_ = Process::Start(program, L"");
    hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
    ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
  }

  const qrv::WebService docs_{
      "Docs", "Documentation", "", true, "Searches the documentation.", "https://docs.example.org/search?q=<QRV!>"};
  e2e::ProgramFolder folder_;
  Process bar_;  // closed before its folder goes
  HWND hwnd_ = nullptr;
};

TEST_F(BarFiles, StartUpAssociatesWebServiceFilesWithTheBar) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".qrv");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Quorvel File");
  const std::wstring program = e2e::AppProgram(L"Quorvel.exe");
  StartBar(program);
  EXPECT_EQ(ClassesDefault(L".qrv"), L"Quorvel File");
  EXPECT_EQ(ClassesDefault(L"Quorvel File"), L"Quorvel File");
  EXPECT_EQ(ClassesDefault(L"Quorvel File\\DefaultIcon"), program + L",1");
  EXPECT_EQ(ClassesDefault(L"Quorvel File\\Shell\\Open\\Command"), L"\"" + program + L"\" \"%1\"");
  EXPECT_EQ(e2e::ReadSetting(L"SETEXT"), L"NO");
  // The icon the association names is in the program.
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), program.c_str(), 1);
  EXPECT_TRUE(icon && icon != reinterpret_cast<HICON>(1));
  if (icon) DestroyIcon(icon);
  // The shell finds the bar as the program of web-service files.
  wchar_t found[MAX_PATH]{};
  ASSERT_GT(reinterpret_cast<INT_PTR>(FindExecutableW(ServiceFile().c_str(), nullptr, found)), 32);
  EXPECT_EQ(_wcsicmp(found, program.c_str()), 0) << found;
}

// Opens a file through the shell, as a double click does; the process the
// shell started for it.
Process ShellOpen(const std::wstring& file) {
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  open.lpVerb = L"open";
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  EXPECT_TRUE(ShellExecuteExW(&open));
  EXPECT_NE(open.hProcess, nullptr);
  return Process::Adopt(open.hProcess);
}

// The import's report of one added service, answered, and the preferences
// window it opened confirmed with OK.
void ConfirmImportOfOne(DWORD processId) {
  const HWND box = e2e::WaitForMessageBox(processId, L"Information");
  ASSERT_TRUE(box) << "no report";
  EXPECT_EQ(e2e::MessageText(box), L"Web services added: 1" + std::wstring(22, L' '));
  e2e::Answer(box, IDOK);
  const HWND prefs = e2e::WaitForTitled(processId, L"About");
  ASSERT_TRUE(prefs);
  e2e::ClickControl(e2e::FindControl(prefs, L"Button", L"OK"));
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(prefs); }, 3000));
}

TEST_F(BarFiles, AFileOpenedThroughTheShellIsImportedWithTheBarRunningOrNot) {
  qrv::KeywordLists lists;
  lists.itemKeywords = {"K=0{CALL}1"};
  const std::string keywords = *qrv::KeywordFileBytes(lists);
  StartBar(folder_.CopyProgram(&keywords));
  e2e::HandOffListener listener;
  const std::wstring file = ServiceFile();
  Process second = ShellOpen(file);
  // The shell started a second bar, which handed the file over and ended.
  ASSERT_TRUE(second.WaitForExit(15000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(e2e::FindBar(second.Id()), nullptr);
  EXPECT_EQ(listener.Paths(), std::vector<std::wstring>{file});
  // The bar's preferences window opens on the web services in front of it,
  // with the import's report in front of that.
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ForegroundOwnedBy(hwnd_); }, 3000))
      << "the bar's preferences did not come to the front";
  ConfirmImportOfOne(bar_.Id());
  const std::string docs = qrv::ServiceRecord(docs_);
  EXPECT_EQ(std::ranges::count(folder_.Records("prefs-qrv.dat"), docs), 1);

  // With no bar running, the shell starts one with the file, which imports it.
  PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(bar_.WaitForExit(5000));
  const qrv::WebService wiki{"Wiki", "Wiki", "", true, "Looks a word up.", "https://wiki.example.org/<QRV!>"};
  bar_ = ShellOpen(ServiceFile("Wiki.qrv", wiki));
  ConfirmImportOfOne(bar_.Id());
  const auto records = folder_.Records("prefs-qrv.dat");
  EXPECT_EQ(std::ranges::count(records, docs), 1);
  EXPECT_EQ(std::ranges::count(records, qrv::ServiceRecord(wiki)), 1);
  EXPECT_EQ(std::ranges::count(records, "K=0{CALL}1"), 1);
}

TEST_F(BarFiles, StartUpCompletesWithoutAKeywordFileOnceTheWarningIsAnswered) {
  bar_ = Process::Start(folder_.CopyProgram(nullptr), L"");
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = e2e::FindMessageBox(bar_.Id(), L"Warning")) != nullptr; }, 20000));
  EXPECT_EQ(e2e::MessageText(box), L"The file PREFS-QRV.DAT needs to be in the\r\nsame folder as Quorvel.exe.");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
  EXPECT_TRUE(hwnd_) << "the bar did not come up collapsed";
}

TEST_F(BarFiles, StartUpCompletesWithADamagedKeywordFile) {
  std::string damaged = "K=1{CALL}1\r\nS=0{broken\r\nS=0{x}11<CB=no end<HINT=|\r\n====\r\nQUJD\r\n";
  damaged += std::string(60000, 'A') + "\r\n";  // deciphers to noise, within a record's longest
  for (int i = 0; i < 4096; ++i) damaged += static_cast<char>((i * 37) % 256);
  bar_ = Process::Start(folder_.CopyProgram(&damaged), L"");
  hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
  ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
  EXPECT_EQ(e2e::FindMessageBox(bar_.Id(), nullptr), nullptr);
}

}  // namespace
