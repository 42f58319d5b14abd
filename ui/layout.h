// Forms are built from small layout tables: one row per control, positions and
// sizes in pixels, and tables that bind the controls' events to the form's
// handlers by name.
#pragma once

#include <initializer_list>
#include <stdexcept>

#include "ui/control.h"
#include "ui/form.h"

namespace ui {

// Style bits of a layout row.
enum RowStyle : unsigned {
  kHidden = 1,
  kDisabled = 2,
  kBold = 4,
  kTransparent = 8,  // pictures: leave out the bottom-left colour
  kCentered = 16,    // text: centred in the control
  kMultiSelect = 32, // lists: each click toggles one entry
  kChecked = 64,     // menu items: ticked
};

using MakeControl = Control& (*)(Form&, const LayoutRow&);

struct LayoutRow {
  const wchar_t* name;
  MakeControl make;
  int left, top, width, height;
  const wchar_t* caption = L"";
  unsigned style = 0;
  int tag = 0;
  const wchar_t* hint = L"";
  const wchar_t* picture = nullptr;  // bitmap resource
  const wchar_t* data = nullptr;     // raw data resource
  const wchar_t* font = L"Tahoma";
  int font_size = 8;  // points
  const wchar_t* parent = nullptr;  // menu items: the menu or item they belong to
};

template <class T>
Control& Make(Form& form, const LayoutRow& row) {
  return form.Adopt(std::make_unique<T>(form, row));
}

inline void BuildLayout(Form& form, std::initializer_list<LayoutRow> rows) {
  for (const auto& row : rows) row.make(form, row);
}

// Event bindings: control name and a handler of the form class F.
template <class F>
struct ClickBinding {
  const wchar_t* control;
  void (F::*handler)(Control&);
};
template <class F>
struct MouseBinding {
  const wchar_t* control;
  void (F::*handler)(Control&, MouseButton, int, int);
};

template <class F>
void BindClicks(F& form, std::initializer_list<ClickBinding<F>> bindings) {
  for (const auto& b : bindings) {
    form.FindControl(b.control).OnClick = [&form, h = b.handler](Control& sender) { (form.*h)(sender); };
  }
}

template <class F>
void BindMouseUps(F& form, std::initializer_list<MouseBinding<F>> bindings) {
  for (const auto& b : bindings) {
    form.FindControl(b.control).OnMouseUp = [&form, h = b.handler](Control& sender, MouseButton button, int x,
                                                                   int y) { (form.*h)(sender, button, x, y); };
  }
}

}  // namespace ui
