// The Information Item windows the bar opens: the list of the open ones (placed
// in the cascade by their place in it), and the next window made ahead while
// the user is idle.
#pragma once

#include "bar/bar_data.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_data.h"
#include "entry/entry_window_list.h"
#include "entry/open_entry.h"
#include "ui/timer.h"

namespace qrv {

class BarEntries {
 public:
  // The windows act through `actions`.
  BarEntries(Form& bar, BarData& data, ItemActions& actions);

  EntryWindowList& Windows() { return windows_; }
  // Opens a new Information Item window beside the bar.
  void Open();
  // From now on the next window is made ahead.
  void StartReadying() { readyTimer_.SetEnabled(true); }

 private:
  void OnReadyTimer();

  Form& bar_;
  ItemActions& actions_;
  EntryWindowList windows_;
  EntryData data_;
  ReadyEntryWindow ready_{data_, actions_};
  Timer readyTimer_;
};

}  // namespace qrv
