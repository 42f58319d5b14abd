// Text controls: edit (one line or many), rich edit with plain text streamed in
// and out, and combo box (a drop-down list or editable, its edit reachable).
#pragma once

#include <richedit.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ui/control.h"

namespace qrv {

struct EditArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool multiLine = false;
  bool readOnly = false;
  int limit = 0;  // the most characters it takes; 0: the system's
};

// onChange follows every change of the text by the user.
class Edit : public Control {
 public:
  Edit(Container& parent, const EditArgs& args);
  void Select(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
  bool ReadOnly() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
  std::function<void()> onChange;
  void HandleCommand(WORD code) override;

 protected:
  // A kind of edit with styles of its own besides.
  Edit(Container& parent, const EditArgs& args, DWORD kindStyle);
  void TextChanged() override {
    if (onChange) onChange();
  }
};

class RichEdit : public Control {
 public:
  RichEdit(Container& parent, const EditArgs& args);
  // The text as plain UTF-16, streamed through the control.
  std::wstring PlainText() const;
  void SetPlainText(const std::wstring& text, Notify notify = Notify::kNo);
  // Colours each run (a range of character positions, {0, -1} for all) as the
  // program's own change: no event fires and the selection stays.
  void ColourRuns(std::span<const CHARRANGE> runs, COLORREF colour);
  // At most `characters` can be typed, pasted or streamed in; more is cut off and onMaxText fires.
  void LimitText(int characters) { Send(EM_EXLIMITTEXT, 0, characters); }
  // Character positions; {-1, -1} puts the caret at the end, {0, -1} selects all.
  CHARRANGE Selection() const;
  void Select(LONG start, LONG end);
  // Types `text` over the selection, as the user's change (undoable, onChange fires).
  void ReplaceSelection(const std::wstring& text) { Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str())); }
  // Characters held (a line break counts one).
  int TextLength() const;
  int LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
  // The area the text is laid out in, in the control's client area.
  RECT FormattingRect() const;
  // Bold on or off for a range, as the program's change.
  void SetBold(CHARRANGE range, bool bold);
  // Lines wrap at the control's width; off, a line runs on and the text scrolls sideways with the caret.
  void SetWordWrap(bool wrap);
  // Lays out (with `render` also draws) range.chrg onto range.hdc; answers the first character left over.
  LONG FormatRange(FORMATRANGE& range, bool render) const {
    return static_cast<LONG>(Send(EM_FORMATRANGE, render ? TRUE : FALSE, reinterpret_cast<LPARAM>(&range)));
  }
  // Frees what FormatRange kept of the device.
  void EndFormatting() const { Send(EM_FORMATRANGE, FALSE, 0); }
  std::function<void()> onChange;
  std::function<void()> onMaxText;
  void HandleCommand(WORD code) override;
};

struct ComboArgs {
  Bounds bounds{};  // the height is the dropped-down list's
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool editable = false;  // else a drop-down list
  std::vector<std::wstring> items{};
  int itemHeight = 0;  // at 96 DPI: the entries are drawn by onDrawItem, this high
};

class ComboBox : public Control {
 public:
  ComboBox(Container& parent, const ComboArgs& args);
  void SetItems(const std::vector<std::wstring>& items);
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetSelection(int index, Notify notify = Notify::kNo);
  // The edit of an editable combo box (null for a drop-down list).
  HWND EditHandle() const;
  bool DroppedDown() const { return Send(CB_GETDROPPEDSTATE) != 0; }
  // Selects characters of an editable box's text; {0, -1} all.
  void SelectText(int start, int end) { Send(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
  // Marks an entry in the dropped-down list without writing it over the box's text.
  void MarkListEntry(int index);
  std::function<void()> onSelect;  // an entry chosen from the list
  std::function<void()> onChange;  // the editable text changed
  std::wstring ItemText(int index) const;
  // Another height of drawn entries, at 96 DPI.
  void SetItemHeight(int height) {
    itemHeight_ = height;
    TakeItemHeight();
  }
  // Draws entry `index` (-1: none chosen) into its rectangle, for a box with an item height.
  std::function<void(HDC dc, int index, const RECT& item, bool selected)> onDrawItem;
  void HandleCommand(WORD code) override;
  bool HandleDrawItem(DRAWITEMSTRUCT& item) override;
  void DpiChanged() override;

 private:
  void TakeItemHeight();
  int itemHeight_;
};

}  // namespace qrv
