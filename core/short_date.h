// Dates in the user's short date format (for example "M/d/yyyy" or
// "dd.MM.yyyy"), as the settings key stores them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/date.h"

namespace qrv {

// Reads day, month and year in the order the format gives them, separated by
// anything that is not a digit. A two-digit year counts as 19xx from 50 on and
// 20xx below. Nothing comes back for text that is no valid date.
std::optional<Date> ParseShortDate(std::string_view text, std::string_view format);

// Writes the date by the format's letters d, dd, M, MM, yy, yyyy; every other
// character of the format is copied.
std::string FormatShortDate(Date date, std::string_view format);

}  // namespace qrv
