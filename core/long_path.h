// Expansion of a path to the long form the file system stores, component by
// component (a short 8.3 folder name comes back as the long name), as the bar
// hands a file path from one instance to the other.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qrv {

// Raised with the text "Path <path> does not exist!".
class PathError : public std::runtime_error {
 public:
  explicit PathError(const std::string& path);
};

// The folder part of a path: the text up to its last "\" or ":", without a
// trailing "\" unless that follows ":" or another "\" ("C:\a\b" -> "C:\a",
// "C:\a" -> "C:\", "C:\" -> "C:\").
std::string PathDirectory(std::string_view path);

// Looks a path up in the file system and gives the stored name of its last
// component, or nothing when there is no such entry.
using FindEntryName = std::function<std::optional<std::string>(const std::string& path)>;

// The path with every component as stored. A drive root gives the drive letter
// and colon; a network share root (\\server\share) is kept as given. A path
// that does not exist, or that holds wildcard characters, raises PathError.
std::string BuildLongPath(const std::string& path, const FindEntryName& find);

}  // namespace qrv
