// The system's dialogs that choose a file to open or a name to save under, all
// with the same behaviour: Explorer style, sizable, the read-only box hidden,
// the program's current folder left where it was, the folder must exist (and
// to open, the file), and saving over a file is confirmed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

struct FileDialogArgs {
  HWND owner = nullptr;
  bool save = false;                // else a dialog to open
  bool multiSelect = false;         // to open several files (ChooseFiles)
  bool askToCreate = false;         // to save: a name that does not exist yet is confirmed first
  std::wstring title{};             // empty: the system's
  std::wstring filter{};            // pairs "Name|*.ext;*.ext2|..."; empty: none
  std::wstring defaultExtension{};  // added to a name typed without one
  std::wstring folder{};            // where it opens; empty: the system's choice
  std::wstring file{};              // the name offered (left out when it is no valid name)
};

// The file chosen, none when the dialog was cancelled. A dialog that could not
// be shown throws.
std::optional<std::wstring> ChooseFile(const FileDialogArgs& args);
// The files chosen in a dialog with multiSelect (empty when cancelled).
std::vector<std::wstring> ChooseFiles(const FileDialogArgs& args);

// The files a dialog with multiSelect answered in its buffer: one full path, or
// the folder followed by the names chosen in it, each ended by a null.
std::vector<std::wstring> ChosenFiles(std::wstring_view buffer);

}  // namespace qrv
