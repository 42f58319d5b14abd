// Reading back what the stand-in Outlook writes while a test runs: its store
// file (folders, explorers, items with their properties and state) and its call
// log (one line per call, refusal, object birth and object release).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qrv::testing {

// One "[Kind name]" section of the store file, its values unescaped.
struct StoreSection {
  std::string kind;
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;

  // The value of `key` ("" when missing) and whether it is there.
  std::string Get(std::string_view key) const;
  bool Has(std::string_view key) const;
};

class StandInStore {
 public:
  // A missing or unreadable file gives an empty store.
  static StandInStore Read(const std::string& path);
  static StandInStore Parse(std::string_view text);

  const StoreSection* Find(std::string_view kind, std::string_view name) const;
  // The items, oldest first; with a class name ("TaskItem") only those.
  std::vector<const StoreSection*> Items(std::string_view className = {}) const;

 private:
  std::vector<StoreSection> sections_;
};

struct LogEntry {
  std::string time;  // seconds since 1970, with microseconds
  std::string process;
  std::string kind;  // start, new, free, name, call, get, put, fail, seed, config, error
  std::string object;
  std::string member;
  std::string args;    // in the log's notation: "text", 42, true, Folder#3, <omitted>
  std::string result;  // likewise; for "fail" the quoted message
};

std::vector<LogEntry> ReadStandInLog(const std::string& path);

// The objects the log saw made and not yet released, in order of birth.
std::vector<std::string> UnreleasedObjects(const std::vector<LogEntry>& log);

// The log entries of one kind and member ("call", "Display"), in order.
std::vector<LogEntry> Calls(const std::vector<LogEntry>& log, std::string_view kind, std::string_view member);

}  // namespace qrv::testing
