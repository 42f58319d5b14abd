// The bar's files and what it reads at each settings read: the keyword files,
// the icon definitions note and the ".qrv" file association.
#pragma once

#include <filesystem>
#include <string>

#include "bar/bar_data.h"
#include "outlook/outlook_session.h"

namespace qrv {

// Makes sure web-service files open with this program. Another program's
// association is taken over silently when it names our file type (this program
// at another path) or when the question was asked before (`answer` is the
// SETEXT setting, "NO" then); otherwise the user is asked, in a box of the
// owner's. SETEXT becomes "NO".
void CheckAssociation(const std::string& answer, HWND owner = nullptr);

// Loads the keyword files of `folder` into the keyword list and the web
// services' captions. Without a keyword file the user is warned, the list is
// kept and the factory file's web services are offered.
void ReadKeywordFiles(const std::filesystem::path& folder, BarData& data, HWND owner = nullptr);

// The icon definitions from the user's Outlook note and their pictures.
// Without Outlook, or when anything about the note fails, the set is empty.
void ReadIconNote(const OutlookSession& outlook, IconSet& icons);

}  // namespace qrv
