// The bar's making from its parts, its background and shape at the window's
// DPI, its messages, its place on the screen, and its opening and collapsing.
#include <algorithm>
#include <utility>

#include "bar/bar_files.h"
#include "bar/bar_window.h"
#include "components/settings.h"
#include "core/bar_windows.h"
#include "core/region_data.h"
#include "ui/app.h"
#include "ui/paint_now.h"
#include "ui/resource.h"

namespace qrv {
namespace {

constexpr COLORREF kBarFace = RGB(32, 36, 46);

void MoveTo(const Form& bar, int left, int top) {
  SetWindowPos(bar.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A bar off the screen, above it or below (a stored place, a change of
// resolution), comes back whole, and the windows placed beside it with it.
void KeepOnScreen(const Form& bar) {
  if (bar.WindowRect().left != -1) MoveTo(bar, -1, bar.WindowRect().top);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const RECT place = bar.WindowRect();
  const int top =
      std::max(0, std::min(static_cast<int>(place.top), screenHeight - static_cast<int>(place.bottom - place.top)));
  if (top != place.top) MoveTo(bar, -1, top);
}

std::unique_ptr<BarPreferences> MakePreferences(Form& bar, BarData& data, std::function<void()> settingsChanged) {
  return std::make_unique<BarPreferences>(bar, data, std::move(settingsChanged));
}

}  // namespace

BarWindow::BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args)
    : BarWindow(data, outlook, entryActions, std::move(args), MakePreferences) {}

BarWindow::BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args,
                     const PreferencesMaker& makePreferences)
    : ShapedForm({.caption = L"QV", .clientSize = {174, kHeight}, .style = FormStyle::kBorderless, .topMost = true}),
      data_(data),
      outlook_(outlook),
      commands_(outlook, data, *this),
      args_(std::move(args)),
      entryActions_(entryActions),
      prefs_(makePreferences(*this, data, [this] { ReadSettings(); })),
      buttons_(*this, commands_, data.settings,
               {.toggleCollapsed = [this] { ToggleCollapsed(); },
                .newInformationItem = [this] { entries_.Open(); },
                .showPreferences = [this](PreferencePage page) { prefs_->Show(page); },
                .quit = [this] { Close(); },
                .showMenu = [this](int x, int y) { menu_.Popup().Popup(*this, x, y); }}),
      menu_(*this, commands_, data.settings,
            {.newInformationItem = [this] { entries_.Open(); },
             .toggleBar = [this] { ToggleShown(); },
             .showPreferences = [this](PreferencePage page) { prefs_->Show(page); },
             .showHotkeyEditor =
                 [this] {
                   if (showHotkeyEditor) showHotkeyEditor();
                 },
             .showHelp = [this](int page) { ShowHelp(page); },
             .exit = [this] { Close(); },
             .trayIconChanged = [this] { ApplyProgramMode(); }}) {
  background = kBarFace;
  LoadBackground();
  startUpTimer_.onTimer = [this] { StartUp(); };
  idleTimer_.onTimer = [this] {
    if (data_.settings.minimize) ToggleCollapsed();
  };
  positionTimer_.onTimer = [this] { KeepOnScreen(*this); };
  entryActions_.editKeywords = [this] { prefs_->Show(PreferencePage::kKeywords); };
  entryActions_.notePlace = [this] { return NotePlace{kBesideBarLeft, BarTop(), StripHeight()}; };
  entryActions_.showHelp = [this](int page) { ShowHelp(page); };
  filterId_ = Application::Get().AddMessageFilter([this](MSG& msg) { return KeepAwake(msg); });
  // The file the bar was started with waits for the start-up like a handed one.
  if (const auto file = StartFileArgument(args_)) prefs_->ImportFile(*file);
}

// The background picture and the shape drawn for the window's DPI.
void BarWindow::LoadBackground() {
  SetPicture(BarPicture(L"BARBACK", Dpi()));
  LoadMask(ResourceData(PictureNameForDpi(L"BARMASK", Dpi()).c_str()));
}

void BarWindow::DpiChanged() {
  LoadBackground();
  menu_.LoadPictures(Dpi());
}

// --- messages ------------------------------------------------------------------------

LRESULT BarWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (handOff_.HandleMessage(msg, wp)) return 0;
  switch (msg) {
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      return OnEndSession(wp);
  }
  return ShapedForm::WndProc(msg, wp, lp);
}

// The mouse moving or a key pressed anywhere in the program keeps the open bar
// open for another idle time.
bool BarWindow::KeepAwake(const MSG& msg) {
  if ((msg.message == WM_MOUSEMOVE || msg.message == WM_KEYDOWN) && idleTimer_.Enabled() && WindowRect().left == -1) {
    idleTimer_.SetEnabled(false);
    idleTimer_.SetEnabled(true);
  }
  return false;
}

// --- its place ---------------------------------------------------------------------

void BarWindow::Launch() {
  MoveTo(*this, -1, Top());
  ApplyPosition(ReadSetting("POSITION"));
  CheckAssociation(ReadSetting("SETEXT"), Handle());
  startUpTimer_.SetEnabled(true);
}

void BarWindow::ApplyPosition(const std::string& text) {
  const BarPosition position = ParsePosition(text);
  data_.settings.rememberPosition = position.remember;
  data_.settings.barTop = position.top;
  MoveTo(*this, WindowRect().left, position.top);
}

// --- opening and collapsing ------------------------------------------------------------

void BarWindow::SetBarWidth(int designWidth) {
  const RECT bar = WindowRect();
  SetWindowRect(bar.left, bar.top, Scale(designWidth), bar.bottom - bar.top);
}

void BarWindow::SetShown(bool shown) {
  if (shown) {
    ShowWindow(Handle(), SW_SHOW);
  } else {
    Hide();
  }
}

// Each step is painted before the next, so the bar never shows half changed.
void BarWindow::ToggleCollapsed() {
  if (Collapsed()) {
    collapsed_ = false;
    buttons_.Strip().SetVisible(false);
    buttons_.Show(true);
    PaintNow();
    SetBarWidth(kOpenWidth);
    PaintNow();
    idleTimer_.SetEnabled(true);
  } else {
    collapsed_ = true;
    idleTimer_.SetEnabled(false);
    buttons_.Strip().SetVisible(true);
    SetBarWidth(kCollapsedWidth);
    PaintNow();
    buttons_.Show(false);
    PaintNow();
  }
}

// An action started from the open bar collapses it. The bar may have collapsed
// meanwhile (the idle time ran out while the categories were chosen): it is
// not opened again.
void BarWindow::CollapseAfterAction() {
  if (!Collapsed()) ToggleCollapsed();
}

}  // namespace qrv
