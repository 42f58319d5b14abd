#include <fstream>
#include <iterator>
#include <set>

#include <gtest/gtest.h>

#include "core/help_history.h"
#include "core/help_pages.h"

namespace qrv {
namespace {

TEST(HelpHistory, RecordsPagesOnceAndGoesBackToTheFirst) {
  HelpHistory history;
  EXPECT_FALSE(history.Back());  // nothing to show from an empty history
  for (int page : {4, 4, 41, 4}) history.Push(page);
  EXPECT_EQ(history.Size(), 3u);  // the page shown again is no new entry
  EXPECT_EQ(history.Back(), 41);
  EXPECT_TRUE(history.CanGoBack());
  EXPECT_EQ(history.Back(), 4);
  EXPECT_FALSE(history.CanGoBack());
  EXPECT_EQ(history.Back(), 4);  // the first page stays
  EXPECT_EQ(history.Size(), 1u);
}

TEST(HelpPages, ReadsPagesHeadingsLinksAndParagraphs) {
  const HelpBook book = HelpBook::Parse(
      "stray text before any page\r\n"
      "= 4 Using it\r\n"
      "# First\r\n"
      "one line\r\n"
      "and its next line\r\n"
      "\r\n"
      "\r\n"
      "a new paragraph\r\n"
      "- a listed line\r\n"
      "after the list\r\n"
      "> 41 Creating\r\n"
      "> no number\r\n"
      "!  HELPENTRY \r\n"
      "!\r\n"
      "=x not a page\r\n"
      "ignored, no page open\r\n"
      "= 4 The same number again\r\n"
      "= 5 Last\n"
      "# no line end");
  ASSERT_EQ(book.Pages().size(), 2u);
  const HelpPage* page = book.Find(4);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->header, "Using it");
  const std::vector<HelpBlock> expected = {
      {HelpBlockKind::kHeading, "First"},
      {HelpBlockKind::kText,
       "one line and its next line\n\na new paragraph\n\xE2\x80\xA2 a listed line\nafter the list"},
      {HelpBlockKind::kLink, "Creating", 41},
      {HelpBlockKind::kPicture, "HELPENTRY"}};
  EXPECT_EQ(page->blocks, expected);
  ASSERT_NE(book.Find(5), nullptr);
  EXPECT_EQ(book.Find(5)->blocks, (std::vector<HelpBlock>{{HelpBlockKind::kHeading, "no line end"}}));
  EXPECT_EQ(book.Find(6), nullptr);
  EXPECT_TRUE(HelpBook::Parse("").Pages().empty());
  EXPECT_TRUE(HelpBook::Parse("= -3 Negative\n= 99999999999999 Too big\n").Pages().empty());
}

// The pages the program ships: every page the windows open exists with its
// header, every link leads to a page, and every page can be reached from the
// contents.
TEST(HelpPages, ShippedPagesAreCompleteAndLinked) {
  std::ifstream file(QRV_ASSET_DIR "/help/pages.txt", std::ios::binary);
  ASSERT_TRUE(file) << "pages.txt missing";
  const HelpBook book = HelpBook::Parse(std::string(std::istreambuf_iterator<char>(file), {}));
  std::set<int> numbers;
  for (const HelpPage& page : book.Pages()) numbers.insert(page.number);
  EXPECT_EQ(numbers, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 21, 41, 42, 43, 44, 51, 52, 53, 54, 55}));
  EXPECT_EQ(book.Find(0)->header, "Help Contents");
  EXPECT_EQ(book.Find(4)->header, "Using the Information Item Window");

  std::set<int> reached{0}, toVisit{0};
  while (!toVisit.empty()) {
    const HelpPage* page = book.Find(*toVisit.begin());
    toVisit.erase(toVisit.begin());
    for (const HelpBlock& block : page->blocks) {
      if (block.kind != HelpBlockKind::kLink) continue;
      EXPECT_NE(book.Find(block.target), nullptr) << "page " << page->number << " links to " << block.target;
      if (book.Find(block.target) && reached.insert(block.target).second) toVisit.insert(block.target);
    }
    EXPECT_FALSE(page->header.empty());
    EXPECT_FALSE(page->blocks.empty()) << "page " << page->number << " is empty";
  }
  EXPECT_EQ(reached, numbers);
}

}  // namespace
}  // namespace qrv
