// Opening a file, program or address through the shell, as Explorer would, and
// the seam through which tests see what would have been opened instead; the
// files dropped on a window and the text on the clipboard.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace qrv {

// Opens `file` with its default verb; `parameters` may be empty. The file is
// passed as a file, never as a command line, so a path with blanks cannot start
// another program. False when the shell could not open it (a handler taking
// the request counts as opened).
bool ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters = {}, int show = SW_SHOWNORMAL);

// Tests take the requests here instead; nullptr opens for real again.
using ShellHandler = void (*)(const std::wstring& file, const std::wstring& parameters, int show);
void SetShellHandler(ShellHandler handler);

// Starts a program by its full path, given as the application name so that no
// part of a path with blanks is taken for another program; false when it did
// not start. The program's command line is `commandLine` (its first word
// naming the program), else the quoted path alone: no arguments.
bool StartProgram(const std::wstring& path, std::wstring commandLine = {});
// Tests take the starts here instead; nullptr starts for real again.
using ProgramStartHandler = bool (*)(const std::wstring& path);
void SetProgramStartHandler(ProgramStartHandler handler);

// The files of a drop (WM_DROPFILES), in the order given, names the system
// answers empty left out. The drop is finished: the handle is gone after it.
std::vector<std::wstring> DroppedFiles(HDROP drop);

// The clipboard's text; none when it holds none or could not be opened.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace qrv
