#include "core/outlook_road.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

std::optional<ItemRoad> ItemRoadOf(int item_type) {
  // Task, note, appointment, contact, e-mail, journal entry, task request, meeting request.
  static constexpr ItemRoad kRoads[] = {{13, 3}, {12, 5}, {9, 1}, {10, 2}, {6, 0}, {11, 4}, {13, 3}, {9, 1}};
  if (item_type < 1 || item_type > 8) return std::nullopt;
  return kRoads[item_type - 1];
}

std::optional<FolderRoad> FolderRoadOf(int folder_type) {
  static constexpr FolderRoad kRoads[] = {{13, "Outlook:Tasks"},    {12, "Outlook:Notes"}, {9, "Outlook:Calendar"},
                                          {10, "Outlook:Contacts"}, {6, "Outlook:Inbox"},  {11, "Outlook:Journal"}};
  if (folder_type < 1 || folder_type > 6) return std::nullopt;
  return kRoads[folder_type - 1];
}

bool PromptsForCategories(const std::vector<std::string>& prompt_types, int item_type) {
  return std::find(prompt_types.begin(), prompt_types.end(), std::to_string(item_type)) != prompt_types.end();
}

std::vector<std::string> SplitCategoryList(std::string_view master_list) {
  std::vector<std::string> names;
  if (master_list.empty()) return names;
  names.emplace_back();
  for (const char c : master_list) {
    if (c == ';') names.emplace_back();
    else names.back() += c;
  }
  if (TrimView(names.back()).empty()) names.pop_back();
  return names;
}

std::vector<std::string> DefaultCategoryNames() {
  return {"Business", "Competition",   "Favorites",    "Gifts",         "Goals/Objectives",
          "Holiday",  "Holiday Cards", "Hot Contacts", "Ideas",         "International",
          "Key Customer", "Miscellaneous", "Personal", "Phone Calls",   "Status",
          "Strategies", "Suppliers",   "Time & Expenses", "VIP",        "Waiting"};
}

void SortCategoryNames(std::vector<std::string>& names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
}

std::string JoinCategories(const std::vector<std::string>& names) {
  std::string joined;
  for (std::size_t i = 0; i < names.size(); ++i) joined += (i ? ", " : "") + names[i];
  return joined;
}

}  // namespace qrv
