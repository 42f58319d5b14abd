// What core takes from Windows, checked against Windows itself: code pages
// other than the one this prefix runs with, the user's order of texts, and the
// attributes a saved file keeps.
#include "components/windows_system.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/keyword_file.h"
#include "core/outlook_numbers.h"

namespace qrv {
namespace {

namespace fs = std::filesystem;

const char kPolish[] = "\xC5\x81\xC3\x93\xC4\x86";  // ŁÓĆ

TEST(WindowsCodePage, ConvertsInTheCodePageItIsGivenAndRefusesWhatItCannotHold) {
  const WindowsCodePage centralEuropean(1250);
  EXPECT_EQ(centralEuropean.FromUtf8(kPolish, nullptr), "\xA3\xD3\xC6");
  EXPECT_EQ(centralEuropean.ToUtf8("\xA3\xD3\xC6"), kPolish);

  const WindowsCodePage western(1252);
  std::string unheld;
  EXPECT_EQ(western.FromUtf8(kPolish, &unheld), std::nullopt);  // never "?\xD3?"
  EXPECT_EQ(unheld, "\xC5\x81");
  EXPECT_EQ(western.FromUtf8("a?b", &unheld), "a?b");
  EXPECT_EQ(western.FromUtf8("ok\xC3", &unheld), std::nullopt);  // no UTF-8
  EXPECT_EQ(unheld, "\xC3");

  const WindowsCodePage japanese(932);
  const std::string nihon = "\xE6\x97\xA5\xE6\x9C\xAC";  // two characters, two bytes each
  const auto bytes = japanese.FromUtf8(nihon, nullptr);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 4u);
  EXPECT_EQ(japanese.ToUtf8(*bytes), nihon);
  EXPECT_EQ(japanese.FromUtf8(kPolish, &unheld), std::nullopt);
}

TEST(WindowsCodePage, TheSystemCodePageHereAgreesWithTheNativeTable) {
  // The test prefix runs with code page 1252, the table the native build uses.
  ASSERT_EQ(GetACP(), 1252u);
  const WindowsCodePage system;
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(system.ToUtf8(all), Windows1252().ToUtf8(all));
  EXPECT_EQ(system.FromUtf8(Windows1252().ToUtf8(all), nullptr), all);
}

TEST(UserLocaleOrder, CategoriesSortAsTheUserReadsThem) {
  std::vector<std::string> names = {"Zebra", "\xC3\x84rger", "co-op", "Coach", "apple", "Arbeit"};
  SortCategoryNames(names, CompareInUserLocale);
  // The accented name sorts with its letter, not after "Z"; the hyphen does
  // not put "co-op" before "Coach".
  EXPECT_EQ(names, (std::vector<std::string>{"apple", "Arbeit", "\xC3\x84rger", "Coach", "co-op", "Zebra"}));
  EXPECT_EQ(CompareInUserLocale("VIP", "vip"), 0);
}

class SavedAttributes : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSystem();
    // One folder per test: the tests run side by side in processes of their own.
    folder_ = fs::temp_directory_path() /
              ("qrv-windows-system-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ec;
    fs::remove_all(folder_, ec);
    SetSystemCodePage(Windows1252());
    SetAttributeKeeper(nullptr);
  }
  fs::path File() const { return folder_ / "prefs-qrv.dat"; }
  fs::path folder_;
};

TEST_F(SavedAttributes, AHiddenSystemFileStaysHiddenAndSystemAfterASaveAndIsMarkedForBackup) {
  ASSERT_TRUE(WriteFileSafely(File(), "old"));
  ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(WriteFileSafely(File(), "new"));
  EXPECT_EQ(ReadFileBytes(File(), 10), "new");
  const DWORD attributes = GetFileAttributesW(File().c_str());
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(SavedAttributes, AKeywordTheSystemCodePageCannotHoldIsRefusedByName) {
  const SaveResult result = SaveKeywordFile(folder_, {{std::string("K=1{") + kPolish + "}3"}, {}, {}, {}});
  EXPECT_FALSE(result);
  EXPECT_NE(KeywordFileSaveWarning(result).find("\xC5\x81"), std::string::npos);
  EXPECT_FALSE(fs::exists(File()));
}

}  // namespace
}  // namespace qrv
