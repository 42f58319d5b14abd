#include "core/outlook_numbers.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

std::optional<FolderKind> FolderKindOf(int number) {
  if (number < 1 || number > 6) return std::nullopt;
  return static_cast<FolderKind>(number);
}

std::optional<ExtraAction> ExtraActionOf(int number) {
  if (number < 1 || number > 5) return std::nullopt;
  return static_cast<ExtraAction>(number);
}

std::optional<NewItemKind> NewItemKindOf(EntryType type) {
  using F = OutlookFolder;
  using K = OutlookItemKind;
  // Task, note, appointment, contact, e-mail, journal entry, task request, meeting request.
  static constexpr NewItemKind kKinds[] = {{F::kTasks, K::kTask},           {F::kNotes, K::kNote},
                                           {F::kCalendar, K::kAppointment}, {F::kContacts, K::kContact},
                                           {F::kInbox, K::kMail},           {F::kJournal, K::kJournal},
                                           {F::kTasks, K::kTask},           {F::kCalendar, K::kAppointment}};
  const int number = NumberOf(type);
  if (number < 1 || number > 8) return std::nullopt;
  return kKinds[number - 1];
}

std::optional<FolderOpening> FolderOpeningOf(FolderKind folder) {
  using F = OutlookFolder;
  static constexpr FolderOpening kOpenings[] = {{F::kTasks, "Outlook:Tasks"},       {F::kNotes, "Outlook:Notes"},
                                                {F::kCalendar, "Outlook:Calendar"}, {F::kContacts, "Outlook:Contacts"},
                                                {F::kInbox, "Outlook:Inbox"},       {F::kJournal, "Outlook:Journal"}};
  const int number = static_cast<int>(folder);
  if (number < 1 || number > 6) return std::nullopt;
  return kOpenings[number - 1];
}

bool PromptsForCategories(const std::vector<std::string>& promptTypes, EntryType type) {
  return std::find(promptTypes.begin(), promptTypes.end(), std::to_string(NumberOf(type))) != promptTypes.end();
}

std::vector<std::string> SplitCategoryList(std::string_view masterList) {
  std::vector<std::string> names;
  if (masterList.empty()) return names;
  names.emplace_back();
  for (const char c : masterList) {
    if (c == ';')
      names.emplace_back();
    else
      names.back() += c;
  }
  if (TrimView(names.back()).empty()) names.pop_back();
  return names;
}

std::vector<std::string> DefaultCategoryNames() {
  return {"Business",     "Competition",   "Favorites",       "Gifts",       "Goals/Objectives",
          "Holiday",      "Holiday Cards", "Hot Contacts",    "Ideas",       "International",
          "Key Customer", "Miscellaneous", "Personal",        "Phone Calls", "Status",
          "Strategies",   "Suppliers",     "Time & Expenses", "VIP",         "Waiting"};
}

int CaselessByteOrder(std::string_view a, std::string_view b) { return AsciiUpper(a).compare(AsciiUpper(b)); }

void SortCategoryNames(std::vector<std::string>& names, TextOrder order) {
  if (!order) order = CaselessByteOrder;
  std::stable_sort(names.begin(), names.end(),
                   [order](const std::string& a, const std::string& b) { return order(a, b) < 0; });
}

std::string JoinCategories(const std::vector<std::string>& names) {
  std::string joined;
  for (std::size_t i = 0; i < names.size(); ++i) joined += (i ? ", " : "") + names[i];
  return joined;
}

}  // namespace qrv
