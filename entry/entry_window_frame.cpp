// The window's frame: the button painted into the caption bar, left of the
// standard caption buttons, that opens the subject menu; and the files the
// shell drops on the window.
#include <windows.h>

#include <windowsx.h>

#include <array>

#include "entry/entry_window.h"
#include "ui/gdi.h"
#include "ui/shell.h"

namespace qrv {
namespace {

struct Block {
  RECT area;  // in the 12 x 10 picture, right and bottom not included
  bool text;  // in the button-text colour, else in the caption-text colour
};

// The button's picture: a small menu sign drawn as blocks.
constexpr std::array<Block, 9> kMenuSign{{{{1, 1, 10, 4}, true},
                                          {{3, 3, 4, 9}, true},
                                          {{4, 8, 9, 9}, true},
                                          {{7, 4, 9, 9}, true},
                                          {{5, 5, 7, 6}, true},
                                          {{5, 7, 7, 8}, true},
                                          {{4, 4, 5, 8}, false},
                                          {{5, 4, 7, 5}, false},
                                          {{5, 6, 7, 7}, false}}};

}  // namespace

// Right of the caption's text, left of the room the standard buttons take.
void EntryWindow::PlaceCaptionButton() {
  const RECT rc = WindowRect();
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  const int left = rc.right - rc.left - frame - 4 * width - 8, top = frame + 2;
  captionButton_ = {left, top, left + width, top + height - 2};
}

void EntryWindow::DrawCaptionButton() {
  PlaceCaptionButton();
  if (!Visible()) return;
  WholeWindowDc dc(Handle());
  if (!dc.Get()) return;
  RECT button = captionButton_;
  DrawFrameControl(dc.Get(), &button, DFC_BUTTON, DFCS_BUTTONPUSH);
  MemoryDc memory(dc.Get());
  OwnedBitmap picture(CreateCompatibleBitmap(dc.Get(), 12, 10));
  SelectedObject selected(memory.Get(), picture.Get());
  const RECT whole{0, 0, 12, 10};
  FillRect(memory.Get(), &whole, GetSysColorBrush(COLOR_BTNFACE));
  for (const Block& block : kMenuSign)
    FillRect(memory.Get(), &block.area, GetSysColorBrush(block.text ? COLOR_BTNTEXT : COLOR_CAPTIONTEXT));
  StretchBlt(dc.Get(), button.left + 2, button.top + 2, button.right - button.left - 4, button.bottom - button.top - 4,
             memory.Get(), 0, 0, 12, 10, SRCCOPY);
}

bool EntryWindow::CaptionButtonClicked(LPARAM screenPoint) {
  const RECT rc = WindowRect();
  const POINT at{GET_X_LPARAM(screenPoint) - rc.left, GET_Y_LPARAM(screenPoint) - rc.top};
  return PtInRect(&captionButton_, at) != FALSE;
}

// The frame's messages; true when handled here, with the result.
bool EntryWindow::OnFrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
      result = Form::WndProc(msg, wp, lp);
      DrawCaptionButton();
      return true;
    case WM_NCHITTEST:
      // A plain border: a click on the button neither moves nor maximises the window.
      result = Form::WndProc(msg, wp, lp);
      if (CaptionButtonClicked(lp)) result = HTBORDER;
      return true;
    case WM_NCLBUTTONDOWN: {
      if (wp != HTBORDER || !CaptionButtonClicked(lp)) return false;
      const RECT rc = WindowRect();
      subjectMenu_.Popup(*this, rc.left + captionButton_.left, rc.top + captionButton_.bottom);
      result = 0;
      return true;
    }
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
    if (TypeButton() == EntryType::kTextDocument)
      TakeTextFile(path);
    else
      AddAttachment(path);
  }
}

}  // namespace qrv
