// Paints an item icon's picture for the icon image list and the icon chooser.
#pragma once

#include <windows.h>

#include "core/icon_definitions.h"

namespace qrv {

// Fills the 16 x 16 square at (0, 0) of `dc` with `background`, then paints
// the black blocks of `picture` in `foreground`.
void PaintIconPicture(HDC dc, const IconPicture& picture, COLORREF foreground, COLORREF background);

// A new 16 x 16 bitmap of the screen's format holding the picture; the caller
// deletes it. Null when the system has no resources left.
HBITMAP CreateIconBitmap(const IconPicture& picture, COLORREF foreground, COLORREF background);

}  // namespace qrv
