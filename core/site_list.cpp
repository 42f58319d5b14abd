#include "core/site_list.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <set>
#include <unordered_map>

#include "core/cipher.h"
#include "core/codepage.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace qrv {

namespace {

constexpr std::string_view kHintTag = "<HINT";
constexpr std::string_view kCriteriaTag = "<D=";

// What the merge found for each record of the user's list.
enum class MergeStatus { kNotListed, kListed };

bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

bool HoldsControlCharacter(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

std::ptrdiff_t IndexOfEqual(const std::vector<std::string>& services, std::string_view record) {
  for (std::size_t i = 0; i < services.size(); ++i)
    if (EqualsIgnoringCase(services[i], record)) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

// The lookups the merge makes for every server record, kept up to date as
// records are merged and appended, so that a list of thousands merges in one
// pass: the first record equal to a text (letter case ignored), and the first
// record of a caption that the user did not make (the user's own services are
// never rewritten by a server record of the same caption).
class ServiceIndex {
 public:
  explicit ServiceIndex(const std::vector<std::string>& services) {
    for (std::size_t i = 0; i < services.size(); ++i) Add(i, services[i]);
  }
  std::ptrdiff_t FirstEqual(std::string_view record) const { return First(byText_, AsciiLower(record)); }
  std::ptrdiff_t FirstStandard(const std::string& caption) const { return First(byCaption_, caption); }
  void Add(std::size_t i, const std::string& record) {
    byText_[AsciiLower(record)].insert(i);
    if (!IsCustomService(record)) byCaption_[ServiceCaption(record)].insert(i);
  }
  void Remove(std::size_t i, const std::string& record) {
    byText_[AsciiLower(record)].erase(i);
    if (!IsCustomService(record)) byCaption_[ServiceCaption(record)].erase(i);
  }

 private:
  using Places = std::unordered_map<std::string, std::set<std::size_t>>;
  static std::ptrdiff_t First(const Places& places, const std::string& key) {
    const auto found = places.find(key);
    return found == places.end() || found->second.empty() ? -1 : static_cast<std::ptrdiff_t>(*found->second.begin());
  }
  Places byText_, byCaption_;
};

// The local record with the server's hint and address; false when it stays as it is.
bool TakeServerTail(std::string& local, std::string_view server) {
  const std::size_t localHint = local.find(kHintTag);
  const std::size_t serverHint = server.find(kHintTag);
  if (localHint == std::string::npos || serverHint == std::string::npos) return false;
  const std::string_view serverTail = server.substr(serverHint);
  if (std::string_view(local).substr(localHint) == serverTail) return false;
  std::string merged = local.substr(0, localHint);
  if (Contains(server, kCriteriaTag) && !Contains(local, kCriteriaTag)) merged += "<D=!D>";
  merged += serverTail;
  local = std::move(merged);
  return true;
}

std::optional<double> ReadDecimal(std::string_view text) {
  const std::string_view trimmed = TrimView(text);
  double value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (error != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// A record cut short lacks the end of its caption or the bar before its address.
bool IsWholeServiceRecord(std::string_view record) {
  const std::size_t caption = record.find("<CB=");
  const std::size_t captionEnd = caption == std::string_view::npos ? caption : record.find("!>", caption);
  return captionEnd != std::string_view::npos && record.find('|', captionEnd) != std::string_view::npos;
}

}  // namespace

std::optional<SiteList> ReadSiteList(std::string_view body) {
  if (body.empty() || (body.back() != '\n' && body.back() != '\r')) return std::nullopt;
  SiteList list;
  for (const std::string& line : SplitLines(WithoutByteOrderMark(body))) {
    std::string text = AnsiToUtf8(DecipherLine(line));
    if (StartsWith(text, "S=0")) {
      if (!IsWholeServiceRecord(text)) return std::nullopt;
      if (IsSoundServiceRecord(text)) list.records.push_back(std::move(text));
    } else if (StartsWith(text, "VER=")) {
      list.version = text.substr(4);
    } else if (StartsWith(text, "VERTEXT=")) {
      list.announcement = text.substr(8);
    }
  }
  return list;
}

bool IsSoundServiceRecord(std::string_view record) {
  const std::string url = ServiceUrl(record);
  return (StartsWithIgnoringCase(url, "http://") || StartsWithIgnoringCase(url, "https://")) && !Contains(url, "\"") &&
         !HoldsControlCharacter(url);
}

MergeCounts MergeSiteList(std::vector<std::string>& services, const std::vector<std::string>& records) {
  MergeCounts counts;
  if (records.empty()) return counts;
  std::vector<MergeStatus> statuses(services.size(), MergeStatus::kNotListed);
  ServiceIndex index(services);
  for (const std::string& record : records) {
    if (const auto equal = index.FirstEqual(record); equal >= 0) {
      statuses[static_cast<std::size_t>(equal)] = MergeStatus::kListed;
    } else if (const auto same = index.FirstStandard(ServiceCaption(record)); same >= 0) {
      std::string& local = services[static_cast<std::size_t>(same)];
      index.Remove(static_cast<std::size_t>(same), local);
      if (TakeServerTail(local, record)) ++counts.updated;
      index.Add(static_cast<std::size_t>(same), local);
      statuses[static_cast<std::size_t>(same)] = MergeStatus::kListed;
    } else {
      index.Add(services.size(), record);
      services.push_back(record);
      statuses.push_back(MergeStatus::kListed);
      ++counts.added;
    }
  }
  // Every record the server did not list goes, unless the user made it.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < services.size(); ++i) {
    if (statuses[i] == MergeStatus::kNotListed && !IsCustomService(services[i])) {
      ++counts.outdated;
    } else {
      if (kept != i) services[kept] = std::move(services[i]);
      ++kept;
    }
  }
  services.resize(kept);
  return counts;
}

bool IsNewerVersion(std::string_view versionText) {
  if (versionText == "0") return false;
  const auto version = ReadDecimal(versionText);
  return version && *version > *ReadDecimal(kProgramVersion);
}

int AddImportedServices(std::vector<std::string>& services, const std::vector<std::string>& records) {
  int added = 0;
  for (const std::string& record : records) {
    if (!IsSoundServiceRecord(record) || IndexOfEqual(services, record) >= 0) continue;
    services.push_back(record);
    ++added;
  }
  return added;
}

}  // namespace qrv
