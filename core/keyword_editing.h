// The keyword lists as the preferences window edits them: the keyword list
// split into its four working lists, the cells the grid shows for a record,
// the records the keyword dialog builds, and a reset of one list from the
// factory keyword file. Everything works on the window's own copies, so the
// keyword list the program runs with changes only when the window saves.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_file.h"
#include "core/keyword_record.h"

namespace qrv {

// The lists of the list choice, in its order.
enum class KeywordListKind : int { kItems = 0, kCategories = 1, kInternet = 2, kIcons = 3 };

std::vector<std::string>& ListOf(KeywordLists& lists, KeywordListKind kind);
const std::vector<std::string>& ListOf(const KeywordLists& lists, KeywordListKind kind);

// The keyword list split by record kind; a record already in its list (in any
// letter case) is taken once. Lines of no kind are left out.
KeywordLists SplitKeywordList(const std::vector<std::string>& keywordList);

// An empty category list is made from Outlook's category names; true when it was.
bool FillCategoryKeywords(KeywordLists& lists, const std::vector<std::string>& categoryNames);

// The grid's columns for a list.
struct GridColumn {
  const char* heading;
  int width;  // pixels at 96 DPI
};
std::vector<GridColumn> GridColumns(KeywordListKind kind);

// The cells of one record's row. The keyword is read as every reader of
// records reads it, between the first "{" and the first "}".
std::vector<std::string> GridCells(KeywordListKind kind, std::string_view record,
                                   const std::vector<std::string>& iconDefinitions);

// The name of an item record's action ("Task" .. "Internet"), empty for another number.
std::string ActionName(std::optional<int> type);

// An icon's caption: line n of the definitions from its third character up to
// its first "="; empty when there is no such line.
std::string IconCaption(const std::vector<std::string>& iconDefinitions, int n);
// The icons a record can name: definition lines 1 .. count - 1, and no more
// than icon characters exist for.
int StorableIconCount(const std::vector<std::string>& iconDefinitions);

// A web service with its keyword replaced (letter case kept) and, when given,
// its default criteria; everything else of the record as it was. Throws
// RecordFieldError for a field that would change how the record reads back.
std::string ModifiedService(std::string_view record, std::string_view keyword, const std::string* criteria);

// A category keyword's fault: a keyword's, or an empty category; empty when it can be stored.
std::string CategoryFault(std::string_view keyword, std::string_view category);

// Resets one list: items and web services from the factory file's records
// (`factoryLines` in plain text), categories from Outlook's names, icons to
// none. The other lists stay as they are.
void ResetKeywordList(KeywordLists& lists, KeywordListKind kind, const std::vector<std::string>& factoryLines,
                      const std::vector<std::string>& categoryNames);

// Swaps a record with its neighbour; false (nothing changed) at either end.
bool MoveRecord(std::vector<std::string>& list, std::size_t index, bool up);

}  // namespace qrv
