// The system's side of the window's dates and times.
#pragma once

#include <windows.h>

#include "core/dates.h"

namespace qrv {

// The user's short date order, short time format and month and day names,
// with the English ones where the system has none.
LocaleFacts ReadLocaleFacts();
// The same, read once for the program's life.
const LocaleFacts& UserLocaleFacts();

SYSTEMTIME ToSystemTime(Date date);
Date FromSystemTime(const SYSTEMTIME& time);

}  // namespace qrv
