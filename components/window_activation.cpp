#include "components/window_activation.h"

#include <optional>
#include <string>

#include "core/title_pattern.h"
#include "ui/wide.h"

namespace qrv {

namespace {

struct Search {
  const TitlePattern& pattern;
  HWND found = nullptr;
};

bool Compare(HWND window, Search& search) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return false;
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), length + 1)));
  return !title.empty() && search.pattern.Matches(Narrow(title));
}

// Goes on (TRUE) until a title matches.
BOOL CALLBACK CompareTitle(HWND window, LPARAM data) noexcept {
  auto& search = *reinterpret_cast<Search*>(data);
  try {
    if (!Compare(window, search)) return TRUE;
    search.found = window;
  } catch (...) {  // no memory for a title: the search ends without a window
  }
  return FALSE;
}

}  // namespace

HWND ActivateWindowByTitle(std::wstring_view pattern) {
  const std::optional<TitlePattern> parsed = TitlePattern::Parse(Narrow(pattern));
  if (!parsed) return nullptr;
  Search search{*parsed};
  EnumWindows(CompareTitle, reinterpret_cast<LPARAM>(&search));
  if (search.found) SetForegroundWindow(search.found);
  return search.found;
}

}  // namespace qrv
