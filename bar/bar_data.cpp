#include "bar/bar_data.h"

#include "core/icon_definitions.h"

namespace qrv {

std::string IconSet::DataAt(int line) const {
  return line < 0 ? std::string() : IconDataAt(definitions, static_cast<std::size_t>(line));
}

void IconSet::Clear() {
  definitions.clear();
  noteFound = false;
  images.Clear();
}

}  // namespace qrv
