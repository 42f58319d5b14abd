#include "entry/caption_menu_button.h"

#include <windowsx.h>

#include <array>

#include "ui/gdi.h"

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

CaptionMenuButton::CaptionMenuButton(Form& form, bool keywordRemoval)
    : form_(form), keywordRemovalItem_(menu_, {.text = L"Subject Keyword Removal", .checked = keywordRemoval}) {
  findContactItem_.onClick = [this] {
    if (onFindContact) onFindContact();
  };
  checkNamesItem_.onClick = [this] {
    if (onCheckNames) onCheckNames();
  };
  printBodyItem_.onClick = [this] {
    if (onPrint) onPrint();
  };
  keywordRemovalItem_.onClick = [this] {
    keywordRemovalItem_.checked = !keywordRemovalItem_.checked;
    if (onKeywordRemoval) onKeywordRemoval(keywordRemovalItem_.checked);
  };
}

void CaptionMenuButton::Place() {
  const RECT rc = form_.WindowRect();
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  const int left = rc.right - rc.left - frame - 4 * width - 8, top = frame + 2;
  place_ = {left, top, left + width, top + height - 2};
}

void CaptionMenuButton::Draw() {
  Place();
  if (!form_.Visible()) return;
  WholeWindowDc dc(form_.Handle());
  if (!dc.Get()) return;
  RECT button = place_;
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

bool CaptionMenuButton::Hit(LPARAM screenPoint) const {
  const RECT rc = form_.WindowRect();
  const POINT at{GET_X_LPARAM(screenPoint) - rc.left, GET_Y_LPARAM(screenPoint) - rc.top};
  return PtInRect(&place_, at) != FALSE;
}

void CaptionMenuButton::OpenMenu() {
  const RECT rc = form_.WindowRect();
  menu_.Popup(form_, rc.left + place_.left, rc.top + place_.bottom);
}

bool CaptionMenuButton::FrameMessage(UINT msg, WPARAM wp, LPARAM lp, const std::function<LRESULT()>& standard,
                                     LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
      result = standard();
      Draw();
      return true;
    case WM_NCHITTEST:
      // A plain border: a click on the button neither moves nor maximises the window.
      result = standard();
      if (Hit(lp)) result = HTBORDER;
      return true;
    case WM_NCLBUTTONDOWN:
      if (wp != HTBORDER || !Hit(lp)) return false;
      OpenMenu();
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace qrv
