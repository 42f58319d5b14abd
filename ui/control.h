// Controls: real child windows, each kept as a typed member of its form or
// panel and created in declaration order (which is also the Tab order). A
// control's object is found from its window through a window property; the
// container reflects the notifications a child sends (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM) to it, and it fires its typed
// events. Events fire for what the user does; a change the program makes fires
// none unless the caller asks with Notify::kYes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/dpi.h"

namespace qrv {

class Control;
class Form;

// A place in pixels at 96 DPI, relative to the parent's client area.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

// Which edges of its parent a control keeps its distance to when the parent
// is resized; left and right together stretch it.
struct Anchors {
  bool left = true;
  bool top = true;
  bool right = false;
  bool bottom = false;
};

// Whether a change made by the program fires the control's event.
enum class Notify { kNo, kYes };

// A window that holds controls: a form or a panel.
class Container {
 public:
  virtual ~Container() = default;
  virtual HWND ContainerHandle() const = 0;
  virtual UINT Dpi() const = 0;
  virtual Form& OwnerForm() = 0;
  // The client size the children's bounds were designed for, at 96 DPI.
  virtual SIZE DesignClientSize() const = 0;

  int Scale(int designPixels) const { return ScaleToDpi(designPixels, Dpi()); }
  // The client size now, at 96 DPI.
  SIZE ClientSize96() const;
  const std::vector<Control*>& Children() const { return children_; }
  // Places every child for the current size and DPI, and gives it its font.
  void LayOutChildren();
  void RefreshChildFonts();
  int NextControlId() { return nextId_++; }

 protected:
  // A notification of a child window goes to the child's object; true when handled.
  bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  friend class Control;
  std::vector<Control*> children_;
  int nextId_ = 1000;
  bool holdsFrames_ = false;  // a frame was made in it
};

// What every kind of control hands to the base.
struct ControlBasics {
  const wchar_t* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  int id = 0;             // 0: the container gives one
  HWND window = nullptr;  // the parent window, when not the container's own
  // A frame around the controls made after it (a group box): it lies below
  // its siblings, so that it neither hides nor clips them. The Tab order and
  // the radio groups stay as declared (a frame is no tab stop and starts no group).
  bool frame = false;
};

// The basics of a kind (its class, styles and whatever else is its own) with
// the fields every kind's arguments share: bounds, anchors, visible, and
// enabled and text where the kind has them.
template <class Args>
ControlBasics BasicsOf(const Args& args, ControlBasics kind) {
  kind.bounds = args.bounds;
  kind.anchors = args.anchors;
  if constexpr (requires { args.visible; }) kind.visible = args.visible;
  if constexpr (requires { args.enabled; }) kind.enabled = args.enabled;
  if constexpr (requires { args.text; }) kind.text = args.text;
  return kind;
}

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  static Control* FromHandle(HWND hwnd);
  HWND Handle() const { return hwnd_; }
  Container& Parent() const { return parent_; }
  int Id() const { return GetDlgCtrlID(hwnd_); }

  const Bounds& DesignBounds() const { return bounds_; }
  void SetBounds(const Bounds& bounds);
  Anchors anchors{};
  // Puts the window where its bounds, anchors and the parent's DPI say; a
  // window already there is left alone (moving one costs its messages even
  // when nothing changes, and a form lays out all its controls on every size).
  virtual void Place();
  // The place of the window in its parent's client area, in pixels.
  RECT PlacedRect() const;

  std::wstring Text() const;
  void SetText(const std::wstring& text, Notify notify = Notify::kNo);
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled);
  // Whether the control itself is shown (its form may be hidden).
  bool Visible() const;
  void SetVisible(bool visible);
  void Focus() { SetFocus(hwnd_); }
  bool Focused() const { return GetFocus() == hwnd_; }
  // False for controls that never keep the focus (toolbar buttons, drawn
  // controls): the form neither gives it to them nor gives it back to them.
  virtual bool TakesFocus() const { return true; }
  // Another font than the form's (a face, size or weight of its own).
  void SetFont(const FontChoice& font);
  HFONT FontHandle() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
  // Off, changes are not drawn (many at once); on again, the whole control is drawn anew.
  void SetRedraw(bool redraw);
  // Text shown under the mouse after a pause, while the form shows hints.
  void SetHint(const std::wstring& hint);
  virtual void DpiChanged();

  // Reflected notifications, in the control's own terms.
  virtual void HandleCommand(WORD) {}
  virtual bool HandleNotify(NMHDR&, LRESULT&) { return false; }
  virtual HBRUSH HandleCtlColor(HDC) { return nullptr; }
  virtual bool HandleDrawItem(DRAWITEMSTRUCT&) { return false; }
  virtual bool HandleMeasureItem(MEASUREITEMSTRUCT&) { return false; }

 protected:
  Control(Container& parent, const ControlBasics& basics);
  // Messages of the window itself; the base passes them on to the system class.
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  // For a control that never keeps the focus, given it: passes it back to the
  // window of its form that had it (`previous`), else to the form.
  void RefuseFocus(HWND previous);
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }
  // Called after SetText with Notify::kYes.
  virtual void TextChanged() {}

  // While one exists, the control is being changed by the program: events stay quiet.
  class QuietScope {
   public:
    explicit QuietScope(Control& control) : control_(control) { ++control_.quiet_; }
    ~QuietScope() { --control_.quiet_; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

   private:
    Control& control_;
  };
  bool Quiet() const { return quiet_ > 0; }
  // Runs an event handler for the user's action.
  template <class Event, class... Args>
  void Fire(const Event& event, Args&&... args) {
    if (!Quiet() && event) event(std::forward<Args>(args)...);
  }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept;
  // Puts the frames among the parent window's children below the others.
  static void KeepFramesBelow(HWND parent);
  Container& parent_;
  int frameOrder_ = 0;  // frames: in the order they were made, from 1
  Bounds bounds_;
  Bounds placed_;  // in pixels, as last asked of the system
  HWND hwnd_ = nullptr;
  FontChoice font_;
  int quiet_ = 0;
};

}  // namespace qrv
