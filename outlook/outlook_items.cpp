#include "outlook/outlook_items.h"

namespace qrv {

OleObject NewOutlookItem(const OutlookSession& outlook, EntryType type, const std::string& categories,
                         const NotePlace& note) {
  const auto kind = NewItemKindOf(type);
  if (!kind) return {};
  outlook.DefaultFolder(kind->folder);
  OleObject item = outlook.CreateItem(kind->kind);
  if (type == EntryType::kNote) {
    item.Put("Left", note.left);
    item.Put("Top", note.top);
    item.Put("Height", note.height);
  } else if (type == EntryType::kTaskRequest) {
    item.Call("Assign");
  } else if (type == EntryType::kMeetingRequest) {
    item.Put("MeetingStatus", static_cast<int>(MeetingStatus::kMeeting));
  }
  item.Put("Categories", categories);
  return item;
}

bool AddRecipients(const OleObject& item, const std::vector<std::string>& to, const std::vector<std::string>& cc) {
  bool allResolved = true;
  OleObject list;
  const auto add = [&](const std::vector<std::string>& names, RecipientType type) {
    for (const std::string& name : names) {
      if (list.IsEmpty()) list = item.Get("Recipients").Object();
      const OleObject recipient = list.Call("Add", name).Object();
      if (!recipient.Call("Resolve").Bool()) allResolved = false;
      recipient.Put("Type", static_cast<int>(type));
    }
  };
  add(to, RecipientType::kTo);
  add(cc, RecipientType::kCc);
  return allResolved;
}

}  // namespace qrv
