// The hand-off between instances with a real bar in the test process: the test
// holds the single-instance marker as a running bar does, and a second
// Quorvel.exe it starts hands its file over to this bar.
#include "bar/instance.h"
#include "bar_fixture.h"

namespace qrv::testing {
namespace {

std::wstring AppProgram(const wchar_t* name) {
  std::wstring path = L"Z:" + qrv::Widen(QRV_APP_DIR) + L"/" + name;
  for (auto& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

class HandOffToBar : public BarTest {
 protected:
  void SetUp() override {
    BarTest::SetUp();
    static const bool kMarked = IsFirstInstance(L"Quorvel");  // kept for the process's life
    ASSERT_TRUE(kMarked) << "another bar is running";
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH], shortName[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    folder_ = std::wstring(longTemp) + L"Quorvel Hand-off To Bar " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    file_ = folder_ + L"\\Handed Over Service.qrv";
    CloseHandle(CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    GetShortPathNameW(file_.c_str(), shortName, MAX_PATH);
    shortPath_ = shortName;
  }
  void TearDown() override {
    BarTest::TearDown();
    DeleteFileW(file_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  // Runs a second instance with an argument, handling this thread's messages
  // (the hand-off among them) after `busyMs` until it ends; its exit code.
  DWORD RunSecondInstance(const std::wstring& argument, DWORD busyMs = 0) {
    const std::wstring program = AppProgram(L"Quorvel.exe");
    std::wstring command = L"\"" + program + L"\" \"" + argument + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return static_cast<DWORD>(-1);
    Sleep(busyMs);
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 15000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
      qrv::Application::Get().ProcessMessages();
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }
  // A bar started with these arguments in place of the fixture's.
  void RestartBar(std::vector<std::string> args) {
    bar_.reset();
    bar_ = std::make_unique<RecordingBar>(parts_.data, parts_.outlook, parts_.entryActions, std::move(args), imported_);
  }

  std::wstring folder_, file_, shortPath_;
};

TEST_F(HandOffToBar, FilesWaitForTheStartUpAndAreServedAfterItThenAtOnce) {
  RestartBar({qrv::Narrow(shortPath_)});  // started by a double-click on the file
  EXPECT_EQ(RunSecondInstance(shortPath_), 0u);
  EXPECT_TRUE(imported_.empty());  // the settings are not read yet
  bar_->StartUp();
  EXPECT_EQ(imported_, (std::vector<std::wstring>{file_, file_}));
  EXPECT_EQ(RunSecondInstance(shortPath_), 0u);
  EXPECT_EQ(imported_.size(), 3u);
  EXPECT_EQ(GlobalFindAtomW(file_.c_str()), 0);
}

TEST_F(HandOffToBar, AFileHandedWhileTheBarIsBusyArrivesOnceItIsFree) {
  bar_->StartUp();
  EXPECT_EQ(RunSecondInstance(shortPath_, 7000), 0u);
  EXPECT_EQ(imported_, std::vector<std::wstring>{file_});
}

TEST_F(HandOffToBar, AMissingFileIsReportedByTheSecondInstanceAndNothingArrives) {
  bar_->StartUp();
  // The second instance shows its error in a box of its own: answer it.
  const UINT_PTR closer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
    if (HWND box = FindWindowW(L"#32770", nullptr)) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(RunSecondInstance(folder_ + L"\\gone.qrv"), 1u);
  KillTimer(nullptr, closer);
  EXPECT_TRUE(imported_.empty());
}

}  // namespace
}  // namespace qrv::testing
