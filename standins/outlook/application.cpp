// The application, its MAPI namespace, explorers (Outlook's main windows) and
// the open item windows.
#include "core/text.h"
#include "objects.h"
#include "session.h"

namespace standin {
namespace {

Store& TheStore() { return Session::Current().Data(); }

class Application : public Object {
 public:
  Application() : Object("Application", "") {}

 private:
  enum { kGetNameSpace, kCreateItem, kActiveExplorer, kQuit, kInspectors };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"GetNameSpace", kCall},
                                      {"CreateItem", kCall},
                                      {"ActiveExplorer", kCall},
                                      {"Quit", kCall},
                                      {"Inspectors", kGet}};
    return kMembers;
  }

  Var Answer(int member, Access, const Args& args) override {
    Store& store = TheStore();
    switch (member) {
      case kGetNameSpace:
        args.Expect(1, 1);
        if (!qrv::EqualsIgnoringCase(args.Text(0), "MAPI")) Refuse("Only the \"MAPI\" namespace is offered.");
        return Var::Of(NewNameSpace());
      case kCreateItem: {
        args.Expect(1, 1);
        const int kind = args.Int(0);
        if (kind < 0 || kind >= kItemKinds) {
          Refuse("CreateItem makes no item of kind " + std::to_string(kind) + ".");
        }
        const Item& item = store.CreateItem(static_cast<ItemKind>(kind));
        Session::Current().Changed();
        return Var::Of(NewItem(item.id));
      }
      case kActiveExplorer: {
        args.Expect(0, 0);
        const Explorer* explorer = store.ActiveExplorer();
        return explorer ? Var::Of(NewExplorer(explorer->id)) : Var::Nothing();
      }
      case kQuit:
        args.Expect(0, 0);
        Session::Current().Quit();
        return Var();
      default:
        args.Expect(0, 0);
        return Var::Of(NewInspectors());
    }
  }
};

class NameSpace : public Object {
 public:
  NameSpace() : Object("NameSpace", "MAPI") {}

 private:
  enum { kLogon, kLogoff, kGetDefaultFolder, kFolders };
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {
        {"Logon", kCall}, {"Logoff", kCall}, {"GetDefaultFolder", kCall}, {"Folders", kCall | kGet}};
    return kMembers;
  }

  Var Answer(int member, Access, const Args& args) override {
    Store& store = TheStore();
    switch (member) {
      case kLogon:
        // Profile, password, show a dialog, new session: all optional.
        args.Expect(0, 4);
        if (args.Given(0)) args.Text(0);
        if (args.Given(1)) args.Text(1);
        if (args.Given(2)) args.Bool(2);
        if (args.Given(3)) args.Bool(3);
        store.loggedOn = true;
        Session::Current().Changed();
        return Var();
      case kLogoff:
        args.Expect(0, 0);
        store.loggedOn = false;
        Session::Current().Changed();
        return Var();
      case kGetDefaultFolder: {
        args.Expect(1, 1);
        const int number = args.Int(0);
        const Folder* folder = store.DefaultFolder(number);
        if (!folder) Refuse("There is no default folder number " + std::to_string(number) + ".");
        return Var::Of(NewFolder(folder->path));
      }
      default:
        args.Expect(0, 1);
        if (!args.Given(0)) return Var::Of(NewTopFolders());
        return Var::Of(NewFolder(PickFolder(TopFolders(), args)));
    }
  }
};

class ExplorerObject : public Object {
 public:
  explicit ExplorerObject(int id) : Object("Explorer", "explorer " + std::to_string(id)), id_(id) {}

 private:
  enum { kCurrentFolder, kDisplay };
  std::span<const Member> Members() const override {
    // Outlook takes a folder into CurrentFolder only by reference.
    static const Member kMembers[] = {{"CurrentFolder", kGet | kPutRef}, {"Display", kCall}};
    return kMembers;
  }

  Var Answer(int member, Access access, const Args& args) override {
    Explorer* explorer = TheStore().FindExplorer(id_);
    if (!explorer) Refuse("The explorer has been closed.");
    if (member == kDisplay) {
      args.Expect(0, 0);
      explorer->open = true;
      ++explorer->displays;
      Session::Current().Changed();
      return Var();
    }
    if (access == kGet) {
      args.Expect(0, 0);
      return Var::Of(NewFolder(explorer->folder));
    }
    args.Expect(1, 1);
    const std::string* path = FolderPath(args.Obj(0));
    if (!path) throw Fault{DISP_E_TYPEMISMATCH, "", true, 0};
    explorer->folder = *path;
    Session::Current().Changed();
    return Var();
  }

  int id_;
};

// The item windows Outlook shows.
class Inspectors : public Object {
 public:
  Inspectors() : Object("Inspectors", "") {}

 private:
  std::span<const Member> Members() const override {
    static const Member kMembers[] = {{"Count", kGet}};
    return kMembers;
  }
  Var Answer(int, Access, const Args& args) override {
    args.Expect(0, 0);
    return Var::Int(TheStore().OpenItemWindows());
  }
};

}  // namespace

Object* NewApplication() { return new Application(); }
Object* NewNameSpace() { return new NameSpace(); }
Object* NewExplorer(int id) { return new ExplorerObject(id); }
Object* NewInspectors() { return new Inspectors(); }

}  // namespace standin
