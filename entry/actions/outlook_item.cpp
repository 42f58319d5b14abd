// The Outlook item of an Information Item: made for this entry alone, with its
// attachments, properties and recipients.
#include <variant>

#include "core/entry_texts.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_window.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

OleArg ArgOf(const ItemValue& value) {
  return std::visit([](const auto& v) { return OleArg(v); }, value);
}

// What a new item holds already: Outlook's own values for an empty body,
// normal importance and a task not started, and the categories NewOutlookItem
// has put. Each put is a call into Outlook's process, so these are left out.
bool NewItemHolds(const ItemProperty& property) {
  const std::string_view member = property.member;
  if (member == "Body" || member == "Categories") return property.value == ItemValue(std::string());
  if (member == "Importance") return property.value == ItemValue(1);
  if (member == "Status") return property.value == ItemValue(0);
  return false;
}

}  // namespace

// None when no item was made for the entry: the other mail program took the
// command (a contact opens its address book), so nothing is filled or saved.
// The window chose the categories: the item is made without asking for them.
std::optional<ItemActions::MadeItem> ItemActions::MakeItem(const EntryWindow& window, const ItemInput& input) {
  if (input.type == EntryType::kContact && UsesOtherMailProgram(data_.settings)) {
    ShellOpen(window.Handle(), Widen(data_.settings.addressBookPath));
    return std::nullopt;
  }
  OleObject item = NewOutlookItem(outlook_, input.type, {}, notePlace ? notePlace() : NotePlace{});
  if (item.IsEmpty()) return std::nullopt;
  if (const auto kind = AttachmentKind(input.type)) {
    const std::vector<std::wstring> files = window.LateParts().Attachments();
    if (!files.empty()) {
      const OleObject attachments = item.Get("Attachments").Object();
      for (const std::wstring& file : files) attachments.Call("Add", Narrow(file), static_cast<int>(*kind));
    }
  }
  for (const ItemProperty& property : ItemProperties(input, ClockNow())) {
    if (!NewItemHolds(property)) item.Put(property.member, ArgOf(property.value));
  }
  MadeItem made{item};
  // The To names, and the Cc names of an e-mail, read afresh from the boxes:
  // each trimmed, empty ones skipped.
  if (TakesRecipients(input.type)) {
    const bool email = input.type == EntryType::kEmail;
    made.namesResolved = AddRecipients(item, SplitRecipients(input.recipients, false),
                                       email ? SplitRecipients(input.copies, false) : std::vector<std::string>{});
  }
  return made;
}

}  // namespace qrv
