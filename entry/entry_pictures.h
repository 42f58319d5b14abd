// The pictures on the Information Item window's buttons: one strip of 16 x 16
// pictures compiled into the program at 100, 150 and 200 %, read once for the
// program and shared by every window, its key colour laid on the button face.
#pragma once

#include <windows.h>

namespace qrv {

enum class EntryPicture {
  kInternet,
  kTask,
  kNote,
  kAppointment,
  kContact,
  kEmail,
  kJournal,
  kTextDocument,
  kLow,
  kNormal,
  kHigh,
  kDate,
  kCategories,
  kAttach,
  kSignature,
  kNoIcon,
};

// The picture for a DPI; null when the program holds none.
HBITMAP EntryPictureFor(EntryPicture picture, UINT dpi);

}  // namespace qrv
