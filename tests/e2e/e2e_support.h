// What the end-to-end tests drive the real Quorvel.exe with under Wine: the
// process, its windows, the mouse and the settings key.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// A program of the build's application folder, as Wine sees it.
std::wstring AppProgram(const wchar_t* name);

class Process {
 public:
  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();
  // Starts the program with arguments; environment variables are inherited.
  static Process Start(const std::wstring& program, const std::wstring& args);
  // Takes over a process handle another started (the shell, for instance).
  static Process Adopt(HANDLE process);
  bool Running() const;
  bool WaitForExit(DWORD ms) const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// Starts the bar and waits until it stands collapsed at the screen's edge; its
// window, or null when it did not come up within 20 seconds.
HWND StartBar(Process& bar, const std::wstring& args = L"");

// Waits until the condition holds; false when it did not within four times ms
// (the time this machine needs, with room for a loaded one).
bool WaitFor(const std::function<bool()>& condition, DWORD ms);

// Types text and presses keys (xdotool's names: "ctrl+s") through the test's X
// display, as a user's keyboard would; false when xdotool could not run.
bool XType(const std::wstring& text);
bool XKeys(const std::wstring& keys);
// Gives the X display's keyboard to the window with this title, where a
// message box that went has left it nowhere (no window manager runs here).
bool XFocus(const std::wstring& title);

// Whether the foreground window is a window of the bar's: one it owns, directly
// or through its owners, or a message box of its process (boxes have no owner).
bool ForegroundOwnedBy(HWND owner);

// The bar's window (titled "QV") of a process, or null.
HWND FindBar(DWORD processId);
// Waits until the process's bar stands shown and collapsed; its window, or null.
HWND WaitForCollapsedBar(const Process& bar, DWORD ms);
// A message box of a process with this caption ("Warning", "Information"), or
// null.
HWND FindMessageBox(DWORD processId, const wchar_t* caption);
RECT WindowRect(HWND hwnd);
inline int WidthOf(HWND hwnd) {
  const RECT r = WindowRect(hwnd);
  return r.right - r.left;
}

// Real input through the system: move the pointer, press and release a button.
void MoveMouse(int x, int y);
void Click(int x, int y, bool right = false);
// Presses and releases a button where the pointer is, and returns at once.
void PressButton(bool right = false);
// Presses the left button at `from`, moves to `to` in steps and lets go.
void Drag(POINT from, POINT to);
// Presses and releases keys, one after the other.
void PressKeys(std::initializer_list<WORD> keys);

// A visible top-level window of a class ("#32770" for a message box), and of a
// title when one is given, that a process shows, or null; with `shown` false, a
// hidden one.
HWND FindWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* title = nullptr, bool shown = true);
// A visible top-level window of a process that holds a child of a class
// ("LISTBOX" for the categories dialog), or null.
HWND FindWindowWithChild(DWORD processId, const wchar_t* childClass);
// The text of a message box, and the answer given to it (IDOK, IDYES, IDNO).
std::wstring MessageText(HWND box);
void Answer(HWND box, int button);

// The settings key: replaced by the given values (none: no key at all), or read.
void ResetSettings(const std::map<std::wstring, std::wstring>& values);
std::wstring ReadSetting(const wchar_t* name);
// The values a first start of the bar writes itself, with a short idle time.
std::map<std::wstring, std::wstring> DefaultSettings(const wchar_t* idleSeconds);

// Hears the hand-offs a second bar broadcasts to every top-level window, as the
// running bar does: a hidden top-level window of the test process. It hears
// them while the test waits (WaitFor and Process::WaitForExit handle the test
// thread's messages).
class HandOffListener {
 public:
  HandOffListener();
  ~HandOffListener();
  HandOffListener(const HandOffListener&) = delete;
  HandOffListener& operator=(const HandOffListener&) = delete;
  // The paths handed over so far.
  const std::vector<std::wstring>& Paths() const { return paths_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND window_ = nullptr;
  std::vector<std::wstring> paths_;
};

}  // namespace e2e
