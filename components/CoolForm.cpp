#include "components/CoolForm.h"

#include "core/region_data.h"
#include "ui/form.h"
#include "ui/layout.h"
#include "ui/resource.h"

TCoolForm::TCoolForm(ui::Form& owner, const ui::LayoutRow& row) : ui::Image(owner, row) {
  SetBounds(0, 0, row.width, row.height);
  if (row.data) LoadMask(ui::ResourceData(row.data));
}

TCoolForm::~TCoolForm() {
  if (region_) DeleteObject(region_);
}

bool TCoolForm::LoadMask(std::span<const std::uint8_t> mask) {
  if (region_) DeleteObject(region_);
  region_ = nullptr;
  region_data_.clear();
  const auto data = qrv::DecodeMask(mask);
  if (!data || data->empty() || !qrv::DecodeRegionData(*data)) return false;
  region_data_ = *data;
  region_ = ExtCreateRegion(nullptr, static_cast<DWORD>(region_data_.size()),
                            reinterpret_cast<const RGNDATA*>(region_data_.data()));
  if (!region_) return false;
  // From here on the region belongs to the window.
  if (!SetWindowRgn(Owner().Handle(), region_, TRUE)) return false;
  region_ = nullptr;
  return true;
}

std::vector<std::uint8_t> TCoolForm::SaveMask() const {
  std::vector<std::uint8_t> out(4, 0);
  const auto count = static_cast<std::uint32_t>(region_data_.size());
  for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
  out.insert(out.end(), region_data_.begin(), region_data_.end());
  return out;
}

void TCoolForm::SetBounds(int, int, int width, int height) { ui::Image::SetBounds(0, 0, width, height); }

void TCoolForm::SetPicture(ui::Picture picture) {
  Pict = std::move(picture);
  if (region_) DeleteObject(region_);
  region_ = nullptr;
}

void TCoolForm::MouseDown(ui::MouseButton button, int, int) {
  if (button != ui::MouseButton::kLeft) return;
  // Hand the press to the system's move loop, as if the caption had been pressed.
  ReleaseCapture();
  SendMessageW(Owner().Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}
