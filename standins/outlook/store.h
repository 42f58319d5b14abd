// What the stand-in Outlook keeps: its folders, explorers and items with every
// property put on them, and the readable store file a test reads back. The same
// file format seeds the store before a test.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace standin {

// Item kinds as CreateItem numbers them.
enum class ItemKind { kMail = 0, kAppointment = 1, kContact = 2, kTask = 3, kJournal = 4, kNote = 5 };
constexpr int kItemKinds = 6;

enum class PropType { kText, kInt, kBool, kDate };

// One item property: its value type, the kinds that have it, the values it takes
// (integers), and the kinds where Outlook derives it from other properties.
struct PropertyInfo {
  const char* name;
  PropType type;
  unsigned kinds;  // bit (1 << kind)
  int min;
  int max;
  const char* unset;      // what a get answers before anything was put
  unsigned derivedKinds;  // kinds where it is read only, worked out from others
};

// The property `name` (any letter case) of any kind, or null.
const PropertyInfo* FindProperty(std::string_view name);
// The form the store keeps a value of `info` in, from its text in a store file
// or a condition; nothing when the text is no such value.
std::optional<std::string> StoredValue(const PropertyInfo& info, std::string_view text);
bool InRange(const PropertyInfo& info, int value);
bool HasProperty(const PropertyInfo& info, ItemKind kind);
const std::vector<PropertyInfo>& Properties();

const char* ClassName(ItemKind kind);  // "TaskItem"
bool KindFromClassName(std::string_view name, ItemKind& kind);

struct Recipient {
  std::string name;
  int type = 1;
  bool resolved = false;
};

struct Attachment {
  std::string path;
  int type = 1;
};

struct Item {
  int id = 0;
  ItemKind kind = ItemKind::kMail;
  std::string folder;  // path of the folder it belongs to
  bool saved = false;
  bool sent = false;
  bool assigned = false;
  bool timerStarted = false;
  bool windowOpen = false;
  int displays = 0;
  std::vector<std::pair<std::string, std::string>> props;  // canonical name, stored text
  std::vector<Recipient> recipients;
  std::vector<Attachment> attachments;

  // The stored text of a property, derived ones worked out; `unset` when none.
  std::string Value(const PropertyInfo& info) const;
  void Put(const PropertyInfo& info, std::string text);
};

struct Folder {
  std::string path;  // "Tasks", "Contacts/Contacts-Shared"; "" is the top folder
  int number = 0;    // default-folder number, 0 for others
  int displays = 0;
};

struct Explorer {
  int id = 0;
  std::string folder;
  bool open = false;
  int displays = 0;
};

class Store {
 public:
  Store();
  void Reset();

  const Folder* DefaultFolder(int number) const;
  Folder* FindFolder(std::string_view path);
  Folder& EnsureFolder(std::string_view path);
  // Paths of the folders directly inside `parent`, in creation order.
  std::vector<std::string> SubFolders(std::string_view parent) const;

  Item& CreateItem(ItemKind kind);
  Item* FindItem(int id);
  // The items a folder holds: saved or sent ones, oldest first.
  std::vector<Item*> ItemsIn(std::string_view folder);
  // The saved contacts whose full, first or last name is `name` in any letter case.
  std::vector<const Item*> ContactsNamed(std::string_view name) const;
  int OpenItemWindows() const;
  void CloseItemWindows();

  Explorer& AddExplorer(std::string folder);
  Explorer* FindExplorer(int id);
  // The explorer opened last that is still open, or null.
  Explorer* ActiveExplorer();
  void CloseExplorers();

  bool loggedOn = false;
  bool quit = false;

  std::string Dump() const;
  // Adds what a store file (or a hand-written seed in the same format) holds.
  // Returns one line per entry that was left out, with the reason.
  std::vector<std::string> Load(std::string_view text);

 private:
  // Deques, so that a reference stays good while more are added.
  std::deque<Folder> folders_;
  std::deque<Item> items_;
  std::deque<Explorer> explorers_;
  int nextItem_ = 1;
  int nextExplorer_ = 1;
};

const char* DefaultFolderPath(ItemKind kind);
std::string FolderName(std::string_view path);

}  // namespace standin
