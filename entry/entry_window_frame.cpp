// The window's frame: the button painted into the caption bar, which opens
// the subject menu; and the files the shell drops on the window.
#include <windows.h>

#include "entry/entry_window.h"
#include "ui/shell.h"

namespace qrv {

// The frame's messages; true when handled here, with the result.
bool EntryWindow::OnFrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
      result = Form::WndProc(msg, wp, lp);
      captionButton_.Draw();
      return true;
    case WM_NCHITTEST:
      // A plain border: a click on the button neither moves nor maximises the window.
      result = Form::WndProc(msg, wp, lp);
      if (captionButton_.Hit(lp)) result = HTBORDER;
      return true;
    case WM_NCLBUTTONDOWN:
      if (wp != HTBORDER || !captionButton_.Hit(lp)) return false;
      captionButton_.OpenMenu();
      result = 0;
      return true;
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wp));
      result = 0;
      return true;
    default:
      return false;
  }
}

// A text document takes a dropped file as its subject and body; any other
// entry attaches the files.
void EntryWindow::DropFiles(HDROP drop) {
  for (const std::wstring& path : DroppedFiles(drop)) {
    if (typeButtons_.Down() == EntryType::kTextDocument)
      texts_.TakeTextFile(path);
    else
      AddAttachment(path);
  }
}

}  // namespace qrv
