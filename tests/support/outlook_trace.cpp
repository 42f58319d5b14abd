#include "outlook_trace.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace qrv::testing {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    out += next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
  }
  return out;
}

}  // namespace

std::string StoreSection::Get(std::string_view key) const {
  for (const auto& [k, v] : entries) {
    if (k == key) return v;
  }
  return {};
}

bool StoreSection::Has(std::string_view key) const {
  return std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
}

StandInStore StandInStore::Read(const std::string& path) { return Parse(ReadFile(path)); }

StandInStore StandInStore::Parse(std::string_view text) {
  StandInStore store;
  for (const std::string_view line : Lines(text)) {
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string_view heading = line.substr(1, line.size() - 2);
      const std::size_t blank = heading.find(' ');
      StoreSection& section = store.sections_.emplace_back();
      section.kind = std::string(heading.substr(0, blank));
      if (blank != std::string_view::npos) section.name = std::string(heading.substr(blank + 1));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (store.sections_.empty() || equals == std::string_view::npos) continue;
    store.sections_.back().entries.emplace_back(std::string(line.substr(0, equals)), Unescape(line.substr(equals + 1)));
  }
  return store;
}

const StoreSection* StandInStore::Find(std::string_view kind, std::string_view name) const {
  for (const StoreSection& section : sections_) {
    if (section.kind == kind && section.name == name) return &section;
  }
  return nullptr;
}

std::vector<const StoreSection*> StandInStore::Items(std::string_view className) const {
  std::vector<const StoreSection*> items;
  for (const StoreSection& section : sections_) {
    if (section.kind == "Item" && (className.empty() || section.Get("Class") == className)) {
      items.push_back(&section);
    }
  }
  return items;
}

std::vector<LogEntry> ReadStandInLog(const std::string& path) {
  std::vector<LogEntry> log;
  const std::string text = ReadFile(path);
  for (const std::string_view line : Lines(text)) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', start);
      fields.emplace_back(line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    fields.resize(7);
    log.push_back(LogEntry{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]});
  }
  return log;
}

std::vector<std::string> UnreleasedObjects(const std::vector<LogEntry>& log) {
  // Each Outlook process counts its objects from 1: a name is one object only
  // together with its process.
  std::vector<std::pair<std::string, std::string>> live;
  for (const LogEntry& entry : log) {
    const std::pair<std::string, std::string> object{entry.process, entry.object};
    if (entry.kind == "new") live.push_back(object);
    if (entry.kind == "free") live.erase(std::remove(live.begin(), live.end(), object), live.end());
  }
  std::vector<std::string> names;
  for (const auto& object : live) names.push_back(object.second);
  return names;
}

std::vector<LogEntry> Calls(const std::vector<LogEntry>& log, std::string_view kind, std::string_view member) {
  std::vector<LogEntry> found;
  for (const LogEntry& entry : log) {
    if (entry.kind == kind && entry.member == member) found.push_back(entry);
  }
  return found;
}

}  // namespace qrv::testing
