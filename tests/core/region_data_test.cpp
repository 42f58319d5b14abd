#include "core/region_data.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace qrv {
namespace {

const std::vector<RegionRect> kShape = {{2, 2, 35, 3}, {1, 3, 36, 297}, {2, 297, 35, 298}};

TEST(RegionData, RoundTripsThroughTheStoredForm) {
  const auto mask = EncodeMask(kShape);
  ASSERT_EQ(mask.size(), 4u + 32u + 3u * 16u);
  EXPECT_EQ(mask[0], 32 + 48);  // the count, little-endian
  const auto data = DecodeMask(mask);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(DecodeRegionData(*data), kShape);
  EXPECT_EQ(RegionBounds(kShape), (RegionRect{1, 2, 36, 298}));
  // No shape is a zero count.
  EXPECT_EQ(EncodeMask({}), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(DecodeMask(EncodeMask({})), std::vector<std::uint8_t>{});
}

TEST(RegionData, DamagedValuesAreRefused) {
  auto mask = EncodeMask(kShape);
  EXPECT_EQ(DecodeMask(std::span(mask).first(3)), std::nullopt);
  EXPECT_EQ(DecodeMask(std::span(mask).first(mask.size() - 1)), std::nullopt);  // count beyond the bytes
  mask[3] = 0x80;                                                               // negative count
  EXPECT_EQ(DecodeMask(mask), std::nullopt);

  auto data = EncodeRegionData(kShape);
  auto broken = data;
  broken[8] = 4;  // more rectangles than bytes
  EXPECT_EQ(DecodeRegionData(broken), std::nullopt);
  broken = data;
  broken[4] = 2;  // not a rectangle list
  EXPECT_EQ(DecodeRegionData(broken), std::nullopt);
  broken = data;
  broken[32] = 200;  // left beyond right
  EXPECT_EQ(DecodeRegionData(broken), std::nullopt);
  EXPECT_EQ(DecodeRegionData(std::span(data).first(31)), std::nullopt);
}

// The bar's own shape, as the asset tool derived it from the background.
TEST(RegionData, BarShapeAssetHasTheBarsBounds) {
  std::ifstream in(QRV_ASSET_DIR "/bar.rgn", std::ios::binary);
  ASSERT_TRUE(in) << "missing " QRV_ASSET_DIR "/bar.rgn";
  const std::vector<std::uint8_t> mask{std::istreambuf_iterator<char>(in), {}};
  const auto data = DecodeMask(mask);
  ASSERT_TRUE(data.has_value());
  const auto rects = DecodeRegionData(*data);
  ASSERT_TRUE(rects.has_value());
  EXPECT_GT(rects->size(), 1u);  // rounded corners, not a plain rectangle
  EXPECT_EQ(RegionBounds(*rects), (RegionRect{1, 2, 36, 298}));
}

}  // namespace
}  // namespace qrv
