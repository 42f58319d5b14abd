#include "components/shaped_form.h"

#include <algorithm>

#include "core/region_data.h"
#include "ui/gdi.h"

namespace qrv {

ShapedForm::ShapedForm(const FormArgs& args) : Form(args) {}

bool ShapedForm::LoadMask(std::span<const std::uint8_t> mask) {
  regionData_.clear();
  const auto data = DecodeMask(mask);
  if (!data || data->empty() || !DecodeRegionData(*data)) return false;
  regionData_ = *data;
  OwnedRegion region(ExtCreateRegion(nullptr, static_cast<DWORD>(regionData_.size()),
                                     reinterpret_cast<const RGNDATA*>(regionData_.data())));
  if (!region || !SetWindowRgn(Handle(), region.Get(), TRUE)) return false;
  // From here on the region belongs to the window.
  region.Release();
  return true;
}

std::vector<std::uint8_t> ShapedForm::SaveMask() const {
  const auto count = static_cast<std::uint32_t>(regionData_.size());
  std::vector<std::uint8_t> out(4 + regionData_.size(), 0);
  for (std::size_t i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(count >> (8 * i));
  std::copy(regionData_.begin(), regionData_.end(), out.begin() + 4);
  return out;
}

void ShapedForm::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  flattened_ = {};
  InvalidateRect(Handle(), nullptr, TRUE);
}

void ShapedForm::PaintBackground(HDC dc, const RECT& area) {
  Form::PaintBackground(dc, area);
  if (!transparentBackground) {
    picture_.Draw(dc, 0, 0, false);
    return;
  }
  // Every drawn control paints the background under it: the picture is laid
  // on the form's colour once, and then copied, which costs far less than
  // leaving out its transparent colour on each paint.
  if (picture_.Empty()) return;
  if (flattenedOn_ != background || flattened_.Empty()) {
    const std::uint32_t clear = picture_.Pixel(0, picture_.Height() - 1);
    const std::uint32_t face = ToRgb(background);
    flattened_ = picture_.Part(0, picture_.Width(), [clear, face](std::uint32_t p) { return p == clear ? face : p; });
    flattenedOn_ = background;
  }
  flattened_.Draw(dc, 0, 0, false);
}

LRESULT ShapedForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_LBUTTONDOWN) {
    // Hand the press to the system's move loop, as if the caption had been pressed.
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return 0;
  }
  return Form::WndProc(msg, wp, lp);
}

}  // namespace qrv
