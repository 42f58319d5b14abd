#include "core/file_io.h"

#include <fstream>
#include <system_error>

namespace qrv {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const fs::path& file, std::size_t limit) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const auto size = fs::file_size(file, ec);
  if (ec || size > limit) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
  return bytes;
}

bool WriteFileSafely(const fs::path& file, std::string_view bytes) {
  // The user's write protection holds: renaming over the file would get round it.
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
  fs::path temporary = file;
  temporary += ".tmp";
  fs::remove(temporary, ec);  // a leftover of an interrupted save
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return false;
    }
  }
  fs::rename(temporary, file, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace qrv
