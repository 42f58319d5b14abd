// One help page in a read-only rich edit: headings in bold, text in
// paragraphs, pictures in their own paragraphs, links underlined in blue that show another page when clicked,
// or when chosen with Tab and Shift+Tab (shown selected) and Enter.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "core/help_pages.h"
#include "ui/edits.h"

namespace qrv {

class HelpPageView : public RichEdit {
 public:
  // A link: its characters in the control and the page it leads to.
  struct Link {
    long start = 0;
    long end = 0;
    int target = 0;
  };

  HelpPageView(Container& parent, const EditArgs& args);
  void ShowPage(const HelpPage& page);
  const std::vector<Link>& Links() const { return links_; }
  // The text of a range of characters, as the control holds it.
  std::wstring TextRange(long start, long end) const;

  // Selects the next link after the selection, or the one before it: false
  // when there is none that way, so that the key can go on to other controls.
  bool SelectLink(bool forward);
  // Follows the link that is selected whole: false when none is.
  bool FollowSelectedLink();

  std::function<void(int target)> onLink;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  void Format(long start, long end, bool heading, bool link);
  void InsertPicture(long at, const std::wstring& name);
  CHARRANGE Selection() const;

  std::vector<Link> links_;
};

}  // namespace qrv
