#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace qrv {
namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;  // characters: room for many files chosen at once

// The buffer the dialog fills: empty, or the dialog refuses to open.
std::wstring Buffer(const std::wstring& offered) {
  std::wstring file = offered.find_first_of(L"\"*?<>|") == std::wstring::npos ? offered : std::wstring();
  file.resize(std::max(file.size() + 1, kBufferSize), L'\0');
  return file;
}

// The buffer as the dialog left it, none when cancelled.
std::optional<std::wstring> RunDialog(const FileDialogArgs& args) {
  std::wstring filter = args.filter.empty() ? std::wstring() : args.filter + L"||";
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  std::wstring file = Buffer(args.file);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = args.owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = args.folder.empty() ? nullptr : args.folder.c_str();
  dialog.lpstrTitle = args.title.empty() ? nullptr : args.title.c_str();
  dialog.lpstrDefExt = args.defaultExtension.empty() ? nullptr : args.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (args.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST) | (args.multiSelect ? OFN_ALLOWMULTISELECT : 0) |
                 (args.askToCreate ? OFN_CREATEPROMPT : 0);
  if (args.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)) return file;
  // Cancel answers no error; anything else is a failure the user must hear of.
  if (const DWORD error = CommDlgExtendedError(); error != 0)
    throw std::runtime_error("The file dialog could not be shown (error " + std::to_string(error) + ").");
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> ChooseFile(const FileDialogArgs& args) {
  auto file = RunDialog(args);
  if (file) file->resize(wcslen(file->c_str()));
  return file;
}

std::vector<std::wstring> ChooseFiles(const FileDialogArgs& args) {
  const auto buffer = RunDialog(args);
  return buffer ? ChosenFiles(*buffer) : std::vector<std::wstring>();
}

std::vector<std::wstring> ChosenFiles(std::wstring_view buffer) {
  std::vector<std::wstring> parts;
  for (std::size_t at = 0; at < buffer.size() && buffer[at];) {
    const std::size_t end = std::min(buffer.find(L'\0', at), buffer.size());
    parts.emplace_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::vector<std::wstring> files;
  for (std::size_t i = 1; i < parts.size(); ++i)
    files.push_back((std::filesystem::path(parts[0]) / parts[i]).wstring());
  return files;
}

}  // namespace qrv
