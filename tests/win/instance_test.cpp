// The single-instance marker and the hand-off of a file path between instances,
// under Wine with real files, short names from the system and a real broadcast.
#include <windows.h>

#include <gtest/gtest.h>

#include "bar/instance.h"
#include "core/long_path.h"
#include "ui/app.h"

namespace qrv {
namespace {

// A folder and a file with long names in the temporary folder.
class LongNamedFile : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t long_temp[MAX_PATH];
    GetLongPathNameW(temp, long_temp, MAX_PATH);
    folder = std::wstring(long_temp) + L"Quorvel Hand-off Folder " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    file = folder + L"\\My Web Service File.qrv";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
  }
  void TearDown() override {
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring ShortName(const std::wstring& path) {
    wchar_t short_path[MAX_PATH];
    const DWORD n = GetShortPathNameW(path.c_str(), short_path, MAX_PATH);
    return std::wstring(short_path, n);
  }
  std::wstring folder, file;
};

TEST_F(LongNamedFile, ShortAndRelativeNamesExpandToTheLongPath) {
  const std::wstring short_file = ShortName(file);
  ASSERT_NE(short_file, file) << "the system gave no short name";
  EXPECT_EQ(ExpandLongFileName(short_file), file);

  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  const std::wstring short_name = short_file.substr(short_file.rfind(L'\\') + 1);
  SetCurrentDirectoryW(ShortName(folder).c_str());
  const std::wstring from_relative = ExpandLongFileName(short_name);
  const std::wstring from_dots =
      ExpandLongFileName(L"..\\" + folder.substr(folder.rfind(L'\\') + 1) + L"\\My Web Service File.qrv");
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(from_relative, file);
  EXPECT_EQ(from_dots, file);
}

TEST_F(LongNamedFile, DriveRootAndMissingPaths) {
  EXPECT_EQ(ExpandLongFileName(L"C:\\"), L"C:");
  try {
    ExpandLongFileName(folder + L"\\missing\\x.qrv");
    FAIL() << "no error raised";
  } catch (const PathError& e) {
    EXPECT_EQ(std::string(e.what()).find("does not exist!"), std::string(e.what()).size() - 15);
  }
}

// The receiving side of a hand-off is the application window's hook, as in the bar.
class HandOff : public LongNamedFile {
 protected:
  void SetUp() override {
    LongNamedFile::SetUp();
    // A message of this test process alone: a broadcast reaches every process.
    message = RegisterWindowMessageW((L"QuorvelHandOffTest" + std::to_wstring(GetCurrentProcessId())).c_str());
    qrv::Application::Get().HookMainWindow(this, [this](UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
      if (msg != message) return false;
      ++received;
      if (const auto path = HandedPath(wp)) paths.push_back(*path);
      result = 0;
      return true;
    });
  }
  void TearDown() override {
    qrv::Application::Get().UnhookMainWindow(this);
    LongNamedFile::TearDown();
  }
  UINT message = 0;
  int received = 0;
  std::vector<std::wstring> paths;
};

TEST_F(HandOff, RunningInstanceGetsTheLongPathAndTheAtomIsGone) {
  EXPECT_EQ(PassFileToRunningInstance(ShortName(file), message, 0), std::nullopt);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0], file);
  EXPECT_EQ(GlobalFindAtomW(file.c_str()), 0);
}

TEST_F(HandOff, MissingFileIsReportedAndNothingIsSent) {
  const auto error = PassFileToRunningInstance(folder + L"\\gone.qrv", message, 0);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, L"Path " + folder + L"\\gone.qrv does not exist!");
  EXPECT_EQ(received, 0);
}

TEST_F(HandOff, PathLongerThanAnAtomHoldsIsReportedAndNothingIsSent) {
  // Nested folders until the file's path passes what an atom can hold.
  std::vector<std::wstring> made;
  std::wstring deep = folder;
  while (deep.size() < kMaxHandedPath) {
    deep += L"\\A folder with a rather long name to pass the limit";
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    made.push_back(deep);
  }
  const std::wstring long_file = deep + L"\\service.qrv";
  CloseHandle(CreateFileW((L"\\\\?\\" + long_file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const auto error = PassFileToRunningInstance(long_file, message, 0);
  DeleteFileW((L"\\\\?\\" + long_file).c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(L"too long"), std::wstring::npos) << *error;
  EXPECT_EQ(received, 0);
}

TEST_F(HandOff, MessageWhoseAtomHoldsNoTextIsIgnored) {
  SendMessageW(HWND_BROADCAST, message, 0, 0);
  SendMessageW(HWND_BROADCAST, message, 0xBFFF, 0);
  EXPECT_GE(received, 2);
  EXPECT_TRUE(paths.empty());
}

TEST(SingleInstance, SecondOpenerOfTheMarkerIsNotFirst) {
  EXPECT_TRUE(IsFirstInstance(L"QuorvelInstanceTest"));
  EXPECT_FALSE(IsFirstInstance(L"QuorvelInstanceTest"));
}

}  // namespace
}  // namespace qrv
