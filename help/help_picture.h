// The help pages' pictures: screenshots of the program's own windows, built
// into it as PNG files (RCDATA), shown inside a page as rich text.
#pragma once

#include <string>

namespace qrv {

// The picture resource as a rich-text group ("{\rtf1{\pict ...}}") that a rich
// edit shows where it is streamed in; empty when the program holds no such
// picture or it cannot be read.
std::string HelpPictureRtf(const wchar_t* name);

}  // namespace qrv
