// Controls of a form. A control here is drawn by its form and gets its mouse
// input from it (no window of its own), so it can show the form's background
// through its transparent parts. Each kind is made from one row of a layout
// table (layout.h): adding a kind is a class with a constructor taking the form
// and the row.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

#include "ui/picture.h"

namespace ui {

class Form;
struct LayoutRow;

enum class MouseButton { kLeft, kRight, kMiddle };

// The font a layout row names (face, points, bold), freed with its holder.
class RowFont {
 public:
  explicit RowFont(const LayoutRow& row);
  ~RowFont();
  RowFont(const RowFont&) = delete;
  RowFont& operator=(const RowFont&) = delete;
  HFONT Handle() const { return font_; }

 private:
  HFONT font_;
};

// The key of a caption's "&" mark in upper case ("&OK" gives 'O'), or 0.
wchar_t AcceleratorOf(const std::wstring& caption);

class Control {
 public:
  Control(Form& owner, const LayoutRow& row);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::wstring& Name() const { return name_; }
  Form& Owner() const { return owner_; }

  int Left() const { return rect_.left; }
  int Top() const { return rect_.top; }
  int Width() const { return rect_.right - rect_.left; }
  int Height() const { return rect_.bottom - rect_.top; }
  const RECT& BoundsRect() const { return rect_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);

  int Tag = 0;
  std::wstring Hint;

  // Repaint later, or at once.
  void Invalidate();
  void Repaint();
  // A point on the screen in this control's coordinates.
  POINT FromScreen(POINT screen) const;

  // Events, set by the form that owns the control.
  std::function<void(Control&)> OnClick;
  std::function<void(Control&)> OnDblClick;
  std::function<void(Control&, MouseButton, int x, int y)> OnMouseDown;
  std::function<void(Control&, MouseButton, int x, int y)> OnMouseUp;
  std::function<void(Control&, int x, int y)> OnMouseMove;

  // Called by the form: painting with the origin at the control's top-left
  // corner, and the mouse in control coordinates.
  virtual void Paint(HDC) {}
  virtual void MouseDown(MouseButton button, int x, int y);
  virtual void MouseMove(int x, int y);
  virtual void MouseUp(MouseButton button, int x, int y);
  virtual void DblClick();
  virtual void MouseLeave() {}
  virtual void SysColorChange() {}
  virtual void Click();
  // Alt and a key: a control whose caption marks that key clicks and answers true.
  virtual bool Accelerate(wchar_t) { return false; }

 private:
  Form& owner_;
  std::wstring name_;
  RECT rect_;
  bool visible_;
  bool enabled_;
  std::wstring caption_;
};

// Text on the form's background.
class Label : public Control {
 public:
  Label(Form& owner, const LayoutRow& row);
  COLORREF Color = RGB(0, 0, 0);
  void Paint(HDC dc) override;

 private:
  RowFont font_;
  bool centered_;
};

// A coloured area with its caption at the left, vertically centred.
class Panel : public Control {
 public:
  Panel(Form& owner, const LayoutRow& row);
  COLORREF Color = GetSysColor(COLOR_BTNFACE);
  COLORREF FontColor = RGB(0, 0, 0);
  void Paint(HDC dc) override;

 private:
  RowFont font_;
};

// A picture, drawn at the control's top-left corner.
class Image : public Control {
 public:
  Image(Form& owner, const LayoutRow& row);
  Picture Pict;
  bool Transparent;
  void Paint(HDC dc) override;
};

// A flat picture button: a strip of up to four pictures (up, disabled, down,
// hover) that fires OnClick when the left button is released over it. A button
// with a caption is drawn as a push button with its text instead; Alt and the
// key its caption marks with "&" click it too.
class SpeedButton : public Control {
 public:
  SpeedButton(Form& owner, const LayoutRow& row);
  Picture Glyph;
  int NumGlyphs = 4;
  void Paint(HDC dc) override;
  void MouseDown(MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(MouseButton button, int x, int y) override;
  void MouseLeave() override;
  bool Accelerate(wchar_t key) override;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  void PaintFace(HDC dc);
  RowFont font_;
  bool pressed_ = false;
  bool hot_ = false;
};

}  // namespace ui
