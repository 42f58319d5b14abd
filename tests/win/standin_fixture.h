// Each test starts the stand-in Outlook afresh with files of its own: a seed,
// settings, the call log and the store file, all in a folder of the test's.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "components/ole_auto.h"
#include "tests/support/outlook_trace.h"

namespace qrv::testing {

// What Outlook (or the automation helper) said when the call failed; "(no error)" when it did not.
inline std::string FailureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const OleError& error) {
    return error.what();
  }
  return "(no error)";
}

class StandInTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole_.Started());
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::wstring(temp) + L"qrv-outlook-" + std::to_wstring(GetCurrentProcessId()) + L"-" + Wide(test->name());
    CreateDirectoryW(folder_.c_str(), nullptr);
    SetEnvironmentVariableW(L"QRV_OUTLOOK_LOG", Path(L"calls.log").c_str());
    SetEnvironmentVariableW(L"QRV_OUTLOOK_STORE", Path(L"store.ini").c_str());
    SetEnvironmentVariableW(L"QRV_OUTLOOK_CONFIG", Path(L"config.ini").c_str());
    SetEnvironmentVariableW(L"QRV_OUTLOOK_SEED", Path(L"seed.ini").c_str());
  }

  void TearDown() override {
    for (const wchar_t* name : {L"calls.log", L"store.ini", L"config.ini", L"seed.ini"}) {
      DeleteFileW(Path(name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }

  // Before Outlook starts: the items it begins with, in the store file's format.
  void Seed(const std::string& text) { Write(L"seed.ini", text); }
  // At any time: the stand-in reads its settings again at its next call.
  void Configure(const std::string& text) { Write(L"config.ini", text); }

  OleObject StartOutlook() { return OleObject::Create(L"Outlook.Application"); }

  // Outlook as the user starts it: its own window, and shared with every
  // program that asks for Outlook. Its process once it answers, or null.
  HANDLE StartUsersOutlook() {
    wchar_t self[MAX_PATH];
    const std::wstring test(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    std::wstring command =
        L"\"" + test.substr(0, test.find_last_of(L'\\')) + L"\\..\\..\\standins\\outlook_standin.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      return nullptr;
    }
    CloseHandle(process.hThread);
    CLSID clsid{};
    CLSIDFromProgID(L"Outlook.Application", &clsid);
    for (int tries = 0; tries < 200; ++tries) {
      IUnknown* running = nullptr;
      if (SUCCEEDED(GetActiveObject(clsid, nullptr, &running))) {
        running->Release();
        return process.hProcess;
      }
      if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return nullptr;
  }
  // The window of the user's Outlook, or null.
  static HWND UsersOutlookWindow() { return FindWindowW(L"QuorvelOutlookStandIn", nullptr); }

  StandInStore Store() const { return StandInStore::Read(Narrow(Path(L"store.ini"))); }
  // One section of the store file as it is now; an empty one when there is none.
  StoreSection Stored(std::string_view kind, std::string_view name = {}) const {
    const StandInStore store = Store();
    const StoreSection* section = store.Find(kind, name);
    return section ? *section : StoreSection{};
  }
  std::vector<LogEntry> Log() const { return ReadStandInLog(Narrow(Path(L"calls.log"))); }
  std::string FolderPath() const { return Narrow(folder_); }

 private:
  static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
  static std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) out += static_cast<char>(c);
    return out;
  }
  std::wstring Path(const wchar_t* name) const { return folder_ + L"\\" + name; }
  void Write(const wchar_t* name, const std::string& text) {
    std::ofstream out(Path(name).c_str(), std::ios::binary | std::ios::trunc);
    out << text;
  }

  OleSession ole_;
  std::wstring folder_;
};

}  // namespace qrv::testing
