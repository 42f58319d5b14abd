#include "entry/entry_pictures.h"

#include <array>
#include <map>
#include <memory>

#include "ui/image_list.h"
#include "ui/picture.h"

namespace qrv {
namespace {

constexpr int kPictureCount = static_cast<int>(EntryPicture::kNoIcon) + 1;
constexpr std::uint32_t kKeyColour = 0xFF00FF;

HBITMAP BitmapOf(const Picture& part) {
  BITMAPINFO info = TopDownBitmapInfo(part.Width(), part.Height());
  void* data = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(data);
  for (int y = 0; y < part.Height(); ++y)
    for (int x = 0; x < part.Width(); ++x) pixels[y * part.Width() + x] = part.Pixel(x, y);
  return bitmap;
}

using PictureSet = std::array<std::unique_ptr<Bitmap>, kPictureCount>;

// The strip for one scale, cut into pictures on the button face colour.
PictureSet LoadPictures(const std::wstring& name) {
  PictureSet set;
  const Picture strip = Picture::FromResource(name.c_str());
  if (strip.Empty() || strip.Width() < kPictureCount) return set;
  const int size = strip.Width() / kPictureCount;
  const std::uint32_t face = ToRgb(GetSysColor(COLOR_BTNFACE));
  for (int i = 0; i < kPictureCount; ++i) {
    const Picture part = strip.Part(i * size, size, [face](std::uint32_t c) { return c == kKeyColour ? face : c; });
    set[static_cast<std::size_t>(i)] = std::make_unique<Bitmap>(BitmapOf(part));
  }
  return set;
}

}  // namespace

HBITMAP EntryPictureFor(EntryPicture picture, UINT dpi) {
  // Read once per scale for the program's life: every window shows the same bitmaps.
  static std::map<std::wstring, PictureSet> loaded;
  const std::wstring name = PictureNameForDpi(L"ENTRYPICS", dpi);
  auto it = loaded.find(name);
  if (it == loaded.end()) it = loaded.emplace(name, LoadPictures(name)).first;
  const auto& bitmap = it->second[static_cast<std::size_t>(picture)];
  return bitmap ? bitmap->Handle() : nullptr;
}

}  // namespace qrv
