#include "program_folder.h"

#include <windows.h>

#include <fstream>

#include "core/file_io.h"
#include "core/keyword_file.h"
#include "e2e_support.h"

namespace e2e {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
  wchar_t temp[MAX_PATH], longTemp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  GetLongPathNameW(temp, longTemp, MAX_PATH);
  folder_ = fs::path(longTemp) / ("Quorvel Files " + std::to_string(GetCurrentProcessId()));
  fs::create_directories(folder_);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

std::wstring ProgramFolder::CopyProgram(const std::string* keywordFile) {
  const fs::path app = AppProgram(L"Quorvel.exe");
  const fs::path program = folder_ / "Quorvel.exe";
  fs::copy_file(app, program, fs::copy_options::overwrite_existing);
  fs::copy_file(app.parent_path() / "prefs-qrv.bak", folder_ / "prefs-qrv.bak", fs::copy_options::overwrite_existing);
  if (keywordFile) Write("prefs-qrv.dat", *keywordFile);
  return program.wstring();
}

void ProgramFolder::Write(const fs::path& name, const std::string& bytes) const {
  std::ofstream(folder_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<std::string> ProgramFolder::Records(const char* fileName) const {
  const auto bytes = qrv::ReadFileBytes(folder_ / fileName, 1 << 20);
  return bytes ? qrv::PlainLines(*bytes) : std::vector<std::string>{};
}

}  // namespace e2e
