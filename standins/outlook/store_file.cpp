// Reading a store file: the dump the stand-in writes, or a seed a test writes
// by hand in the same format. An entry that makes no sense is left out and
// named, never guessed at.
#include <optional>

#include "core/text.h"
#include "store.h"
#include "values.h"

namespace standin {
namespace {

constexpr int kMaxListEntries = 1000;

struct Entry {
  std::string key;
  std::string value;
  int line = 0;
};

struct Section {
  std::string kind;  // "Item", "Folder", "Explorer", "Session"
  std::string name;  // what follows the kind in the heading
  int line = 0;
  std::vector<Entry> entries;
};

class Problems {
 public:
  void Add(int line, const std::string& what) { list.push_back("line " + std::to_string(line) + ": " + what); }
  std::vector<std::string> list;
};

std::vector<Section> Sections(std::string_view text, Problems& problems) {
  std::vector<Section> sections;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (qrv::TrimView(line).empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string heading = qrv::Trim(line.substr(1, line.size() - 2));
      const std::size_t blank = heading.find(' ');
      Section& section = sections.emplace_back();
      section.kind = heading.substr(0, blank);
      section.name = blank == std::string::npos ? "" : qrv::Trim(heading.substr(blank + 1));
      section.line = number;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (sections.empty() || equals == std::string_view::npos) {
      problems.Add(number, "not an entry of a section");
      continue;
    }
    sections.back().entries.push_back(
        Entry{qrv::Trim(line.substr(0, equals)), Unescape(line.substr(equals + 1)), number});
  }
  return sections;
}

std::optional<bool> YesNo(std::string_view text) {
  if (qrv::EqualsIgnoringCase(text, "yes")) return true;
  if (qrv::EqualsIgnoringCase(text, "no")) return false;
  return std::nullopt;
}

bool SetFlag(bool& flag, std::string_view text) {
  const std::optional<bool> value = YesNo(text);
  if (value) flag = *value;
  return value.has_value();
}

bool SetCount(int& count, std::string_view text) {
  const std::optional<int> value = qrv::ReadInt(text);
  if (!value || *value < 0) return false;
  count = *value;
  return true;
}

// "Recipient3.Type" -> list "Recipient", position 3, field "Type".
bool SplitListKey(std::string_view key, std::string_view list, int& position, std::string& field) {
  if (key.size() <= list.size() || !qrv::EqualsIgnoringCase(key.substr(0, list.size()), list)) return false;
  std::string_view rest = key.substr(list.size());
  const std::size_t dot = rest.find('.');
  field = dot == std::string_view::npos ? "" : std::string(rest.substr(dot + 1));
  const std::optional<int> number = qrv::ReadInt(rest.substr(0, dot));
  if (!number || *number < 1 || *number > kMaxListEntries) return false;
  position = *number;
  return true;
}

template <class T>
T& ListEntry(std::vector<T>& list, int position) {
  if (list.size() < static_cast<std::size_t>(position)) list.resize(static_cast<std::size_t>(position));
  return list[static_cast<std::size_t>(position - 1)];
}

bool SetRecipient(Item& item, const Entry& entry) {
  int position = 0;
  std::string field;
  if (!SplitListKey(entry.key, "Recipient", position, field)) return false;
  Recipient& recipient = ListEntry(item.recipients, position);
  if (field.empty()) {
    recipient.name = entry.value;
    return true;
  }
  if (qrv::EqualsIgnoringCase(field, "Type")) return SetCount(recipient.type, entry.value);
  if (qrv::EqualsIgnoringCase(field, "Resolved")) return SetFlag(recipient.resolved, entry.value);
  return false;
}

bool SetAttachment(Item& item, const Entry& entry) {
  int position = 0;
  std::string field;
  if (!SplitListKey(entry.key, "Attachment", position, field)) return false;
  Attachment& attachment = ListEntry(item.attachments, position);
  if (field.empty()) {
    attachment.path = entry.value;
    return true;
  }
  return qrv::EqualsIgnoringCase(field, "Type") && SetCount(attachment.type, entry.value);
}

bool SetState(Store& store, Item& item, const Entry& entry) {
  const std::string& key = entry.key;
  if (qrv::EqualsIgnoringCase(key, "Folder")) {
    item.folder = store.EnsureFolder(entry.value).path;
    return true;
  }
  if (qrv::EqualsIgnoringCase(key, "Saved")) return SetFlag(item.saved, entry.value);
  if (qrv::EqualsIgnoringCase(key, "Sent")) return SetFlag(item.sent, entry.value);
  if (qrv::EqualsIgnoringCase(key, "Assigned")) return SetFlag(item.assigned, entry.value);
  if (qrv::EqualsIgnoringCase(key, "TimerStarted")) return SetFlag(item.timerStarted, entry.value);
  if (qrv::EqualsIgnoringCase(key, "Displays")) return SetCount(item.displays, entry.value);
  if (qrv::EqualsIgnoringCase(key, "Window")) {
    item.windowOpen = qrv::EqualsIgnoringCase(entry.value, "open");
    return item.windowOpen || qrv::EqualsIgnoringCase(entry.value, "closed");
  }
  return false;
}

void LoadEntry(Store& store, Item& item, const Entry& entry, Problems& problems) {
  if (SetState(store, item, entry) || SetRecipient(item, entry) || SetAttachment(item, entry)) return;
  const PropertyInfo* info = FindProperty(entry.key);
  if (!info || !HasProperty(*info, item.kind)) {
    problems.Add(entry.line, std::string(ClassName(item.kind)) + " has no \"" + entry.key + "\"");
  } else if ((info->derivedKinds & (1u << static_cast<int>(item.kind))) != 0) {
    problems.Add(entry.line, "\"" + entry.key + "\" is worked out, not stored");
  } else if (const std::optional<std::string> value = StoredValue(*info, entry.value)) {
    item.Put(*info, *value);
  } else {
    problems.Add(entry.line, "\"" + entry.value + "\" is no value for \"" + entry.key + "\"");
  }
}

void LoadItem(Store& store, const Section& section, Problems& problems) {
  ItemKind kind{};
  const Entry* kindEntry = nullptr;
  for (const Entry& entry : section.entries) {
    if (qrv::EqualsIgnoringCase(entry.key, "Class")) kindEntry = &entry;
  }
  if (!kindEntry || !KindFromClassName(kindEntry->value, kind)) {
    problems.Add(section.line,
                 "an item needs a Class: MailItem, AppointmentItem, ContactItem, "
                 "TaskItem, JournalItem or NoteItem");
    return;
  }
  Item& item = store.CreateItem(kind);
  item.saved = true;  // a seeded item is in its folder
  for (const Entry& entry : section.entries) {
    if (&entry != kindEntry) LoadEntry(store, item, entry, problems);
  }
}

void LoadExplorer(Store& store, const Section& section, Problems& problems) {
  Explorer& explorer = store.AddExplorer("Inbox");
  for (const Entry& entry : section.entries) {
    bool known = true;
    if (qrv::EqualsIgnoringCase(entry.key, "Folder")) {
      explorer.folder = store.EnsureFolder(entry.value).path;
    } else if (qrv::EqualsIgnoringCase(entry.key, "Open")) {
      known = SetFlag(explorer.open, entry.value);
    } else if (qrv::EqualsIgnoringCase(entry.key, "Displays")) {
      known = SetCount(explorer.displays, entry.value);
    } else {
      known = false;
    }
    if (!known) problems.Add(entry.line, "explorers have no \"" + entry.key + "=" + entry.value + "\"");
  }
}

}  // namespace

std::vector<std::string> Store::Load(std::string_view text) {
  Problems problems;
  for (const Section& section : Sections(text, problems)) {
    if (qrv::EqualsIgnoringCase(section.kind, "Item")) {
      LoadItem(*this, section, problems);
    } else if (qrv::EqualsIgnoringCase(section.kind, "Folder")) {
      EnsureFolder(section.name);  // its numbers and counts are the stand-in's own
    } else if (qrv::EqualsIgnoringCase(section.kind, "Explorer")) {
      LoadExplorer(*this, section, problems);
    } else if (!qrv::EqualsIgnoringCase(section.kind, "Session")) {
      problems.Add(section.line, "unknown section \"" + section.kind + "\"");
    }
  }
  return problems.list;
}

}  // namespace standin
