// Repainting before a slow call, without handling any other message.
#pragma once

namespace qrv {

// Paints now what waits to be painted in this thread's windows (a bar that
// opened or collapsed, what a closed dialog uncovered), so that it shows
// before a call into Outlook or another program holds the thread, or while
// the thread waits for another.
void PaintNow();

}  // namespace qrv
