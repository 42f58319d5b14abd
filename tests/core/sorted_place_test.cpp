#include "core/sorted_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qrv {
namespace {

struct Row {
  std::string key;
  int id;
};

// Lists in order with many equal keys; one row's key changes, and the row
// must go where a stable sort of the whole list puts it, every other row
// keeping its order.
TEST(SortedPlace, AnEditedRowGoesWhereAStableSortPutsIt) {
  std::mt19937 random(27);
  const std::string keys[] = {"", "a", "b", "b", "c", "d"};
  for (int run = 0; run < 2000; ++run) {
    std::vector<Row> rows(random() % 9 + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = {keys[random() % 6], static_cast<int>(i)};
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    const std::size_t changed = random() % rows.size();
    rows[changed].key = keys[random() % 6];

    std::vector<Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    const std::size_t place = SortedPlace(rows.size(), changed, [&](std::size_t row) {
      EXPECT_NE(row, changed);
      return rows[row].key.compare(rows[changed].key);
    });
    Row moved = rows[changed];
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(changed));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(place), moved);
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].id, sorted[i].id) << "run " << run;
  }
}

}  // namespace
}  // namespace qrv
