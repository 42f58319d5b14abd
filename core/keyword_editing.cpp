#include "core/keyword_editing.h"

#include <algorithm>

#include "core/icon_definitions.h"
#include "core/text.h"

namespace qrv {
namespace {

constexpr std::array<std::string_view, 4> kPrefixes{"K=", "C=", "S=", "I="};

void AddOnce(std::vector<std::string>& list, const std::string& record) {
  const bool known =
      std::any_of(list.begin(), list.end(), [&](const std::string& line) { return EqualsIgnoringCase(line, record); });
  if (!known) list.push_back(record);
}

// Replaces the text between the first `open` after `from` and the next `close`.
bool ReplaceBetween(std::string& record, std::string_view open, std::string_view close, std::string_view text) {
  const auto start = record.find(open);
  if (start == std::string::npos) return false;
  const auto end = record.find(close, start + open.size());
  if (end == std::string::npos) return false;
  record.replace(start + open.size(), end - start - open.size(), text);
  return true;
}

}  // namespace

std::vector<std::string>& ListOf(KeywordLists& lists, KeywordListKind kind) {
  switch (kind) {
    case KeywordListKind::kItems:
      return lists.itemKeywords;
    case KeywordListKind::kCategories:
      return lists.categoryKeywords;
    case KeywordListKind::kInternet:
      return lists.webServices;
    case KeywordListKind::kIcons:
      break;
  }
  return lists.iconKeywords;
}

const std::vector<std::string>& ListOf(const KeywordLists& lists, KeywordListKind kind) {
  return ListOf(const_cast<KeywordLists&>(lists), kind);
}

KeywordLists SplitKeywordList(const std::vector<std::string>& keywordList) {
  KeywordLists lists;
  for (const std::string& line : keywordList) {
    for (std::size_t kind = 0; kind < kPrefixes.size(); ++kind)
      if (StartsWith(line, kPrefixes[kind])) AddOnce(ListOf(lists, static_cast<KeywordListKind>(kind)), line);
  }
  return lists;
}

bool FillCategoryKeywords(KeywordLists& lists, const std::vector<std::string>& categoryNames) {
  if (!lists.categoryKeywords.empty()) return false;
  for (const std::string& name : categoryNames) {
    // A name that would break its record apart is left out rather than stored damaged.
    if (!CategoryFault(AsciiUpper(name), name).empty()) continue;
    lists.categoryKeywords.push_back(CategoryRecord(AsciiUpper(name), name));
  }
  return !lists.categoryKeywords.empty();
}

std::vector<GridColumn> GridColumns(KeywordListKind kind) {
  switch (kind) {
    case KeywordListKind::kItems:
      return {{"Position", 71}, {"Keyword", 101}, {"Action", 135}};
    case KeywordListKind::kCategories:
      return {{"Keyword", 100}, {"Category", 200}};
    case KeywordListKind::kInternet:
      return {{"Keyword", 76}, {"Site", 118}, {"Default", 71}};
    case KeywordListKind::kIcons:
      break;
  }
  return {{"Keyword", 100}, {"Icon", 30}, {"Description", 170}};
}

std::string ActionName(std::optional<int> type) {
  static const std::array<const char*, 10> kNames{"Task",          "Note",    "Appointment",  "Contact",
                                                  "E-Mail",        "Journal", "Task Request", "Mtg Request",
                                                  "Text Document", "Internet"};
  if (!type || *type < 1 || *type > 10) return {};
  return kNames[static_cast<std::size_t>(*type - 1)];
}

std::string IconCaption(const std::vector<std::string>& definitions, int n) {
  if (n < 1 || static_cast<std::size_t>(n) >= definitions.size()) return {};
  const std::string& line = definitions[static_cast<std::size_t>(n)];
  const auto equals = line.find('=');
  if (equals == std::string::npos || equals < 2) return {};
  return line.substr(2, equals - 2);
}

int StorableIconCount(const std::vector<std::string>& definitions) {
  if (definitions.size() < 2) return 0;
  return std::min(static_cast<int>(definitions.size()) - 1, kMaxIcon);
}

std::vector<std::string> GridCells(KeywordListKind kind, std::string_view record,
                                   const std::vector<std::string>& iconDefinitions) {
  const std::string keyword = RecordKeyword(record);
  switch (kind) {
    case KeywordListKind::kItems:
      return {StartsWith(record, "K=1")   ? "Contains"
              : StartsWith(record, "K=0") ? "Begins with"
                                          : "",
              AsciiLower(keyword), ActionName(RecordType(record))};
    case KeywordListKind::kCategories:
      return {AsciiLower(keyword), RecordCategory(record)};
    case KeywordListKind::kInternet:
      return {AsciiUpper(keyword), ServiceCaption(record), ServiceCriteria(record)};
    case KeywordListKind::kIcons:
      break;
  }
  const std::string tail = RecordTail(record);
  const int icon = tail.empty() ? 0 : CreateIconValue(tail[0]);
  return {AsciiLower(keyword), "", IconCaption(iconDefinitions, icon)};
}

std::string ModifiedService(std::string_view record, std::string_view keyword, const std::string* criteria) {
  if (std::string fault = RecordFieldFault(RecordField::kKeyword, keyword); !fault.empty())
    throw RecordFieldError(fault);
  std::string modified(record);
  ReplaceBetween(modified, "{", "}", keyword);
  if (criteria && Contains(modified, "<D=")) {
    if (std::string fault = RecordFieldFault(RecordField::kCriteria, *criteria); !fault.empty())
      throw RecordFieldError(fault);
    ReplaceBetween(modified, "<D=", "!D>", *criteria);
  }
  return modified;
}

std::string CategoryFault(std::string_view keyword, std::string_view category) {
  if (std::string fault = RecordFieldFault(RecordField::kKeyword, keyword); !fault.empty()) return fault;
  if (TrimView(category).empty()) return "A category cannot be empty.";
  return RecordFieldFault(RecordField::kCategory, category);
}

void ResetKeywordList(KeywordLists& lists, KeywordListKind kind, const std::vector<std::string>& factoryLines,
                      const std::vector<std::string>& categoryNames) {
  std::vector<std::string>& list = ListOf(lists, kind);
  list.clear();
  if (kind == KeywordListKind::kCategories) {
    FillCategoryKeywords(lists, categoryNames);
    return;
  }
  if (kind == KeywordListKind::kIcons) return;
  const std::string_view prefix = kind == KeywordListKind::kItems ? "K=" : "S=";
  for (const std::string& line : factoryLines)
    if (StartsWith(line, prefix)) AddOnce(list, line);
}

bool MoveRecord(std::vector<std::string>& list, std::size_t index, bool up) {
  if (index >= list.size()) return false;
  if (up ? index == 0 : index + 1 >= list.size()) return false;
  std::swap(list[index], list[up ? index - 1 : index + 1]);
  return true;
}

}  // namespace qrv
