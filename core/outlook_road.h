// The numbers the bar sends to Outlook for its items and folders, and the rules
// of Outlook's category list as the bar reads and offers it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_record.h"

namespace qrv {

// The Outlook folders the bar's folder buttons, its menu and the "OUTLOOK:"
// start-up arguments open. The numbers are those of the settings and the menu.
enum class FolderKind : int {
  kTasks = 1,
  kNotes = 2,
  kCalendar = 3,
  kContacts = 4,
  kInbox = 5,
  kJournal = 6,
};

// The bar's extra actions, by the numbers of their buttons and menu items.
enum class ExtraAction : int {
  kOpenOutlook = 1,
  kOutlookToday = 2,
  kNewOfficeDocument = 3,
  kLaunchProgram = 4,
  kAdvancedFind = 5,
};

// The folder kind and extra action of a stored or menu number; none for others.
std::optional<FolderKind> FolderKindOf(int number);
std::optional<ExtraAction> ExtraActionOf(int number);

// A new item of a bar item type (task .. meeting request): the default folder
// fetched first and the kind of item made; none for the other entry types.
struct ItemRoad {
  int folder;  // GetDefaultFolder number
  int kind;    // CreateItem kind
};
std::optional<ItemRoad> ItemRoadOf(EntryType type);

// An Outlook folder: its default-folder number and the argument that opens it
// in a starting outlook.exe.
struct FolderRoad {
  int folder;
  const char* argument;
};
// None for a number that is no folder kind.
std::optional<FolderRoad> FolderRoadOf(FolderKind folder);

// Whether new items of a bar item type ask for categories first: when the
// decimal text of the type is among the prompt types.
bool PromptsForCategories(const std::vector<std::string>& promptTypes, EntryType type);

// The names of a category master list: split at every ";", an empty last name
// (after trimming) dropped, every other name kept as written.
std::vector<std::string> SplitCategoryList(std::string_view masterList);

// The names Outlook offers when it holds no list of its own.
std::vector<std::string> DefaultCategoryNames();

// An order of texts as the user's locale sorts them: below zero when `a`
// comes first, zero when they sort alike, above zero when `b` comes first.
// The Windows program passes the system's comparison for the user's locale.
using TextOrder = int (*)(std::string_view a, std::string_view b);

// Ignoring letter case, by bytes: the order when no locale's is given.
int CaselessByteOrder(std::string_view a, std::string_view b);

// Sorts in `order`; names that sort alike keep their order.
void SortCategoryNames(std::vector<std::string>& names, TextOrder order = CaselessByteOrder);

// Category names as an item's Categories take them: joined by ", ".
std::string JoinCategories(const std::vector<std::string>& names);

}  // namespace qrv
