// Helpers of the form layer's tests: the message loop for a while, real key
// presses and clicks through SendInput, and a recorder for message boxes.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/gdi.h"
#include "ui/picture.h"

namespace qrv::testing {

struct Prompts {
  std::wstring text;
  MessageKind kind{};
  int count = 0;
};
inline Prompts prompts;

inline DialogResult RecordPrompt(const std::wstring& text, MessageKind kind, MessageButtons) {
  prompts = {text, kind, prompts.count + 1};
  return DialogResult::kOk;
}

// Drops files on a window as the shell does: the window owns the drop and frees it.
inline void DropFiles(HWND window, const std::vector<std::wstring>& files) {
  std::wstring names;
  for (const auto& file : files) names += file + L'\0';
  names += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Runs the message loop for a while.
inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application::Get().ProcessMessages();
    Sleep(5);
  } while (GetTickCount() < end);
}

inline void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// Types one character as the keyboard would, whatever the layout.
inline void TypeCharacter(wchar_t c) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wScan = input[1].ki.wScan = c;
  input[0].ki.dwFlags = KEYEVENTF_UNICODE;
  input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof input[0]);
}

// Presses each key in turn (held with `modifier` when given), pumping after each.
inline void PressKeys(std::initializer_list<WORD> keys, WORD modifier = 0) {
  for (WORD key : keys) {
    if (modifier) Key(modifier, false);
    Key(key, false);
    Key(key, true);
    if (modifier) Key(modifier, true);
    Pump(40);
  }
}

// The first shown top-level window of this thread that `matches` picks; null for none.
inline HWND FindThreadWindow(const std::function<bool(HWND)>& matches) {
  struct Search {
    const std::function<bool(HWND)>& matches;
    HWND found = nullptr;
  } search{matches};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (!IsWindowVisible(window) || !s.matches(window)) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Answers the next message box of the thread with a button (IDOK, IDCANCEL,
// ...): a thread timer finds the box among the thread's windows while the
// box's own loop runs, notes where it stands and posts the button's command;
// or presses a real key once the box is the active window.
struct AnsweredBox {
  int button = IDCANCEL;
  WORD key = 0;
  int waits = 0;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  RECT rect{};
};
inline AnsweredBox answeredBox;

inline void CALLBACK AnswerShownBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = FindThreadWindow([](HWND window) {
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
  });
  // A box that never becomes active is answered all the same, after 2 s.
  if (!box || (answeredBox.key && GetForegroundWindow() != box && ++answeredBox.waits < 40)) return;
  KillTimer(nullptr, timer);
  answeredBox.owner = GetWindow(box, GW_OWNER);
  answeredBox.ownerEnabled = IsWindowEnabled(answeredBox.owner) != FALSE;
  GetWindowRect(box, &answeredBox.rect);
  if (answeredBox.key && GetForegroundWindow() == box) {
    Key(answeredBox.key, false);
    Key(answeredBox.key, true);
  } else {
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answeredBox.button), 0);
  }
}

inline void AnswerNextBox(int button) {
  answeredBox = {.button = button};
  SetTimer(nullptr, 0, 50, AnswerShownBox);
}
inline void AnswerNextBoxByKey(WORD key) {
  answeredBox = {.button = IDOK, .key = key};
  SetTimer(nullptr, 0, 50, AnswerShownBox);
}

// A left click at a point of the screen.
inline void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Pump(20);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof input[0]);
  Pump(60);
}

// A left click in the middle of a window.
inline void ClickOn(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  ClickAt({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

// The left button pressed in the middle of a window and released below it, as
// a user who changes their mind: the window is pressed, not clicked.
inline void PressAndLeave(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  Pump(20);
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof press);
  Pump(40);
  SetCursorPos(rc.left + 10, rc.bottom + 40);
  Pump(40);
  press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &press, sizeof press);
  Pump(60);
}

// A window's class and text, for messages of failed checks (null: "(none)").
inline std::string Describe(HWND hwnd) {
  if (!hwnd) return "(none)";
  wchar_t name[64] = L"", text[64] = L"";
  GetClassNameW(hwnd, name, 64);
  GetWindowTextW(hwnd, text, 64);
  std::string out;
  for (const wchar_t c : std::wstring(name) + L" '" + text + L"'") out += static_cast<char>(c < 128 ? c : '?');
  return out;
}

// The first window below `parent` of a class (any case) whose style has all of
// `style`, or null.
inline HWND ChildOf(HWND parent, const wchar_t* className, LONG_PTR style = 0) {
  struct Search {
    const wchar_t* className;
    LONG_PTR style;
    HWND found = nullptr;
  } search{className, style};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM lp) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(lp);
        wchar_t name[64]{};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, s.className) != 0 || (GetWindowLongPtrW(child, GWL_STYLE) & s.style) != s.style)
          return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What `part` of a device context shows, in rows from the top.
inline std::vector<COLORREF> CopiedPixels(HDC dc, const RECT& part) {
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  MemoryDc memory(dc);
  OwnedBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bits) return {};
  {
    SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, dc, part.left, part.top, SRCCOPY);
    GdiFlush();
  }
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue);
  return pixels;
}

// What the screen shows of a window, in rows from the top.
inline std::vector<COLORREF> ScreenPixels(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const WindowDc screen(nullptr);
  return CopiedPixels(screen.Get(), rect);
}

}  // namespace qrv::testing
