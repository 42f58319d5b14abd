#include "core/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qrv {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("qrv-file-io-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(File(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
  }
  fs::path File() const { return folder_ / "prefs-qrv.dat"; }
  bool OnlyTheFileIsLeft() const {
    return std::distance(fs::directory_iterator(folder_), fs::directory_iterator()) == 1;
  }

  fs::path folder_;
};

TEST_F(FileIo, WritesAndReplacesWholeFilesWithoutLeftovers) {
  ASSERT_TRUE(WriteFileSafely(File(), std::string("first\r\n\0second", 15)));
  EXPECT_EQ(ReadFileBytes(File(), 100), std::string("first\r\n\0second", 15));
  ASSERT_TRUE(WriteFileSafely(File(), "new"));
  EXPECT_EQ(ReadFileBytes(File(), 100), "new");
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(FileIo, ALeftoverTemporaryFileDoesNotStopASave) {
  fs::path leftover = File();
  leftover += ".tmp";
  ASSERT_TRUE(WriteFileSafely(leftover, "half a save"));
  ASSERT_TRUE(WriteFileSafely(File(), "whole"));
  EXPECT_EQ(ReadFileBytes(File(), 100), "whole");
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(FileIo, AFailedSaveKeepsWhatWasThere) {
  // A folder in the file's place cannot be replaced by a file.
  fs::create_directory(File());
  EXPECT_FALSE(WriteFileSafely(File(), "lost"));
  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_TRUE(OnlyTheFileIsLeft());
  // Nor can a file be written into a folder that does not exist.
  EXPECT_FALSE(WriteFileSafely(folder_ / "missing" / "prefs-qrv.dat", "lost"));
}

TEST_F(FileIo, AWriteProtectedFileIsNotReplaced) {
  ASSERT_TRUE(WriteFileSafely(File(), "old"));
  fs::permissions(File(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(WriteFileSafely(File(), "new"));
  EXPECT_EQ(ReadFileBytes(File(), 100), "old");
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(FileIo, ReadsOnlyExistingRegularFilesWithinTheLimit) {
  ASSERT_TRUE(WriteFileSafely(File(), "12345"));
  EXPECT_EQ(ReadFileBytes(File(), 5), "12345");
  EXPECT_EQ(ReadFileBytes(File(), 4), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_ / "none", 100), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_, 100), std::nullopt);
  ASSERT_TRUE(WriteFileSafely(File(), ""));
  EXPECT_EQ(ReadFileBytes(File(), 0), "");
}

}  // namespace
}  // namespace qrv
