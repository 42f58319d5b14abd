// How the bar opens an Information Item window: listed among the bar's open
// windows, placed in the cascade from the bar, an empty task, shown. It frees
// itself when it closes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/bar_settings.h"
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

// Makes a new window and opens it.
EntryWindow& OpenEntryWindow(const EntryData& data, EntryActions& actions, const EntryOpening& opening);

// Making a window is most of the cost of opening one (it has some fifty
// controls), so the bar makes the next one ahead while the user is idle. The
// window made ahead stays hidden, without its caption and without the focus, and
// is opened only while nothing it was made from has changed (the settings, the
// lists, the day); else a new one is made as the user asks.
class ReadyEntryWindow {
 public:
  ReadyEntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock = SystemClock());
  ~ReadyEntryWindow();
  ReadyEntryWindow(const ReadyEntryWindow&) = delete;
  ReadyEntryWindow& operator=(const ReadyEntryWindow&) = delete;

  // Makes a window ahead unless a usable one is kept.
  void Prepare();
  bool Ready() const;
  // Opens the window made ahead, or a new one; `opening.clock` is not read.
  EntryWindow& Open(const EntryOpening& opening);

 private:
  struct MadeFrom {
    BarSettings settings;
    // Not the categories: a window reads them as it is shown.
    std::vector<std::string> services, journalTypes;
    bool iconNoteFound = false;
    Date today;
    bool operator==(const MadeFrom&) const = default;
  };
  MadeFrom Now() const;

  const EntryData& data_;
  EntryActions& actions_;
  const EntryClock& clock_;
  std::unique_ptr<EntryWindow> window_;
  MadeFrom madeFrom_;
};

}  // namespace qrv
