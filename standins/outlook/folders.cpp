// Folders, folder lists and the items a folder holds, with Find and FindNext.
#include <climits>
#include <optional>

#include "core/text.h"
#include "filter.h"
#include "objects.h"
#include "session.h"

namespace standin {
namespace {

Store& TheStore() { return Session::Current().Data(); }

}  // namespace

std::string PickFolder(const std::vector<std::string>& paths, const Args& args) {
  if (args.IsText(0)) {
    const std::string name = args.Text(0);
    for (const std::string& path : paths) {
      if (qrv::EqualsIgnoringCase(FolderName(path), name)) return path;
    }
    Refuse("The folder \"" + name + "\" was not found.");
  }
  const int index = args.Int(0);
  if (index < 1 || static_cast<std::size_t>(index) > paths.size()) {
    Refuse("There is no folder at position " + std::to_string(index) + ".");
  }
  return paths[static_cast<std::size_t>(index - 1)];
}

namespace {

class FolderObject : public Object {
 public:
  explicit FolderObject(std::string path)
      : Object("Folder", path.empty() ? FolderName(path) : path), path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

 private:
  enum { kName, kDisplay, kGetExplorer, kItems, kFolders };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {
        {"Name", kGet}, {"Display", kCall}, {"GetExplorer", kCall}, {"Items", kGet}, {"Folders", kCall | kGet}};
    return kMembers;
  }

  Var Answer(int member, Access, const Args& args) override {
    Store& store = TheStore();
    Folder* folder = store.FindFolder(path_);
    if (!folder) Refuse("The folder has been deleted.");
    switch (member) {
      case kName:
        args.Expect(0, 0);
        return Var::Text(FolderName(path_));
      case kDisplay:
        // Outlook opens a new window on the folder.
        args.Expect(0, 0);
        ++folder->displays;
        {
          Explorer& explorer = store.AddExplorer(path_);
          explorer.open = true;
          explorer.displays = 1;
        }
        Session::Current().Changed();
        return Var();
      case kGetExplorer: {
        args.Expect(0, 1);
        if (args.Given(0)) args.Int(0);  // how the window shows: not kept
        const int id = store.AddExplorer(path_).id;
        Session::Current().Changed();
        return Var::Of(NewExplorer(id));
      }
      case kItems:
        args.Expect(0, 0);
        return Var::Of(NewItems(path_));
      default:
        args.Expect(0, 1);
        if (!args.Given(0)) return Var::Of(NewFolders(path_));
        return Var::Of(NewFolder(PickFolder(store.SubFolders(path_), args)));
    }
  }

  std::string path_;
};

class Folders : public Object {
 public:
  explicit Folders(std::optional<std::string> parent)
      : Object("Folders", parent ? *parent : "top level"), parent_(std::move(parent)) {}

 private:
  enum { kItem, kCount };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"Item", kCall | kGet}, {"Count", kGet}};
    return kMembers;
  }

  std::vector<std::string> Paths() const { return parent_ ? TheStore().SubFolders(*parent_) : TopFolders(); }

  Var Answer(int member, Access, const Args& args) override {
    const std::vector<std::string> paths = Paths();
    if (member == kCount) {
      args.Expect(0, 0);
      return Var::Int(static_cast<int>(paths.size()));
    }
    args.Expect(1, 1);
    return Var::Of(NewFolder(PickFolder(paths, args)));
  }

  std::optional<std::string> parent_;
};

class Items : public Object {
 public:
  explicit Items(std::string folder) : Object("Items", folder), folder_(std::move(folder)) {}

 private:
  enum { kFind, kFindNext, kItem, kCount };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"Find", kCall}, {"FindNext", kCall}, {"Item", kCall | kGet}, {"Count", kGet}};
    return kMembers;
  }

  Var Answer(int member, Access, const Args& args) override {
    const std::vector<Item*> items = TheStore().ItemsIn(folder_);
    switch (member) {
      case kFind:
        args.Expect(1, 1);
        try {
          condition_.emplace(args.Text(0));
        } catch (const ConditionError& error) {
          Refuse(error.what());
        }
        last_ = 0;
        return Next(items);
      case kFindNext:
        args.Expect(0, 0);
        return condition_ ? Next(items) : Var::Nothing();
      case kItem: {
        args.Expect(1, 1);
        const int index = args.Int(0);
        if (index < 1 || static_cast<std::size_t>(index) > items.size()) {
          Refuse("There is no item at position " + std::to_string(index) + ".");
        }
        return Var::Of(NewItem(items[static_cast<std::size_t>(index - 1)]->id));
      }
      default:
        args.Expect(0, 0);
        return Var::Int(static_cast<int>(items.size()));
    }
  }

  // The first match after the one found last.
  Var Next(const std::vector<Item*>& items) {
    for (const Item* item : items) {
      if (item->id > last_ && condition_->Matches(*item)) {
        last_ = item->id;
        return Var::Of(NewItem(item->id));
      }
    }
    last_ = INT_MAX;
    return Var::Nothing();
  }

  std::string folder_;
  std::optional<Condition> condition_;
  int last_ = 0;
};

}  // namespace

std::vector<std::string> TopFolders() { return {""}; }

Object* NewTopFolders() { return new Folders(std::nullopt); }
Object* NewFolders(std::string parent) { return new Folders(std::move(parent)); }
Object* NewFolder(std::string path) { return new FolderObject(std::move(path)); }
Object* NewItems(std::string folder) { return new Items(std::move(folder)); }

const std::string* FolderPath(const Object* object) {
  const auto* folder = dynamic_cast<const FolderObject*>(object);
  return folder ? &folder->Path() : nullptr;
}

}  // namespace standin
