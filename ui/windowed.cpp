#include "ui/windowed.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/form.h"
#include "ui/layout.h"

namespace ui {

WindowedControl::WindowedControl(Form& owner, const LayoutRow& row, const wchar_t* window_class, DWORD style)
    : Control(owner, row), font_(row) {
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, window_class, row.caption,
                          WS_CHILD | WS_TABSTOP | style | (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED),
                          row.left, row.top, row.width, row.height, owner.Handle(), nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error("The control could not be created.");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  SetWindowSubclass(hwnd_, Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
}

WindowedControl::~WindowedControl() {
  RemoveWindowSubclass(hwnd_, Subclass, 1);
  DestroyWindow(hwnd_);
}

void WindowedControl::SetBounds(int left, int top, int width, int height) {
  Control::SetBounds(left, top, width, height);
  MoveWindow(hwnd_, left, top, width, height, TRUE);
}

void WindowedControl::SetVisible(bool visible) {
  Control::SetVisible(visible);
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void WindowedControl::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  EnableWindow(hwnd_, enabled);
}

// Alt and a key while the window has the focus: the form's buttons come first.
LRESULT CALLBACK WindowedControl::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_SYSCHAR) {
    auto* self = reinterpret_cast<WindowedControl*>(data);
    if (self->Owner().Accelerate(static_cast<wchar_t>(wp))) return 0;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// --- ListBox -------------------------------------------------------------------

ListBox::ListBox(Form& owner, const LayoutRow& row)
    : WindowedControl(owner, row, L"LISTBOX",
                      WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | ((row.style & kMultiSelect) ? LBS_MULTIPLESEL : 0)),
      multi_(row.style & kMultiSelect) {}

void ListBox::SetItems(const std::vector<std::wstring>& items) {
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::vector<std::wstring> ListBox::Items() const {
  std::vector<std::wstring> items;
  for (int i = 0, n = Count(); i < n; ++i) {
    const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, i, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length > 0) SendMessageW(Handle(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(std::move(text));
  }
  return items;
}

bool ListBox::Selected(int index) const {
  if (!multi_) return SendMessageW(Handle(), LB_GETCURSEL, 0, 0) == index;
  return SendMessageW(Handle(), LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  if (multi_) SendMessageW(Handle(), LB_SETSEL, selected, index);
  else if (selected || Selected(index)) SendMessageW(Handle(), LB_SETCURSEL, selected ? index : -1, 0);
}

void ListBox::SelectAll(bool selected) {
  if (multi_) SendMessageW(Handle(), LB_SETSEL, selected, -1);
  else if (!selected) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

std::vector<std::wstring> ListBox::SelectedItems() const {
  const std::vector<std::wstring> items = Items();
  std::vector<std::wstring> chosen;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (Selected(i)) chosen.push_back(items[static_cast<std::size_t>(i)]);
  }
  return chosen;
}

RECT ListBox::ItemRect(int index) const {
  RECT rc{};
  SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
  return rc;
}

void ListBox::Command(WORD code) {
  if (code == LBN_SELCHANGE) Click();
}

}  // namespace ui
