// Owners for GDI handles and paint pairs: each pair of calls (BeginPaint and
// EndPaint, SelectObject and its restore, CreateXxx and DeleteObject) is one
// object, so a paint function that returns early or throws leaks nothing.
#pragma once

#include <windows.h>

#include <utility>

namespace qrv {

// A GDI object (brush, pen, font, bitmap, region) deleted with its owner.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle away (to a window that takes it over, as SetWindowRgn does).
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedBrush = GdiObject<HBRUSH>;
using OwnedPen = GdiObject<HPEN>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedRegion = GdiObject<HRGN>;

// OwnedBitmap under the name the bar's icon list and the Information Item
// window's pictures still use; goes once they hold OwnedBitmap.
class Bitmap : public OwnedBitmap {
 public:
  using OwnedBitmap::OwnedBitmap;
  HBITMAP Handle() const { return Get(); }
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint and EndPaint of one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// The device context of a window (or of the screen, with a null window).
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() { ReleaseDC(hwnd_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The device context of a whole window, its frame and caption included.
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  ~WholeWindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory device context compatible with another one, deleted with its owner.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() { DeleteDC(dc_); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A double buffer over an area of a target: drawing goes to a bitmap whose
// origin is the area's top-left corner, copied to the target in the destructor.
class BufferedDc {
 public:
  BufferedDc(HDC target, const RECT& area)
      : target_(target),
        area_(area),
        memory_(target),
        bitmap_(CreateCompatibleBitmap(target, Width(), Height())),
        select_(memory_.Get(), bitmap_.Get()) {
    SetViewportOrgEx(memory_.Get(), -area.left, -area.top, nullptr);
  }
  ~BufferedDc() {
    SetViewportOrgEx(memory_.Get(), 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, Width(), Height(), memory_.Get(), 0, 0, SRCCOPY);
  }
  BufferedDc(const BufferedDc&) = delete;
  BufferedDc& operator=(const BufferedDc&) = delete;
  HDC Get() const { return memory_.Get(); }

 private:
  int Width() const { return area_.right > area_.left ? area_.right - area_.left : 1; }
  int Height() const { return area_.bottom > area_.top ? area_.bottom - area_.top : 1; }
  HDC target_;
  RECT area_;
  MemoryDc memory_;
  OwnedBitmap bitmap_;
  SelectedObject select_;
};

// SaveDC and RestoreDC around a change of origin or clipping.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace qrv
