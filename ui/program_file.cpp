#include "ui/program_file.h"

#include <windows.h>

namespace qrv {

std::wstring ExeName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::filesystem::path ProgramFolder() { return std::filesystem::path(ExeName()).parent_path(); }

}  // namespace qrv
