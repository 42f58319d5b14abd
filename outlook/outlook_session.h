// The program's connection to Outlook: the application and its MAPI
// namespace, held from the start-up until the program ends. Every call is
// late-bound; a call Outlook refuses, or any call while not connected, raises
// OleError naming the member. What a method makes or finds it returns. Since
// every call crosses to Outlook's process, the session keeps what stays the
// same while Outlook runs: the default folders it fetched, and the member
// numbers of each item kind, which every item of that kind shares.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "components/ole_auto.h"
#include "core/outlook_numbers.h"

namespace qrv {

class OutlookSession {
 public:
  // Starts or joins Outlook and logs on; false, holding nothing, when Outlook
  // is not installed, does not start or refuses the logon.
  bool Connect();
  bool Connected() const { return !nameSpace_.IsEmpty(); }
  // Logs off and quits Outlook; nothing when not connected or Outlook is gone.
  void Close();
  // Lets go of Outlook without closing it.
  void Release();

  // Whether Outlook shows any window: a main window or an item's.
  bool AnyWindowOpen() const;
  // A new, unsaved and unshown item of an Outlook item kind.
  OleObject CreateItem(OutlookItemKind kind) const;
  // One of Outlook's default folders.
  OleObject DefaultFolder(OutlookFolder folder) const;
  // The MAPI namespace; empty while not connected.
  OleObject NameSpace() const { return nameSpace_; }
  // Outlook's main window; empty when none is open.
  OleObject ActiveExplorer() const;
  // The body of the user's icon note; nothing when there is no such note.
  std::optional<std::string> IconNoteBody() const;

 private:
  OleObject app_;
  OleObject nameSpace_;
  mutable std::map<OutlookFolder, OleObject> folders_;
  mutable std::array<std::shared_ptr<MemberIds>, kOutlookItemKinds> itemIds_;
};

}  // namespace qrv
