// Lists: a list box of texts (one or several selected) and a report list view
// with columns, check boxes and in-place editing of the first column.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/image_list.h"

namespace qrv {

struct ListBoxArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool multiSelect = false;  // each click toggles one entry
  std::vector<std::wstring> items{};
};

class ListBox : public Control {
 public:
  ListBox(Container& parent, const ListBoxArgs& args);
  void SetItems(const std::vector<std::wstring>& items);
  std::vector<std::wstring> Items() const;
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  bool Selected(int index) const;
  void SetSelected(int index, bool selected, Notify notify = Notify::kNo);
  std::vector<int> SelectedIndexes() const;
  RECT ItemRect(int index) const;
  std::function<void()> onSelect;  // the user changed the selection
  std::function<void()> onDoubleClick;
  void HandleCommand(WORD code) override;

 private:
  bool multi_;
};

struct ListColumn {
  std::wstring title{};
  int width = 80;  // at 96 DPI
};

struct ListViewArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  std::vector<ListColumn> columns{};
  bool checkBoxes = false;
  bool editLabels = false;
  int rowHeight = 0;  // at 96 DPI, for rows taller than the text; 0: the text's
  // Enter in the list acts as a double click on the selected row (NM_RETURN,
  // onDoubleClick) instead of clicking the form's default button.
  bool enterOpens = false;
  // The rows stay with the list's owner, which answers cellText for the rows
  // drawn: a long list is shown at once, and a changed row is only redrawn.
  bool virtualRows = false;
  bool multiSelect = false;  // several rows selected at once
  bool noHeader = false;     // the column titles not shown
};

enum class RowsDrawn { kAll, kByCaller };

class ListView : public Control {
 public:
  ListView(Container& parent, const ListViewArgs& args);
  // Adds a row of cell texts at the end; returns its index.
  int AddRow(const std::vector<std::wstring>& cells);
  void Clear();
  // Virtual rows: how many there are (every row in view drawn anew, or only
  // those the caller then redraws), and rows to draw anew.
  void SetRowCount(int count, RowsDrawn drawn = RowsDrawn::kAll);
  void RedrawRows(int first, int last);
  // Takes other columns; the rows go with the old ones.
  void SetColumns(std::vector<ListColumn> columns);
  int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  std::wstring CellText(int row, int column) const;
  void SetCellText(int row, int column, const std::wstring& text);
  // Shows picture `image` of the list's small pictures before the row's first cell.
  void SetRowImage(int row, int image);
  bool Checked(int row) const;
  void SetChecked(int row, bool checked, Notify notify = Notify::kNo);
  int Selection() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
  // Selects and focuses a row, in view.
  void SetSelection(int row, Notify notify = Notify::kNo);
  // A cell's place in the list's client area.
  RECT CellRect(int row, int column) const;
  // Starts editing the first cell of a row in place.
  HWND EditLabel(int row) { return reinterpret_cast<HWND>(Send(LVM_EDITLABELW, static_cast<WPARAM>(row))); }
  void DpiChanged() override;

  std::function<void(int row)> onSelect;
  std::function<void(int row, bool checked)> onCheck;
  std::function<void(int row)> onClick;        // row -1: below the rows
  std::function<void(int row)> onDoubleClick;  // row -1: below the rows
  // Virtual rows: the text of a cell.
  std::function<std::wstring(int row, int column)> cellText;
  // The user finished editing a row's first cell: true keeps the new text.
  std::function<bool(int row, const std::wstring& text)> onLabelEdit;
  // Draws over a row once the system drew it (pictures in cells).
  std::function<void(HDC dc, int row)> onRowDrawn;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  void GiveCellText(LVITEMW& item) const;
  void TakeRowHeight();
  void ItemChanged(const NMLISTVIEW& change);
  void InsertColumns();
  std::vector<ListColumn> columns_;
  int rowHeight_;
  bool enterOpens_;
  std::unique_ptr<ImageList> rowSpacer_;  // pictures one pixel wide, a row high
};

}  // namespace qrv
