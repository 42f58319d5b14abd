// The help viewer under Wine with the pages built into this test program:
// opened on a page and reused, links clicked with the mouse or reached with
// Tab and followed with Enter, Back and Contents, closed and opened again,
// placed beside the bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "help/help_viewer.h"
#include "ui/app.h"
#include "ui/wide.h"
#include "ui_test_support.h"

namespace {

using qrv::testing::Pump;

class HelpViewerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (qrv::HelpViewer* viewer = qrv::OpenHelpViewer()) viewer->Close();
    Pump(50);
  }
  std::wstring Header(int page) { return qrv::Widen(qrv::ProgramHelpBook().Find(page)->header); }
  // The page's selection, first and last character.
  static std::pair<long, long> Selection(HWND page) {
    CHARRANGE range{};
    SendMessageW(page, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return {range.cpMin, range.cpMax};
  }
  // A click on a character of the page.
  static void ClickCharacter(HWND page, long character) {
    POINTL at{};
    SendMessageW(page, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), character);
    POINT screen{at.x + 2, at.y + 4};
    ClientToScreen(page, &screen);
    qrv::testing::ClickAt(screen);
  }
  // Clicks the link of the page shown that leads to a page.
  void ClickLinkTo(qrv::HelpViewer& viewer, int target) {
    qrv::HelpPageView& view = viewer.PageView();
    for (const auto& link : view.Links()) {
      if (link.target != target) continue;
      // Scrolled into view first, as a user would.
      SendMessageW(view.Handle(), EM_SETSEL, static_cast<WPARAM>(link.start), link.start);
      SendMessageW(view.Handle(), EM_SCROLLCARET, 0, 0);
      Pump(30);
      ClickCharacter(view.Handle(), link.start + 1);
      Pump(80);
      return;
    }
    ADD_FAILURE() << "no link to page " << target;
  }
  qrv::Form bar_{{.caption = L"bar", .clientSize = {40, 300}}};
};

TEST_F(HelpViewerTest, OpensOnAPageAndTheOpenViewerTurnsToTheNext) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 4);
  Pump(50);
  EXPECT_TRUE(viewer.Visible());
  EXPECT_EQ(viewer.Caption(), L"Quorvel Help");
  EXPECT_EQ(viewer.HeaderText(), L"Using the Information Item Window");
  EXPECT_FALSE(viewer.BackButton().Enabled());
  EXPECT_EQ(&qrv::ShowHelp(bar_, 43), &viewer);
  EXPECT_EQ(viewer.HeaderText(), Header(43));
  EXPECT_TRUE(viewer.BackButton().Enabled());
  // A number without a page changes nothing and is not remembered.
  EXPECT_EQ(&qrv::ShowHelp(bar_, 8), &viewer);
  EXPECT_FALSE(viewer.ShowPage(-1));
  EXPECT_EQ(viewer.CurrentPage(), 43);
  EXPECT_EQ(viewer.History().Size(), 2u);
  viewer.GoBack();
  EXPECT_EQ(viewer.HeaderText(), Header(4));
  EXPECT_FALSE(viewer.BackButton().Enabled());
}

TEST_F(HelpViewerTest, ClickedLinkShowsItsPageAndBackReturns) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 4);
  Pump(100);
  ClickLinkTo(viewer, 41);
  EXPECT_EQ(viewer.CurrentPage(), 41);
  EXPECT_EQ(viewer.HeaderText(), L"Information Item Window: Creating");
  qrv::testing::ClickOn(viewer.BackButton().Handle());
  EXPECT_EQ(viewer.CurrentPage(), 4);
  EXPECT_FALSE(viewer.BackButton().Enabled());
  // The keyboard is not left on the button that gave up: the page has it.
  EXPECT_EQ(GetFocus(), viewer.PageView().Handle());
  // Links lead on through pages; the page shown again adds nothing.
  ClickLinkTo(viewer, 42);
  ClickLinkTo(viewer, 43);
  EXPECT_EQ(viewer.HeaderText(), Header(43));
  viewer.ShowPage(43);
  EXPECT_EQ(viewer.History().Size(), 3u);
  // Contents, and Back returns to the page before it.
  qrv::testing::ClickOn(viewer.ContentsButton().Handle());
  EXPECT_EQ(viewer.HeaderText(), L"Help Contents");
  viewer.BackButton().Click();
  EXPECT_EQ(viewer.CurrentPage(), 43);
}

TEST_F(HelpViewerTest, TabAndShiftTabMoveBetweenTheLinksAndEnterFollowsOne) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 4);
  Pump(100);
  qrv::HelpPageView& view = viewer.PageView();
  const auto links = view.Links();
  ASSERT_GE(links.size(), 3u);
  const auto selected = [&] { return Selection(view.Handle()); };
  view.Focus();
  // Enter with no link selected goes nowhere.
  qrv::testing::PressKeys({VK_RETURN});
  Pump(50);
  EXPECT_EQ(viewer.CurrentPage(), 4);
  qrv::testing::PressKeys({VK_TAB, VK_TAB, VK_TAB});
  EXPECT_EQ(selected(), std::make_pair(links[2].start, links[2].end));
  qrv::testing::PressKeys({VK_TAB}, VK_SHIFT);
  EXPECT_EQ(selected(), std::make_pair(links[1].start, links[1].end));
  EXPECT_EQ(GetFocus(), view.Handle());
  qrv::testing::PressKeys({VK_RETURN});
  Pump(80);
  EXPECT_EQ(viewer.CurrentPage(), links[1].target);
  EXPECT_EQ(viewer.HeaderText(), Header(links[1].target));

  // Past the last link Tab leaves the page for the buttons.
  viewer.ShowPage(4);
  view.Focus();
  for (std::size_t n = 0; n < links.size(); ++n) qrv::testing::PressKeys({VK_TAB});
  EXPECT_EQ(selected(), std::make_pair(links.back().start, links.back().end));
  qrv::testing::PressKeys({VK_TAB});
  EXPECT_NE(GetFocus(), view.Handle());
  EXPECT_TRUE(GetFocus() == viewer.ContentsButton().Handle() || GetFocus() == viewer.BackButton().Handle());
  EXPECT_EQ(viewer.CurrentPage(), 4);
  // Tab on into the page keeps its selection: the text is not selected whole.
  for (int n = 0; n < 3 && GetFocus() != view.Handle(); ++n) qrv::testing::PressKeys({VK_TAB});
  ASSERT_EQ(GetFocus(), view.Handle());
  EXPECT_EQ(selected(), std::make_pair(links.back().start, links.back().end));
}

// The page is read, not typed in: no caret shows in it after a click, a key or
// the focus coming back, while the arrows and Page Down scroll it, Tab reaches
// its links and Shift with an arrow selects text to copy.
TEST_F(HelpViewerTest, ThePageShowsNoCaretAndItsKeysScrollIt) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 43);
  Pump(100);
  qrv::HelpPageView& view = viewer.PageView();
  const HWND page = view.Handle();
  const auto caretInPage = [&] {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(GetCurrentThreadId(), &thread) && thread.hwndCaret == page;
  };
  const auto firstLine = [&] { return SendMessageW(page, EM_GETFIRSTVISIBLELINE, 0, 0); };
  ClickCharacter(page, 3);
  Pump(50);
  ASSERT_EQ(GetFocus(), page);
  EXPECT_FALSE(caretInPage());
  qrv::testing::PressKeys({VK_DOWN, VK_DOWN, VK_DOWN});
  const auto scrolled = firstLine();
  EXPECT_GE(scrolled, 2);
  qrv::testing::PressKeys({VK_UP});
  EXPECT_EQ(firstLine(), scrolled - 1);
  EXPECT_FALSE(caretInPage());
  qrv::testing::PressKeys({VK_NEXT});
  EXPECT_GT(firstLine(), 3);
  EXPECT_FALSE(caretInPage());
  qrv::testing::PressKeys({VK_DOWN}, VK_SHIFT);
  EXPECT_LT(Selection(page).first, Selection(page).second);
  qrv::testing::PressKeys({VK_TAB});
  const auto link = Selection(page);
  EXPECT_TRUE(std::ranges::any_of(view.Links(), [&](const auto& l) { return std::pair(l.start, l.end) == link; }));
  EXPECT_FALSE(caretInPage());
  // The focus leaves the page and comes back to it.
  viewer.ContentsButton().Focus();
  view.Focus();
  Pump(50);
  EXPECT_FALSE(caretInPage());
}

TEST_F(HelpViewerTest, ClosedViewerIsFreedAndOpensAgainWithAnEmptyHistory) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 0);
  viewer.ShowPage(5);
  viewer.ExitItem().onClick();
  Pump(100);
  EXPECT_EQ(qrv::OpenHelpViewer(), nullptr);
  qrv::HelpViewer& again = qrv::ShowHelp(bar_, 5);
  EXPECT_EQ(again.History().Size(), 1u);
  EXPECT_FALSE(again.BackButton().Enabled());
  // Esc closes it, also from the page.
  again.PageView().Focus();
  qrv::testing::PressKeys({VK_ESCAPE});
  Pump(100);
  EXPECT_EQ(qrv::OpenHelpViewer(), nullptr);
}

TEST_F(HelpViewerTest, NewViewerIsPlacedBesideTheBarAndAShownOneKeepsItsPlace) {
  bar_.SetWindowRect(0, 120, 40, 300);
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 0);
  Pump(50);
  RECT placed = viewer.WindowRect();
  const int scale = static_cast<int>(viewer.Dpi());
  EXPECT_EQ(placed.left, MulDiv(395, scale, 96));
  EXPECT_EQ(placed.top, 120);
  EXPECT_EQ(placed.bottom - placed.top, MulDiv(430, scale, 96));
  viewer.SetWindowRect(200, 10, 500, 500);
  qrv::ShowHelp(bar_, 1);
  placed = viewer.WindowRect();
  EXPECT_EQ(placed.left, 200);
  EXPECT_EQ(placed.bottom - placed.top, 500);
}

// The pixels near the bar's face colour that the page view shows on the screen.
int BarFacePixelsShown(HWND view) {
  RECT area{};
  GetWindowRect(view, &area);
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (int y = area.top; y < area.bottom; y += 2) {
    for (int x = area.left; x < area.right; x += 2) {
      const COLORREF pixel = GetPixel(screen, x, y);
      count += std::abs(GetRValue(pixel) - 32) < 12 && std::abs(GetGValue(pixel) - 36) < 12 &&
               std::abs(GetBValue(pixel) - 46) < 12;
    }
  }
  ReleaseDC(nullptr, screen);
  return count;
}

TEST_F(HelpViewerTest, PagesShowTheirPicturesOfTheProgramsWindows) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 2);
  SetWindowPos(viewer.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump(100);
  EXPECT_EQ(BarFacePixelsShown(viewer.PageView().Handle()), 0);
  // The page about the open bar shows the bar; the links after a picture on
  // other pages are checked with every page below.
  viewer.ShowPage(21);
  Pump(100);
  EXPECT_GT(BarFacePixelsShown(viewer.PageView().Handle()), 200);
}

// Every page shows its header, and every link's characters are the link's
// words: the places the links are made at match the page's text.
TEST_F(HelpViewerTest, EveryPageShowsItsHeaderAndItsLinksWhereTheyAre) {
  qrv::HelpViewer& viewer = qrv::ShowHelp(bar_, 0);
  for (const qrv::HelpPage& page : qrv::ProgramHelpBook().Pages()) {
    ASSERT_TRUE(viewer.ShowPage(page.number));
    EXPECT_EQ(viewer.HeaderText(), qrv::Widen(page.header));
    std::vector<std::wstring> expected, shown;
    for (const qrv::HelpBlock& block : page.blocks) {
      if (block.kind == qrv::HelpBlockKind::kLink) expected.push_back(qrv::Widen(block.text));
    }
    for (const auto& link : viewer.PageView().Links())
      shown.push_back(viewer.PageView().TextRange(link.start, link.end));
    EXPECT_EQ(shown, expected) << "page " << page.number;
    EXPECT_GT(GetWindowTextLengthW(viewer.PageView().Handle()), 100) << "page " << page.number;
  }
}

}  // namespace
