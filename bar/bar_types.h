// The numbers the bar's buttons, menu items and settings stand for.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/bar_settings.h"
#include "core/keyword_record.h"
#include "core/outlook_numbers.h"

namespace qrv {

// How often the bar looks whether the web services are due for an update:
// every nine hours (and a millisecond).
inline constexpr UINT kUpdateCheckIntervalMs = 9 * 60 * 60 * 1000 + 1;

// The EmailType setting of a user whose contacts and e-mail live in the other mail program.
inline constexpr std::string_view kOtherMailProgram = "1";

// The FolderState setting that opens every folder in a window of its own.
inline constexpr int kFolderInNewWindow = 1;
// The FolderType setting that opens a folder's own window without the Outlook Bar.
inline constexpr int kFolderWithoutOutlookBar = 1;
// The UpdateCheck settings that look for due updates (0 never does).
inline bool ChecksForUpdates(int updateCheck) { return updateCheck == 1 || updateCheck == 2; }

// The name of a new item of the type ("New Task"), as its button's hint and the
// categories prompt show it.
std::wstring NewItemName(EntryType type);

}  // namespace qrv
