#include "components/browse_edit.h"

#include <algorithm>

#include "ui/file_dialog.h"
#include "ui/shell.h"

namespace qrv {
namespace {

constexpr int kButtonWidth = 16;  // at 96 DPI
constexpr int kButtonId = 1;

bool IsLineBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

}  // namespace

std::wstring OneLine(const std::wstring& text) {
  std::wstring line;
  bool breakPending = false;
  for (wchar_t c : text) {
    if (IsLineBreak(c)) {
      breakPending = !line.empty();
      continue;
    }
    if (breakPending) line += L' ';
    breakPending = false;
    line += c;
  }
  return line;
}

BrowseEdit::BrowseEdit(Container& parent, const BrowseEditArgs& args)
    : Edit(parent, {.bounds = args.bounds, .anchors = args.anchors, .visible = args.visible}, WS_CLIPCHILDREN),
      autoSelect_(args.autoSelect),
      dialogTitle_(args.dialogTitle),
      dialogFilter_(args.dialogFilter) {
  button_ =
      CreateWindowExW(0, WC_BUTTONW, L"...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, Handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(button_, WM_SETFONT, Send(WM_GETFONT), FALSE);
  chooseFile = [this](const std::wstring& current) { return RunFileDialog(current); };
  PlaceButton();
}

BrowseEdit::~BrowseEdit() {
  if (button_) DestroyWindow(button_);
}

void BrowseEdit::Browse() {
  if (!chooseFile) return;
  const auto file = chooseFile(Text());
  if (!file) return;
  SetText(*file, Notify::kYes);
  if (autoSelect_) Select(0, GetWindowTextLengthW(Handle()));
}

// The button fills the right edge; the text keeps clear of it.
void BrowseEdit::PlaceButton() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = std::min<int>(Parent().Scale(kButtonWidth), client.right);
  MoveWindow(button_, client.right - width, 0, width, client.bottom, TRUE);
  Send(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

// With no text on the clipboard, the selection stays as the system's paste leaves it.
void BrowseEdit::Paste() {
  const std::optional<std::wstring> pasted = ClipboardText(Handle());
  if (!pasted) return;
  const std::wstring text = OneLine(*pasted);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::optional<std::wstring> BrowseEdit::RunFileDialog(const std::wstring& current) const {
  return ChooseFile(
      {.owner = GetAncestor(Handle(), GA_ROOT), .title = dialogTitle_, .filter = dialogFilter_, .file = current});
}

LRESULT BrowseEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
      if (IsLineBreak(static_cast<wchar_t>(wp))) {
        MessageBeep(0);
        return 0;
      }
      break;
    case WM_PASTE:
      Paste();
      return 0;
    case WM_SETTEXT: {
      const std::wstring line = OneLine(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
      return Edit::WndProc(msg, wp, reinterpret_cast<LPARAM>(line.c_str()));
    }
    case WM_SIZE: {
      const LRESULT result = Edit::WndProc(msg, wp, lp);
      PlaceButton();
      return result;
    }
    case WM_SETFONT:
      SendMessageW(button_, WM_SETFONT, wp, lp);
      break;
    case WM_COMMAND:
      if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED) {
        Focus();
        Browse();
        return 0;
      }
      break;
    default:
      break;
  }
  return Edit::WndProc(msg, wp, lp);
}

}  // namespace qrv
