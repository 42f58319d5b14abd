// The Information Item windows open now, in the order they opened. The bar
// cascades new ones by their place and asks before quitting while any is open.
#pragma once

#include <windows.h>

#include <vector>

namespace qrv {

class EntryWindowList {
 public:
  // Lists a window (once) and returns its place among the open ones, 1 the first.
  int Add(HWND window);
  void Remove(HWND window);
  // The windows still there: one destroyed without being removed counts no more.
  int Count() const;
  bool Empty() const { return Count() == 0; }

 private:
  void DropGone();

  std::vector<HWND> windows_;
};

}  // namespace qrv
