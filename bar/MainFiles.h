// What the bar's files unit offers beyond the bar form's own methods.
#pragma once

#include <filesystem>

// Loads the keyword files of `folder` into KeywordList and WebServiceCaptions.
// Without a keyword file the user is warned, the list is kept and the factory
// file's web services are offered.
void ReadKeywordFiles(const std::filesystem::path& folder);
