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

const std::string kBooks = "S=0{book}11<CB=Books: all!><D=!D><CUST=Y><HINT=Finds books!H>|https://b/?q=<QRV!>&p=<QRV!>";
const std::string kFilms = "S=0{film}11<CB=Films!><D=!D><CUST=Y><HINT=!H>|https://f/*/<QRV!>";

TEST(LibraryList, CategoriesHoldTheUsersServicesThatFollowThem) {
  const auto nodes = ReadLibraryList(Enciphered({
      kFilms,  // before any category: left out
      "CATEGORY=Reading",
      "S=0{std}11<CB=Standard!><D=!D><HINT=!H>|https://s/<QRV!>",  // no custom marker
      kBooks,
      "VER=3",
      "CATEGORY=Empty",
      "CATEGORY=Watching",
      kFilms,
  }));
  ASSERT_EQ(nodes.size(), 5u);
  EXPECT_TRUE(nodes[0].isCategory);
  EXPECT_EQ(nodes[0].caption, "Reading");
  EXPECT_EQ(nodes[1].caption, "Books: all");
  EXPECT_EQ(nodes[1].category, 0);
  // Records are kept as downloaded: markers and stars are converted only when shown.
  EXPECT_EQ(nodes[1].line, kBooks);
  EXPECT_EQ(nodes[2].caption, "Empty");
  EXPECT_EQ(nodes[3].caption, "Watching");
  EXPECT_EQ(nodes[4].category, 3);
  EXPECT_EQ(nodes[4].line, kFilms);
}

TEST(LibraryList, BadAnswersGiveNoCategory) {
  for (const std::string& body :
       {std::string(), std::string("<html><body>200 OK</body></html>\r\n"), Enciphered({kBooks, kFilms}),
        std::string(3000, '\n'), std::string("\0\xFF\x80=", 4)}) {
    EXPECT_TRUE(ReadLibraryList(body).empty()) << body.substr(0, 30);
  }
  std::string huge = Enciphered({"CATEGORY=A"}) + "\r\n";
  huge.resize(kMaxLibraryListBytes + 1, 'A');
  EXPECT_TRUE(ReadLibraryList(huge).empty());
  // Lines that are not enciphered are read as they are.
  EXPECT_EQ(ReadLibraryList("CATEGORY=Plain\n" + kBooks).size(), 2u);
}

}  // namespace
}  // namespace qrv
