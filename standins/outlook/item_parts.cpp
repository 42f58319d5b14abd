// An item's recipients and attachments, and each one of them.
#include "core/text.h"
#include "objects.h"
#include "session.h"
#include "values.h"

namespace standin {
namespace {

Item& ItemOf(int id) {
  Item* item = Session::Current().Data().FindItem(id);
  if (!item) Refuse("The item has been moved or deleted.");
  return *item;
}

// Position `index` (from 1) of a list of `size`, or a refusal.
std::size_t Position(int index, std::size_t size) {
  if (index < 1 || static_cast<std::size_t>(index) > size) {
    Refuse("Array index out of bounds: there is nothing at position " + std::to_string(index) + ".");
  }
  return static_cast<std::size_t>(index - 1);
}

enum { kAdd, kItem, kCount };
const Member kListMembers[] = {{"Add", kCall}, {"Item", kCall | kGet}, {"Count", kGet}};

class Recipients : public Object {
 public:
  explicit Recipients(int item) : Object("Recipients", "item " + std::to_string(item)), item_(item) {}

 private:
  std::span<const Member> Members() const override { return kListMembers; }

  Var Answer(int member, Access, const Args& args) override {
    std::vector<Recipient>& list = ItemOf(item_).recipients;
    if (member == kCount) {
      args.Expect(0, 0);
      return Var::Int(static_cast<int>(list.size()));
    }
    args.Expect(1, 1);
    if (member == kItem) {
      return Var::Of(NewRecipient(item_, static_cast<int>(Position(args.Int(0), list.size())) + 1));
    }
    list.push_back(Recipient{args.Text(0), 1, false});
    Session::Current().Changed();
    return Var::Of(NewRecipient(item_, static_cast<int>(list.size())));
  }

  int item_;
};

class RecipientObject : public Object {
 public:
  RecipientObject(int item, int position)
      : Object("Recipient", "item " + std::to_string(item) + " recipient " + std::to_string(position)),
        item_(item),
        position_(position) {}

 private:
  enum { kName, kType, kResolve, kResolved };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"Name", kGet}, {"Type", kGet | kPut}, {"Resolve", kCall}, {"Resolved", kGet}};
    return kMembers;
  }

  Var Answer(int member, Access access, const Args& args) override {
    std::vector<Recipient>& list = ItemOf(item_).recipients;
    Recipient& recipient = list[Position(position_, list.size())];
    if (access == kPut) {
      args.Expect(1, 1);
      const int type = args.Int(0);
      if (type < 0 || type > 3) Refuse("The recipient type " + std::to_string(type) + " is not valid.");
      recipient.type = type;
      Session::Current().Changed();
      return Var();
    }
    args.Expect(0, 0);
    switch (member) {
      case kName:
        return Var::Text(recipient.name);
      case kType:
        return Var::Int(recipient.type);
      case kResolve:
        recipient.resolved = Session::Current().Resolve(recipient);
        Session::Current().Changed();
        return Var::Bool(recipient.resolved);
      default:
        return Var::Bool(recipient.resolved);
    }
  }

  int item_;
  int position_;
};

class Attachments : public Object {
 public:
  explicit Attachments(int item) : Object("Attachments", "item " + std::to_string(item)), item_(item) {}

 private:
  std::span<const Member> Members() const override { return kListMembers; }

  Var Answer(int member, Access, const Args& args) override {
    std::vector<Attachment>& list = ItemOf(item_).attachments;
    if (member == kCount) {
      args.Expect(0, 0);
      return Var::Int(static_cast<int>(list.size()));
    }
    if (member == kItem) {
      args.Expect(1, 1);
      return Var::Of(NewAttachment(item_, static_cast<int>(Position(args.Int(0), list.size())) + 1));
    }
    // Source, then optionally the kind (1 by value, 4 by reference, 5 embedded,
    // 6 OLE object), the position in the body and the name shown.
    args.Expect(1, 4);
    const std::string path = args.Text(0);
    const int type = args.Given(1) ? args.Int(1) : 1;
    if (args.Given(2)) args.Int(2);
    if (args.Given(3)) args.Text(3);
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      Refuse("Cannot find the file \"" + path + "\". Check the path and the file name.");
    }
    if (type != 1 && type != 4 && type != 5 && type != 6) {
      Refuse("The attachment type " + std::to_string(type) + " is not valid.");
    }
    list.push_back(Attachment{path, type});
    Session::Current().Changed();
    return Var::Of(NewAttachment(item_, static_cast<int>(list.size())));
  }

  int item_;
};

class AttachmentObject : public Object {
 public:
  AttachmentObject(int item, int position)
      : Object("Attachment", "item " + std::to_string(item) + " attachment " + std::to_string(position)),
        item_(item),
        position_(position) {}

 private:
  enum { kFileName, kPathName, kType };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"FileName", kGet}, {"PathName", kGet}, {"Type", kGet}};
    return kMembers;
  }

  Var Answer(int member, Access, const Args& args) override {
    args.Expect(0, 0);
    std::vector<Attachment>& list = ItemOf(item_).attachments;
    const Attachment& attachment = list[Position(position_, list.size())];
    if (member == kType) return Var::Int(attachment.type);
    if (member == kPathName) return Var::Text(attachment.path);
    return Var::Text(attachment.path.substr(attachment.path.find_last_of("\\/") + 1));
  }

  int item_;
  int position_;
};

}  // namespace

Object* NewRecipients(int item) { return new Recipients(item); }
Object* NewRecipient(int item, int position) { return new RecipientObject(item, position); }
Object* NewAttachments(int item) { return new Attachments(item); }
Object* NewAttachment(int item, int position) { return new AttachmentObject(item, position); }

}  // namespace standin
