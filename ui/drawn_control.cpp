#include "ui/drawn_control.h"

#include <windowsx.h>

#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace qrv {
namespace {

MouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return MouseButton::kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return MouseButton::kMiddle;
    default:
      return MouseButton::kLeft;
  }
}

}  // namespace

DrawnControl::DrawnControl(Container& parent, const DrawnArgs& args)
    : Control(parent, BasicsOf(args, {.className = PlainWindowClass(L"QrvDrawn", CS_DBLCLKS)})) {}

int DrawnControl::Width() const {
  RECT rc{};
  GetClientRect(Handle(), &rc);
  return rc.right;
}

int DrawnControl::Height() const {
  RECT rc{};
  GetClientRect(Handle(), &rc);
  return rc.bottom;
}

void DrawnControl::Repaint() {
  Invalidate();
  UpdateWindow(Handle());
}

bool DrawnControl::TopmostAt(int x, int y) const {
  POINT p{x, y};
  HWND parent = GetParent(Handle());
  MapWindowPoints(Handle(), parent, &p, 1);
  return ChildWindowFromPointEx(parent, p, CWP_SKIPINVISIBLE) == Handle();
}

void DrawnControl::PaintWhole() {
  PaintDc paint(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  BufferedDc buffer(paint.Get(), client);
  {
    // The form's background under this control, in the form's coordinates.
    RECT area = PlacedRect();
    MapWindowPoints(GetParent(Handle()), Parent().OwnerForm().Handle(), reinterpret_cast<POINT*>(&area), 2);
    SavedDc saved(buffer.Get());
    OffsetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
    Parent().OwnerForm().PaintBackground(buffer.Get(), area);
  }
  SavedDc saved(buffer.Get());
  Paint(buffer.Get());
}

void DrawnControl::MouseDown(MouseButton button, int x, int y) {
  if (onMouseDown) onMouseDown(button, x, y);
}

void DrawnControl::MouseMove(int x, int y) {
  if (onMouseMove) onMouseMove(x, y);
}

void DrawnControl::MouseUp(MouseButton button, int x, int y) {
  if (onMouseUp) onMouseUp(button, x, y);
}

void DrawnControl::DoubleClick() {
  if (onDoubleClick) onDoubleClick();
}

void DrawnControl::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  if (msg == WM_MOUSEMOVE) {
    if (!trackingLeave_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
      trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    MouseMove(x, y);
    return;
  }
  const MouseButton button = ButtonOf(msg);
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
  const bool doubleClick = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  if (down || doubleClick) {
    SetCapture(Handle());
    MouseDown(button, x, y);
    if (doubleClick) DoubleClick();
    return;
  }
  if (!(wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == Handle()) ReleaseCapture();
  MouseUp(button, x, y);
}

LRESULT DrawnControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFOCUS:
      RefuseFocus(reinterpret_cast<HWND>(wp));
      return 0;
    case WM_PAINT:
      PaintWhole();
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      MouseMessage(msg, wp, lp);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      MouseLeave();
      return 0;
    case WM_SYSCOLORCHANGE:
      SystemColorsChanged();
      Invalidate();
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
      const LRESULT result = Control::WndProc(msg, wp, lp);
      Invalidate();
      return result;
    }
  }
  return Control::WndProc(msg, wp, lp);
}

// --- PictureLabel and PictureImage -----------------------------------------------------

PictureLabel::PictureLabel(Container& parent, const DrawnArgs& args, const FontChoice& font, bool centered)
    : DrawnControl(parent, args), font_(font), centered_(centered) {}

void PictureLabel::Paint(HDC dc) {
  RECT rc{0, 0, Width(), Height()};
  SelectedObject font(dc, CachedFont(font_, Parent().Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? color : GetSysColor(COLOR_GRAYTEXT));
  const std::wstring text = Text();
  DrawTextW(dc, text.c_str(), -1, &rc, DT_NOPREFIX | DT_WORDBREAK | (centered_ ? DT_CENTER : DT_LEFT));
}

PictureImage::PictureImage(Container& parent, const DrawnArgs& args, Picture picture, bool transparent)
    : DrawnControl(parent, args), picture(std::move(picture)), transparent(transparent) {}

void PictureImage::Paint(HDC dc) { picture.Draw(dc, 0, 0, transparent); }

}  // namespace qrv
