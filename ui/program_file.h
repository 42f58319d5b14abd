// The running program's own file, and the folder beside it where the program
// keeps its files.
#pragma once

#include <filesystem>
#include <string>

namespace qrv {

// The full path of the running program.
std::wstring ExeName();
std::filesystem::path ProgramFolder();

}  // namespace qrv
