#include "ui/panels.h"

#include "ui/buttons.h"
#include "ui/window.h"

namespace qrv {

Panel::Panel(Container& parent, const PanelArgs& args)
    : Control(parent, BasicsOf(args, {.className = PlainWindowClass(L"QrvPanel"),
                                      .style = WS_CLIPCHILDREN,
                                      .exStyle = WS_EX_CONTROLPARENT,
                                      .id = args.id,
                                      .window = args.window})) {}

void Panel::Place() {
  Control::Place();
  LayOutChildren();
}

void Panel::DpiChanged() {
  Control::DpiChanged();
  RefreshChildFonts();
}

LRESULT Panel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; Reflect(msg, wp, lp, result)) return result;
  return Control::WndProc(msg, wp, lp);
}

// --- TabControl ------------------------------------------------------------------

TabControl::TabControl(Container& parent, const TabArgs& args)
    : Control(parent, BasicsOf(args, {.className = WC_TABCONTROLW,
                                      .style = WS_TABSTOP | WS_CLIPCHILDREN,
                                      .exStyle = WS_EX_CONTROLPARENT})) {
  for (std::size_t i = 0; i < args.pages.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring title = args.pages[i];
    item.pszText = title.data();
    Send(TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  // A page's panel is made when it is first asked for: a page never shown costs no window.
  pages_.resize(args.pages.size());
  firstPageId_ = parent.NextControlId();
  for (std::size_t i = 1; i < args.pages.size(); ++i) parent.NextControlId();
  GoBeforeTheButtonsUnderIt();
}

// The z-order is the Tab order: the tab control (and so its pages) goes just
// before the first push button made before it that stands below it.
void TabControl::GoBeforeTheButtonsUnderIt() {
  const RECT mine = PlacedRect();
  for (HWND w = GetWindow(GetParent(Handle()), GW_CHILD); w && w != Handle(); w = GetWindow(w, GW_HWNDNEXT)) {
    const auto* button = dynamic_cast<const Button*>(Control::FromHandle(w));
    if (!button || button->PlacedRect().top < mine.bottom) continue;
    const HWND above = GetWindow(w, GW_HWNDPREV);
    SetWindowPos(Handle(), above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    return;
  }
}

Panel& TabControl::Page(std::size_t index) {
  auto& page = pages_.at(index);
  // Its bounds come from the tab's display area, so they follow its tabs.
  if (!page)
    page = std::make_unique<Panel>(Parent(), PanelArgs{.bounds = PageBounds(),
                                                       .visible = static_cast<int>(index) == Selection(),
                                                       .window = Handle(),
                                                       .id = firstPageId_ + static_cast<int>(index)});
  return *page;
}

Bounds TabControl::PageBounds() const {
  RECT area{};
  GetClientRect(Handle(), &area);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const UINT dpi = Parent().Dpi();
  return {ScaleFromDpi(area.left, dpi), ScaleFromDpi(area.top, dpi), ScaleFromDpi(area.right - area.left, dpi),
          ScaleFromDpi(area.bottom - area.top, dpi)};
}

void TabControl::Place() {
  Control::Place();
  // A page fills the tab's display area, whatever its tab's size now.
  const Bounds page = PageBounds();
  for (const auto& panel : pages_)
    if (panel) panel->SetBounds(page);
}

void TabControl::DpiChanged() {
  Control::DpiChanged();
  for (const auto& panel : pages_)
    if (panel) panel->DpiChanged();
}

void TabControl::SetSelection(int index, Notify notify) {
  Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
  ShowSelectedPage();
  if (notify == Notify::kYes && onSelect) onSelect();
}

void TabControl::TurnPage(int step) {
  const int count = static_cast<int>(Send(TCM_GETITEMCOUNT));
  if (count < 2) return;
  const HWND focus = GetFocus();
  const bool focusOnPage = focus && IsChild(Handle(), focus);
  const int next = ((Selection() + step) % count + count) % count;
  SetSelection(next, Notify::kYes);
  if (!focusOnPage) return;
  // The first tab stop of the page now shown, else the tab control itself.
  const auto& page = pages_.at(static_cast<std::size_t>(next));
  HWND first = page ? GetNextDlgTabItem(page->Handle(), nullptr, FALSE) : nullptr;
  const Control* control = first ? Control::FromHandle(first) : nullptr;
  const bool usable = first && page && IsChild(page->Handle(), first) && IsWindowVisible(first) &&
                      IsWindowEnabled(first) && (!control || control->TakesFocus());
  SetFocus(usable ? first : Handle());
}

void TabControl::ShowSelectedPage() {
  const int selected = Selection();
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i]) pages_[i]->SetVisible(static_cast<int>(i) == selected);
}

bool TabControl::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE) return false;
  ShowSelectedPage();
  Fire(onSelect);
  result = 0;
  return true;
}

}  // namespace qrv
