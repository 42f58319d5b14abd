// A tree of texts (read-only labels) whose nodes are known by the order they
// were added, and a status bar of one text along the form's bottom edge.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace qrv {

struct TreeViewArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  int indent = 19;  // at 96 DPI
};

class TreeView : public Control {
 public:
  TreeView(Container& parent, const TreeViewArgs& args);
  // Adds a node after the last one of the top level (parent -1) or of a node;
  // returns its number, which counts every node added since the last Clear.
  int Add(int parent, const std::wstring& text);
  void Clear();
  int Count() const { return static_cast<int>(nodes_.size()); }
  std::wstring NodeText(int node) const;
  // The selected node's number; -1 when none is selected.
  int Selection() const;
  void SetSelection(int node, Notify notify = Notify::kNo);
  std::function<void()> onSelect;  // the user selected another node
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  std::vector<HTREEITEM> nodes_;
};

struct StatusBarArgs {
  Bounds bounds{};  // kept along the bottom edge by anchors
  Anchors anchors{.left = true, .top = false, .right = true, .bottom = true};
  std::wstring text{};
};

// One simple text part, no size grip.
class StatusBar : public Control {
 public:
  StatusBar(Container& parent, const StatusBarArgs& args);
};

}  // namespace qrv
