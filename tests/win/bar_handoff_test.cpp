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
    static const bool marked = IsFirstInstance(L"Quorvel");  // kept for the process's life
    ASSERT_TRUE(marked) << "another bar is running";
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH], shortName[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    folder = std::wstring(longTemp) + L"Quorvel Hand-off To Bar " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    file = folder + L"\\Handed Over Service.qrv";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    GetShortPathNameW(file.c_str(), shortName, MAX_PATH);
    shortPath = shortName;
  }
  void TearDown() override {
    BarTest::TearDown();
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
  }
  // Runs a second instance with an argument, handling this thread's messages
  // (the hand-off among them) until it ends; its exit code.
  DWORD RunSecondInstance(const std::wstring& argument) {
    const std::wstring program = AppProgram(L"Quorvel.exe");
    std::wstring command = L"\"" + program + L"\" \"" + argument + L"\"";
    STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return static_cast<DWORD>(-1);
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
    bar.reset();
    bar = std::make_unique<BarWindow>(data, outlook, std::move(args),
                                      [this](const std::wstring& path) { imported.push_back(path); });
  }

  std::wstring folder, file, shortPath;
};

TEST_F(HandOffToBar, FilesWaitForTheStartUpAndAreServedAfterItThenAtOnce) {
  RestartBar({qrv::Narrow(shortPath)});  // started by a double-click on the file
  EXPECT_EQ(RunSecondInstance(shortPath), 0u);
  EXPECT_TRUE(imported.empty());  // the settings are not read yet
  bar->StartUp();
  EXPECT_EQ(imported, (std::vector<std::wstring>{file, file}));
  EXPECT_EQ(RunSecondInstance(shortPath), 0u);
  EXPECT_EQ(imported.size(), 3u);
  EXPECT_EQ(GlobalFindAtomW(file.c_str()), 0);
}

TEST_F(HandOffToBar, AMissingFileIsReportedByTheSecondInstanceAndNothingArrives) {
  bar->StartUp();
  // The second instance shows its error in a box of its own: answer it.
  const UINT_PTR closer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
    if (HWND box = FindWindowW(L"#32770", nullptr)) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(RunSecondInstance(folder + L"\\gone.qrv"), 1u);
  KillTimer(nullptr, closer);
  EXPECT_TRUE(imported.empty());
}

}  // namespace
}  // namespace qrv::testing
