// The bar program's help window: the help pages built into the program, a
// header naming the page shown, links between pages, Contents and Back with a
// history of the pages shown. One viewer is open at a time; ShowHelp opens it
// or turns the open one to a page. Closing it frees it with its history.
#pragma once

#include <optional>
#include <string>

#include "core/help_history.h"
#include "core/help_pages.h"
#include "help/header_label.h"
#include "help/help_page_view.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {

class HelpViewer : public Form {
 public:
  static constexpr int kContentsPage = 0;

  explicit HelpViewer(Form& owner);
  ~HelpViewer() override;

  // Shows a page and records it in the history. A number without a page
  // changes nothing and answers false.
  bool ShowPage(int page);
  void ShowContents() { ShowPage(kContentsPage); }
  // Shows the page before the one shown, when there is one.
  void GoBack();
  std::optional<int> CurrentPage() const { return history_.Current(); }
  const HelpHistory& History() const { return history_; }
  std::wstring HeaderText() const { return header_.Text(); }

  // Puts a viewer that is not on the screen beside the bar: right of it, or
  // near the left edge when the screen is too narrow, at the bar's top, or
  // near the top when the screen is too low.
  void PlaceBeside(const Form& bar);

  // Reached by tests and by the bar's own checks.
  Button& ContentsButton() { return contentsButton_; }
  Button& BackButton() { return backButton_; }
  HelpPageView& PageView() { return page_; }
  MenuItem& ExitItem() { return exitItem_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool PreTranslate(MSG& msg) override;

 private:
  void Display(const HelpPage& page);
  void EnableBack();
  bool OnPageKey(WPARAM key);

  const HelpBook& book_;
  HelpHistory history_;
  MenuBar menu_{*this};
  MenuItem fileMenu_{menu_, {.text = L"&File"}};
  MenuItem exitItem_{fileMenu_, {.text = L"E&xit Help"}};
  Button contentsButton_{*this, {.bounds = {4, 4, 75, 23}, .text = L"&Contents"}};
  Button backButton_{*this, {.bounds = {83, 4, 75, 23}, .text = L"&Back", .enabled = false}};
  // A page's header is its name: an "&" in it is shown, not taken for a mnemonic.
  HeaderLabel header_{
      *this, {.bounds = {0, 31, 394, 24}, .text = L"Help Contents", .anchors = {.right = true}, .noPrefix = true}};
  HelpPageView page_{
      *this,
      {.bounds = {0, 55, 394, 475}, .anchors = {.right = true, .bottom = true}, .multiLine = true, .readOnly = true}};
};

// The help pages built into the program.
const HelpBook& ProgramHelpBook();
// The viewer that is open now; null when none is.
HelpViewer* OpenHelpViewer();
// Opens the viewer on a page, owned by and placed beside the bar, or turns the
// open one to the page (a number without a page leaves it as it is), shows it
// and brings it to the front.
HelpViewer& ShowHelp(Form& bar, int page);

}  // namespace qrv
