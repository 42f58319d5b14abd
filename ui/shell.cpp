#include "ui/shell.h"

#include <shellapi.h>

namespace qrv {
namespace {

ShellHandler shellHandler = nullptr;

}  // namespace

void ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters, int show) {
  if (shellHandler) return shellHandler(file, parameters, show);
  ShellExecuteW(owner, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
}

void SetShellHandler(ShellHandler handler) { shellHandler = handler; }

}  // namespace qrv
