#include "components/CoolButton.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/layout.h"

TCoolButton::TCoolButton(ui::Form& owner, const ui::LayoutRow& row)
    : ui::Control(owner, row), glyph_(row.picture ? ui::Picture::FromResource(row.picture) : ui::Picture()) {
  state_ = Enabled() ? kUp : kDisabled;
}

void TCoolButton::SetGlyph(ui::Picture glyph) {
  glyph_ = std::move(glyph);
  prepared_ = {};
  Invalidate();
}

void TCoolButton::SetNumGlyphs(int count) {
  count = std::clamp(count, 1, 4);
  if (count == num_glyphs_) return;
  num_glyphs_ = count;
  prepared_ = {};
  Invalidate();
}

void TCoolButton::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TCoolButton::SetMargin(int margin) {
  if (margin < -1 || margin == margin_) return;
  margin_ = margin;
  Invalidate();
}

void TCoolButton::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  Invalidate();
}

// --- the hover test and the mouse ----------------------------------------------

bool TCoolButton::OverDrawnPixel(int x, int y) const {
  // Only pixels of the strip are read; the pointer can be anywhere while captured.
  if (glyph_.Empty() || x < 0 || y < 0 || x >= glyph_.Width() || y >= glyph_.Height()) return false;
  return glyph_.Pixel(x, y) != glyph_.Pixel(0, glyph_.Height() - 1);
}

void TCoolButton::MouseMove(int x, int y) {
  const bool was_in = mouse_in_control_;
  POINT client{x + Left(), y + Top()};
  mouse_in_control_ = OverDrawnPixel(x, y) && Owner().ControlAtPos(client, true) == this;
  ui::Control::MouseMove(x, y);
  if (dragging_) {
    State next = down_ ? kHover : kUp;
    if (x >= 0 && x < Width() && y >= 0 && y <= Height()) next = down_ ? kHover : kPressed;
    state_ = next;
  }
  if (mouse_in_control_ != was_in) Invalidate();
}

void TCoolButton::MouseDown(ui::MouseButton button, int x, int y) {
  ui::Control::MouseDown(button, x, y);
  if (button != ui::MouseButton::kLeft || !Enabled()) return;
  if (!down_) {
    state_ = kPressed;
    Invalidate();
  }
  dragging_ = true;
}

void TCoolButton::MouseUp(ui::MouseButton button, int x, int y) {
  ui::Control::MouseUp(button, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = x >= 0 && x < Width() && y >= 0 && y <= Height();
  if (group_index_ == 0) {
    state_ = kUp;
    mouse_in_control_ = false;
    if (inside) Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = kHover;
    Repaint();
  }
  if (inside) Click();
  UpdateTracking();
}

void TCoolButton::UpdateTracking() {
  if (!Enabled()) return;
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(Owner().Handle(), &cursor);
  mouse_in_control_ = Owner().ControlAtPos(cursor, true) != this;
  if (mouse_in_control_) MouseLeave();
}

void TCoolButton::MouseLeave() {
  if (!mouse_in_control_ || !Enabled() || dragging_) return;
  mouse_in_control_ = false;
  Invalidate();
}

void TCoolButton::DblClick() {
  if (down_) ui::Control::DblClick();
}

void TCoolButton::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  ui::Control::SetEnabled(enabled);
  state_ = enabled ? kUp : kDisabled;
  UpdateTracking();
  Repaint();
}

void TCoolButton::SysColorChange() {
  prepared_ = {};
  Invalidate();
}

// --- groups --------------------------------------------------------------------

void TCoolButton::SetDown(bool down) {
  if (group_index_ == 0) down = false;
  if (down == down_ || (down_ && !allow_all_up_)) return;
  down_ = down;
  if (down) {
    if (state_ == kUp) Invalidate();
    state_ = kHover;
    Announce();
  } else {
    state_ = kUp;
    Repaint();
  }
}

void TCoolButton::SetGroupIndex(int index) {
  if (index == group_index_) return;
  group_index_ = index;
  Announce();
}

void TCoolButton::SetAllowAllUp(bool allow) {
  if (allow == allow_all_up_) return;
  allow_all_up_ = allow;
  Announce();
}

void TCoolButton::Announce() {
  if (group_index_ == 0) return;
  for (const auto& control : Owner().Controls()) {
    if (auto* other = dynamic_cast<TCoolButton*>(control.get())) other->GroupButtonPressed(group_index_, *this);
  }
}

void TCoolButton::GroupButtonPressed(int group, const TCoolButton& sender) {
  if (group != group_index_ || &sender == this) return;
  if (sender.down_ && down_) {
    down_ = false;
    state_ = kUp;
    Invalidate();
  }
  allow_all_up_ = sender.allow_all_up_;
}

// --- painting ------------------------------------------------------------------

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x808080;

// A one-picture strip's disabled look: the drawn pixels in the highlight colour
// one pixel down and right, under them in the shadow colour.
ui::Picture Embossed(const ui::Picture& picture) {
  const int w = picture.Width(), h = picture.Height();
  const std::uint32_t key = picture.Pixel(0, h - 1);
  const std::uint32_t highlight = ui::ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT));
  const std::uint32_t shadow = ui::ToRgb(GetSysColor(COLOR_BTNSHADOW));
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
  return ui::Picture::FromPixels(w, h, std::move(pixels));
}

}  // namespace

const ui::Picture& TCoolButton::StatePicture(State state) {
  ui::Picture& prepared = prepared_[state];
  if (!prepared.Empty() || glyph_.Empty()) return prepared;
  const int width = glyph_.Width() / num_glyphs_;
  if (width <= 0) return prepared;
  int index = state < num_glyphs_ ? state : 0;
  if (state == kPressed && num_glyphs_ < 3) index = 0;
  if (state == kDisabled && num_glyphs_ == 1) {
    prepared = Embossed(glyph_.Part(0, width));
  } else if (state == kDisabled) {
    const std::uint32_t highlight = ui::ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT));
    const std::uint32_t shadow = ui::ToRgb(GetSysColor(COLOR_BTNSHADOW));
    prepared = glyph_.Part(index * width, width, [=](std::uint32_t p) {
      return p == kWhite ? highlight : p == kGrey ? shadow : p;
    });
  } else {
    prepared = glyph_.Part(index * width, width);
  }
  return prepared;
}

SIZE TCoolButton::CaptionSize(HDC dc) const {
  if (Caption().empty()) return {0, 0};
  RECT rc{0, 0, Width(), 0};
  DrawTextW(dc, Caption().c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

TCoolButton::Placement TCoolButton::PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout,
                                                      int margin, int spacing) {
  const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Along the layout direction (x for left/right) and across it.
  const int extent = across ? client.cx : client.cy;
  const int glyph_along = across ? glyph.cx : glyph.cy;
  const int text_along = across ? text.cx : text.cy;
  const auto centred = [](int room, int size) { return (room - size + 1) / 2; };
  if (text_along == 0 || glyph_along == 0) spacing = 0;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (extent - glyph_along - text_along) / 3;
  } else if (margin == -1) {
    margin = (extent - (glyph_along + spacing + text_along) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (extent - margin - glyph_along - text_along) / 2;
  }
  int glyph_at, text_at;
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
    glyph_at = margin;
    text_at = margin + glyph_along + spacing;
  } else {
    glyph_at = extent - margin - glyph_along;
    text_at = glyph_at - spacing - text_along;
  }
  Placement p;
  if (across) {
    p.glyph = {glyph_at, centred(client.cy, glyph.cy)};
    const int ty = centred(client.cy, text.cy);
    p.text = {text_at, ty, text_at + text.cx, ty + text.cy};
  } else {
    p.glyph = {centred(client.cx, glyph.cx), glyph_at};
    const int tx = centred(client.cx, text.cx);
    p.text = {tx, text_at, tx + text.cx, text_at + text.cy};
  }
  return p;
}

void TCoolButton::Paint(HDC dc) {
  if (!Enabled()) state_ = kDisabled;
  else if (!mouse_in_control_) state_ = kUp;
  else if (state_ != kPressed) state_ = kHover;
  const ui::Picture& picture = StatePicture(state_);
  HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const SIZE glyph = picture.Empty() ? SIZE{0, 0} : SIZE{picture.Width(), picture.Height()};
  const Placement p = PlaceGlyphAndText({Width(), Height()}, glyph, CaptionSize(dc), layout_, margin_, spacing_);
  picture.Draw(dc, p.glyph.x, p.glyph.y, true);
  if (!Caption().empty()) {
    SetBkMode(dc, TRANSPARENT);
    RECT text = p.text;
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (state_ == kDisabled) {
      OffsetRect(&text, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, Caption().c_str(), -1, &text, 0);
      OffsetRect(&text, -1, -1);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
      DrawTextW(dc, Caption().c_str(), -1, &text, 0);
    } else {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, Caption().c_str(), -1, &text, format);
    }
  }
  SelectObject(dc, old_font);
}
