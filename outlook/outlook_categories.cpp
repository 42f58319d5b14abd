#include "outlook/outlook_categories.h"

#include <optional>

#include "components/registry.h"
#include "components/windows_system.h"
#include "core/outlook_numbers.h"

namespace qrv {

// Outlook keeps its category list in one of two places, by version. A list of
// another type than text counts as no list there.
std::vector<std::string> ReadCategoryNames(const wchar_t* officeKey) {
  const std::wstring office = officeKey;
  std::optional<std::string> source;
  if (RegKey key(HKEY_CURRENT_USER, office + L"\\9.0\\Outlook\\Categories"); key) {
    source = key.Text(L"MasterList");
    if (!source && !key.HasValue(L"MasterList")) source = "";
  }
  if (!source) {
    if (RegKey key(HKEY_CURRENT_USER, office + L"\\8.0\\Outlook\\Categories"); key) source = key.Text(nullptr);
  }
  std::vector<std::string> names = SplitCategoryList(source.value_or(""));
  if (names.empty()) names = DefaultCategoryNames();
  SortCategoryNames(names, CompareInUserLocale);
  return names;
}

}  // namespace qrv
