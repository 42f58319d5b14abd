#include "core/library_list.h"

#include <gtest/gtest.h>

#include "core/cipher.h"
#include "core/text.h"

namespace qrv {
namespace {

std::string Enciphered(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(EncipherLine(line));
  return JoinLines(out);
}

const std::string kBooks = "S=0{book}11<CB=Books!><D=!D><CUST=Y><HINT=!H>|https://b/?q=<QRV!>&p=<QRV!>*";

TEST(LibraryList, CategoriesHoldTheUsersServicesThatFollowThem) {
  const auto nodes = ReadLibraryList(
      Enciphered({kBooks, "CATEGORY=Reading", "S=0{std}11<CB=Standard!><D=!D><HINT=!H>|https://s/<QRV!>", kBooks,
                  "VER=3", "CATEGORY=Empty", "CATEGORY=Again", kBooks}));
  ASSERT_EQ(nodes.size(), 5u);
  EXPECT_TRUE(nodes[0].isCategory);
  EXPECT_EQ(nodes[0].caption, "Reading");
  EXPECT_EQ(nodes[1].caption, "Books");
  EXPECT_EQ(nodes[1].category, 0);
  EXPECT_EQ(nodes[1].line, kBooks);  // as downloaded: converted only when shown
  EXPECT_EQ(nodes[2].caption, "Empty");
  EXPECT_EQ(nodes[4].category, 3);
}

TEST(LibraryList, BadAnswersGiveNoCategory) {
  std::string huge = Enciphered({"CATEGORY=A"}) + "\r\n";
  huge.resize(kMaxLibraryListBytes + 1, 'A');
  for (const std::string& body : {std::string(), std::string("<html><body>200 OK</body></html>\r\n"),
                                  Enciphered({kBooks}), std::string("\0\xFF\x80=\n\n", 6), huge})
    EXPECT_TRUE(ReadLibraryList(body).empty()) << body.substr(0, 30);
}

}  // namespace
}  // namespace qrv
