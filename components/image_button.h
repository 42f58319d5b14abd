// A picture button with a strip of four pictures (normal,
// disabled, pressed, hover) whose hover test is pixel-precise: the pointer is
// over the button only where the normal picture has a drawn pixel, so a round
// glyph reacts only on its drawn part. Otherwise it behaves like a speed
// button: an optional caption, groups of buttons that stay down, and onClick
// when the left button is released over it (a right-button release fires only
// onMouseUp).
#pragma once

#include <array>
#include <cstdint>

#include "ui/drawn_control.h"

namespace qrv {

enum class GlyphLayout { kLeft, kRight, kTop, kBottom };

struct ImageButtonArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  const wchar_t* picture = nullptr;  // bitmap resource of the strip
};

class ImageButton : public DrawnControl {
 public:
  enum class State { kUp = 0, kDisabled = 1, kPressed = 2, kHover = 3 };

  ImageButton(Container& parent, const ImageButtonArgs& args);

  const Picture& Glyph() const { return glyph_; }
  void SetGlyph(Picture glyph);
  int GlyphCount() const { return glyphCount_; }
  // 1 to 4; other values are brought into that range.
  void SetGlyphCount(int count);
  GlyphLayout Layout() const { return layout_; }
  void SetLayout(GlyphLayout layout);
  int Margin() const { return margin_; }
  // Values below -1 are refused.
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow);

  State ButtonState() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }

  // Where the picture and the caption go in a client area (the caption's
  // rectangle is empty without text).
  struct Placement {
    POINT glyph;
    RECT text;
  };
  static Placement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, GlyphLayout layout, int margin, int spacing);

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
  void Announce();
  void GroupButtonPressed(int group, const ImageButton& sender);
  const Picture& StatePicture(State state);
  SIZE CaptionSize(HDC dc) const;

  Picture glyph_;
  std::array<Picture, 4> prepared_;
  int glyphCount_ = 4;
  GlyphLayout layout_ = GlyphLayout::kLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  State state_ = State::kUp;
  bool mouseInControl_ = false;
  bool dragging_ = false;
};

}  // namespace qrv
