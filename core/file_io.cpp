#include "core/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qrv {

namespace fs = std::filesystem;

namespace {

void KeepPermissions(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  const fs::file_status status = fs::status(from, ec);
  if (!ec) fs::permissions(to, status.permissions(), ec);
}

std::atomic<AttributeKeeper> attributeKeeper{KeepPermissions};

std::string ErrnoReason() { return std::error_code(errno, std::generic_category()).message(); }

SaveResult Failed(std::string reason, bool writeProtected = false) {
  return SaveResult{false, writeProtected, std::move(reason)};
}

std::FILE* OpenForWriting(const fs::path& file) {
#ifdef _WIN32
  return _wfopen(file.c_str(), L"wb");
#else
  return std::fopen(file.c_str(), "wb");
#endif
}

// Hands the written bytes to the disk, so that a power cut after the rename
// finds the new content and not an empty file.
bool FlushToDisk(std::FILE* stream) {
  if (std::fflush(stream) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(stream)) == 0;
#else
  return fsync(fileno(stream)) == 0;
#endif
}

// Writes `bytes` to a new file at `temporary`; on failure the system's reason.
std::optional<std::string> WriteTemporary(const fs::path& temporary, std::string_view bytes) {
  std::FILE* stream = OpenForWriting(temporary);
  if (!stream) return ErrnoReason();
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && FlushToDisk(stream);
  std::string reason = written ? std::string() : ErrnoReason();
  if (std::fclose(stream) != 0 && written) {
    written = false;
    reason = ErrnoReason();
  }
  if (written) return std::nullopt;
  std::error_code ec;
  fs::remove(temporary, ec);
  return reason;
}

}  // namespace

FileRead ReadStoredFile(const fs::path& file, std::size_t limit) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) return {};
  if (ec) return {ReadStatus::kUnreadable, {}, ec.message()};
  if (!fs::is_regular_file(status)) return {ReadStatus::kUnreadable, {}, "It is no file."};
  const auto size = fs::file_size(file, ec);
  if (ec) return {ReadStatus::kUnreadable, {}, ec.message()};
  if (size > limit) return {ReadStatus::kUnreadable, {}, "It is too large."};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {ReadStatus::kUnreadable, {}, ErrnoReason()};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
    return {ReadStatus::kUnreadable, {}, "It changed while it was read."};
  return {ReadStatus::kRead, std::move(bytes), {}};
}

std::optional<std::string> ReadFileBytes(const fs::path& file, std::size_t limit) {
  FileRead read = ReadStoredFile(file, limit);
  if (read.status != ReadStatus::kRead) return std::nullopt;
  return std::move(read.bytes);
}

SaveResult WriteFileSafely(const fs::path& file, std::string_view bytes) {
  // The user's write protection holds: renaming over the file would get round it.
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  const bool exists = fs::exists(status);
  if (exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return Failed("The file is write-protected.", true);
  if (exists && !fs::is_regular_file(status)) return Failed("Its place is taken by something that is no file.");
  fs::path temporary = file;
  temporary += ".tmp";
  fs::remove(temporary, ec);  // a leftover of an interrupted save
  if (auto reason = WriteTemporary(temporary, bytes)) return Failed(std::move(*reason));
  if (exists) attributeKeeper.load()(file, temporary);
  fs::rename(temporary, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failed(ec.message());
  }
  return SaveResult{true, false, {}};
}

void SetAttributeKeeper(AttributeKeeper keeper) { attributeKeeper.store(keeper ? keeper : KeepPermissions); }

}  // namespace qrv
