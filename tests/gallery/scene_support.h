// What the scenes share: the message loop for a while, the DPI a scene was
// asked for, and the look at a window, also at one that runs a loop of its own
// (a modal form, a message box, a menu) from a timer while that loop runs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/gallery/scenes.h"
#include "ui/form.h"
#include "ui/image_list.h"

namespace qrv::gallery {

// Runs the message loop for a while.
void Pump(DWORD ms);
// Gives a form the scene's DPI (none: the system's stays).
void Scale(Form& form, UINT dpi);
// Brings a shown window to the front, paints it with its children and shows it to the viewer.
void Present(const Viewer& viewer, HWND window, const std::string& name, const std::string& title, bool ourForm = true);

// Pictures of plain colours, as the icons of an icon note.
void AddIconPictures(ImageList& pictures, int count);

// The keyword file the bar reads beside the program: a program that is not
// beside the bar's (a test program) has the factory file there while this lives.
class KeywordFileBeside {
 public:
  KeywordFileBeside();
  ~KeywordFileBeside();
  KeywordFileBeside(const KeywordFileBeside&) = delete;
  KeywordFileBeside& operator=(const KeywordFileBeside&) = delete;

 private:
  bool placed_ = false;
};

// Our form behind a window of ours; null for any other window.
Form* FormOf(HWND window);
// The first shown top-level window of this thread with this class ("#32770" a
// message box, "#32768" a menu) or caption; null for none.
// How many windows of this thread are shown: a scene that returns leaves none.
int ShownWindowsOfThread();
HWND ShownWindowOfClass(const wchar_t* className);
HWND ShownWindowCaptioned(const wchar_t* caption);

// Calls `look` once `find` answers a shown window, asked every few milliseconds
// while a loop runs, then `dismiss`, which ends that loop. Gives up after a few
// seconds, so that a window that never shows leaves no look waiting.
void WhenShown(std::function<HWND()> find, std::function<void(HWND)> look, std::function<void(HWND)> dismiss);

// Each is armed before the call that runs the loop. A message box: looked at,
// then answered with `button` (IDOK, IDNO...); `then` runs once it is answered
// (to arm the look at a box that follows it).
void LookAtNextBox(const Viewer& viewer, const std::string& name, const std::string& title, int button = IDOK,
                   const std::function<void()>& then = {});
// The next pop-up menu: looked at, then closed.
void LookAtNextMenu(const Viewer& viewer, const std::string& name, const std::string& title);
// The next modal form `find` answers: given the scene's DPI, looked at, then closed.
void LookAtNextModal(const Viewer& viewer, std::function<HWND()> find, const std::string& name,
                     const std::string& title, UINT dpi);
// Finders for it: the window with this caption, or one that `owner` owns.
std::function<HWND()> Captioned(const wchar_t* caption);
std::function<HWND()> OwnedBy(HWND owner);

}  // namespace qrv::gallery
