// Outlook items of the six kinds: their properties, kept as put, and Display,
// Save, Send, Assign and StartTimer, kept as state.
#include "core/text.h"
#include "objects.h"
#include "session.h"
#include "values.h"

namespace standin {
namespace {

constexpr unsigned Kinds(std::initializer_list<ItemKind> kinds) {
  unsigned bits = 0;
  for (const ItemKind kind : kinds) bits |= 1u << static_cast<int>(kind);
  return bits;
}

constexpr unsigned kAllKinds = (1u << kItemKinds) - 1;
constexpr unsigned kAddressed = Kinds({ItemKind::kMail, ItemKind::kAppointment, ItemKind::kTask, ItemKind::kJournal});

// The members every item has or may have; its properties follow them.
enum { kDisplay, kSave, kSend, kAssign, kStartTimer, kRecipients, kAttachments, kMethods };
struct MethodInfo {
  Member member;
  unsigned kinds;
};
const MethodInfo kItemMethods[kMethods] = {
    {{"Display", kCall}, kAllKinds},
    {{"Save", kCall}, kAllKinds},
    {{"Send", kCall}, Kinds({ItemKind::kMail, ItemKind::kAppointment, ItemKind::kTask})},
    {{"Assign", kCall}, Kinds({ItemKind::kTask})},
    {{"StartTimer", kCall}, Kinds({ItemKind::kJournal})},
    {{"Recipients", kGet}, kAddressed},
    {{"Attachments", kGet}, kAllKinds & ~Kinds({ItemKind::kNote})},
};

const std::vector<Member>& ItemMembers() {
  static const std::vector<Member> kMembers = [] {
    std::vector<Member> list;
    for (const MethodInfo& method : kItemMethods) list.push_back(method.member);
    for (const PropertyInfo& info : Properties()) list.push_back(Member{info.name, kGet | kPut});
    return list;
  }();
  return kMembers;
}

const PropertyInfo& PropertyAt(int member) { return Properties()[static_cast<std::size_t>(member - kMethods)]; }

class ItemObject : public Object {
 public:
  ItemObject(const Item& item)
      : Object(standin::ClassName(item.kind), "item " + std::to_string(item.id)), id_(item.id), kind_(item.kind) {}

 private:
  std::span<const Member> Members() const override { return ItemMembers(); }

  bool Has(int member) const override {
    if (member < kMethods) return (kItemMethods[member].kinds & (1u << static_cast<int>(kind_))) != 0;
    return HasProperty(PropertyAt(member), kind_);
  }

  Var Answer(int member, Access access, const Args& args) override {
    Item* item = Session::Current().Data().FindItem(id_);
    if (!item) Refuse("The item has been moved or deleted.");
    if (member >= kMethods) {
      return access == kGet ? Get(*item, PropertyAt(member), args) : Put(*item, PropertyAt(member), args);
    }
    switch (member) {
      case kRecipients:
        args.Expect(0, 0);
        return Var::Of(NewRecipients(id_));
      case kAttachments:
        args.Expect(0, 0);
        return Var::Of(NewAttachments(id_));
      case kSend:
        args.Expect(0, 0);
        Send(*item);
        break;
      case kDisplay:
        args.Expect(0, 1);  // optionally modal
        if (args.Given(0)) args.Bool(0);
        ++item->displays;
        item->windowOpen = true;
        break;
      default:
        args.Expect(0, 0);
        if (member == kSave) item->saved = true;
        if (member == kAssign) item->assigned = true;
        if (member == kStartTimer) item->timerStarted = true;
    }
    Session::Current().Changed();
    return Var();
  }

  static Var Get(const Item& item, const PropertyInfo& info, const Args& args) {
    args.Expect(0, 0);
    const std::string value = item.Value(info);
    switch (info.type) {
      case PropType::kInt:
        return Var::Int(qrv::ReadIntOr(value, 0));
      case PropType::kBool:
        return Var::Bool(value == "true");
      case PropType::kDate:
        return Var::Date(ParseStoreDate(value).value_or(0));
      case PropType::kText:
        break;
    }
    return Var::Text(value);
  }

  static Var Put(Item& item, const PropertyInfo& info, const Args& args) {
    args.Expect(1, 1);
    if ((info.derivedKinds & (1u << static_cast<int>(item.kind))) != 0) {
      Refuse(std::string("The property \"") + info.name + "\" is read-only.");
    }
    switch (info.type) {
      case PropType::kText:
        item.Put(info, args.Text(0));
        break;
      case PropType::kInt: {
        const int value = args.Int(0);
        if (!InRange(info, value)) {
          Refuse("The value " + std::to_string(value) + " is out of range for \"" + info.name + "\".");
        }
        item.Put(info, std::to_string(value));
        break;
      }
      case PropType::kBool:
        item.Put(info, args.Bool(0) ? "true" : "false");
        break;
      case PropType::kDate:
        item.Put(info, DateText(args.Date(0)));
        break;
    }
    Session::Current().Changed();
    return Var();
  }

  // Outlook sends only an assigned task, and only to names it recognises.
  static void Send(Item& item) {
    if (item.kind == ItemKind::kTask && !item.assigned) {
      Refuse("The task has not been assigned to anyone.");
    }
    if (item.recipients.empty()) Refuse("There must be at least one name in the To, Cc or Bcc box.");
    bool allKnown = true;
    for (Recipient& recipient : item.recipients) {
      recipient.resolved = recipient.resolved || Session::Current().Resolve(recipient);
      allKnown = allKnown && recipient.resolved;
    }
    if (!allKnown) {
      Session::Current().Changed();
      Refuse("Outlook does not recognize one or more names.");
    }
    item.sent = true;
    item.windowOpen = false;
    if (item.kind == ItemKind::kMail) item.folder = "Sent Items";
  }

  int id_;
  ItemKind kind_;
};

}  // namespace

Object* NewItem(int id) {
  const Item* item = Session::Current().Data().FindItem(id);
  return item ? new ItemObject(*item) : nullptr;
}

}  // namespace standin
