// The web-service file (".qrv") in which the web-services editor hands one web
// service to the bar: exactly three lines, each enciphered alone and ending in
// CR LF: the web-service record, a line every reader ignores, and the version
// of the installed bar. The files travel between users, so readers take any
// bytes without fault; a leading byte-order mark is skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_record.h"

namespace qrv {

// Web-service files larger than this are refused unread.
inline constexpr std::size_t kMaxServiceFileBytes = 1u << 20;

// The version line when the bar's version is not known.
inline constexpr std::string_view kNoBarVersion = "None Installed";

// The file's bytes for one web-service record (UTF-8) and the bar version found
// in the settings (empty when missing); none when the system code page cannot
// hold a character of either, which then goes to `unheld`.
std::optional<std::string> ServiceFileBytes(std::string_view record, std::string_view barVersion,
                                            std::string* unheld = nullptr);

// The bar's import: every line deciphered, and only web-service records that a
// user made (those holding the custom marker) taken, in file order.
std::vector<std::string> CustomServicesInFile(std::string_view fileBytes);

// The editor's open: the first line deciphered, accepted when it is a
// web-service record; `custom` is set only by the marker the editor writes.
std::optional<WebService> ServiceInFile(std::string_view fileBytes);

}  // namespace qrv
