#include "ui/tree_view.h"

#include <algorithm>

namespace qrv {

TreeView::TreeView(Container& parent, const TreeViewArgs& args)
    : Control(parent,
              BasicsOf(args, {.className = WC_TREEVIEWW,
                              .style = WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                              .exStyle = WS_EX_CLIENTEDGE})) {
  Send(TVM_SETINDENT, static_cast<WPARAM>(parent.Scale(args.indent)));
}

int TreeView::Add(int parent, const std::wstring& text) {
  QuietScope quiet(*this);
  std::wstring copy = text;
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent >= 0 && parent < Count() ? nodes_[static_cast<std::size_t>(parent)] : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = copy.data();
  const auto node = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!node) return -1;
  nodes_.push_back(node);
  return Count() - 1;
}

void TreeView::Clear() {
  QuietScope quiet(*this);
  Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  nodes_.clear();
}

std::wstring TreeView::NodeText(int node) const {
  if (node < 0 || node >= Count()) return {};
  std::wstring text(512, L'\0');
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = nodes_[static_cast<std::size_t>(node)];
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

int TreeView::Selection() const {
  const auto selected = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!selected) return -1;
  const auto found = std::find(nodes_.begin(), nodes_.end(), selected);
  return found == nodes_.end() ? -1 : static_cast<int>(found - nodes_.begin());
}

void TreeView::SetSelection(int node, Notify notify) {
  {
    QuietScope quiet(*this);
    const HTREEITEM item = node >= 0 && node < Count() ? nodes_[static_cast<std::size_t>(node)] : nullptr;
    Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }
  if (notify == Notify::kYes && onSelect) onSelect();
}

bool TreeView::HandleNotify(NMHDR& header, LRESULT&) {
  if (header.code != TVN_SELCHANGEDW) return false;
  Fire(onSelect);
  return true;
}

StatusBar::StatusBar(Container& parent, const StatusBarArgs& args)
    : Control(parent, BasicsOf(args, {.className = STATUSCLASSNAMEW,
                                      .style = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER})) {}

}  // namespace qrv
