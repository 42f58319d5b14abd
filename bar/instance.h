// One bar at a time: the single-instance marker, and the hand-off with which a
// second instance passes a file (a web-service file the user opened) to the
// running one before it ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qrv {

// The hand-off message, registered under "Quorvel_By_Dobrin": the same number
// in every instance.
UINT HandOffMessage();

// True unless the named marker mutex exists already. The first instance keeps
// its handle for the life of the process.
bool IsFirstInstance(const wchar_t* mutexName);

// The arguments after the program on this process's command line.
std::vector<std::string> CommandLineArguments();

// The absolute form of name with every component as the file system stores it;
// raises qrv::PathError ("Path ... does not exist!") when it does not exist.
std::wstring ExpandLongFileName(const std::wstring& name);

// Longest path a hand-off can carry (the longest name a global atom can hold).
inline constexpr std::size_t kMaxHandedPath = 255;

// Hands name to the running instance: its long path in a global atom,
// broadcast with `message` to every top-level window; returns once the running
// instance took it, however long it was busy. Returns the text to report when nothing could be handed over: the
// file is missing, its path too long, or the instance that holds the marker
// `markerName` ended (or stayed busy for minutes) before it took the file.
std::optional<std::wstring> PassFileToRunningInstance(const std::wstring& name, UINT message, LPARAM lparam,
                                                      const wchar_t* markerName);

// The receiving side: the path in the atom of a hand-off message, and the
// sender told that it was taken; nothing when the atom holds no text.
std::optional<std::wstring> TakeHandedPath(WPARAM atom);

}  // namespace qrv
