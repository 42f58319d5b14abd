// Reading and writing the program's own files. Reading is bounded, because
// these files come from users and downloads; writing goes to a temporary file
// beside the target that is flushed to the disk and then renamed over it, so a
// failed save never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qrv {

enum class ReadStatus { kRead, kMissing, kUnreadable };

// What reading a file found: its bytes, that it is not there, or why it could
// not be read (in the system's words, or that it is too large).
struct FileRead {
  ReadStatus status = ReadStatus::kMissing;
  std::string bytes;
  std::string reason;
};

// The whole file, when it is a regular file of at most `limit` bytes.
FileRead ReadStoredFile(const std::filesystem::path& file, std::size_t limit);
// The same, answering only the bytes (none for every failure).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t limit);

// How a save ended: saved, or why not. A file the user protected against
// writing is never replaced; that is told apart because the program asks the
// user to lift the protection.
struct SaveResult {
  bool saved = false;
  bool writeProtected = false;
  std::string reason;
  explicit operator bool() const { return saved; }
};

// Replaces `file` with `bytes`. When it fails, the old file, if any, is
// untouched and no temporary file is left. The replacement keeps the
// attributes of the file it replaces.
SaveResult WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

// Copies what the system keeps beside a file's content (its permissions; on
// Windows also its hidden and system attributes) from `from` onto
// `to`, as far as it can: an attribute lost is no reason to lose the save.
// Natively the permissions are copied; the Windows program installs its own at
// start-up.
using AttributeKeeper = void (*)(const std::filesystem::path& from, const std::filesystem::path& to);
void SetAttributeKeeper(AttributeKeeper keeper);

}  // namespace qrv
