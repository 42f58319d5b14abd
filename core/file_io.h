// Reading and writing the program's own files. Reading is bounded, because
// these files come from users and downloads; writing goes to a temporary file
// beside the target that is then renamed over it, so a failed save never
// leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qrv {

// The whole file as bytes; none when it is missing, is no regular file, cannot
// be read or is larger than `limit` bytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t limit);

// Replaces `file` with `bytes`: true when the new content is in place. On false
// the old file, if any, is untouched and no temporary file is left.
bool WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

}  // namespace qrv
