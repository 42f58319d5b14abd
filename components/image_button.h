// A picture button with a strip of four pictures (normal, disabled, pressed,
// hover) whose hover test is pixel-precise: the pointer is over the button
// only where the normal picture has a drawn pixel, so a round glyph reacts only
// on its drawn part. onClick fires when the left button is released over it (a
// right-button release fires only onMouseUp); a double click does nothing more.
#pragma once

#include <array>

#include "ui/drawn_control.h"

namespace qrv {

struct ImageButtonArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
};

class ImageButton : public DrawnControl {
 public:
  enum class State { kUp = 0, kDisabled = 1, kPressed = 2, kHover = 3 };

  ImageButton(Container& parent, const ImageButtonArgs& args);

  const Picture& Glyph() const { return glyph_; }
  void SetGlyph(Picture glyph);

  State ButtonState() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }

  void Paint(HDC dc) override;
  void MouseDown(MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(MouseButton button, int x, int y) override;
  void MouseLeave() override;
  void DoubleClick() override;
  void SetEnabled(bool enabled);
  void SystemColorsChanged() override;

 private:
  bool OverDrawnPixel(int x, int y) const;
  void UpdateTracking();
  const Picture& StatePicture(State state);

  Picture glyph_;
  std::array<Picture, 4> prepared_;
  State state_ = State::kUp;
  bool mouseInControl_ = false;
  bool dragging_ = false;
};

}  // namespace qrv
