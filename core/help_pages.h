// The help pages of the bar program, read from the text they are written in:
//
//   = 4 Using the Information Item Window      a page: its number and header
//   # Keywords                                 a heading
//   > 41 How do I create an Information Item?  a link to another page
//   ! HELPENTRY                                a picture: the program's resource of that name
//   any other line                             text; a blank line ends a paragraph,
//                                              a line starting "- " starts a line with a bullet
//
// Lines before the first page and links without a number are skipped; a page
// number used twice keeps its first page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qrv {

enum class HelpBlockKind { kHeading, kText, kLink, kPicture };

struct HelpBlock {
  HelpBlockKind kind = HelpBlockKind::kText;
  std::string text;  // UTF-8; paragraphs of a text block are separated by "\n\n"; a picture's name
  int target = -1;   // the page a link leads to
  bool operator==(const HelpBlock&) const = default;
};

struct HelpPage {
  int number = 0;
  std::string header;
  std::vector<HelpBlock> blocks;
};

class HelpBook {
 public:
  static HelpBook Parse(std::string_view source);
  const std::vector<HelpPage>& Pages() const { return pages_; }
  // The page with this number; null when there is none.
  const HelpPage* Find(int number) const;

 private:
  std::vector<HelpPage> pages_;
};

}  // namespace qrv
