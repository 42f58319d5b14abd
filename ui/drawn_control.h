// Controls that paint themselves: child windows of a class of ours on the same
// Control base, double-buffered, painted over the part of their form's
// background they cover (so their transparent parts keep showing it), with
// mouse input, capture and hover/leave. The bar's skinned parts stand on it.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/picture.h"

namespace qrv {

enum class MouseButton { kLeft, kRight, kMiddle };

struct DrawnArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
};

class DrawnControl : public Control {
 public:
  DrawnControl(Container& parent, const DrawnArgs& args);

  int Width() const;
  int Height() const;
  void Invalidate() { InvalidateRect(Handle(), nullptr, FALSE); }
  void Repaint();
  // Whether this control is the topmost visible one of its parent at a point
  // of its own coordinates.
  bool TopmostAt(int x, int y) const;

  // Painting with the origin at the control's top-left corner, over the form's background.
  virtual void Paint(HDC) {}
  // The mouse, in the control's coordinates.
  virtual void MouseDown(MouseButton button, int x, int y);
  virtual void MouseMove(int x, int y);
  virtual void MouseUp(MouseButton button, int x, int y);
  virtual void DoubleClick();
  virtual void MouseLeave() {}
  virtual void SystemColorsChanged() {}
  // A drawn control never takes the focus: a click on it leaves it where it was.
  bool TakesFocus() const override { return false; }

  std::function<void()> onClick;
  std::function<void()> onDoubleClick;
  std::function<void(MouseButton, int x, int y)> onMouseDown;
  std::function<void(MouseButton, int x, int y)> onMouseUp;
  std::function<void(int x, int y)> onMouseMove;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void Click() {
    if (onClick) onClick();
  }

 private:
  void PaintWhole();
  void MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool trackingLeave_ = false;
};

// Text on the form's background (the bar's loading letters).
class PictureLabel : public DrawnControl {
 public:
  PictureLabel(Container& parent, const DrawnArgs& args, const FontChoice& font, bool centered = false);
  COLORREF color = RGB(0, 0, 0);
  void Paint(HDC dc) override;

 private:
  FontChoice font_;
  bool centered_;
};

// A picture at the control's top-left corner, its bottom-left colour left out
// when transparent.
class PictureImage : public DrawnControl {
 public:
  PictureImage(Container& parent, const DrawnArgs& args, Picture picture = {}, bool transparent = false);
  Picture picture{};
  bool transparent;
  void Paint(HDC dc) override;
};

}  // namespace qrv
