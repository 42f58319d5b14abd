#include "components/image_button.h"

#include <algorithm>

#include "ui/gdi.h"

namespace qrv {

ImageButton::ImageButton(Container& parent, const ImageButtonArgs& args)
    : DrawnControl(parent, {.bounds = args.bounds,
                            .text = args.text,
                            .anchors = args.anchors,
                            .visible = args.visible,
                            .enabled = args.enabled}),
      glyph_(args.picture ? Picture::FromResource(args.picture) : Picture()) {
  state_ = Enabled() ? State::kUp : State::kDisabled;
}

void ImageButton::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  prepared_ = {};
  Invalidate();
}

void ImageButton::SetGlyphCount(int count) {
  count = std::clamp(count, 1, 4);
  if (count == glyphCount_) return;
  glyphCount_ = count;
  prepared_ = {};
  Invalidate();
}

void ImageButton::SetLayout(GlyphLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void ImageButton::SetMargin(int margin) {
  if (margin < -1 || margin == margin_) return;
  margin_ = margin;
  Invalidate();
}

void ImageButton::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
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
  if (dragging_) {
    State next = down_ ? State::kHover : State::kUp;
    if (x >= 0 && x < Width() && y >= 0 && y <= Height()) next = down_ ? State::kHover : State::kPressed;
    state_ = next;
  }
  if (mouseInControl_ != wasIn) Invalidate();
}

void ImageButton::MouseDown(MouseButton button, int x, int y) {
  DrawnControl::MouseDown(button, x, y);
  if (button != MouseButton::kLeft || !Enabled()) return;
  if (!down_) {
    state_ = State::kPressed;
    Invalidate();
  }
  dragging_ = true;
}

void ImageButton::MouseUp(MouseButton button, int x, int y) {
  DrawnControl::MouseUp(button, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = x >= 0 && x < Width() && y >= 0 && y <= Height();
  if (groupIndex_ == 0) {
    state_ = State::kUp;
    mouseInControl_ = false;
    if (inside) Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = State::kHover;
    Repaint();
  }
  if (inside) Click();
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

void ImageButton::DoubleClick() {
  if (down_) DrawnControl::DoubleClick();
}

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

// --- groups --------------------------------------------------------------------

void ImageButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_ || (down_ && !allowAllUp_)) return;
  down_ = down;
  if (down) {
    if (state_ == State::kUp) Invalidate();
    state_ = State::kHover;
    Announce();
  } else {
    state_ = State::kUp;
    Repaint();
  }
}

void ImageButton::SetGroupIndex(int index) {
  if (index == groupIndex_) return;
  groupIndex_ = index;
  Announce();
}

void ImageButton::SetAllowAllUp(bool allow) {
  if (allow == allowAllUp_) return;
  allowAllUp_ = allow;
  Announce();
}

void ImageButton::Announce() {
  if (groupIndex_ == 0) return;
  for (Control* control : Parent().Children()) {
    if (auto* other = dynamic_cast<ImageButton*>(control)) other->GroupButtonPressed(groupIndex_, *this);
  }
}

void ImageButton::GroupButtonPressed(int group, const ImageButton& sender) {
  if (group != groupIndex_ || &sender == this) return;
  if (sender.down_ && down_) {
    down_ = false;
    state_ = State::kUp;
    Invalidate();
  }
  allowAllUp_ = sender.allowAllUp_;
}

// --- painting ------------------------------------------------------------------

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;

// A one-picture strip's disabled look: the drawn pixels in the highlight colour
// one pixel down and right, under them in the shadow colour.
Picture Embossed(const Picture& picture) {
  const int w = picture.Width(), h = picture.Height();
  const std::uint32_t key = picture.Pixel(0, h - 1);
  const std::uint32_t highlight = ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT));
  const std::uint32_t shadow = ToRgb(GetSysColor(COLOR_BTNSHADOW));
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, key);
  const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
  for (int pass = 0; pass < 2; ++pass) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (picture.Pixel(x, y) == key) continue;
        const int tx = x + 1 - pass, ty = y + 1 - pass;
        if (tx < w && ty < h) pixels[at(tx, ty)] = pass == 0 ? highlight : shadow;
      }
    }
  }
  // Keep the bottom-left pixel transparent so the copy draws like the original.
  pixels[at(0, h - 1)] = key;
  return Picture::FromPixels(w, h, std::move(pixels));
}

}  // namespace

const Picture& ImageButton::StatePicture(State state) {
  Picture& prepared = prepared_[static_cast<std::size_t>(state)];
  if (!prepared.Empty() || glyph_.Empty()) return prepared;
  const int width = glyph_.Width() / glyphCount_;
  if (width <= 0) return prepared;
  int index = static_cast<int>(state) < glyphCount_ ? static_cast<int>(state) : 0;
  if (state == State::kPressed && glyphCount_ < 3) index = 0;
  if (state == State::kDisabled && glyphCount_ == 1) {
    prepared = Embossed(glyph_.Part(0, width));
  } else if (state == State::kDisabled) {
    const std::uint32_t highlight = ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT));
    const std::uint32_t shadow = ToRgb(GetSysColor(COLOR_BTNSHADOW));
    prepared = glyph_.Part(index * width, width, [=](std::uint32_t p) {
      return p == kWhite ? highlight : p == kGrey ? shadow : p;
    });
  } else {
    prepared = glyph_.Part(index * width, width);
  }
  return prepared;
}

SIZE ImageButton::CaptionSize(HDC dc) const {
  const std::wstring caption = Text();
  if (caption.empty()) return {0, 0};
  RECT rc{0, 0, Width(), 0};
  DrawTextW(dc, caption.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

ImageButton::Placement ImageButton::PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, GlyphLayout layout,
                                                      int margin, int spacing) {
  const bool across = layout == GlyphLayout::kLeft || layout == GlyphLayout::kRight;
  // Along the layout direction (x for left/right) and across it.
  const int extent = across ? client.cx : client.cy;
  const int glyphAlong = across ? glyph.cx : glyph.cy;
  const int textAlong = across ? text.cx : text.cy;
  const auto centred = [](int room, int size) { return (room - size + 1) / 2; };
  if (textAlong == 0 || glyphAlong == 0) spacing = 0;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (extent - glyphAlong - textAlong) / 3;
  } else if (margin == -1) {
    margin = (extent - (glyphAlong + spacing + textAlong) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (extent - margin - glyphAlong - textAlong) / 2;
  }
  int glyphAt, textAt;
  if (layout == GlyphLayout::kLeft || layout == GlyphLayout::kTop) {
    glyphAt = margin;
    textAt = margin + glyphAlong + spacing;
  } else {
    glyphAt = extent - margin - glyphAlong;
    textAt = glyphAt - spacing - textAlong;
  }
  Placement p;
  if (across) {
    p.glyph = {glyphAt, centred(client.cy, glyph.cy)};
    const int ty = centred(client.cy, text.cy);
    p.text = {textAt, ty, textAt + text.cx, ty + text.cy};
  } else {
    p.glyph = {centred(client.cx, glyph.cx), glyphAt};
    const int tx = centred(client.cx, text.cx);
    p.text = {tx, textAt, tx + text.cx, textAt + text.cy};
  }
  return p;
}

void ImageButton::Paint(HDC dc) {
  if (!Enabled())
    state_ = State::kDisabled;
  else if (!mouseInControl_)
    state_ = State::kUp;
  else if (state_ != State::kPressed)
    state_ = State::kHover;
  const Picture& picture = StatePicture(state_);
  SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring caption = Text();
  const SIZE glyph = picture.Empty() ? SIZE{0, 0} : SIZE{picture.Width(), picture.Height()};
  const Placement p = PlaceGlyphAndText({Width(), Height()}, glyph, CaptionSize(dc), layout_, margin_, spacing_);
  picture.Draw(dc, p.glyph.x, p.glyph.y, true);
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    RECT text = p.text;
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (state_ == State::kDisabled) {
      OffsetRect(&text, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, caption.c_str(), -1, &text, 0);
      OffsetRect(&text, -1, -1);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
      DrawTextW(dc, caption.c_str(), -1, &text, 0);
    } else {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, caption.c_str(), -1, &text, format);
    }
  }
}

}  // namespace qrv
