// The online library's list comes from a web server: any bytes are read without
// fault, and every service the tree shows stands under a category before it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/library_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const auto nodes = qrv::ReadLibraryList(body);
  if (!nodes.empty() && !nodes.front().isCategory) __builtin_trap();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const auto& node = nodes[i];
    if (node.isCategory) continue;
    const auto category = static_cast<std::size_t>(node.category);
    if (node.category < 0 || category >= i || !nodes[category].isCategory) __builtin_trap();
  }
  return 0;
}
