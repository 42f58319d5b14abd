// The ground the Windows tests stand on: under Wine a test program can create a
// window, a named mutex and a registry value.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WineHarness, CreatesAWindowOnTheDisplay) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"harness", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOW);
  RECT rc{};
  ASSERT_TRUE(GetWindowRect(wnd, &rc));
  EXPECT_EQ(rc.right - rc.left, 200);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_TRUE(DestroyWindow(wnd));
}

TEST(WineHarness, NamedMutexIsSeenByASecondOpener) {
  HANDLE first = CreateMutexW(nullptr, FALSE, L"QuorvelHarnessTest");
  ASSERT_NE(first, nullptr);
  EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  HANDLE second = CreateMutexW(nullptr, FALSE, L"QuorvelHarnessTest");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CloseHandle(second);
  CloseHandle(first);
}

TEST(WineHarness, RegistryValueIsWrittenAndReadBack) {
  HKEY key{};
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QV\\HarnessTest", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t value[] = L"YES";
  ASSERT_EQ(RegSetValueExW(key, L"MINIMIZE", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value),
            ERROR_SUCCESS);
  wchar_t read[16]{};
  DWORD size = sizeof read;
  ASSERT_EQ(RegGetValueW(key, nullptr, L"MINIMIZE", RRF_RT_REG_SZ, nullptr, read, &size), ERROR_SUCCESS);
  EXPECT_STREQ(read, L"YES");
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QV\\HarnessTest"), ERROR_SUCCESS);
}

}  // namespace
