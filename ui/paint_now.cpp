#include "ui/paint_now.h"

#include <windows.h>

namespace qrv {

void PaintNow() {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return TRUE;
      },
      0);
}

}  // namespace qrv
