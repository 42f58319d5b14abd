// The keyword list prepared for the quick-entry window: split and indexed once
// when the list is loaded, so that a subject is matched on every keystroke
// without reading the records again. Matching answers exactly what a walk over
// the records in list order would: the first record that matches a word.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/keyword_record.h"

namespace qrv {

class KeywordMatcher {
 public:
  struct Category {
    std::string keyword;  // in capitals, never empty
    std::string name;     // the Outlook category
  };

  KeywordMatcher() = default;
  explicit KeywordMatcher(std::vector<KeywordRecord> records);

  const std::vector<KeywordRecord>& Records() const { return records_; }
  bool Empty() const { return records_.empty(); }

  // Index of the first record that sets the entry type for `word` (in
  // capitals), or -1. Item records "K=1" match any word, "K=0" and web-service
  // records only the first word of the subject; a keyword ending in "*" matches
  // a word that begins with the rest (not for web services). A record whose
  // type is no number never matches.
  int TypeRecordFor(std::string_view word, bool firstWord) const;
  // Index of the first icon record ("I=1") with an icon character that matches
  // `word` by the same rules, or -1.
  int IconRecordFor(std::string_view word) const;
  // The category records, in list order.
  const std::vector<Category>& Categories() const { return categories_; }

 private:
  struct Hash {
    using is_transparent = void;  // NOLINT(readability-identifier-naming): the standard library's name
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using FirstIndex = std::unordered_map<std::string, int, Hash, std::equal_to<>>;

  // Keywords and keyword beginnings of one group of records, each with the
  // first record that holds it.
  class Table {
   public:
    // `beginnings`: a keyword ending in "*" also stands for every word that
    // begins with the rest.
    void Add(const std::string& keyword, int index, bool beginnings);
    int Find(std::string_view word) const;

   private:
    FirstIndex whole_;
    FirstIndex beginnings_;
    std::vector<std::size_t> beginningLengths_;  // ascending
  };

  std::vector<KeywordRecord> records_;
  Table firstWord_;
  Table anyWord_;
  Table icons_;
  std::vector<Category> categories_;
};

}  // namespace qrv
