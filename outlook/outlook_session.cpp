#include "outlook/outlook_session.h"

#include "core/icon_definitions.h"

namespace qrv {

bool OutlookSession::Connect() {
  Release();
  try {
    app_ = OleObject::Create(L"Outlook.Application");
    nameSpace_ = app_.Call("GetNameSpace", "MAPI").Object();
    nameSpace_.Call("Logon");
    return true;
  } catch (const std::exception&) {
    Release();
    return false;
  }
}

void OutlookSession::Close() {
  if (!Connected()) return;
  try {
    nameSpace_.Call("Logoff");
    app_.Call("Quit");
  } catch (const std::exception&) {
    // Outlook gone already: nothing left to close.
  }
}

void OutlookSession::Release() {
  folders_.clear();
  itemIds_ = {};
  nameSpace_.Clear();
  app_.Clear();
}

bool OutlookSession::AnyWindowOpen() const {
  if (!Connected()) return false;
  if (!ActiveExplorer().IsEmpty()) return true;
  // Item windows are asked for beside the explorer; an Outlook that cannot tell
  // them is taken for one without windows, so that closing still ends it.
  try {
    return app_.Get("Inspectors").Object().Get("Count").Int() > 0;
  } catch (const std::exception&) {
    return false;
  }
}

OleObject OutlookSession::CreateItem(OutlookItemKind kind) const {
  const int number = static_cast<int>(kind);
  OleObject item = app_.Call("CreateItem", number).Object();
  if (number >= 0 && number < kOutlookItemKinds) {
    std::shared_ptr<MemberIds>& ids = itemIds_[static_cast<std::size_t>(number)];
    if (!ids) ids = std::make_shared<MemberIds>();
    item.ShareMemberIds(ids);
  }
  return item;
}

OleObject OutlookSession::DefaultFolder(OutlookFolder folder) const {
  if (const auto known = folders_.find(folder); known != folders_.end()) return known->second;
  OleObject found = nameSpace_.Call("GetDefaultFolder", static_cast<int>(folder)).Object();
  if (!found.IsEmpty()) folders_.emplace(folder, found);
  return found;
}

OleObject OutlookSession::ActiveExplorer() const { return app_.Call("ActiveExplorer").Object(); }

std::optional<std::string> OutlookSession::IconNoteBody() const {
  const OleObject note =
      DefaultFolder(OutlookFolder::kNotes).Get("Items").Object().Call("Find", IconNoteFilter()).Object();
  if (note.IsEmpty()) return std::nullopt;
  return note.Get("Body").Text();
}

}  // namespace qrv
