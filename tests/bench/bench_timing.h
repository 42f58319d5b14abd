// The clock and the median of the benchmarks that time whole windows and
// roads under Wine and print their own medians.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace qrv::bench {

using Clock = std::chrono::steady_clock;

// Milliseconds since `start`.
inline double Ms(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The middle one of the values, or 0 when there are none.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace qrv::bench
