#include "ui/edits.h"

#include <richedit.h>

#include <cstring>

namespace qrv {
namespace {

HMODULE LoadRichEditLibrary() {
  static HMODULE module = LoadLibraryW(L"riched20.dll");
  return module;
}

// Stream callbacks: plain UTF-16 text from and to a std::wstring.
struct StreamCursor {
  std::wstring* text;
  std::size_t offset = 0;
};

DWORD CALLBACK StreamIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* cursor = reinterpret_cast<StreamCursor*>(cookie);
  const std::size_t bytesLeft = (cursor->text->size() - cursor->offset) * sizeof(wchar_t);
  const std::size_t count = std::min<std::size_t>(bytesLeft, static_cast<std::size_t>(size) & ~std::size_t{1});
  std::memcpy(buffer, reinterpret_cast<const char*>(cursor->text->data()) + cursor->offset * sizeof(wchar_t), count);
  cursor->offset += count / sizeof(wchar_t);
  *done = static_cast<LONG>(count);
  return 0;
}

DWORD CALLBACK StreamOut(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* cursor = reinterpret_cast<StreamCursor*>(cookie);
  cursor->text->append(reinterpret_cast<const wchar_t*>(buffer), static_cast<std::size_t>(size) / sizeof(wchar_t));
  *done = size;
  return 0;
}

// A rich edit's text is streamed in as plain text once it exists, not given as its window text.
ControlBasics RichEditBasics(const EditArgs& args) {
  ControlBasics basics =
      BasicsOf(args, {.className = (LoadRichEditLibrary(), RICHEDIT_CLASSW),
                      .style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL |
                               (args.readOnly ? static_cast<DWORD>(ES_READONLY) : 0u),
                      .exStyle = WS_EX_CLIENTEDGE});
  basics.text.clear();
  return basics;
}

}  // namespace

Edit::Edit(Container& parent, const EditArgs& args) : Edit(parent, args, 0) {}

Edit::Edit(Container& parent, const EditArgs& args, DWORD kindStyle)
    : Control(parent,
              BasicsOf(args, {.className = WC_EDITW,
                              .style = WS_TABSTOP | kindStyle |
                                       static_cast<DWORD>(args.multiLine ? ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL
                                                                         : ES_AUTOHSCROLL) |
                                       (args.readOnly ? static_cast<DWORD>(ES_READONLY) : 0u),
                              .exStyle = WS_EX_CLIENTEDGE})) {
  if (args.limit > 0) Send(EM_SETLIMITTEXT, static_cast<WPARAM>(args.limit));
}

void Edit::HandleCommand(WORD code) {
  if (code == EN_CHANGE) Fire(onChange);
}

RichEdit::RichEdit(Container& parent, const EditArgs& args) : Control(parent, RichEditBasics(args)) {
  Send(EM_SETEVENTMASK, 0, ENM_CHANGE);
  if (args.limit > 0) LimitText(args.limit);
  SetPlainText(args.text);
}

std::wstring RichEdit::PlainText() const {
  std::wstring text;
  StreamCursor cursor{&text};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, StreamOut};
  Send(EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  return text;
}

void RichEdit::SetPlainText(const std::wstring& text, Notify notify) {
  {
    QuietScope quiet(*this);
    std::wstring copy = text;
    StreamCursor cursor{&copy};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, StreamIn};
    Send(EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  }
  if (notify == Notify::kYes && onChange) onChange();
}

CHARRANGE RichEdit::Selection() const {
  CHARRANGE selection{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  return selection;
}

void RichEdit::Select(LONG start, LONG end) {
  CHARRANGE range{start, end};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

int RichEdit::TextLength() const {
  GETTEXTLENGTHEX count{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<int>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&count)));
}

RECT RichEdit::FormattingRect() const {
  RECT area{};
  Send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  return area;
}

void RichEdit::SetBold(CHARRANGE range, bool bold) {
  QuietScope quiet(*this);
  Select(range.cpMin, range.cpMax);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD;
  format.dwEffects = bold ? CFE_BOLD : 0;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetWordWrap(bool wrap) {
  if (wrap)
    Send(EM_SETOPTIONS, ECOOP_AND, ~static_cast<LPARAM>(ECO_AUTOHSCROLL));
  else
    Send(EM_SETOPTIONS, ECOOP_OR, ECO_AUTOHSCROLL);
  Send(EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

void RichEdit::ColourRuns(std::span<const CHARRANGE> runs, COLORREF colour) {
  QuietScope quiet(*this);
  CHARRANGE selection{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_COLOR;  // with no CFE_AUTOCOLOR in dwEffects
  format.crTextColor = colour;
  for (CHARRANGE run : runs) {
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&run));
    Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
}

void RichEdit::HandleCommand(WORD code) {
  if (code == EN_CHANGE) Fire(onChange);
  if (code == EN_MAXTEXT) Fire(onMaxText);
}

ComboBox::ComboBox(Container& parent, const ComboArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_COMBOBOXW,
                                      .style = WS_TABSTOP | WS_VSCROLL |
                                               static_cast<DWORD>(args.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL
                                                                                : CBS_DROPDOWNLIST) |
                                               (args.itemHeight > 0 ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0u)})),
      itemHeight_(args.itemHeight) {
  TakeItemHeight();
  SetItems(args.items);
}

void ComboBox::TakeItemHeight() {
  if (itemHeight_ > 0) Send(CB_SETITEMHEIGHT, 0, Parent().Scale(itemHeight_));
}

void ComboBox::DpiChanged() {
  Control::DpiChanged();
  TakeItemHeight();
}

std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

bool ComboBox::HandleDrawItem(DRAWITEMSTRUCT& item) {
  if (!onDrawItem) return false;
  onDrawItem(item.hDC, static_cast<int>(item.itemID), item.rcItem, (item.itemState & ODS_SELECTED) != 0);
  return true;
}

void ComboBox::SetItems(const std::vector<std::wstring>& items) {
  QuietScope quiet(*this);
  Send(CB_RESETCONTENT);
  for (const std::wstring& item : items) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::SetSelection(int index, Notify notify) {
  {
    QuietScope quiet(*this);
    Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  }
  if (notify == Notify::kYes && onSelect) onSelect();
}

HWND ComboBox::EditHandle() const {
  if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & 3) != CBS_DROPDOWN) return nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(Handle(), &info);
  return info.hwndItem;
}

void ComboBox::MarkListEntry(int index) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info)) SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::HandleCommand(WORD code) {
  if (code == CBN_SELCHANGE) Fire(onSelect);
  if (code == CBN_EDITCHANGE) Fire(onChange);
}

}  // namespace qrv
