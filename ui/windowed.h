// Controls that are windows of their own (child windows of the form), for what
// drawn controls cannot do: keyboard focus, selection, scrolling. The form
// routes their notifications back to them, and Alt with a key marked in a
// caption reaches the form's buttons while one of them has the focus.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class WindowedControl : public Control {
 public:
  WindowedControl(Form& owner, const LayoutRow& row, const wchar_t* window_class, DWORD style);
  ~WindowedControl() override;

  HWND Handle() const { return hwnd_; }
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  // A notification code of WM_COMMAND from the window.
  virtual void Command(WORD) {}

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data);
  RowFont font_;
  HWND hwnd_;
};

// A list box of text entries. With kMultiSelect each click toggles one entry;
// otherwise one entry at a time is selected. OnClick follows every change of
// the selection by the user.
class ListBox : public WindowedControl {
 public:
  ListBox(Form& owner, const LayoutRow& row);

  void SetItems(const std::vector<std::wstring>& items);
  std::vector<std::wstring> Items() const;
  int Count() const;
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  void SelectAll(bool selected);
  // The selected entries' texts in list order.
  std::vector<std::wstring> SelectedItems() const;
  // The entry's place in the list box's client area.
  RECT ItemRect(int index) const;
  void Command(WORD code) override;

 private:
  bool multi_;
};

}  // namespace ui
