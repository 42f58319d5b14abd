#include "store.h"

#include <climits>

#include "core/text.h"
#include "values.h"

namespace standin {
namespace {

constexpr unsigned Bit(ItemKind kind) { return 1u << static_cast<int>(kind); }
constexpr unsigned kMail = Bit(ItemKind::kMail);
constexpr unsigned kAppointment = Bit(ItemKind::kAppointment);
constexpr unsigned kContact = Bit(ItemKind::kContact);
constexpr unsigned kTask = Bit(ItemKind::kTask);
constexpr unsigned kJournal = Bit(ItemKind::kJournal);
constexpr unsigned kNote = Bit(ItemKind::kNote);
constexpr unsigned kAll = kMail | kAppointment | kContact | kTask | kJournal | kNote;

// Outlook's "no date".
constexpr const char* kNoDate = "1/1/4501";

const std::vector<PropertyInfo> kProperties = {
    {"Subject", PropType::kText, kAll, 0, 0, "", kNote},
    {"Body", PropType::kText, kAll, 0, 0, "", 0},
    {"Categories", PropType::kText, kAll, 0, 0, "", 0},
    {"Importance", PropType::kInt, kAll & ~kNote, 0, 2, "1", 0},
    {"Status", PropType::kInt, kTask, 0, 4, "0", 0},
    {"StartDate", PropType::kDate, kTask, 0, 0, kNoDate, 0},
    {"DueDate", PropType::kDate, kTask, 0, 0, kNoDate, 0},
    {"ReminderSet", PropType::kBool, kTask | kAppointment | kMail, 0, 0, "false", 0},
    {"ReminderTime", PropType::kDate, kTask | kMail, 0, 0, kNoDate, 0},
    {"Location", PropType::kText, kAppointment, 0, 0, "", 0},
    {"AllDayEvent", PropType::kBool, kAppointment, 0, 0, "false", 0},
    {"Start", PropType::kDate, kAppointment | kJournal, 0, 0, kNoDate, 0},
    {"End", PropType::kDate, kAppointment | kJournal, 0, 0, kNoDate, 0},
    {"MeetingStatus", PropType::kInt, kAppointment, 0, 7, "0", 0},
    {"FullName", PropType::kText, kContact, 0, 0, "", 0},
    {"FirstName", PropType::kText, kContact, 0, 0, "", 0},
    {"LastName", PropType::kText, kContact, 0, 0, "", 0},
    {"CompanyName", PropType::kText, kContact, 0, 0, "", 0},
    {"BusinessTelephoneNumber", PropType::kText, kContact, 0, 0, "", 0},
    {"Type", PropType::kText, kJournal, 0, 0, "", 0},
    {"Left", PropType::kInt, kNote, -32768, 32767, "0", 0},
    {"Top", PropType::kInt, kNote, -32768, 32767, "0", 0},
    {"Width", PropType::kInt, kNote, 0, 32767, "200", 0},
    {"Height", PropType::kInt, kNote, 0, 32767, "166", 0},
};

const char* const kClassNames[kItemKinds] = {"MailItem", "AppointmentItem", "ContactItem",
                                             "TaskItem", "JournalItem",     "NoteItem"};
const char* const kKindFolders[kItemKinds] = {"Drafts", "Calendar", "Contacts", "Tasks", "Journal", "Notes"};

struct DefaultFolderEntry {
  int number;
  const char* path;
};
const DefaultFolderEntry kDefaultFolders[] = {
    {5, "Sent Items"}, {6, "Inbox"},  {9, "Calendar"}, {10, "Contacts"},
    {11, "Journal"},   {12, "Notes"}, {13, "Tasks"},   {16, "Drafts"},
};

const char* YesNo(bool value) { return value ? "yes" : "no"; }

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

// First and last name as Outlook splits a full name: "Last, First" or
// "First ... Last"; one word is a first name.
std::string NamePart(const std::string& fullName, bool last) {
  const std::size_t comma = fullName.find(',');
  if (comma != std::string::npos) {
    return qrv::Trim(last ? fullName.substr(0, comma) : fullName.substr(comma + 1));
  }
  const std::string name = qrv::Trim(fullName);
  const std::size_t firstBlank = name.find(' ');
  if (firstBlank == std::string::npos) return last ? "" : name;
  return last ? name.substr(name.rfind(' ') + 1) : name.substr(0, firstBlank);
}

}  // namespace

const std::vector<PropertyInfo>& Properties() { return kProperties; }

const PropertyInfo* FindProperty(std::string_view name) {
  for (const PropertyInfo& info : kProperties) {
    if (qrv::EqualsIgnoringCase(info.name, name)) return &info;
  }
  return nullptr;
}

bool InRange(const PropertyInfo& info, int value) { return value >= info.min && value <= info.max; }

std::optional<std::string> StoredValue(const PropertyInfo& info, std::string_view text) {
  switch (info.type) {
    case PropType::kText:
      return std::string(text);
    case PropType::kInt: {
      const std::optional<int> value = qrv::ReadInt(text);
      if (!value || !InRange(info, *value)) return std::nullopt;
      return std::to_string(*value);
    }
    case PropType::kBool:
      if (qrv::EqualsIgnoringCase(text, "true")) return "true";
      if (qrv::EqualsIgnoringCase(text, "false")) return "false";
      return std::nullopt;
    case PropType::kDate: {
      const std::optional<double> date = ParseStoreDate(text);
      if (!date) return std::nullopt;
      return DateText(*date);
    }
  }
  return std::nullopt;
}

bool HasProperty(const PropertyInfo& info, ItemKind kind) { return (info.kinds & Bit(kind)) != 0; }

const char* ClassName(ItemKind kind) { return kClassNames[static_cast<int>(kind)]; }

bool KindFromClassName(std::string_view name, ItemKind& kind) {
  for (int k = 0; k < kItemKinds; ++k) {
    if (qrv::EqualsIgnoringCase(kClassNames[k], name)) {
      kind = static_cast<ItemKind>(k);
      return true;
    }
  }
  return false;
}

const char* DefaultFolderPath(ItemKind kind) { return kKindFolders[static_cast<int>(kind)]; }

std::string FolderName(std::string_view path) {
  if (path.empty()) return "Personal Folders";
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string Item::Value(const PropertyInfo& info) const {
  const std::string_view name = info.name;
  if ((info.derivedKinds & Bit(kind)) != 0) {  // a note's subject is its first line
    return FirstLine(Value(*FindProperty("Body")));
  }
  for (const auto& [key, value] : props) {
    if (key == name) return value;
  }
  if (name == "FirstName" || name == "LastName") {
    return NamePart(Value(*FindProperty("FullName")), name == "LastName");
  }
  return info.unset;
}

void Item::Put(const PropertyInfo& info, std::string text) {
  for (auto& [key, value] : props) {
    if (key == info.name) {
      value = std::move(text);
      return;
    }
  }
  props.emplace_back(info.name, std::move(text));
}

Store::Store() { Reset(); }

void Store::Reset() {
  folders_.clear();
  items_.clear();
  explorers_.clear();
  nextItem_ = 1;
  nextExplorer_ = 1;
  loggedOn = false;
  quit = false;
  folders_.push_back(Folder{"", 0, 0});
  for (const DefaultFolderEntry& entry : kDefaultFolders) {
    folders_.push_back(Folder{entry.path, entry.number, 0});
  }
}

const Folder* Store::DefaultFolder(int number) const {
  for (const Folder& folder : folders_) {
    if (folder.number == number && number != 0) return &folder;
  }
  return nullptr;
}

Folder* Store::FindFolder(std::string_view path) {
  for (Folder& folder : folders_) {
    if (qrv::EqualsIgnoringCase(folder.path, path)) return &folder;
  }
  return nullptr;
}

Folder& Store::EnsureFolder(std::string_view path) {
  if (Folder* folder = FindFolder(path)) return *folder;
  const std::size_t slash = path.rfind('/');
  if (slash != std::string_view::npos) EnsureFolder(path.substr(0, slash));
  return folders_.emplace_back(Folder{std::string(path), 0, 0});
}

std::vector<std::string> Store::SubFolders(std::string_view parent) const {
  std::vector<std::string> paths;
  for (const Folder& folder : folders_) {
    if (folder.path.empty()) continue;
    const std::size_t slash = folder.path.rfind('/');
    const std::string_view up =
        slash == std::string::npos ? std::string_view() : std::string_view(folder.path).substr(0, slash);
    if (qrv::EqualsIgnoringCase(up, parent)) paths.push_back(folder.path);
  }
  return paths;
}

Item& Store::CreateItem(ItemKind kind) {
  Item& item = items_.emplace_back();
  item.id = nextItem_++;
  item.kind = kind;
  item.folder = DefaultFolderPath(kind);
  return item;
}

Item* Store::FindItem(int id) {
  for (Item& item : items_) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

std::vector<Item*> Store::ItemsIn(std::string_view folder) {
  std::vector<Item*> found;
  for (Item& item : items_) {
    if ((item.saved || item.sent) && qrv::EqualsIgnoringCase(item.folder, folder)) found.push_back(&item);
  }
  return found;
}

std::vector<const Item*> Store::ContactsNamed(std::string_view name) const {
  std::vector<const Item*> found;
  for (const Item& item : items_) {
    if (item.kind != ItemKind::kContact || !item.saved) continue;
    for (const char* part : {"FullName", "FirstName", "LastName"}) {
      if (qrv::EqualsIgnoringCase(item.Value(*FindProperty(part)), name)) {
        found.push_back(&item);
        break;
      }
    }
  }
  return found;
}

int Store::OpenItemWindows() const {
  int count = 0;
  for (const Item& item : items_) count += item.windowOpen ? 1 : 0;
  return count;
}

void Store::CloseItemWindows() {
  for (Item& item : items_) item.windowOpen = false;
}

Explorer& Store::AddExplorer(std::string folder) {
  Explorer& explorer = explorers_.emplace_back();
  explorer.id = nextExplorer_++;
  explorer.folder = std::move(folder);
  return explorer;
}

Explorer* Store::FindExplorer(int id) {
  for (Explorer& explorer : explorers_) {
    if (explorer.id == id) return &explorer;
  }
  return nullptr;
}

Explorer* Store::ActiveExplorer() {
  for (auto it = explorers_.rbegin(); it != explorers_.rend(); ++it) {
    if (it->open) return &*it;
  }
  return nullptr;
}

void Store::CloseExplorers() {
  for (Explorer& explorer : explorers_) explorer.open = false;
}

std::string Store::Dump() const {
  std::string out = "; The stand-in Outlook's store, rewritten after every change.\r\n";
  out += "[Session]\r\nLoggedOn=" + std::string(YesNo(loggedOn)) + "\r\nQuit=" + YesNo(quit) +
         "\r\nItemWindows=" + std::to_string(OpenItemWindows()) + "\r\n";
  for (const Folder& folder : folders_) {
    if (folder.path.empty()) continue;
    out += "\r\n[Folder " + folder.path + "]\r\nNumber=" + std::to_string(folder.number) +
           "\r\nDisplays=" + std::to_string(folder.displays) + "\r\n";
  }
  for (const Explorer& explorer : explorers_) {
    out += "\r\n[Explorer " + std::to_string(explorer.id) + "]\r\nFolder=" + explorer.folder +
           "\r\nOpen=" + YesNo(explorer.open) + "\r\nDisplays=" + std::to_string(explorer.displays) + "\r\n";
  }
  for (const Item& item : items_) {
    out += "\r\n[Item " + std::to_string(item.id) + "]\r\nClass=" + ClassName(item.kind) + "\r\nFolder=" + item.folder +
           "\r\nSaved=" + YesNo(item.saved) + "\r\nSent=" + YesNo(item.sent) +
           "\r\nDisplays=" + std::to_string(item.displays) + "\r\nWindow=" + (item.windowOpen ? "open" : "closed") +
           "\r\n";
    if (item.kind == ItemKind::kTask) out += "Assigned=" + std::string(YesNo(item.assigned)) + "\r\n";
    if (item.kind == ItemKind::kJournal) {
      out += "TimerStarted=" + std::string(YesNo(item.timerStarted)) + "\r\n";
    }
    for (const PropertyInfo& info : kProperties) {
      for (const auto& [key, value] : item.props) {
        if (key == info.name) out += key + "=" + Escape(value) + "\r\n";
      }
    }
    for (std::size_t i = 0; i < item.recipients.size(); ++i) {
      const Recipient& r = item.recipients[i];
      const std::string key = "Recipient" + std::to_string(i + 1);
      out += key + "=" + Escape(r.name) + "\r\n";
      out += key + ".Type=" + std::to_string(r.type) + "\r\n";
      out += key + ".Resolved=" + YesNo(r.resolved) + "\r\n";
    }
    for (std::size_t i = 0; i < item.attachments.size(); ++i) {
      const Attachment& a = item.attachments[i];
      const std::string key = "Attachment" + std::to_string(i + 1);
      out += key + "=" + Escape(a.path) + "\r\n";
      out += key + ".Type=" + std::to_string(a.type) + "\r\n";
    }
  }
  return out;
}

}  // namespace standin
