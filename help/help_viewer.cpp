#include "help/help_viewer.h"

#include "core/bar_windows.h"
#include "ui/app.h"
#include "ui/dpi.h"
#include "ui/resource.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// A link clicked: the page changes once the page view is done with the click.
constexpr UINT kShowPageMessage = WM_APP + 1;

// The least size of the viewer, in pixels at 96 DPI.
constexpr SIZE kMinimumSize{401, 430};

HelpViewer* openViewer = nullptr;

}  // namespace

const HelpBook& ProgramHelpBook() {
  static const HelpBook kBook = [] {
    const auto data = ResourceData(L"HELPPAGES");
    return HelpBook::Parse({reinterpret_cast<const char*>(data.data()), data.size()});
  }();
  return kBook;
}

HelpViewer* OpenHelpViewer() { return openViewer; }

HelpViewer::HelpViewer(Form& owner)
    : Form({.caption = L"Quorvel Help", .clientSize = {394, 530}, .style = FormStyle::kSizable, .owner = &owner}),
      book_(ProgramHelpBook()) {
  closeAction = CloseAction::kFree;
  menu_.Attach();
  exitItem_.onClick = [this] { Close(); };
  contentsButton_.onClick = [this] { ShowContents(); };
  backButton_.onClick = [this] { GoBack(); };
  page_.onLink = [this](int target) { PostMessageW(Handle(), kShowPageMessage, static_cast<WPARAM>(target), 0); };
  openViewer = this;
}

HelpViewer::~HelpViewer() {
  if (openViewer == this) openViewer = nullptr;
}

bool HelpViewer::ShowPage(int page) {
  const HelpPage* found = book_.Find(page);
  if (!found) return false;
  Display(*found);
  history_.Push(page);
  EnableBack();
  return true;
}

void HelpViewer::GoBack() {
  if (const auto page = history_.Back()) {
    if (const HelpPage* found = book_.Find(*page)) Display(*found);
  }
  EnableBack();
}

// Back, pressed on the first page of the history, gives the keyboard to the
// page rather than keep it on a button that no longer takes keys.
void HelpViewer::EnableBack() {
  const bool canGoBack = history_.CanGoBack();
  if (!canGoBack && GetFocus() == backButton_.Handle()) page_.Focus();
  backButton_.SetEnabled(canGoBack);
}

void HelpViewer::Display(const HelpPage& page) {
  header_.SetText(Widen(page.header));
  page_.ShowPage(page);
}

void HelpViewer::PlaceBeside(const Form& bar) {
  // The bar's rule of places is in pixels at 96 DPI.
  const auto design = [this](int pixels) { return ScaleFromDpi(pixels, Dpi()); };
  const int width = WindowRect().right - WindowRect().left;
  const HelpViewerPlace place =
      PlaceHelpViewer(design(width), design(bar.WindowRect().top),
                      {design(GetSystemMetrics(SM_CXSCREEN)), design(GetSystemMetrics(SM_CYSCREEN))});
  // At the bar's top exactly, not rounded through 96 DPI and back.
  const int top = place.top == design(bar.WindowRect().top) ? bar.WindowRect().top : Scale(place.top);
  SetWindowRect(Scale(place.left), top, width, Scale(place.height));
}

LRESULT HelpViewer::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kShowPageMessage:
      ShowPage(static_cast<int>(wp));
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {Scale(kMinimumSize.cx), Scale(kMinimumSize.cy)};
      return 0;
    }
  }
  return Form::WndProc(msg, wp, lp);
}

// The page sees Tab, Shift+Tab and Enter before the dialog keys do: they move
// between its links and follow one.
bool HelpViewer::PreTranslate(MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.hwnd == page_.Handle() && OnPageKey(msg.wParam);
}

bool HelpViewer::OnPageKey(WPARAM key) {
  if (key == VK_RETURN) return page_.FollowSelectedLink();
  if (key != VK_TAB) return false;
  const bool back = GetKeyState(VK_SHIFT) < 0;
  // Past the last link (or before the first) Tab goes on to the buttons.
  if (!page_.SelectLink(!back)) {
    if (HWND next = GetNextDlgTabItem(Handle(), page_.Handle(), back)) SetFocus(next);
  }
  return true;
}

HelpViewer& ShowHelp(Form& bar, int page) {
  HelpViewer& viewer = openViewer ? *openViewer : bar.CreateOwned<HelpViewer>();
  if (!viewer.Visible()) viewer.PlaceBeside(bar);
  viewer.ShowPage(page);
  ShowWindow(viewer.Handle(), IsIconic(viewer.Handle()) ? SW_RESTORE : SW_SHOWNORMAL);
  viewer.Show();
  SetForegroundWindow(viewer.Handle());
  return viewer;
}

}  // namespace qrv
