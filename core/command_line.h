// The bar's command line: split into arguments as the program has always read
// it, and the start-up arguments "WAIT:n", "OUTLOOK" and "OUTLOOK:<folder>".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/outlook_numbers.h"

namespace qrv {

// Arguments separated by blanks and control characters; a double quote starts
// or ends a quoted stretch in which blanks belong to the argument, and the
// quotes themselves are dropped. There is no escape character, so a trailing
// backslash stays. The first element is the program as written.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Longest "WAIT:" pause a command line can ask for, in seconds.
inline constexpr int kMaxWaitSeconds = 3600;

// The functions below take the arguments after the program.
//
// The pause asked for by "WAIT:n" arguments (any case, at least one character
// after the colon; the last one wins): n seconds, 0 when n is no integer, and
// -1 when there is no such argument. Negative n stay negative (no pause, no
// question); n above kMaxWaitSeconds is cut to it.
int WaitSeconds(const std::vector<std::string>& args);

// What an "OUTLOOK..." start-up argument asks for, in the order given.
// "OUTLOOK:<folder>" shows a folder, "OUTLOOK" runs the extra action that
// opens Outlook.
using StartupRequest = std::variant<FolderKind, ExtraAction>;
std::vector<StartupRequest> OutlookRequests(const std::vector<std::string>& args);

// The file a first instance was started with (by a double-click on a
// web-service file, or by the editor's Install): its first argument, unless
// that is one of the start-up arguments above.
std::optional<std::string> HandedFileArgument(const std::vector<std::string>& args);

}  // namespace qrv
