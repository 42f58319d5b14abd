// The site list from which the bar refreshes the user's web services, and the
// merge of its records into the user's list. The list is plain text, each line
// enciphered alone; a deciphered line is a web-service record ("S=0"), the
// newest program version ("VER=") or a one-line announcement ("VERTEXT=").
// Downloads and imported files are untrusted: a record is taken only when its
// address template is a web address that can be opened safely.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bar_settings.h"

namespace qrv {

struct SiteList {
  std::vector<std::string> records;  // sound web-service records (UTF-8), in list order
  std::string version = "0";         // the last "VER=" text, "0" without one
  std::string announcement;          // the last "VERTEXT=" text
};

// Deciphers the lines of a downloaded list one by one; lines that fail to
// decipher, unknown lines and unsound records are left out. None when the list
// was cut short: its last line has no line end, or a web-service record lacks
// its closed caption or its address (a list cut in transit must never be taken
// for the whole list, whose merge deletes what it does not name).
std::optional<SiteList> ReadSiteList(std::string_view body);

// Whether a downloaded or imported record may join the user's list: its address
// template starts with "http://" or "https://" (any letter case) and holds
// neither a quote nor a control character. (Hints may hold line breaks.)
bool IsSoundServiceRecord(std::string_view record);

struct MergeCounts {
  int added = 0;
  int updated = 0;
  int outdated = 0;
  bool Any() const { return added > 0 || updated > 0 || outdated > 0; }
};

// Merges the site list's records into `services`:
// - a record equal to one of the list (letter case ignored) changes nothing;
// - otherwise the first record with the same caption (letter case counts) that
//   the user did not make (no "<CUST=") keeps
//   its keyword, caption, criteria and custom marker and takes the server's
//   hint and address from "<HINT" on, gaining an empty "<D=!D>" when the server
//   has criteria and it has none (updated); a record without "<HINT", on either
//   side, is kept as it is;
// - a record whose caption the list lacks is appended (added);
// afterwards every record the server did not list, unless the user made it
// ("<CUST="), is deleted (outdated). An empty `records` changes nothing: a list
// without one sound record says nothing about which services still exist.
MergeCounts MergeSiteList(std::vector<std::string>& services, const std::vector<std::string>& records);

// Whether a "VER=" text names a version newer than this program. The text is
// read with "." as the decimal separator whatever the user's locale; text that
// is no number is never newer.
bool IsNewerVersion(std::string_view versionText);

// Appends each sound record that the list does not hold yet (letter case
// ignored); answers how many were appended.
int AddImportedServices(std::vector<std::string>& services, const std::vector<std::string>& records);

}  // namespace qrv
