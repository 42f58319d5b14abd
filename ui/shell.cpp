#include "ui/shell.h"

#include <shellapi.h>

namespace qrv {
namespace {

ShellHandler shellHandler = nullptr;

}  // namespace

bool ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters, int show) {
  if (shellHandler) {
    shellHandler(file, parameters, show);
    return true;
  }
  const auto started =
      ShellExecuteW(owner, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
  return reinterpret_cast<INT_PTR>(started) > 32;
}

void SetShellHandler(ShellHandler handler) { shellHandler = handler; }

}  // namespace qrv
