#include "help/help_page_view.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "help/help_picture.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kTextPoints = 9;
constexpr int kHeadingPoints = 11;
constexpr COLORREF kLinkColor = RGB(0, 0, 192);
// Holds a picture's place in the text until the picture replaces it.
constexpr wchar_t kPicturePlace = L'\xFFFC';

// The page as the control's text: each paragraph ends in "\r", which the rich
// edit keeps as one character, so that positions counted here are its own.
class PageText {
 public:
  long Append(const std::wstring& text) {
    const long start = static_cast<long>(text_.size());
    for (wchar_t c : text) text_ += c == L'\n' ? L'\r' : c;
    return start;
  }
  void EndParagraph() { text_ += L'\r'; }
  void BlankLine() {
    if (!text_.empty() && !text_.ends_with(L"\r\r")) text_ += L'\r';
  }
  long Size() const { return static_cast<long>(text_.size()); }
  const std::wstring& Text() const { return text_; }

 private:
  std::wstring text_;
};

}  // namespace

HelpPageView::HelpPageView(Container& parent, const EditArgs& args) : RichEdit(parent, args) {
  Send(EM_SETEVENTMASK, 0, ENM_LINK);
  Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOW)));
}

// The page is read, not typed in: it keeps no caret. The control makes its
// caret anew when it takes the focus, when the selection moves and when a
// line's height changes, so whatever it handled, a caret of its own goes.
// Without a caret to follow, the Up and Down arrows scroll a line, as the
// scroll bar's arrows do; Shift with them still selects.
// Tab into a page leaves its selection as it is: the dialog keys select the
// whole text of a control that asks for it, which would scroll to the end.
LRESULT HelpPageView::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN) && GetKeyState(VK_SHIFT) >= 0 &&
      GetKeyState(VK_CONTROL) >= 0) {
    Send(WM_VSCROLL, wp == VK_UP ? SB_LINEUP : SB_LINEDOWN);
    return 0;
  }
  const LRESULT result = RichEdit::WndProc(msg, wp, lp);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) && thread.hwndCaret == Handle()) DestroyCaret();
  return msg == WM_GETDLGCODE ? result & ~static_cast<LRESULT>(DLGC_HASSETSEL) : result;
}

void HelpPageView::ShowPage(const HelpPage& page) {
  struct Run {
    long start, end;
    bool heading;
  };
  struct PicturePlace {
    long at;
    std::wstring name;
  };
  PageText text;
  std::vector<Run> headings;
  std::vector<Link> links;
  std::vector<PicturePlace> pictures;
  HelpBlockKind last = HelpBlockKind::kHeading;
  for (const HelpBlock& block : page.blocks) {
    const std::wstring words = Widen(block.text);
    const bool picture = block.kind == HelpBlockKind::kPicture;
    if (block.kind != HelpBlockKind::kLink || last != HelpBlockKind::kLink) text.BlankLine();
    const long start = text.Append(picture ? std::wstring(1, kPicturePlace) : words);
    if (block.kind == HelpBlockKind::kHeading) headings.push_back({start, text.Size(), true});
    if (block.kind == HelpBlockKind::kLink) links.push_back({start, text.Size(), block.target});
    if (picture) pictures.push_back({start, words});
    text.EndParagraph();
    last = block.kind;
  }
  Send(WM_SETREDRAW, FALSE);
  {
    QuietScope quiet(*this);
    SetWindowTextW(Handle(), text.Text().c_str());
  }
  Format(0, -1, false, false);
  for (const Run& run : headings) Format(run.start, run.end, true, false);
  for (const Link& link : links) Format(link.start, link.end, false, true);
  for (const PicturePlace& picture : pictures) InsertPicture(picture.at, picture.name);
  links_ = std::move(links);
  Send(EM_SETSEL, 0, 0);
  Send(WM_VSCROLL, SB_TOP);
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

// Sets the look of a range; the whole text first goes back to plain.
void HelpPageView::Format(long start, long end, bool heading, bool link) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_SIZE | CFM_LINK | CFM_UNDERLINE | CFM_COLOR;
  format.dwEffects = (heading ? CFE_BOLD : 0) | (link ? CFE_LINK | CFE_UNDERLINE : CFE_AUTOCOLOR);
  format.yHeight = (heading ? kHeadingPoints : kTextPoints) * 20;  // twips
  format.crTextColor = link ? kLinkColor : 0;
  Send(EM_SETSEL, static_cast<WPARAM>(start), end);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

namespace {

// Hands the rich text to the control as it reads it.
struct RtfSource {
  const std::string& text;
  std::size_t read = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto& source = *reinterpret_cast<RtfSource*>(cookie);
  const std::size_t count = std::min(source.text.size() - source.read, static_cast<std::size_t>(wanted));
  std::copy_n(source.text.data() + source.read, count, buffer);
  source.read += count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

// Puts the picture in place of its one character; a picture the program lacks
// leaves a blank, so that the places of the links after it stay as they are.
void HelpPageView::InsertPicture(long at, const std::wstring& name) {
  const std::string rtf = HelpPictureRtf(name.c_str());
  Send(EM_SETSEL, static_cast<WPARAM>(at), at + 1);
  if (rtf.empty()) {
    Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L" "));
    return;
  }
  RtfSource source{rtf};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadRtf};
  Send(EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
}

std::wstring HelpPageView::TextRange(long start, long end) const {
  if (end <= start) return {};
  std::wstring text(static_cast<std::size_t>(end - start) + 1, L'\0');
  TEXTRANGEW range{{start, end}, text.data()};
  text.resize(static_cast<std::size_t>(Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  return text;
}

CHARRANGE HelpPageView::Selection() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

bool HelpPageView::SelectLink(bool forward) {
  const CHARRANGE selection = Selection();
  const Link* next = nullptr;
  for (const Link& link : links_) {
    // Forward: the first link after the selected one, or at or after the caret.
    const bool after =
        selection.cpMin == selection.cpMax ? link.start >= selection.cpMin : link.start > selection.cpMin;
    if (forward && after) {
      next = &link;
      break;
    }
    if (!forward && link.start < selection.cpMin) next = &link;
  }
  if (!next) return false;
  Send(EM_SETSEL, static_cast<WPARAM>(next->start), next->end);
  Send(EM_SCROLLCARET);
  return true;
}

bool HelpPageView::FollowSelectedLink() {
  const CHARRANGE selection = Selection();
  for (const Link& link : links_) {
    if (link.start == selection.cpMin && link.end == selection.cpMax) {
      if (onLink) onLink(link.target);
      return true;
    }
  }
  return false;
}

bool HelpPageView::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code != EN_LINK) return false;
  const auto& link = reinterpret_cast<const ENLINK&>(header);
  result = 0;
  if (link.msg != WM_LBUTTONUP) return true;
  for (const Link& known : links_) {
    if (link.chrg.cpMin >= known.start && link.chrg.cpMin < known.end) {
      // The page changes once the click is done with.
      const int target = known.target;
      if (onLink) onLink(target);
      break;
    }
  }
  return true;
}

}  // namespace qrv
