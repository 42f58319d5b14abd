#include "bar/outlook_session.h"

#include "core/icon_definitions.h"

namespace qrv {

bool OutlookSession::Connect() {
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
  nameSpace_.Clear();
  app_.Clear();
}

bool OutlookSession::AnyWindowOpen() const {
  if (!Connected()) return false;
  if (!ActiveExplorer().IsEmpty()) return true;
  return app_.Get("Inspectors").Object().Get("Count").Int() > 0;
}

OleObject OutlookSession::CreateItem(int kind) const { return app_.Call("CreateItem", kind).Object(); }

OleObject OutlookSession::DefaultFolder(int folder) const {
  return nameSpace_.Call("GetDefaultFolder", folder).Object();
}

OleObject OutlookSession::ActiveExplorer() const { return app_.Call("ActiveExplorer").Object(); }

std::optional<std::string> OutlookSession::IconNoteBody() const {
  const OleObject note = DefaultFolder(kNotesFolder).Get("Items").Object().Call("Find", IconNoteFilter()).Object();
  if (note.IsEmpty()) return std::nullopt;
  return note.Get("Body").Text();
}

}  // namespace qrv
