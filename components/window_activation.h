// Brings the first top-level window whose title matches a pattern to the front
// (core/title_pattern.h: a beginning, "*" and an ending, or "*" for any title),
// as the editor raises the bar before it hands the bar a file.
#pragma once

#include <windows.h>

#include <string_view>

namespace qrv {

// The window brought to the front, from the top of the window order down
// (hidden windows too, untitled ones never); null when none matched or the
// pattern was refused, and then no window moves.
HWND ActivateWindowByTitle(std::wstring_view pattern);

}  // namespace qrv
