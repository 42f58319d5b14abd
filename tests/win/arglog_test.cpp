// The program that stands in for outlook.exe, Finder.exe and the others when the
// bar starts them: under any name and from a folder with blanks in its path it
// records which program ran and with what command line.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::wstring TestFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(ArgumentLogger, RecordsWhichProgramRanAndItsCommandLine) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"qrv arglog " + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring program = folder + L"\\Finder.exe";
  const std::wstring log = folder + L"\\started.log";
  // Built beside the stand-in Outlook: build/standins, two folders up from the tests.
  ASSERT_TRUE(CopyFileW((TestFolder() + L"\\..\\..\\standins\\arglog.exe").c_str(), program.c_str(), FALSE));
  SetEnvironmentVariableW(L"QRV_ARGLOG", log.c_str());

  SHELLEXECUTEINFOW run{};
  run.cbSize = sizeof run;
  run.fMask = SEE_MASK_NOCLOSEPROCESS;
  run.lpFile = program.c_str();
  run.lpParameters = L"Outlook:Tasks";
  run.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&run));
  ASSERT_NE(run.hProcess, nullptr);
  EXPECT_EQ(WaitForSingleObject(run.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(run.hProcess);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\" -n";
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  const std::string quoted = "\"" + Ascii(program) + "\"";
  EXPECT_EQ(ReadAll(log),
            Ascii(program) + "\t" + quoted + " Outlook:Tasks\r\n" + Ascii(program) + "\t" + quoted + " -n\r\n");
  DeleteFileW(log.c_str());
  DeleteFileW(program.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
