#include "ui/control.h"

#include <cwctype>

#include "ui/form.h"
#include "ui/layout.h"

namespace ui {

RowFont::RowFont(const LayoutRow& row) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(row.font_size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_ = CreateFontW(height, 0, 0, 0, (row.style & kBold) ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                      row.font);
}

RowFont::~RowFont() {
  if (font_) DeleteObject(font_);
}

wchar_t AcceleratorOf(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(towupper(caption[i + 1]));
    ++i;  // "&&" is an ampersand
  }
  return 0;
}

Control::Control(Form& owner, const LayoutRow& row)
    : Tag(row.tag),
      Hint(row.hint),
      owner_(owner),
      name_(row.name),
      rect_{row.left, row.top, row.left + row.width, row.top + row.height},
      visible_(!(row.style & kHidden)),
      enabled_(!(row.style & kDisabled)),
      caption_(row.caption) {}

void Control::SetBounds(int left, int top, int width, int height) {
  const RECT old = rect_;
  rect_ = {left, top, left + width, top + height};
  if (!EqualRect(&old, &rect_)) owner_.ControlChanged(*this, old);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  owner_.ControlChanged(*this, rect_);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

void Control::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void Control::Invalidate() { owner_.InvalidateRect(&rect_); }

void Control::Repaint() {
  Invalidate();
  owner_.Update();
}

POINT Control::FromScreen(POINT screen) const {
  ScreenToClient(owner_.Handle(), &screen);
  return {screen.x - rect_.left, screen.y - rect_.top};
}

void Control::MouseDown(MouseButton button, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, x, y);
}

void Control::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, x, y);
}

void Control::MouseUp(MouseButton button, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, x, y);
}

void Control::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

// --- Label -------------------------------------------------------------------

Label::Label(Form& owner, const LayoutRow& row)
    : Control(owner, row), font_(row), centered_(row.style & kCentered) {}

void Label::Paint(HDC dc) {
  RECT rc{0, 0, Width(), Height()};
  HGDIOBJ old = SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? Color : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, Caption().c_str(), -1, &rc, DT_NOPREFIX | DT_WORDBREAK | (centered_ ? DT_CENTER : DT_LEFT));
  SelectObject(dc, old);
}

// --- Panel -------------------------------------------------------------------

Panel::Panel(Form& owner, const LayoutRow& row) : Control(owner, row), font_(row) {}

void Panel::Paint(HDC dc) {
  RECT rc{0, 0, Width(), Height()};
  HBRUSH brush = CreateSolidBrush(Color);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
  HGDIOBJ old = SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, FontColor);
  DrawTextW(dc, Caption().c_str(), -1, &rc, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  SelectObject(dc, old);
}

// --- Image -------------------------------------------------------------------

Image::Image(Form& owner, const LayoutRow& row)
    : Control(owner, row),
      Pict(row.picture ? Picture::FromResource(row.picture) : Picture()),
      Transparent(row.style & kTransparent) {}

void Image::Paint(HDC dc) { Pict.Draw(dc, 0, 0, Transparent); }

// --- SpeedButton -------------------------------------------------------------

SpeedButton::SpeedButton(Form& owner, const LayoutRow& row)
    : Control(owner, row), Glyph(row.picture ? Picture::FromResource(row.picture) : Picture()), font_(row) {}

void SpeedButton::Paint(HDC dc) {
  if (!Caption().empty()) return PaintFace(dc);
  if (Glyph.Empty()) return;
  const int count = std::clamp(NumGlyphs, 1, 4);
  const int width = Glyph.Width() / count;
  int index = !Enabled() ? 1 : pressed_ && hot_ ? 2 : hot_ ? 3 : 0;
  if (index >= count) index = 0;
  Glyph.Draw(dc, (Width() - width) / 2, (Height() - Glyph.Height()) / 2, index * width, width, Glyph.Height(), true);
}

void SpeedButton::PaintFace(HDC dc) {
  RECT rc{0, 0, Width(), Height()};
  const bool down = pressed_ && hot_;
  DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  if (down) OffsetRect(&rc, 1, 1);
  HGDIOBJ old = SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextW(dc, Caption().c_str(), -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  SelectObject(dc, old);
}

bool SpeedButton::Accelerate(wchar_t key) {
  if (!Visible() || !Enabled() || key == 0 || AcceleratorOf(Caption()) != towupper(key)) return false;
  Click();
  return true;
}

void SpeedButton::MouseDown(MouseButton button, int x, int y) {
  Control::MouseDown(button, x, y);
  if (button != MouseButton::kLeft || !Enabled()) return;
  pressed_ = true;
  Invalidate();
}

void SpeedButton::MouseMove(int x, int y) {
  Control::MouseMove(x, y);
  if (Inside(x, y) != hot_) {
    hot_ = Inside(x, y);
    Invalidate();
  }
}

void SpeedButton::MouseUp(MouseButton button, int x, int y) {
  Control::MouseUp(button, x, y);
  if (button != MouseButton::kLeft || !pressed_) return;
  pressed_ = false;
  Invalidate();
  if (Inside(x, y)) Click();
}

void SpeedButton::MouseLeave() {
  if (!hot_) return;
  hot_ = false;
  Invalidate();
}

}  // namespace ui
