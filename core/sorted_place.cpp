#include "core/sorted_place.h"

#include <algorithm>

namespace qrv {

std::size_t SortedPlace(std::size_t count, std::size_t changed, const std::function<int(std::size_t row)>& order) {
  if (count <= 1 || changed >= count) return changed;
  // The other rows, counted without the changed one, are in order: the first
  // of them that comes after the key (or, with `equalToo`, is equal to it).
  const auto firstAfter = [&](bool equalToo) {
    std::size_t low = 0, high = count - 1;
    while (low < high) {
      const std::size_t middle = low + (high - low) / 2;
      const int found = order(middle < changed ? middle : middle + 1);
      if (found > 0 || (equalToo && found == 0)) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    return low;
  };
  // Among rows of an equal key the changed row keeps its place relative to
  // them, as a stable sort keeps it.
  const std::size_t first = firstAfter(true);
  return std::clamp(changed, first, std::max(first, firstAfter(false)));
}

}  // namespace qrv
