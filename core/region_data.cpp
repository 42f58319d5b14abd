#include "core/region_data.h"

#include <algorithm>

namespace qrv {

namespace {

constexpr std::uint32_t kHeaderSize = 32;
constexpr std::uint32_t kRectangles = 1;
constexpr std::uint32_t kRectSize = 16;

void Put32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::int32_t Get32(std::span<const std::uint8_t> data, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data[at + static_cast<std::size_t>(i)];
  return static_cast<std::int32_t>(v);
}

}  // namespace

RegionRect RegionBounds(const std::vector<RegionRect>& rects) {
  if (rects.empty()) return {0, 0, 0, 0};
  RegionRect bounds = rects.front();
  for (const auto& r : rects) {
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
  }
  return bounds;
}

std::vector<std::uint8_t> EncodeRegionData(const std::vector<RegionRect>& rects) {
  std::vector<std::uint8_t> out;
  const RegionRect bounds = RegionBounds(rects);
  Put32(out, kHeaderSize);
  Put32(out, kRectangles);
  Put32(out, static_cast<std::int64_t>(rects.size()));
  Put32(out, static_cast<std::int64_t>(rects.size() * kRectSize));
  for (int v : {bounds.left, bounds.top, bounds.right, bounds.bottom}) Put32(out, v);
  for (const auto& r : rects) {
    for (int v : {r.left, r.top, r.right, r.bottom}) Put32(out, v);
  }
  return out;
}

std::optional<std::vector<RegionRect>> DecodeRegionData(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize) return std::nullopt;
  const auto count = static_cast<std::uint32_t>(Get32(data, 8));
  if (static_cast<std::uint32_t>(Get32(data, 0)) != kHeaderSize ||
      static_cast<std::uint32_t>(Get32(data, 4)) != kRectangles || count > kMaxRegionRects ||
      data.size() != kHeaderSize + std::size_t{count} * kRectSize)
    return std::nullopt;
  std::vector<RegionRect> rects;
  rects.reserve(count);
  for (std::size_t at = kHeaderSize; at < data.size(); at += kRectSize) {
    RegionRect r{Get32(data, at), Get32(data, at + 4), Get32(data, at + 8), Get32(data, at + 12)};
    if (r.right < r.left || r.bottom < r.top) return std::nullopt;
    rects.push_back(r);
  }
  return rects;
}

std::vector<std::uint8_t> EncodeMask(const std::vector<RegionRect>& rects) {
  std::vector<std::uint8_t> out;
  if (rects.empty()) {
    Put32(out, 0);
    return out;
  }
  const auto data = EncodeRegionData(rects);
  Put32(out, static_cast<std::int64_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::optional<std::vector<std::uint8_t>> DecodeMask(std::span<const std::uint8_t> mask) {
  if (mask.size() < 4) return std::nullopt;
  const std::int32_t count = Get32(mask, 0);
  if (count < 0 || static_cast<std::size_t>(count) > mask.size() - 4) return std::nullopt;
  return std::vector<std::uint8_t>(mask.begin() + 4, mask.begin() + 4 + count);
}

}  // namespace qrv
