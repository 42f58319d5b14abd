// Text at the Win32 boundary: the program's UTF-8 text to the wide API and back.
#pragma once

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// Each text of a list, widened: the items of a list box or a combo.
template <typename Texts>
std::vector<std::wstring> WidenAll(const Texts& texts) {
  std::vector<std::wstring> wide;
  wide.reserve(std::size(texts));
  for (const auto& text : texts) wide.push_back(Widen(text));
  return wide;
}

}  // namespace qrv
