// New Outlook items of the bar's item types, and their recipients.
#pragma once

#include <string>
#include <vector>

#include "components/ole_auto.h"
#include "core/keyword_record.h"
#include "outlook/outlook_session.h"

namespace qrv {

// Where a new note opens, in screen pixels: beside the bar, as high as its strip.
struct NotePlace {
  int left = 0;
  int top = 0;
  int height = 0;
};

// A new item of a bar item type (task .. meeting request) with its categories,
// unsaved and unshown: a note placed at `note`, a task request assigned, a
// meeting request made a meeting. The default folder of its kind is opened
// first. Empty for the other entry types.
OleObject NewOutlookItem(const OutlookSession& outlook, EntryType type, const std::string& categories,
                         const NotePlace& note);

// Adds the To names, then the Cc names, to the item's recipients, each resolved
// by Outlook; whether every one resolved.
bool AddRecipients(const OleObject& item, const std::vector<std::string>& to, const std::vector<std::string>& cc);

}  // namespace qrv
