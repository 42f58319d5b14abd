// The Outlook item of an Information Item: made for this entry alone, with its
// attachments, properties and recipients.
#include "bar/entry_item_actions.h"

#include <variant>

#include "core/entry_texts.h"
#include "entry/entry_window.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// The bar's own items never ask for their categories: the window chose them.
constexpr wchar_t kInformationItemCaption[] = L"New Item";

constexpr int kTo = 1;
constexpr int kCc = 2;

OleArg ArgOf(const ItemValue& value) {
  return std::visit([](const auto& v) { return OleArg(v); }, value);
}

// What a new item holds already: Outlook's own values for an empty body,
// normal importance and a task not started, and the categories NewItem has
// put. Each put is a call into Outlook's process, so these are left out.
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
std::optional<BarEntryActions::MadeItem> BarEntryActions::MakeItem(const EntryWindow& window, const ItemInput& input) {
  OleObject item = commands_.NewItem(input.type, Origin::kMenu, false, kInformationItemCaption);
  if (item.IsEmpty()) return std::nullopt;
  if (const auto kind = AttachmentKind(input.type)) {
    const std::vector<std::wstring> files = window.Attachments();
    if (!files.empty()) {
      const OleObject attachments = item.Get("Attachments").Object();
      for (const std::wstring& file : files) attachments.Call("Add", Narrow(file), *kind);
    }
  }
  for (const ItemProperty& property : ItemProperties(input, ClockNow())) {
    if (!NewItemHolds(property)) item.Put(property.member, ArgOf(property.value));
  }
  MadeItem made{item};
  if (TakesRecipients(input.type)) made.namesResolved = AddRecipients(item, input);
  return made;
}

// The To names, and the Cc names of an e-mail, read afresh from the boxes:
// each trimmed, empty ones skipped. Whether Outlook resolved every one.
bool BarEntryActions::AddRecipients(const OleObject& item, const ItemInput& input) const {
  bool allResolved = true;
  OleObject list;
  const auto add = [&](const std::string& text, int type) {
    for (const std::string& name : SplitRecipients(text, false)) {
      if (list.IsEmpty()) list = item.Get("Recipients").Object();
      const OleObject recipient = list.Call("Add", name).Object();
      if (!recipient.Call("Resolve").Bool()) allResolved = false;
      recipient.Put("Type", type);
    }
  };
  add(input.recipients, kTo);
  if (input.type == EntryType::kEmail) add(input.copies, kCc);
  return allResolved;
}

}  // namespace qrv
