#include "ui/lists.h"

#include <algorithm>
#include <optional>

namespace qrv {

namespace {

// A list view draws its scroll bars at once, more than once, whenever its rows
// or its place in them change. Its window is kept from the screen meanwhile,
// without telling the list. Then it is drawn whole, frame and header too, when
// every row changed, a scroll bar came or went or the list scrolled sideways;
// else only what looks different is drawn anew: the rows when the list
// scrolled, and the vertical scroll bar when its thumb or arrows moved.
class UnseenScope {
 public:
  UnseenScope(HWND list, bool allRows)
      : list_(list), shown_(GetWindowLongPtrW(list, GWL_STYLE) & WS_VISIBLE), allRows_(allRows) {
    if (!shown_) return;
    // Hidden, the list forgets what it still had to draw: unless it is drawn
    // whole afterwards, that is drawn first.
    if (!allRows_) UpdateWindow(list_);
    before_ = Look(list_);
    DefWindowProcW(list_, WM_SETREDRAW, FALSE, 0);
  }
  ~UnseenScope() {
    if (!shown_) return;
    DefWindowProcW(list_, WM_SETREDRAW, TRUE, 0);
    // Shown again, the list would draw its frame at its next paint, changed or not.
    RedrawWindow(list_, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    const View after = Look(list_);
    if (allRows_ || after.bars != before_.bars || after.left != before_.left) {
      RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      return;
    }
    if (!SameThumb(after.vertical, before_.vertical)) {
      // The same values again, drawn: only the bar, not the frame around the list.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_ALL;
      GetScrollInfo(list_, SB_VERT, &info);
      SetScrollInfo(list_, SB_VERT, &info, TRUE);
    }
    if (after.top != before_.top) {
      const RECT rows = RowsArea();
      RedrawWindow(list_, &rows, nullptr, RDW_INVALIDATE | RDW_ERASE);
    }
  }
  UnseenScope(const UnseenScope&) = delete;
  UnseenScope& operator=(const UnseenScope&) = delete;

 private:
  struct View {
    LONG_PTR bars = 0;  // the scroll bars shown
    int top = 0;        // the first row in view
    int left = 0;       // how far the list scrolled sideways
    SCROLLBARINFO vertical{};
  };
  static View Look(HWND list) {
    View view{.bars = GetWindowLongPtrW(list, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL),
              .top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)),
              .left = GetScrollPos(list, SB_HORZ),
              .vertical = {}};
    view.vertical.cbSize = sizeof view.vertical;
    GetScrollBarInfo(list, static_cast<LONG>(OBJID_VSCROLL), &view.vertical);
    return view;
  }
  static bool SameThumb(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
    return a.xyThumbTop == b.xyThumbTop && a.xyThumbBottom == b.xyThumbBottom &&
           std::equal(std::begin(a.rgstate), std::end(a.rgstate), std::begin(b.rgstate));
  }
  // The client area below the column titles.
  RECT RowsArea() const {
    RECT area{};
    GetClientRect(list_, &area);
    const auto header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    RECT titles{};
    if (header && (GetWindowLongPtrW(header, GWL_STYLE) & WS_VISIBLE) && GetWindowRect(header, &titles)) {
      MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&titles), 2);
      area.top = std::max(area.top, titles.bottom);
    }
    return area;
  }

  HWND list_;
  bool shown_;
  bool allRows_;
  View before_;
};

}  // namespace

ListBox::ListBox(Container& parent, const ListBoxArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_LISTBOXW,
                                      .style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                               (args.multiSelect ? static_cast<DWORD>(LBS_MULTIPLESEL) : 0u),
                                      .exStyle = WS_EX_CLIENTEDGE})),
      multi_(args.multiSelect) {
  SetItems(args.items);
}

void ListBox::SetItems(const std::vector<std::wstring>& items) {
  QuietScope quiet(*this);
  Send(WM_SETREDRAW, FALSE);
  Send(LB_RESETCONTENT);
  for (const std::wstring& item : items) Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

std::vector<std::wstring> ListBox::Items() const {
  std::vector<std::wstring> items;
  for (int i = 0, n = Count(); i < n; ++i) {
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(i));
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
    if (length > 0) Send(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    items.push_back(std::move(text));
  }
  return items;
}

bool ListBox::Selected(int index) const {
  if (!multi_) return Send(LB_GETCURSEL) == index;
  return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void ListBox::SetSelected(int index, bool selected, Notify notify) {
  if (multi_)
    Send(LB_SETSEL, selected, index);
  else if (selected || Selected(index))
    Send(LB_SETCURSEL, static_cast<WPARAM>(selected ? index : -1));
  if (notify == Notify::kYes && onSelect) onSelect();
}

// A multiple-choice list answers in one message; a single-choice one has no count.
std::vector<int> ListBox::SelectedIndexes() const {
  const LRESULT count = Send(LB_GETSELCOUNT);
  if (count == LB_ERR) {
    const auto selected = static_cast<int>(Send(LB_GETCURSEL));
    return selected >= 0 ? std::vector<int>{selected} : std::vector<int>{};
  }
  std::vector<int> chosen(static_cast<std::size_t>(count));
  if (count > 0) Send(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(chosen.data()));
  return chosen;
}

RECT ListBox::ItemRect(int index) const {
  RECT rc{};
  Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
  return rc;
}

void ListBox::HandleCommand(WORD code) {
  if (code == LBN_SELCHANGE) Fire(onSelect);
  if (code == LBN_DBLCLK) Fire(onDoubleClick);
}

// --- ListView --------------------------------------------------------------------

ListView::ListView(Container& parent, const ListViewArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_LISTVIEWW,
                                      // The list's pictures are its own to free, not the system's.
                                      .style = WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                                               (args.multiSelect ? 0u : static_cast<DWORD>(LVS_SINGLESEL)) |
                                               (args.noHeader ? static_cast<DWORD>(LVS_NOCOLUMNHEADER) : 0u) |
                                               (args.editLabels ? static_cast<DWORD>(LVS_EDITLABELS) : 0u) |
                                               (args.virtualRows ? static_cast<DWORD>(LVS_OWNERDATA) : 0u),
                                      .exStyle = WS_EX_CLIENTEDGE})),
      columns_(args.columns),
      rowHeight_(args.rowHeight),
      enterOpens_(args.enterOpens) {
  const DWORD extended = LVS_EX_FULLROWSELECT | (args.checkBoxes ? LVS_EX_CHECKBOXES : 0u);
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  InsertColumns();
  TakeRowHeight();
}

// Enter, where the list takes it, goes to the list (not to the dialog keys)
// and acts as a double click on the selected row; the list then sends NM_RETURN.
LRESULT ListView::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (enterOpens_ && msg == WM_GETDLGCODE) {
    LRESULT code = Control::WndProc(msg, wp, lp);
    const auto* key = reinterpret_cast<const MSG*>(lp);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
  }
  if (enterOpens_ && msg == WM_KEYDOWN && wp == VK_RETURN) {
    const int row = Selection();
    if (row >= 0) Fire(onDoubleClick, row);
  }
  return Control::WndProc(msg, wp, lp);
}

// A list view makes its rows as high as its small pictures: a list of blank
// pictures that high sets the rows' height.
void ListView::TakeRowHeight() {
  if (rowHeight_ <= 0) return;
  auto spacer = std::make_unique<ImageList>(1, Parent().Scale(rowHeight_));
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(spacer->Handle()));
  rowSpacer_ = std::move(spacer);
}

void ListView::InsertColumns() {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = columns_[i].title.data();
    column.cx = Parent().Scale(columns_[i].width);
    Send(LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void ListView::SetColumns(std::vector<ListColumn> columns) {
  Clear();
  while (Send(LVM_DELETECOLUMN, 0)) {}
  columns_ = std::move(columns);
  InsertColumns();
}

void ListView::DpiChanged() {
  Control::DpiChanged();
  TakeRowHeight();
  for (std::size_t i = 0; i < columns_.size(); ++i) Send(LVM_SETCOLUMNWIDTH, i, Parent().Scale(columns_[i].width));
}

int ListView::AddRow(const std::vector<std::wstring>& cells) {
  QuietScope quiet(*this);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = Count();
  std::wstring first = cells.empty() ? std::wstring() : cells[0];
  item.pszText = first.data();
  const int row = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  for (std::size_t i = 1; i < cells.size() && row >= 0; ++i) SetCellText(row, static_cast<int>(i), cells[i]);
  return row;
}

void ListView::Clear() {
  QuietScope quiet(*this);
  Send(LVM_DELETEALLITEMS);
}

void ListView::SetRowCount(int count, RowsDrawn drawn) {
  QuietScope quiet(*this);
  UnseenScope unseen(Handle(), drawn == RowsDrawn::kAll);
  Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
}

// Only the rows in view are drawn: a range far beyond would cost its length.
void ListView::RedrawRows(int first, int last) {
  const auto top = static_cast<int>(Send(LVM_GETTOPINDEX));
  first = std::max(first, top);
  last = std::min(last, top + static_cast<int>(Send(LVM_GETCOUNTPERPAGE)));
  if (first <= last) Send(LVM_REDRAWITEMS, static_cast<WPARAM>(first), last);
}

void ListView::GiveCellText(LVITEMW& item) const {
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  lstrcpynW(item.pszText, cellText(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
}

std::wstring ListView::CellText(int row, int column) const {
  std::wstring text(512, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

void ListView::SetCellText(int row, int column, const std::wstring& text) {
  QuietScope quiet(*this);
  std::wstring copy = text;
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = copy.data();
  Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::SetRowImage(int row, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = image;
  Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool ListView::Checked(int row) const {
  return ((Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

void ListView::SetChecked(int row, bool checked, Notify notify) {
  {
    QuietScope quiet(*this);
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  if (notify == Notify::kYes && onCheck) onCheck(row, checked);
}

// The row selected before lets go first: a list of virtual rows otherwise
// looks at every row for one to let go of. A row out of view is scrolled to
// unseen.
void ListView::SetSelection(int row, Notify notify) {
  {
    QuietScope quiet(*this);
    const auto top = static_cast<int>(Send(LVM_GETTOPINDEX));
    std::optional<UnseenScope> unseen;
    if (row < top || row >= top + static_cast<int>(Send(LVM_GETCOUNTPERPAGE))) unseen.emplace(Handle(), false);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    if (const int old = Selection(); old >= 0 && old != row)
      Send(LVM_SETITEMSTATE, static_cast<WPARAM>(old), reinterpret_cast<LPARAM>(&item));
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }
  if (notify == Notify::kYes && onSelect) onSelect(row);
}

void ListView::ItemChanged(const NMLISTVIEW& change) {
  if (change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
  const UINT oldCheck = change.uOldState & LVIS_STATEIMAGEMASK, newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
  // The first state image is set when a row is added: not a change by the user.
  if (oldCheck && newCheck && oldCheck != newCheck) Fire(onCheck, change.iItem, newCheck == INDEXTOSTATEIMAGEMASK(2));
  if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) Fire(onSelect, change.iItem);
}

bool ListView::HandleNotify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case LVN_ITEMCHANGED:
      ItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
      result = 0;
      return true;
    case LVN_GETDISPINFOW:
      if (!cellText) return false;
      GiveCellText(reinterpret_cast<NMLVDISPINFOW&>(header).item);
      result = 0;
      return true;
    case NM_CLICK:
      Fire(onClick, reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
      result = 0;
      return true;
    case NM_DBLCLK:
      Fire(onDoubleClick, Selection());
      result = 0;
      return true;
    case LVN_ENDLABELEDITW: {
      auto& edit = reinterpret_cast<NMLVDISPINFOW&>(header);
      // A cancelled edit has no text; with no handler the new text is kept.
      result = edit.item.pszText && (!onLabelEdit || onLabelEdit(edit.item.iItem, edit.item.pszText));
      return true;
    }
    case NM_CUSTOMDRAW:
      if (!onRowDrawn) return false;
      result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      return true;
  }
  return false;
}

// Each row is drawn by the system first; then onRowDrawn draws over it.
LRESULT ListView::CustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
      onRowDrawn(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
      return CDRF_DODEFAULT;
  }
  return CDRF_DODEFAULT;
}

RECT ListView::CellRect(int row, int column) const {
  RECT cell{LVIR_BOUNDS, column, 0, 0};
  Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  // The first column's bounds are the whole row's; it ends where the second begins.
  if (column == 0 && columns_.size() > 1) {
    RECT next{LVIR_BOUNDS, 1, 0, 0};
    Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&next));
    cell.right = next.left;
  }
  return cell;
}

}  // namespace qrv
