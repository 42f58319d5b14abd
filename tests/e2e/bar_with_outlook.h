// The real Quorvel.exe under Wine with the stand-in Outlook, and the argument
// logger copied under the names of the programs the bar starts (Outlook, the
// address book, the mail program, the user's own program): starting and
// closing the bar, its buttons and menu, what it started and what it asked.
#pragma once

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../win/standin_fixture.h"
#include "e2e_support.h"

namespace qrv::testing {

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr wchar_t kMailTo[] = L"mailto\\shell\\open\\command";
constexpr wchar_t kOfficeCategories[] = L"Software\\Microsoft\\Office\\9.0\\Outlook\\Categories";

inline std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

inline void SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text) {
  HKEY handle;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

inline std::wstring GetText(HKEY root, const std::wstring& key) {
  wchar_t text[1024] = L"";
  DWORD size = sizeof text;
  RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size);
  return text;
}

// One start of a program the bar asked for: the program and its command line.
struct Started {
  std::string program;
  std::string commandLine;
  bool operator==(const Started&) const = default;
};

class BarWithOutlook : public StandInTest {
 protected:
  void SetUp() override {
    StandInTest::SetUp();
    wchar_t temp[MAX_PATH], longTemp[MAX_PATH], self[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetLongPathNameW(temp, longTemp, MAX_PATH);
    programs_ = std::wstring(longTemp) + L"qrv e2e " + std::to_wstring(GetCurrentProcessId());
    office_ = programs_ + L"\\Office Suite";
    CreateDirectoryW(programs_.c_str(), nullptr);
    CreateDirectoryW(office_.c_str(), nullptr);
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring logger(self);
    logger = logger.substr(0, logger.find_last_of(L'\\')) + L"\\..\\..\\standins\\arglog.exe";
    for (const std::wstring& program :
         {office_ + L"\\OUTLOOK.EXE", office_ + L"\\Finder.exe", office_ + L"\\OSA9.EXE", programs_ + L"\\MSIMN.EXE",
          programs_ + L"\\wab.exe", programs_ + L"\\My Tool.exe", programs_ + L"\\Mail.exe",
          programs_ + L"\\Office.exe"}) {
      ASSERT_TRUE(CopyFileW(logger.c_str(), program.c_str(), FALSE));
    }
    SetText(HKEY_LOCAL_MACHINE, std::wstring(kAppPaths) + L"OUTLOOK.EXE", nullptr, office_ + L"\\OUTLOOK.EXE");
    SetText(HKEY_LOCAL_MACHINE, std::wstring(kAppPaths) + L"MSIMN.EXE", nullptr, programs_ + L"\\MSIMN.EXE");
    SetText(HKEY_LOCAL_MACHINE, std::wstring(kAppPaths) + L"wab.exe", nullptr, programs_ + L"\\wab.exe");
    mailTo_ = GetText(HKEY_CLASSES_ROOT, kMailTo);
    SetText(HKEY_CLASSES_ROOT, kMailTo, nullptr, L"\"" + programs_ + L"\\Mail.exe\" %1");
    SetEnvironmentVariableW(L"QRV_ARGLOG", (programs_ + L"\\started.log").c_str());
    settings_ = e2e::DefaultSettings(L"60");
    settings_[L"FILENAME"] = programs_ + L"\\My Tool.exe";
  }

  void TearDown() override {
    if (bar_.Running()) CloseBar();
    bar_ = e2e::Process();
    for (const wchar_t* program : {L"OUTLOOK.EXE", L"MSIMN.EXE", L"wab.exe"})
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kAppPaths) + program).c_str());
    if (mailTo_.empty())
      RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    else
      SetText(HKEY_CLASSES_ROOT, kMailTo, nullptr, mailTo_);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office");
    SetEnvironmentVariableW(L"QRV_ARGLOG", nullptr);
    for (const std::wstring& folder : {office_, programs_}) {
      WIN32_FIND_DATAW found;
      HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
      if (find != INVALID_HANDLE_VALUE) {
        do DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        while (FindNextFileW(find, &found));
        FindClose(find);
      }
    }
    RemoveDirectoryW(office_.c_str());
    RemoveDirectoryW(programs_.c_str());
    StandInTest::TearDown();
  }

  void StartBar() {
    e2e::ResetSettings(settings_);
    hwnd_ = e2e::StartBar(bar_);
    ASSERT_TRUE(hwnd_) << "the bar did not come up collapsed";
    top_ = e2e::WindowRect(hwnd_).top;
  }
  // Closes the bar as a user would; Outlook shows no window by then, so it is
  // quit without a question.
  void CloseBar() {
    Configure("item-windows=closed\nexplorer=no\n");
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(bar_.WaitForExit(5000)) << "the bar did not close";
  }
  void OpenBar() {
    ASSERT_TRUE(e2e::WidthOf(hwnd_) == kCollapsed || e2e::WidthOf(hwnd_) == kOpen);
    if (e2e::WidthOf(hwnd_) == kOpen) return;
    e2e::Click(2, top_ + 100);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kOpen; }, 3000)) << "the bar did not open";
  }
  // A button of the open bar at its slot top: a new-item or extra button, or
  // the folder button beside it.
  void ClickButton(int slotTop, bool right = false) {
    OpenBar();
    e2e::Click(24, top_ + slotTop + 12, right);
  }
  void ClickFolderButton(int slotTop, bool right = false) {
    OpenBar();
    e2e::Click(5, top_ + slotTop + 12, right);
  }
  // The bar menu from the collapsed bar's strip, an item chosen by its place.
  void ChooseFromMenu(int place) {
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WidthOf(hwnd_) == kCollapsed; }, 3000));
    e2e::Click(2, top_ + 150, true);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindWindowOf(bar_.Id(), L"#32768") != nullptr; }, 3000)) << "no menu";
    for (int i = 0; i < place; ++i) e2e::PressKeys({VK_DOWN});
    e2e::PressKeys({VK_RETURN});
  }

  // Items shown so far (Display calls on items).
  std::vector<LogEntry> ItemDisplays() const {
    std::vector<LogEntry> shown;
    for (const LogEntry& call : Calls(Log(), "call", "Display"))
      if (call.object.find("Item#") != std::string::npos) shown.push_back(call);
    return shown;
  }
  bool WaitForItemDisplays(std::size_t count) {
    return e2e::WaitFor([&] { return ItemDisplays().size() >= count; }, 5000);
  }
  std::vector<StoreSection> StoredItems() const {
    std::vector<StoreSection> items;
    const StandInStore store = Store();
    for (const StoreSection* item : store.Items()) items.push_back(*item);
    return items;
  }
  std::vector<Started> StartedPrograms() const {
    std::ifstream in((programs_ + L"\\started.log").c_str(), std::ios::binary);
    std::vector<Started> started;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const auto tab = line.find('\t');
      if (tab != std::string::npos) started.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return started;
  }
  bool WaitForStarts(std::size_t count) {
    return e2e::WaitFor([&] { return StartedPrograms().size() >= count; }, 5000);
  }
  std::string OfficePath(const wchar_t* name) const { return Ascii(office_) + "\\" + Ascii(name); }
  std::string ProgramPath(const wchar_t* name) const { return Ascii(programs_) + "\\" + Ascii(name); }
  // A message box of the bar's, when one shows within the time.
  HWND WaitForBox(DWORD ms = 5000) const {
    HWND box = nullptr;
    e2e::WaitFor([&] { return (box = e2e::FindWindowOf(bar_.Id(), L"#32770")) != nullptr; }, ms);
    return box;
  }

  static constexpr int kCollapsed = 6;
  static constexpr int kOpen = 38;
  std::map<std::wstring, std::wstring> settings_;
  e2e::Process bar_;
  HWND hwnd_ = nullptr;
  int top_ = 0;
  std::wstring programs_, office_, mailTo_;
};

}  // namespace qrv::testing
