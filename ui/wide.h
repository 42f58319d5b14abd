// Text at the Win32 boundary: the program's UTF-8 text to the wide API and back.
#pragma once

#include <string>
#include <string_view>

namespace qrv {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace qrv
