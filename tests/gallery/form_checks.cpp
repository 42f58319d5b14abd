#include "form_checks.h"

#include <algorithm>
#include <sstream>

#include "form_checks_support.h"
#include "tests/win/ui_test_support.h"
#include "ui/control.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv::checks {
namespace {

// A colour no control of ours paints: what is left of it was never painted.
constexpr COLORREF kSentinel = RGB(0x13, 0xE7, 0x7A);

// Pixels at 96 DPI the system keeps around a text: a push button's edges and
// focus rectangle, a check box's glyph and the gap after it, a group box's
// caption indent, a combo box's text inset.
constexpr int kButtonMargin = 3;
constexpr int kCheckGlyph = 13;
constexpr int kCheckGap = 4;
constexpr int kGroupIndent = 8;
constexpr int kComboInset = 3;

// The DPI the form laid the control out at (ApplyDpi changes it without the system knowing).
UINT LayoutDpi(HWND control) {
  if (Control* c = Control::FromHandle(control)) return c->Parent().Dpi();
  return DpiOf(control);
}

// Width and height of a text in the control's own font.
SIZE TextSize(HWND control, const std::wstring& text, UINT flags, int wrapWidth = 0) {
  WindowDc dc(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  SelectedObject selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
  RECT r{0, 0, wrapWidth, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}

std::string TooNarrow(HWND control, const std::wstring& text, int needed, int has) {
  std::ostringstream out;
  out << Describe(control) << ": \"" << Narrow(text) << "\" needs " << needed << " px, has " << has;
  return out.str();
}

// A single-line text with `margins` pixels beside it, in a client area.
void FitLine(HWND control, const std::wstring& text, int margins, UINT prefix, Findings& findings) {
  RECT client{};
  GetClientRect(control, &client);
  const SIZE size = TextSize(control, text, DT_SINGLELINE | prefix);
  if (size.cx + margins > client.right)
    findings.push_back({control, TooNarrow(control, text, size.cx + margins, client.right)});
  if (size.cy > client.bottom) {
    std::ostringstream out;
    out << Describe(control) << ": text is " << size.cy << " px high, the control " << client.bottom;
    findings.push_back({control, out.str()});
  }
}

// A text that wraps within a width: every word fits it, and the lines fit the height.
void FitWrapped(HWND control, const std::wstring& text, int width, int height, UINT prefix, Findings& findings) {
  std::wistringstream words(text);
  for (std::wstring word; words >> word;) {
    const SIZE size = TextSize(control, word, DT_SINGLELINE | prefix);
    if (size.cx > width) findings.push_back({control, TooNarrow(control, word, size.cx, width)});
  }
  const SIZE size = TextSize(control, text, DT_WORDBREAK | prefix, width);
  if (size.cy > height) {
    std::ostringstream out;
    out << Describe(control) << ": wrapped text is " << size.cy << " px high, the control " << height
        << " (on one line it is " << TextSize(control, text, DT_SINGLELINE | prefix).cx << " px wide, the control "
        << width << ")";
    findings.push_back({control, out.str()});
  }
}

void FitStatic(HWND control, Findings& findings) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const LONG type = style & SS_TYPEMASK;
  const std::wstring text = WindowText(control);
  if (text.empty() || (style & SS_ELLIPSISMASK)) return;
  const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
  RECT client{};
  GetClientRect(control, &client);
  if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
    FitLine(control, text, 0, prefix, findings);
  } else if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
    FitWrapped(control, text, client.right, client.bottom, prefix, findings);
  }
}

void FitButton(HWND control, Findings& findings) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  const std::wstring text = WindowText(control);
  // A button that shows a picture in place of its text keeps the text for its mnemonic only.
  if (text.empty() || type == BS_OWNERDRAW || (style & (BS_BITMAP | BS_ICON))) return;
  const int dpi = static_cast<int>(LayoutDpi(control));
  auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  RECT client{};
  GetClientRect(control, &client);
  const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
                   type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  if (type == BS_GROUPBOX) {
    FitLine(control, text, 2 * scale(kGroupIndent), 0, findings);
  } else if (box && !(style & BS_PUSHLIKE)) {
    const int beside = scale(kCheckGlyph + kCheckGap);
    if (style & BS_MULTILINE)
      FitWrapped(control, text, client.right - beside, client.bottom, 0, findings);
    else
      FitLine(control, text, beside, 0, findings);
  } else {
    int margins = scale(2 * kButtonMargin);
    BITMAP picture{};
    if (auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(control, BM_GETIMAGE, IMAGE_BITMAP, 0));
        bitmap && GetObjectW(bitmap, sizeof picture, &picture))
      margins += picture.bmWidth + scale(kButtonMargin);
    if (style & BS_MULTILINE)
      FitWrapped(control, text, client.right - margins, client.bottom, 0, findings);
    else
      FitLine(control, text, margins, 0, findings);
  }
}

void FitTabs(HWND control, Findings& findings) {
  RECT client{};
  GetClientRect(control, &client);
  const int count = static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t title[256] = L"";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = 256;
    RECT tab{};
    SendMessageW(control, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    SendMessageW(control, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
    const SIZE size = TextSize(control, title, DT_SINGLELINE);
    std::ostringstream out;
    if (tab.right > client.right) {
      out << Describe(control) << ": tab \"" << Narrow(title) << "\" ends at " << tab.right << " px, the control at "
          << client.right;
    } else if (size.cx > tab.right - tab.left) {
      out << TooNarrow(control, title, size.cx, tab.right - tab.left);
    }
    if (!out.str().empty()) findings.push_back({control, out.str()});
  }
}

void FitCombo(HWND control, Findings& findings) {
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & 3;
  if (kind != CBS_DROPDOWN && kind != CBS_DROPDOWNLIST) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(control, &info)) return;
  const int has = info.rcItem.right - info.rcItem.left - MulDiv(kComboInset, static_cast<int>(LayoutDpi(control)), 96);
  std::vector<std::wstring> texts{WindowText(control)};
  const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(control, CB_GETLBTEXTLEN, i, 0))),
                      L'\0');
    SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    texts.push_back(text.c_str());
  }
  for (const std::wstring& text : texts) {
    const SIZE size = TextSize(control, text, DT_SINGLELINE | DT_NOPREFIX);
    if (!text.empty() && size.cx > has) {
      findings.push_back({control, TooNarrow(control, text, size.cx, has)});
      return;  // one entry that does not fit is enough to widen the box
    }
  }
}

// The pixels of a form's client area as they are in its own surface.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> rgb;
  COLORREF At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

Pixels ReadBack(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
  HDC dc = GetDCEx(form, nullptr, DCX_CACHE);
  Pixels pixels{client.right, client.bottom, testing::CopiedPixels(dc, client)};
  ReleaseDC(form, dc);
  pixels.rgb.resize(static_cast<std::size_t>(pixels.width) * pixels.height);
  return pixels;
}

// Sentinel pixels inside a control's visible rectangle that none of its own
// visible children covers (those are counted for the children).
int UnpaintedPixels(HWND form, HWND control, const Pixels& pixels) {
  const RECT area = VisibleRect(form, control);
  OwnedRegion own(CreateRectRgnIndirect(&area));
  for (HWND child = GetWindow(control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const RECT r = RectInForm(form, child);
    OwnedRegion cut(CreateRectRgnIndirect(&r));
    CombineRgn(own.Get(), own.Get(), cut.Get(), RGN_DIFF);
  }
  int count = 0;
  for (int y = std::max(0L, area.top); y < std::min<LONG>(pixels.height, area.bottom); ++y)
    for (int x = std::max(0L, area.left); x < std::min<LONG>(pixels.width, area.right); ++x)
      if (pixels.At(x, y) == kSentinel && PtInRegion(own.Get(), x, y)) ++count;
  return count;
}

// An up-down control stands over its buddy's edge, as the system places it.
bool Buddies(HWND one, HWND other) {
  auto buddyOf = [](HWND w) -> HWND {
    wchar_t kind[64] = {};
    GetClassNameW(w, kind, 64);
    return _wcsicmp(kind, UPDOWN_CLASSW) == 0 ? reinterpret_cast<HWND>(SendMessageW(w, UDM_GETBUDDY, 0, 0)) : nullptr;
  };
  return buddyOf(one) == other || buddyOf(other) == one;
}

// A control as it is in any window made the same way: its place among the
// controls of each parent up to the top-level window, its kind and caption.
std::wstring KeyOf(HWND control) {
  std::wstring key = ClassOf(control) + L":" + WindowText(control);
  const HWND root = GetAncestor(control, GA_ROOT);
  for (HWND w = control; w && w != root; w = GetParent(w)) key.insert(0, std::to_wstring(GetDlgCtrlID(w)) + L"/");
  return ClassOf(root) + L"/" + key;
}

}  // namespace

bool Examined::First(HWND control) { return keys_.insert(KeyOf(control)).second; }

// The layout as the tab order sees it: each control in z-order with its
// place in reading order, the same for a window laid out alike at any DPI.
bool Examined::FirstLayout(HWND form) {
  const std::vector<HWND> controls = VisibleControls(form);
  std::vector<std::pair<POINT, std::size_t>> places;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const RECT r = RectInForm(form, controls[i]);
    places.push_back({{r.left, r.top}, i});
  }
  std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) {
    return std::pair(a.first.y, a.first.x) < std::pair(b.first.y, b.first.x);
  });
  std::vector<std::size_t> rank(controls.size());
  for (std::size_t r = 0; r < places.size(); ++r) rank[places[r].second] = r;
  std::wstring key = L"layout " + KeyOf(form);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    key += L"|" + std::to_wstring(GetDlgCtrlID(controls[i])) + (IsWindowEnabled(controls[i]) ? L"+" : L"-") +
           std::to_wstring(rank[i]);
  }
  return keys_.insert(key).second;
}

std::string Describe(HWND control) {
  const RECT r = RectInForm(GetAncestor(control, GA_ROOT), control);
  std::ostringstream out;
  out << KindOf(control);
  // The first line of a long text is enough to find the control by.
  std::wstring text = WindowText(control);
  if (const auto end = text.find_first_of(L"\r\n"); end != std::wstring::npos || text.size() > 60)
    text = text.substr(0, std::min<std::size_t>(end, 60)) + L"...";
  if (!text.empty()) out << " \"" << Narrow(text) << "\"";
  out << " (id " << GetDlgCtrlID(control) << ") at " << r.left << "," << r.top << " " << r.right - r.left << "x"
      << r.bottom - r.top;
  return out.str();
}

std::string Report(const std::string& heading, const Findings& findings) {
  std::string report = heading + ": " + std::to_string(findings.size()) + " finding(s)";
  for (const Finding& finding : findings) report += "\n  " + finding.what;
  return report;
}

Findings CheckPaint(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
  {
    // A cache DC without DCX_CLIPCHILDREN reaches under every child.
    HDC dc = GetDCEx(form, nullptr, DCX_CACHE);
    OwnedBrush sentinel(CreateSolidBrush(kSentinel));
    FillRect(dc, &client, sentinel.Get());
    ReleaseDC(form, dc);
  }
  RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  Settle();
  const Pixels pixels = ReadBack(form);
  Findings findings;
  for (HWND control : VisibleControls(form)) {
    if (IsFrame(control)) continue;  // a frame paints its edge and caption only
    const RECT r = VisibleRect(form, control);
    if (const int count = UnpaintedPixels(form, control, pixels); count > 0) {
      std::ostringstream out;
      out << Describe(control) << ": " << count << " of its " << (r.right - r.left) * (r.bottom - r.top)
          << " pixels not painted after a full repaint";
      findings.push_back({control, out.str()});
    }
  }
  return findings;
}

Findings CheckOverlaps(HWND form) {
  Findings findings;
  for (HWND control : VisibleControls(form)) {
    if (IsFrame(control)) continue;  // a frame lies below what it frames
    const RECT r = RectInForm(form, control);
    for (HWND above = GetWindow(control, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
      const RECT a = RectInForm(form, above);
      RECT both{};
      if (!IsWindowVisible(above) || !IntersectRect(&both, &r, &a) || Buddies(control, above)) continue;
      findings.push_back({control, Describe(control) + ": covered by " + Describe(above) +
                                       (IsFrame(above) ? ", a frame above what it frames" : "")});
    }
  }
  return findings;
}

Findings CheckTextFit(HWND form) {
  Findings findings;
  for (HWND control : VisibleControls(form)) {
    const std::wstring kind = ClassOf(control);
    if (kind == L"Static") FitStatic(control, findings);
    if (kind == L"Button") FitButton(control, findings);
    if (kind == WC_TABCONTROLW) FitTabs(control, findings);
    if (kind == L"ComboBox") FitCombo(control, findings);
  }
  return findings;
}

}  // namespace qrv::checks
