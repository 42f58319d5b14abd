#include "core/long_path.h"

namespace qrv {

PathError::PathError(const std::string& path) : std::runtime_error("Path " + path + " does not exist!") {}

std::string PathDirectory(std::string_view path) {
  const auto last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  std::string dir(path.substr(0, last + 1));
  if (dir.size() > 1 && dir.back() == '\\' && dir[dir.size() - 2] != ':' && dir[dir.size() - 2] != '\\') dir.pop_back();
  return dir;
}

namespace {

// "\\server\share": the top of a network path, which cannot be searched for.
bool IsShareRoot(std::string_view path) {
  if (path.size() < 5 || path.substr(0, 2) != "\\\\") return false;
  const auto serverEnd = path.find('\\', 2);
  return serverEnd != std::string_view::npos && serverEnd > 2 && serverEnd + 1 < path.size() &&
         path.find('\\', serverEnd + 1) == std::string_view::npos;
}

}  // namespace

std::string BuildLongPath(const std::string& path, const FindEntryName& find) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) throw PathError(path);
  const std::string dir = PathDirectory(path);
  if (dir == path) return path.substr(0, path.size() - 1);
  if (IsShareRoot(path)) return path;
  const auto name = find(path);
  if (!name) throw PathError(path);
  return BuildLongPath(dir, find) + "\\" + *name;
}

}  // namespace qrv
