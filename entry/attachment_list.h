// The files attached to an Information Item: a list under the body, one row
// per file with its name and the shell's small icon for it, several rows
// selectable. Delete removes the selected rows; a double click opens a file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/lists.h"

namespace qrv {

class AttachmentList : public ListView {
 public:
  AttachmentList(Container& parent, const Bounds& bounds);
  // Adds a row for the file at the end.
  void Add(const std::wstring& path);
  // The full paths, in the rows' order.
  const std::vector<std::wstring>& Paths() const { return paths_; }
  void RemoveSelected();
  void RemoveAll();

  std::function<void()> onRemoved;                       // the user removed rows
  std::function<void(const std::wstring& path)> onOpen;  // the user opened a row's file
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  std::vector<std::wstring> paths_;
};

}  // namespace qrv
