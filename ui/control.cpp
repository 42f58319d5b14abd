#include "ui/control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/window.h"

namespace qrv {
namespace {

constexpr wchar_t kObjectProperty[] = L"QrvControl";

// The edges are scaled, not the sizes: controls that touch at 96 DPI touch at
// every DPI, where sizes rounded apart from their places would let one cover the next.
Bounds Scaled(const Container& parent, const Bounds& b) {
  const int left = parent.Scale(b.left), top = parent.Scale(b.top);
  return {left, top, parent.Scale(b.left + std::max(b.width, 0)) - left,
          parent.Scale(b.top + std::max(b.height, 0)) - top};
}

}  // namespace

// --- Container -------------------------------------------------------------------

SIZE Container::ClientSize96() const {
  RECT rc{};
  GetClientRect(ContainerHandle(), &rc);
  const SIZE design = DesignClientSize();
  // At the designed size exactly, keep the designed numbers (no rounding back and forth).
  const int width = rc.right == Scale(design.cx) ? design.cx : ScaleFromDpi(rc.right, Dpi());
  const int height = rc.bottom == Scale(design.cy) ? design.cy : ScaleFromDpi(rc.bottom, Dpi());
  return {width, height};
}

void Container::LayOutChildren() {
  for (Control* child : children_) child->Place();
}

void Container::RefreshChildFonts() {
  for (Control* child : children_) child->DpiChanged();
}

bool Container::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      Control* child = lp ? Control::FromHandle(reinterpret_cast<HWND>(lp)) : nullptr;
      if (!child) return false;
      child->HandleCommand(HIWORD(wp));
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      Control* child = Control::FromHandle(header->hwndFrom);
      return child && child->HandleNotify(*header, result);
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR: {
      Control* child = Control::FromHandle(reinterpret_cast<HWND>(lp));
      HBRUSH brush = child ? child->HandleCtlColor(reinterpret_cast<HDC>(wp)) : nullptr;
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      Control* child = item->CtlType == ODT_MENU ? nullptr : Control::FromHandle(item->hwndItem);
      if (!child || !child->HandleDrawItem(*item)) return false;
      result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      HWND window = item->CtlType == ODT_MENU ? nullptr : GetDlgItem(ContainerHandle(), static_cast<int>(wp));
      Control* child = window ? Control::FromHandle(window) : nullptr;
      if (!child || !child->HandleMeasureItem(*item)) return false;
      result = TRUE;
      return true;
    }
  }
  return false;
}

// --- Control ---------------------------------------------------------------------

Control::Control(Container& parent, const ControlBasics& basics)
    : anchors(basics.anchors), parent_(parent), bounds_(basics.bounds) {
  static int frames = 0;
  if (basics.frame) {
    frameOrder_ = ++frames;
    parent.holdsFrames_ = true;
  }
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | basics.style | (basics.visible ? WS_VISIBLE : 0) |
                      (basics.enabled ? 0 : WS_DISABLED);
  const int id = basics.id ? basics.id : parent.NextControlId();
  SetLastError(ERROR_SUCCESS);
  placed_ = Scaled(parent, bounds_);
  hwnd_ = CreateWindowExW(basics.exStyle, basics.className, basics.text.c_str(), style, placed_.left, placed_.top,
                          placed_.width, placed_.height, basics.window ? basics.window : parent.ContainerHandle(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error(LastErrorText("The control could not be created."));
  SetPropW(hwnd_, kObjectProperty, this);
  SetWindowSubclass(hwnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  parent_.children_.push_back(this);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font_, parent_.Dpi())), FALSE);
  // A new window goes below its siblings: a frame made before it goes below it
  // again. Most containers hold none, and looking costs a call per sibling.
  if (parent_.holdsFrames_) KeepFramesBelow(GetParent(hwnd_));
}

void Control::KeepFramesBelow(HWND parent) {
  std::vector<const Control*> frames;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const Control* control = FromHandle(w);
    if (control && control->frameOrder_) frames.push_back(control);
  }
  // The frame made first lies lowest, so that a frame within a frame shows too.
  std::sort(frames.begin(), frames.end(),
            [](const Control* a, const Control* b) { return a->frameOrder_ > b->frameOrder_; });
  for (const Control* frame : frames)
    SetWindowPos(frame->hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

Control::~Control() {
  std::erase(parent_.children_, this);
  if (!hwnd_) return;
  RemoveWindowSubclass(hwnd_, SubclassProc, 1);
  RemovePropW(hwnd_, kObjectProperty);
  DestroyWindow(hwnd_);
}

Control* Control::FromHandle(HWND hwnd) { return static_cast<Control*>(GetPropW(hwnd, kObjectProperty)); }

LRESULT Control::WndProc(UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept {
  auto* self = reinterpret_cast<Control*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProc, 1);
    RemovePropW(hwnd, kObjectProperty);
    self->hwnd_ = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  try {
    return self->WndProc(msg, wp, lp);
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
}

void Control::RefuseFocus(HWND previous) {
  const HWND form = parent_.OwnerForm().Handle();
  const Control* other = previous ? FromHandle(previous) : nullptr;
  const bool back = previous && previous != hwnd_ && IsWindow(previous) && IsChild(form, previous) &&
                    IsWindowVisible(previous) && IsWindowEnabled(previous) && (!other || other->TakesFocus());
  SetFocus(back ? previous : form);
}

void Control::SetBounds(const Bounds& bounds) {
  bounds_ = bounds;
  Place();
}

RECT Control::PlacedRect() const {
  RECT rc{};
  GetWindowRect(hwnd_, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

void Control::Place() {
  const SIZE now = parent_.ClientSize96();
  const SIZE design = parent_.DesignClientSize();
  const int dx = now.cx - design.cx, dy = now.cy - design.cy;
  Bounds b = bounds_;
  if (anchors.right) (anchors.left ? b.width : b.left) += dx;
  if (anchors.bottom) (anchors.top ? b.height : b.top) += dy;
  const Bounds place = Scaled(parent_, b);
  if (place == placed_) return;
  placed_ = place;
  SetWindowPos(hwnd_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Control::SetText(const std::wstring& text, Notify notify) {
  {
    QuietScope quiet(*this);
    SetWindowTextW(hwnd_, text.c_str());
  }
  if (notify == Notify::kYes) TextChanged();
}

void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

bool Control::Visible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void Control::SetFont(const FontChoice& font) {
  font_ = font;
  DpiChanged();
}

void Control::SetRedraw(bool redraw) {
  Send(WM_SETREDRAW, redraw ? TRUE : FALSE);
  if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::DpiChanged() { Send(WM_SETFONT, reinterpret_cast<WPARAM>(CachedFont(font_, parent_.Dpi())), TRUE); }

void Control::SetHint(const std::wstring& hint) { parent_.OwnerForm().SetHint(hwnd_, hint); }

}  // namespace qrv
