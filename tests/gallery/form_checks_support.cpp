#include "form_checks_support.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/app.h"

namespace qrv::checks {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

bool IsFrame(HWND control) {
  return ClassOf(control) == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

std::string KindOf(HWND control) {
  const std::wstring name = ClassOf(control);
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (name == L"Button") {
    if (type == BS_GROUPBOX) return "group box";
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE)
      return "check box";
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return "radio button";
    return "button";
  }
  if (name == L"Static") return "label";
  if (name == L"Edit") return "edit box";
  if (name == L"ComboBox") return "combo box";
  if (name == L"ListBox") return "list box";
  if (name == WC_TABCONTROLW) return "tab control";
  if (name == WC_LISTVIEWW) return "list view";
  std::string kind = "window of class ";
  for (wchar_t c : name) kind += static_cast<char>(c < 128 ? c : '?');
  return kind;
}

RECT RectInForm(HWND form, HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT VisibleRect(HWND form, HWND control) {
  RECT r = RectInForm(form, control);
  for (HWND parent = GetParent(control); parent; parent = GetParent(parent)) {
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, form, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&r, &r, &client);
    if (parent == form) break;
  }
  return r;
}

std::vector<HWND> VisibleControls(HWND form) {
  std::vector<HWND> controls;
  EnumChildWindows(
      form,
      [](HWND child, LPARAM data) -> BOOL {
        if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  return controls;
}

void Settle(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application::Get().ProcessMessages();
    Sleep(2);
  } while (GetTickCount() < end);
}

}  // namespace qrv::checks
