// How the bar opens an Information Item window: a new window each time, listed
// among the bar's open windows, placed in the cascade from the bar, reset to
// an empty task and shown. It frees itself when it closes.
#pragma once

#include <windows.h>

#include <functional>

#include "core/bar_windows.h"
#include "entry/entry_window.h"

namespace qrv {

struct EntryOpening {
  int barTop = 0;
  ScreenSize screen{};  // the work area; {0, 0}: the primary monitor's
  // Lists the new window among the bar's open windows and answers its place
  // there, 1 for the first (EntryWindowList::Add).
  std::function<int(HWND)> listWindow{};
  // Takes it off the list as it goes (EntryWindowList::Remove).
  std::function<void(HWND)> unlistWindow{};
  const EntryClock* clock = nullptr;  // none: the system's
};

EntryWindow& OpenEntryWindow(const EntryData& data, EntryActions& actions, const EntryOpening& opening);

}  // namespace qrv
