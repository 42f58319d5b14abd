#include "entry/entry_window_list.h"

#include <algorithm>

namespace qrv {

int EntryWindowList::Add(HWND window) {
  DropGone();
  auto found = std::find(windows_.begin(), windows_.end(), window);
  if (found == windows_.end()) found = windows_.insert(windows_.end(), window);
  return static_cast<int>(found - windows_.begin()) + 1;
}

void EntryWindowList::Remove(HWND window) { std::erase(windows_, window); }

int EntryWindowList::Count() const {
  return static_cast<int>(std::count_if(windows_.begin(), windows_.end(), [](HWND w) { return IsWindow(w); }));
}

void EntryWindowList::DropGone() {
  std::erase_if(windows_, [](HWND w) { return !IsWindow(w); });
}

}  // namespace qrv
