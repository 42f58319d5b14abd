#include "core/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

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

// A leftover temporary file of a save cut short stops no later one.
TEST_F(FileIo, WritesAndReplacesWholeFilesWithoutLeftovers) {
  fs::path leftover = File();
  leftover += ".tmp";
  ASSERT_TRUE(WriteFileSafely(leftover, "half a save"));
  ASSERT_TRUE(WriteFileSafely(File(), std::string("first\r\n\0second", 14)));
  EXPECT_EQ(ReadFileBytes(File(), 100), std::string("first\r\n\0second", 14));
  ASSERT_TRUE(WriteFileSafely(File(), "new"));
  EXPECT_EQ(ReadFileBytes(File(), 100), "new");
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(FileIo, AFailedSaveKeepsWhatWasThereAndSaysWhy) {
  // A folder in the file's place cannot be replaced by a file.
  fs::create_directory(File());
  SaveResult result = WriteFileSafely(File(), "lost");
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.writeProtected);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_TRUE(OnlyTheFileIsLeft());
  // Nor can a file be written into a folder that does not exist: the system's reason is named.
  result = WriteFileSafely(folder_ / "missing" / "prefs-qrv.dat", "lost");
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.writeProtected);
  EXPECT_EQ(result.reason, std::error_code(ENOENT, std::generic_category()).message());
}

TEST_F(FileIo, AWriteProtectedFileIsNotReplaced) {
  ASSERT_TRUE(WriteFileSafely(File(), "old"));
  fs::permissions(File(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const SaveResult result = WriteFileSafely(File(), "new");
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.writeProtected);
  EXPECT_EQ(ReadFileBytes(File(), 100), "old");
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(FileIo, TheReplacementKeepsTheReplacedFilesAttributes) {
  ASSERT_TRUE(WriteFileSafely(File(), "old"));
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::perms kept = fs::status(File()).permissions() & fs::perms::mask;  // as far as the system keeps them
  ASSERT_TRUE(WriteFileSafely(File(), "new"));
  EXPECT_EQ(fs::status(File()).permissions() & fs::perms::mask, kept);
}

// Only an existing regular file within the limit is read, and a missing file
// is told from one that cannot be read.
TEST_F(FileIo, ReadsOnlyExistingRegularFilesWithinTheLimit) {
  EXPECT_EQ(ReadStoredFile(File(), 100).status, ReadStatus::kMissing);
  EXPECT_EQ(ReadFileBytes(File(), 100), std::nullopt);
  fs::create_directory(File());
  const FileRead folder = ReadStoredFile(File(), 100);
  EXPECT_EQ(folder.status, ReadStatus::kUnreadable);
  EXPECT_FALSE(folder.reason.empty());
  EXPECT_EQ(ReadFileBytes(File(), 100), std::nullopt);
  fs::remove(File());
  ASSERT_TRUE(WriteFileSafely(File(), "12345"));
  EXPECT_EQ(ReadStoredFile(File(), 4).status, ReadStatus::kUnreadable);
  EXPECT_EQ(ReadFileBytes(File(), 4), std::nullopt);
  EXPECT_EQ(ReadStoredFile(File(), 5).bytes, "12345");
  EXPECT_EQ(ReadFileBytes(File(), 5), "12345");
  ASSERT_TRUE(WriteFileSafely(File(), ""));
  EXPECT_EQ(ReadFileBytes(File(), 0), "");
}

}  // namespace
}  // namespace qrv
