// The single-instance marker and the hand-off of a file path between instances,
// under Wine with real files, short names from the system and a real broadcast.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "bar/instance.h"
#include "core/long_path.h"
#include "ui/form.h"

namespace qrv {
namespace {

// A folder and a file with long names in the temporary folder.
class LongNamedFile : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t longTemp[MAX_PATH];
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    folder_ = std::wstring(longTemp) + L"Quorvel Hand-off Folder " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    file_ = folder_ + L"\\My Web Service File.qrv";
    HANDLE h = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
  }
  void TearDown() override {
    DeleteFileW(file_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring ShortName(const std::wstring& path) {
    wchar_t shortPath[MAX_PATH];
    const DWORD n = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    return std::wstring(shortPath, n);
  }
  std::wstring folder_, file_;
};

TEST_F(LongNamedFile, ShortAndRelativeNamesExpandToTheLongPath) {
  const std::wstring shortFile = ShortName(file_);
  ASSERT_NE(shortFile, file_) << "the system gave no short name";
  EXPECT_EQ(ExpandLongFileName(shortFile), file_);

  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  const std::wstring shortName = shortFile.substr(shortFile.rfind(L'\\') + 1);
  SetCurrentDirectoryW(ShortName(folder_).c_str());
  const std::wstring fromRelative = ExpandLongFileName(shortName);
  const std::wstring fromDots =
      ExpandLongFileName(L"..\\" + folder_.substr(folder_.rfind(L'\\') + 1) + L"\\My Web Service File.qrv");
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(fromRelative, file_);
  EXPECT_EQ(fromDots, file_);
}

TEST_F(LongNamedFile, DriveRootAndMissingPaths) {
  EXPECT_EQ(ExpandLongFileName(L"C:\\"), L"C:");
  try {
    ExpandLongFileName(folder_ + L"\\missing\\x.qrv");
    FAIL() << "no error raised";
  } catch (const PathError& e) {
    EXPECT_EQ(std::string(e.what()).find("does not exist!"), std::string(e.what()).size() - 15);
  }
}

// The receiving side of a hand-off: a top-level window of the process hears
// the broadcast, as the bar's own window does.
class HandOffReceiver : public qrv::Form {
 public:
  explicit HandOffReceiver(UINT message) : Form({.caption = L"hand-off"}), message_(message) {}
  int received = 0;
  std::vector<std::wstring> paths;
  // A running instance that ends before it took a file.
  HANDLE endsOnReceipt = nullptr;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != message_) return Form::WndProc(msg, wp, lp);
    ++received;
    if (endsOnReceipt) {
      CloseHandle(std::exchange(endsOnReceipt, nullptr));
    } else if (const auto path = TakeHandedPath(wp)) {
      paths.push_back(*path);
    }
    return 0;
  }

 private:
  UINT message_;
};

class HandOff : public LongNamedFile {
 protected:
  // A message of this test process alone: a broadcast reaches every process.
  void TearDown() override {
    if (receiver_.endsOnReceipt) CloseHandle(receiver_.endsOnReceipt);
    CloseHandle(marker_);
    LongNamedFile::TearDown();
  }
  const std::wstring name_ = L"QuorvelHandOffTest" + std::to_wstring(GetCurrentProcessId());
  UINT message_ = RegisterWindowMessageW(name_.c_str());
  HANDLE marker_ = CreateMutexW(nullptr, FALSE, name_.c_str());  // the running instance's
  HandOffReceiver receiver_{message_};
};

TEST_F(HandOff, RunningInstanceGetsTheLongPathAndTheAtomIsGone) {
  EXPECT_EQ(PassFileToRunningInstance(ShortName(file_), message_, 0, name_.c_str()), std::nullopt);
  ASSERT_EQ(receiver_.paths.size(), 1u);
  EXPECT_EQ(receiver_.paths[0], file_);
  EXPECT_EQ(GlobalFindAtomW(file_.c_str()), 0);
}

TEST_F(HandOff, AFileTheRunningInstanceNeverTookIsReportedAndItsAtomIsGone) {
  receiver_.endsOnReceipt = std::exchange(marker_, CreateMutexW(nullptr, FALSE, nullptr));
  const auto error = PassFileToRunningInstance(ShortName(file_), message_, 0, name_.c_str());
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, L"The file could not be handed over to the running Quorvel:\r\n" + file_);
  EXPECT_EQ(receiver_.received, 1);
  EXPECT_EQ(GlobalFindAtomW(file_.c_str()), 0);
}

TEST_F(HandOff, MissingFileIsReportedAndNothingIsSent) {
  const auto error = PassFileToRunningInstance(folder_ + L"\\gone.qrv", message_, 0, name_.c_str());
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, L"Path " + folder_ + L"\\gone.qrv does not exist!");
  EXPECT_EQ(receiver_.received, 0);
}

TEST_F(HandOff, PathLongerThanAnAtomHoldsIsReportedAndNothingIsSent) {
  // Nested folders until the file's path passes what an atom can hold.
  std::vector<std::wstring> made;
  std::wstring deep = folder_;
  while (deep.size() < kMaxHandedPath) {
    deep += L"\\A folder with a rather long name to pass the limit";
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    made.push_back(deep);
  }
  const std::wstring longFile = deep + L"\\service.qrv";
  CloseHandle(CreateFileW((L"\\\\?\\" + longFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const auto error = PassFileToRunningInstance(longFile, message_, 0, name_.c_str());
  DeleteFileW((L"\\\\?\\" + longFile).c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(L"too long"), std::wstring::npos) << *error;
  EXPECT_EQ(receiver_.received, 0);
}

TEST_F(HandOff, MessageWhoseAtomHoldsNoTextIsIgnored) {
  SendMessageW(HWND_BROADCAST, message_, 0, 0);
  SendMessageW(HWND_BROADCAST, message_, 0xBFFF, 0);
  EXPECT_GE(receiver_.received, 2);
  EXPECT_TRUE(receiver_.paths.empty());
}

TEST(SingleInstance, SecondOpenerOfTheMarkerIsNotFirst) {
  EXPECT_TRUE(IsFirstInstance(L"QuorvelInstanceTest"));
  EXPECT_FALSE(IsFirstInstance(L"QuorvelInstanceTest"));
}

}  // namespace
}  // namespace qrv
