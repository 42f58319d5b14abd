// The real Quorvel.exe and its files under Wine: the ".qrv" association it
// writes at start-up and the shell then follows to hand a web-service file to
// the running bar, and start-up with the keyword file missing or damaged.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/keyword_record.h"
#include "core/service_file.h"
#include "e2e_support.h"

namespace {

namespace fs = std::filesystem;
using e2e::Process;

std::wstring ClassesDefault(const wchar_t* path) {
  wchar_t value[1024]{};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CLASSES_ROOT, path, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return L"(missing)";
  return value;
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

class BarFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::ResetSettings(e2e::DefaultSettings(L"10"));
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    folder_ = fs::path(longTemp) / ("Quorvel Files " + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    bar_ = Process();  // closes the bar before its folder goes
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // A program folder of the test's own: a copy of the bar and, when given,
  // its keyword file and the factory file.
  std::wstring ProgramCopy(const std::string* keywordFile) {
    const fs::path app = e2e::AppProgram(L"Quorvel.exe");
    const fs::path program = folder_ / "Quorvel.exe";
    fs::copy_file(app, program, fs::copy_options::overwrite_existing);
    fs::copy_file(app.parent_path() / "prefs-qrv.bak", folder_ / "prefs-qrv.bak", fs::copy_options::overwrite_existing);
    if (keywordFile) WriteBytes(folder_ / "prefs-qrv.dat", *keywordFile);
    return program.wstring();
  }
  // A web-service file as the editor writes it, in a folder with blanks in its name.
  std::wstring ServiceFile() {
    const fs::path file = folder_ / "My Web Service.qrv";
    const qrv::WebService service{
        "Docs", "Documentation", "", true, "Searches the documentation.", "https://docs.example.org/search?q=<QRV!>"};
    WriteBytes(file, *qrv::ServiceFileBytes(qrv::ServiceRecord(service), "3.22"));
    return file.wstring();
  }
  void StartBar(const std::wstring& program) {
    bar_ = Process::Start(program, L"");
    hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
    ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
  }

  fs::path folder_;
  Process bar_;
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

TEST_F(BarFiles, AFileOpenedThroughTheShellReachesTheRunningBar) {
  StartBar(e2e::AppProgram(L"Quorvel.exe"));
  e2e::HandOffListener listener;
  const std::wstring file = ServiceFile();
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  open.lpVerb = L"open";
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&open));
  ASSERT_NE(open.hProcess, nullptr);
  // The shell started a second bar, which handed the file over and ended.
  EXPECT_TRUE(e2e::WaitFor([&] { return WaitForSingleObject(open.hProcess, 0) == WAIT_OBJECT_0; }, 15000));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(open.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(e2e::FindBar(GetProcessId(open.hProcess)), nullptr);
  CloseHandle(open.hProcess);
  EXPECT_EQ(listener.Paths(), std::vector<std::wstring>{file});
  // The bar's preferences window opens on the web services in front of it,
  // with the import's report in front of that.
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ForegroundOwnedBy(hwnd_); }, 3000))
      << "the bar's preferences did not come to the front";
  EXPECT_TRUE(bar_.Running());
}

TEST_F(BarFiles, StartUpCompletesWithoutAKeywordFileOnceTheWarningIsAnswered) {
  bar_ = Process::Start(ProgramCopy(nullptr), L"");
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = e2e::FindMessageBox(bar_.Id(), L"Warning")) != nullptr; }, 20000));
  EXPECT_EQ(e2e::MessageText(box), L"The file PREFS-QRV.DAT needs to be in the\r\nsame folder as Quorvel.exe.");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
  EXPECT_TRUE(hwnd_) << "the bar did not come up collapsed";
}

TEST_F(BarFiles, StartUpCompletesWithADamagedKeywordFile) {
  std::string damaged = "K=1{CALL}1\r\nS=0{broken\r\nS=0{x}11<CB=no end<HINT=|\r\n====\r\nQUJD\r\n";
  damaged += std::string(100000, 'A') + "\r\n";  // deciphers to noise
  for (int i = 0; i < 4096; ++i) damaged += static_cast<char>((i * 37) % 256);
  bar_ = Process::Start(ProgramCopy(&damaged), L"");
  hwnd_ = e2e::WaitForCollapsedBar(bar_, 20000);
  ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
  EXPECT_EQ(e2e::FindMessageBox(bar_.Id(), nullptr), nullptr);
}

}  // namespace
