// Lists kept in order while one of their rows is edited: the edited row moves
// to its place and no other row is touched.
#pragma once

#include <cstddef>
#include <functional>

namespace qrv {

// Where the row at `changed` belongs, once its key changed, in a list of
// `count` rows whose other rows are in order: the place a stable sort of the
// whole list would give it, found with two binary searches. `order(row)`
// compares the key of `row` (never `changed`) with the changed key: below 0
// when `row` comes first, 0 for an equal key, above 0 when it comes after.
std::size_t SortedPlace(std::size_t count, std::size_t changed, const std::function<int(std::size_t row)>& order);

}  // namespace qrv
