// TCoolButton: a picture button with a strip of four pictures (normal,
// disabled, pressed, hover) whose hover test is pixel-precise: the pointer is
// over the button only where the normal picture has a drawn pixel, so a round
// glyph reacts only on its drawn part. Otherwise it behaves like a speed
// button: an optional caption, groups of buttons that stay down, and OnClick
// when the left button is released over it (a right-button release fires only
// OnMouseUp).
#pragma once

#include <array>
#include <cstdint>

#include "ui/control.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TCoolButton : public ui::Control {
 public:
  enum State { kUp = 0, kDisabled = 1, kPressed = 2, kHover = 3 };

  TCoolButton(ui::Form& owner, const ui::LayoutRow& row);

  const ui::Picture& Glyph() const { return glyph_; }
  void SetGlyph(ui::Picture glyph);
  int NumGlyphs() const { return num_glyphs_; }
  // 1 to 4; other values are brought into that range.
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  // Values below -1 are refused.
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow);

  State ButtonState() const { return state_; }
  bool MouseInControl() const { return mouse_in_control_; }

  // Where the picture and the caption go in a client area (the caption's
  // rectangle is empty without text).
  struct Placement {
    POINT glyph;
    RECT text;
  };
  static Placement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                     int spacing);

  void Paint(HDC dc) override;
  void MouseDown(ui::MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(ui::MouseButton button, int x, int y) override;
  void MouseLeave() override;
  void DblClick() override;
  void SetEnabled(bool enabled) override;
  void SysColorChange() override;

 private:
  bool OverDrawnPixel(int x, int y) const;
  void UpdateTracking();
  void Announce();
  void GroupButtonPressed(int group, const TCoolButton& sender);
  const ui::Picture& StatePicture(State state);
  SIZE CaptionSize(HDC dc) const;

  ui::Picture glyph_;
  std::array<ui::Picture, 4> prepared_;
  int num_glyphs_ = 4;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  State state_ = kUp;
  bool mouse_in_control_ = false;
  bool dragging_ = false;
};
