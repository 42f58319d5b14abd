// Outlook's category names, as it keeps them in the registry.
#pragma once

#include <string>
#include <vector>

namespace qrv {

// Outlook's category names from its list in the registry (under `officeKey` of
// HKEY_CURRENT_USER), sorted; Outlook's own names when it keeps none.
std::vector<std::string> ReadCategoryNames(const wchar_t* officeKey = L"Software\\Microsoft\\Office");

}  // namespace qrv
