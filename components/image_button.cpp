#include "components/image_button.h"

#include <cstdint>

namespace qrv {

ImageButton::ImageButton(Container& parent, const ImageButtonArgs& args)
    : DrawnControl(parent,
                   {.bounds = args.bounds, .anchors = args.anchors, .visible = args.visible, .enabled = args.enabled}) {
  state_ = Enabled() ? State::kUp : State::kDisabled;
}

void ImageButton::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  prepared_ = {};
  Invalidate();
}

// --- the hover test and the mouse ----------------------------------------------

bool ImageButton::OverDrawnPixel(int x, int y) const {
  // Only pixels of the strip are read; the pointer can be anywhere while captured.
  if (glyph_.Empty() || x < 0 || y < 0 || x >= glyph_.Width() || y >= glyph_.Height()) return false;
  return glyph_.Pixel(x, y) != glyph_.Pixel(0, glyph_.Height() - 1);
}

void ImageButton::MouseMove(int x, int y) {
  const bool wasIn = mouseInControl_;
  mouseInControl_ = OverDrawnPixel(x, y) && TopmostAt(x, y);
  DrawnControl::MouseMove(x, y);
  if (dragging_) state_ = x >= 0 && x < Width() && y >= 0 && y <= Height() ? State::kPressed : State::kUp;
  if (mouseInControl_ != wasIn) Invalidate();
}

void ImageButton::MouseDown(MouseButton button, int x, int y) {
  DrawnControl::MouseDown(button, x, y);
  if (button != MouseButton::kLeft || !Enabled()) return;
  state_ = State::kPressed;
  Invalidate();
  dragging_ = true;
}

void ImageButton::MouseUp(MouseButton button, int x, int y) {
  DrawnControl::MouseUp(button, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = x >= 0 && x < Width() && y >= 0 && y <= Height();
  state_ = State::kUp;
  mouseInControl_ = false;
  if (inside) {
    Invalidate();
    Click();
  }
  UpdateTracking();
}

void ImageButton::UpdateTracking() {
  if (!Enabled()) return;
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  mouseInControl_ = !TopmostAt(cursor.x, cursor.y);
  if (mouseInControl_) MouseLeave();
}

void ImageButton::MouseLeave() {
  if (!mouseInControl_ || !Enabled() || dragging_) return;
  mouseInControl_ = false;
  Invalidate();
}

// The second press of a double click is a press of its own; it fires no double click.
void ImageButton::DoubleClick() {}

void ImageButton::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  DrawnControl::SetEnabled(enabled);
  state_ = enabled ? State::kUp : State::kDisabled;
  UpdateTracking();
  Repaint();
}

void ImageButton::SystemColorsChanged() {
  prepared_ = {};
  Invalidate();
}

// --- painting ------------------------------------------------------------------

// A state's picture, cut from the strip once; in the disabled one, white and
// grey take the system's 3-D colours.
const Picture& ImageButton::StatePicture(State state) {
  constexpr std::uint32_t kWhite = 0xFFFFFF;
  constexpr std::uint32_t kGrey = 0x808080;
  Picture& prepared = prepared_[static_cast<std::size_t>(state)];
  if (!prepared.Empty() || glyph_.Empty()) return prepared;
  const int width = glyph_.Width() / static_cast<int>(prepared_.size());
  if (width <= 0) return prepared;
  const int left = static_cast<int>(state) * width;
  if (state != State::kDisabled) {
    prepared = glyph_.Part(left, width);
    return prepared;
  }
  const std::uint32_t highlight = ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT));
  const std::uint32_t shadow = ToRgb(GetSysColor(COLOR_BTNSHADOW));
  prepared = glyph_.Part(left, width, [=](std::uint32_t p) {
    return p == kWhite ? highlight : p == kGrey ? shadow : p;
  });
  return prepared;
}

void ImageButton::Paint(HDC dc) {
  if (!Enabled())
    state_ = State::kDisabled;
  else if (!mouseInControl_)
    state_ = State::kUp;
  else if (state_ != State::kPressed)
    state_ = State::kHover;
  const Picture& picture = StatePicture(state_);
  // Centred, as the picture alone is.
  picture.Draw(dc, (Width() - picture.Width() + 1) / 2, (Height() - picture.Height() + 1) / 2, true);
}

}  // namespace qrv
