#include "core/keyword_matcher.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

void KeywordMatcher::Table::Add(const std::string& keyword, int index, bool beginnings) {
  // An empty keyword, or a beginning of nothing ("*"), would match every word.
  if (keyword.empty() || (beginnings && keyword == "*")) return;
  // Records are added in list order, so the first holder of a key stays.
  whole_.try_emplace(keyword, index);
  if (!beginnings || keyword.back() != '*') return;
  const std::string_view start(keyword.data(), keyword.size() - 1);
  if (!beginnings_.try_emplace(std::string(start), index).second) return;
  const auto at = std::lower_bound(beginningLengths_.begin(), beginningLengths_.end(), start.size());
  if (at == beginningLengths_.end() || *at != start.size()) beginningLengths_.insert(at, start.size());
}

int KeywordMatcher::Table::Find(std::string_view word) const {
  if (whole_.empty()) return -1;  // every keyword is in whole_
  int best = -1;
  const auto keep = [&best](int index) {
    if (best < 0 || index < best) best = index;
  };
  if (const auto it = whole_.find(word); it != whole_.end()) keep(it->second);
  for (const std::size_t length : beginningLengths_) {
    if (length > word.size()) break;
    if (const auto it = beginnings_.find(word.substr(0, length)); it != beginnings_.end()) keep(it->second);
  }
  return best;
}

KeywordMatcher::KeywordMatcher(std::vector<KeywordRecord> records) : records_(std::move(records)) {
  for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
    const KeywordRecord& r = records_[static_cast<std::size_t>(i)];
    if (r.type && (r.kind == "K=0" || r.kind == "S=0")) {
      firstWord_.Add(r.keyword, i, r.kind == "K=0");
    } else if (r.type && r.kind == "K=1") {
      firstWord_.Add(r.keyword, i, true);
      anyWord_.Add(r.keyword, i, true);
    } else if (r.kind == "I=1" && !r.tail.empty()) {
      icons_.Add(r.keyword, i, true);
    } else if (r.kind == "C=1" && !r.keyword.empty()) {
      categories_.push_back({r.keyword, r.category});
    }
  }
}

int KeywordMatcher::TypeRecordFor(std::string_view word, bool firstWord) const {
  return (firstWord ? firstWord_ : anyWord_).Find(word);
}

int KeywordMatcher::IconRecordFor(std::string_view word) const { return icons_.Find(word); }

}  // namespace qrv
