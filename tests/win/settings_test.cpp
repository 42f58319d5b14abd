// The settings key under Wine: values of the wrong type or length read as
// missing, names in any case, and the first read of a missing key.
#include <windows.h>

#include <gtest/gtest.h>

#include "components/settings.h"

namespace qrv {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\QV\\QuorvelSettingsTest";

class SettingsKey : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, name, type, data, size), ERROR_SUCCESS);
  }
};

TEST_F(SettingsKey, OddValuesReadAsMissing) {
  EXPECT_EQ(ReadSettingsKey(kTestKey), std::nullopt);
  ASSERT_TRUE(WriteSetting("BUTTON1", "20,ON", kTestKey));
  const DWORD number = 5;
  SetRaw(L"MINIMIZETIME", REG_DWORD, &number, sizeof number);
  const wchar_t lower[] = L"YES,300";
  SetRaw(L"position", REG_SZ, lower, sizeof lower);
  const std::wstring huge(70000, L'x');
  SetRaw(L"FILENAME", REG_SZ, huge.c_str(), static_cast<DWORD>((huge.size() + 1) * sizeof(wchar_t)));
  const auto values = ReadSettingsKey(kTestKey);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->at("BUTTON1"), "20,ON");
  EXPECT_EQ(values->at("POSITION"), "YES,300");
  EXPECT_EQ(values->count("MINIMIZETIME"), 0u);
  EXPECT_EQ(values->count("FILENAME"), 0u);
  EXPECT_EQ(ReadSetting("position", kTestKey), "YES,300");
  EXPECT_EQ(ReadSetting("SETEXT", kTestKey), "");
}

TEST_F(SettingsKey, FirstReadStoresLastUpdateAWeekAgoLessADay) {
  BarSettings settings;
  LoadBarSettings(settings, kTestKey);
  const std::string expected = FormatShortDate(*AddDays(Today(), -6), ShortDateFormat());
  EXPECT_EQ(ReadSetting("LASTUPDATE", kTestKey), expected);
  EXPECT_EQ(ShortDateFormat(), "M/d/yyyy");  // the test prefix's pinned locale
  EXPECT_EQ(settings.buttonLayout.size(), 12u);
  // Outlook is where its App Paths entry says (the stand-in's, once registered);
  // without one the usual place stands.
  char appPath[MAX_PATH]{};
  DWORD size = sizeof appPath;
  const bool installed =
      RegGetValueA(HKEY_LOCAL_MACHINE, R"(Software\Microsoft\Windows\CurrentVersion\App Paths\OUTLOOK.EXE)", nullptr,
                   RRF_RT_REG_SZ, nullptr, appPath, &size) == ERROR_SUCCESS;
  EXPECT_EQ(settings.outlookExePath,
            installed ? std::string(appPath) : R"(C:\PROGRAM FILES\MICROSOFT OFFICE\OFFICE\OUTLOOK.EXE)");
  // Read again, the stored date is kept.
  ASSERT_TRUE(WriteSetting("LASTUPDATE", "1/2/2020", kTestKey));
  LoadBarSettings(settings, kTestKey);
  EXPECT_EQ(ReadSetting("LASTUPDATE", kTestKey), "1/2/2020");
}

}  // namespace
}  // namespace qrv
