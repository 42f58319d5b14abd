#include "ui/shell.h"

#include <shellapi.h>

namespace ui {
namespace {

ShellHandler g_shell_handler = nullptr;

}  // namespace

void ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters, int show) {
  if (g_shell_handler) return g_shell_handler(file, parameters, show);
  ShellExecuteW(owner, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, show);
}

void SetShellHandler(ShellHandler handler) { g_shell_handler = handler; }

}  // namespace ui
