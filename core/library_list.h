// The online library's list of published web services: text lines, each
// enciphered alone, of category headings ("CATEGORY=name") and web-service
// records made by users, each record under the heading before it. The list is
// downloaded, so it is read with bounds and without fault.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// Lists larger than this are not read.
inline constexpr std::size_t kMaxLibraryListBytes = 8u << 20;

// One node of the library tree, in the order the tree shows them: a category,
// then its services.
struct LibraryNode {
  bool isCategory = false;
  std::string caption;  // the category's name or the service's title
  std::string line;     // the deciphered line, unchanged (a service's record)
  int category = -1;    // a service's category: the index of its node
};

// The nodes of a downloaded list; empty when the list holds no category.
// Records before the first category and lines that are neither are left out.
std::vector<LibraryNode> ReadLibraryList(std::string_view body);

}  // namespace qrv
