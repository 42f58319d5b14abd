// The numbers the bar sends to Outlook for its items and folders, and the rules
// of Outlook's category list as the bar reads and offers it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// A new item of a bar item type (1 task .. 8 meeting request): the default
// folder fetched first and the kind of item made.
struct ItemRoad {
  int folder;  // GetDefaultFolder number
  int kind;    // CreateItem kind
};
std::optional<ItemRoad> ItemRoadOf(int item_type);

// An Outlook folder of a folder type (1 tasks .. 6 journal): its default-folder
// number and the argument that opens it in a starting outlook.exe.
struct FolderRoad {
  int folder;
  const char* argument;
};
std::optional<FolderRoad> FolderRoadOf(int folder_type);

// Whether new items of a bar item type ask for categories first: when the
// decimal text of the type is among the prompt types.
bool PromptsForCategories(const std::vector<std::string>& prompt_types, int item_type);

// The names of a category master list: split at every ";", an empty last name
// (after trimming) dropped, every other name kept as written.
std::vector<std::string> SplitCategoryList(std::string_view master_list);

// The names Outlook offers when it holds no list of its own.
std::vector<std::string> DefaultCategoryNames();

// Sorts without regard to letter case; names that differ only in case keep
// their order.
void SortCategoryNames(std::vector<std::string>& names);

// Category names as an item's Categories take them: joined by ", ".
std::string JoinCategories(const std::vector<std::string>& names);

}  // namespace qrv
