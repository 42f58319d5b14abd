// Window-shape data: a list of rectangles in the platform's region-data byte
// form (a 32-byte header, then the rectangles), and the stored form of a
// shaped window's "Mask2" value (a little-endian 32-bit byte count, then the
// region data; a count of 0 means no shape).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qrv {

struct RegionRect {
  int left, top, right, bottom;  // right and bottom are exclusive
  bool operator==(const RegionRect&) const = default;
};

// More rectangles than any window shape of ours needs; larger data is refused.
inline constexpr std::size_t kMaxRegionRects = 65536;

std::vector<std::uint8_t> EncodeRegionData(const std::vector<RegionRect>& rects);

// The rectangles of region data, or nothing when the header is not that of a
// rectangle list of the given length or a rectangle is inverted.
std::optional<std::vector<RegionRect>> DecodeRegionData(std::span<const std::uint8_t> data);

// The "Mask2" value: the byte count, then the region data (no rectangles: the
// count 0 alone).
std::vector<std::uint8_t> EncodeMask(const std::vector<RegionRect>& rects);

// The region data of a "Mask2" value: empty for a count of 0, nothing when the
// count is negative or more than the bytes that follow.
std::optional<std::vector<std::uint8_t>> DecodeMask(std::span<const std::uint8_t> mask);

// The smallest rectangle holding all of them (all zero for none).
RegionRect RegionBounds(const std::vector<RegionRect>& rects);

}  // namespace qrv
