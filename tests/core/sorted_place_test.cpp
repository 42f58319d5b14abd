#include "core/sorted_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace qrv {
namespace {

// Lists in order, many keys equal; one row's key changes, and moving that row
// alone must give what a stable sort of the whole list gives.
TEST(SortedPlace, AnEditedRowGoesWhereAStableSortPutsIt) {
  using Row = std::pair<char, int>;  // key, identity
  const auto byKey = [](const Row& a, const Row& b) { return a.first < b.first; };
  std::mt19937 random(27);
  for (int run = 0; run < 2000; ++run) {
    std::vector<Row> rows(random() % 9 + 1);
    for (std::size_t i = 0; i < rows.size(); ++i)
      rows[i] = {static_cast<char>('a' + random() % 4), static_cast<int>(i)};
    std::stable_sort(rows.begin(), rows.end(), byKey);
    const std::size_t changed = random() % rows.size();
    rows[changed].first = static_cast<char>('a' + random() % 4);
    std::vector<Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(), byKey);

    const std::size_t place =
        SortedPlace(rows.size(), changed, [&](std::size_t row) { return rows[row].first - rows[changed].first; });
    const Row moved = rows[changed];
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(changed));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(place), moved);
    ASSERT_EQ(rows, sorted) << "run " << run;
  }
}

}  // namespace
}  // namespace qrv
