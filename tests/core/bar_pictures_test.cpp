// The bar's pictures and shape as compiled into the program: every picture and
// shape of the 96-DPI bar has a 150 % and a 200 % twin of the scaled size, so
// a bar on a denser display finds everything it draws.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/region_data.h"

namespace qrv {
namespace {

constexpr int kScales[] = {150, 200};

// A size at a scale in per cent, halves rounded up as the form layer scales.
int Scaled(int size, int percent) { return (size * percent + 50) / 100; }

std::vector<std::uint8_t> ReadAsset(const std::string& file) {
  std::ifstream in(QRV_ASSET_DIR "/" + file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct Resource {
  std::string kind, file;
};

// The named pictures and data of the bar's resource script: NAME KIND "file".
std::map<std::string, Resource> BarResources() {
  std::map<std::string, Resource> resources;
  std::ifstream in(QRV_ASSET_DIR "/Quorvel.rc");
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string name, kind, file;
    if (!(words >> name >> kind >> file) || name.starts_with("//")) continue;
    if (kind == "BITMAP" || kind == "RCDATA") resources[name] = {kind, file.substr(1, file.size() - 2)};
  }
  return resources;
}

bool IsScaledTwin(const std::string& name) { return name.ends_with("_150") || name.ends_with("_200"); }

// A 24-bit (or, with alpha, 32-bit) uncompressed bitmap file, its pixels top
// row first as 0xRRGGBB (0xAARRGGBB).
struct Bitmap {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t Transparent() const { return At(0, height - 1); }
};

std::uint32_t Get(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::optional<Bitmap> ReadBitmap(const std::string& file) {
  const auto b = ReadAsset(file);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (Get(b, 28, 2) != 24 && Get(b, 28, 2) != 32) || Get(b, 30, 4) != 0)
    return std::nullopt;
  const int bytes = static_cast<int>(Get(b, 28, 2)) / 8;
  Bitmap bmp{static_cast<int>(Get(b, 18, 4)), static_cast<int>(Get(b, 22, 4)), {}};
  const std::size_t stride = (static_cast<std::size_t>(bmp.width) * bytes + 3) / 4 * 4;
  const std::size_t data = Get(b, 10, 4);
  if (bmp.width <= 0 || bmp.height <= 0 || data + stride * bmp.height > b.size()) return std::nullopt;
  for (int y = 0; y < bmp.height; ++y) {  // rows are stored bottom row first
    const std::size_t row = data + stride * static_cast<std::size_t>(bmp.height - 1 - y);
    for (int x = 0; x < bmp.width; ++x) {
      bmp.pixels.push_back(Get(b, row + static_cast<std::size_t>(x) * bytes, bytes));
    }
  }
  return bmp;
}

std::optional<std::vector<RegionRect>> ReadShape(const std::string& file) {
  const auto data = DecodeMask(ReadAsset(file));
  return data ? DecodeRegionData(*data) : std::nullopt;
}

// The background and the collapsed bar's handle are one picture each, the
// menu's strip holds its 19 items' pictures; every other picture is a button's
// strip of four (normal, disabled, pressed, hover).
int PicturesIn(const std::string& name) {
  if (name == "MENUPICTURES") return 19;
  return name == "BARBACK" || name == "BARSTRIP" ? 1 : 4;
}

TEST(BarPictures, EveryPictureAndShapeHasItsScaledTwins) {
  const auto resources = BarResources();
  ASSERT_TRUE(resources.contains("BARBACK") && resources.contains("BARMASK") && resources.contains("QUIT"));
  for (const auto& [name, base] : resources) {
    if (IsScaledTwin(name)) continue;
    const auto original = base.kind == "BITMAP" ? ReadBitmap(base.file) : std::nullopt;
    const auto shape = base.kind == "RCDATA" ? ReadShape(base.file) : std::nullopt;
    ASSERT_TRUE(original || shape) << name << ": " << base.file << " is missing or damaged";
    const int count = PicturesIn(name);
    if (original) {
      ASSERT_EQ(original->width % count, 0) << name;
    }
    for (int percent : kScales) {
      const std::string twinName = name + "_" + std::to_string(percent);
      SCOPED_TRACE(twinName);
      ASSERT_TRUE(resources.contains(twinName));
      const Resource& twin = resources.at(twinName);
      ASSERT_EQ(twin.kind, base.kind);
      if (original) {
        const auto scaled = ReadBitmap(twin.file);
        ASSERT_TRUE(scaled) << twin.file;
        EXPECT_EQ(scaled->width, count * Scaled(original->width / count, percent));
        EXPECT_EQ(scaled->height, Scaled(original->height, percent));
        EXPECT_EQ(scaled->Transparent(), original->Transparent());
      } else {
        const auto scaled = ReadShape(twin.file);
        ASSERT_TRUE(scaled) << twin.file;
        const RegionRect b = RegionBounds(*shape);
        EXPECT_EQ(RegionBounds(*scaled), (RegionRect{Scaled(b.left, percent), Scaled(b.top, percent),
                                                     Scaled(b.right, percent), Scaled(b.bottom, percent)}));
        EXPECT_GT(scaled->size(), shape->size());  // the rounded corners take more rows
      }
    }
  }
}

// The window's shape at each scale is exactly the drawn part of the background
// at that scale: no transparent pixel shows and nothing drawn is cut off.
TEST(BarPictures, EachShapeIsTheOutlineOfItsBackground) {
  const auto resources = BarResources();
  for (const std::string suffix : {"", "_150", "_200"}) {
    SCOPED_TRACE("BARBACK" + suffix);
    ASSERT_TRUE(resources.contains("BARBACK" + suffix) && resources.contains("BARMASK" + suffix));
    const auto back = ReadBitmap(resources.at("BARBACK" + suffix).file);
    const auto shape = ReadShape(resources.at("BARMASK" + suffix).file);
    ASSERT_TRUE(back && shape);
    std::vector<int> cover(back->pixels.size(), 0);
    for (const RegionRect& r : *shape) {
      ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= back->width && r.bottom <= back->height);
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++cover[static_cast<std::size_t>(y) * back->width + x];
    }
    int wrong = 0;
    for (int y = 0; y < back->height; ++y) {
      for (int x = 0; x < back->width; ++x) {
        const int expected = back->At(x, y) == back->Transparent() ? 0 : 1;
        wrong += cover[static_cast<std::size_t>(y) * back->width + x] != expected;
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
}  // namespace qrv
