// Holds the test session's desktop open while the tests run.
//
// Under Wine the desktop and its shell (explorer, which keeps the notification
// area) close about a second after the last program using them ends, and start
// anew with the next one. Tests run one after another, so a test's program can
// start while the shell is closing: an icon it adds goes with that shell (the
// new one does not announce itself, so nothing adds the icon again) and a
// window it makes may find its desktop gone. On Windows the shell stays for the
// whole session; with this program running, so does the test session's.
//
// It writes "ready" to its output once the shell's notification area is there
// (or after five seconds without one) and runs until the session's Wine server
// stops.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A window of its own makes this a program of the desktop, which starts the
  // shell when it is not running.
  if (!CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Quorvel test desktop", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                       instance, nullptr)) {
    return 1;
  }
  for (int tries = 0; tries < 100 && !FindWindowW(L"Shell_TrayWnd", nullptr); ++tries) Sleep(50);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "ready\n", 6, &written, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
