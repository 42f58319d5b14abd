#include "bar/bar_entries.h"

namespace qrv {

BarEntries::BarEntries(Form& bar, BarData& data, ItemActions& actions)
    : bar_(bar),
      actions_(actions),
      data_{data.settings,     data.keywords,        data.webServiceCaptions, data.categoryNames,
            data.journalTypes, data.icons.noteFound, &data.icons.definitions, &data.icons.images},
      readyTimer_(bar, 1000) {
  readyTimer_.onTimer = [this] { OnReadyTimer(); };
}

void BarEntries::Open() {
  ready_.Open({.barTop = bar_.WindowRect().top,
               .listWindow = [this](HWND window) { return windows_.Add(window); },
               .unlistWindow =
                   [this](HWND window) {
                     windows_.Remove(window);
                     actions_.Forget(window);
                   }});
}

// The next Information Item window is made once the user has left keyboard and
// mouse alone for two seconds and is not working in one of our windows, so that
// making it never holds up what they type.
void BarEntries::OnReadyTimer() {
  LASTINPUTINFO input{.cbSize = sizeof input, .dwTime = 0};
  if (GetLastInputInfo(&input) && GetTickCount() - input.dwTime < 2000) return;
  const HWND front = GetForegroundWindow();
  if (front && front != bar_.Handle() && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId()) return;
  ready_.Prepare();
}

}  // namespace qrv
