// The bar's making: its controls in their places at 96 DPI, its menu's items,
// the bindings of their events, its timers, and its background and shape at
// the window's DPI.
#include <iterator>

#include "bar/bar_window.h"
#include "bar/instance.h"
#include "core/bar_windows.h"
#include "core/region_data.h"
#include "ui/app.h"
#include "ui/resource.h"

namespace qrv {
namespace {

constexpr COLORREF kBarFace = RGB(32, 36, 46);

// The loading word down the bar: white bold letters.
const FontChoice kLetterFont{.face = L"Tahoma", .points = 10, .bold = true};

PictureLabel Letter(Container& bar, int top, const wchar_t* letter) {
  return PictureLabel(bar, {.bounds = {9, top, 20, 16}, .text = letter}, kLetterFont, true);
}

constexpr std::array<const wchar_t*, 8> kNewItemNames = {
    L"New Task",        L"New Note",         L"New Appointment",  L"New Contact",
    L"New E-Mail Item", L"New Journal Item", L"New Task Request", L"New Meeting Request"};
constexpr std::array<const wchar_t*, 6> kFolderHints = {L"View Task Folder",     L"View Notes Folder",
                                                        L"View Calendar Folder", L"View Contact Folder",
                                                        L"View Inbox Folder",    L"View Journal Folder"};
constexpr std::array<const wchar_t*, 4> kExtraHints = {L"Open Outlook", L"Open Outlook Today", L"New Office Document",
                                                       L"Launch Program"};

}  // namespace

std::wstring NewItemName(EntryType type) { return kNewItemNames.at(static_cast<std::size_t>(type) - 1); }

BarWindow::BarWindow(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args)
    : ShapedForm({.caption = L"QV", .clientSize = {174, kHeight}, .style = FormStyle::kBorderless, .topMost = true}),
      data_(data),
      outlook_(outlook),
      commands_(outlook, data, *this),
      args_(std::move(args)),
      entryActions_(entryActions),
      loadingLetters_{Letter(*this, 24, L"L"),  Letter(*this, 59, L"O"),  Letter(*this, 93, L"A"),
                      Letter(*this, 127, L"D"), Letter(*this, 161, L"I"), Letter(*this, 195, L"N"),
                      Letter(*this, 229, L"G"), Letter(*this, 263, L"!")},
      newItemButtons_{BarButton(*this, {12, 20, 25, 24}, L"NEW1"),  BarButton(*this, {12, 54, 25, 24}, L"NEW2"),
                      BarButton(*this, {12, 88, 25, 24}, L"NEW3"),  BarButton(*this, {12, 122, 25, 24}, L"NEW4"),
                      BarButton(*this, {12, 156, 25, 24}, L"NEW5"), BarButton(*this, {12, 190, 25, 24}, L"NEW6"),
                      BarButton(*this, {12, 190, 25, 24}, L"NEW7"), BarButton(*this, {12, 190, 25, 24}, L"NEW8")},
      folderButtons_{BarButton(*this, {1, 20, 9, 24}, L"FOLDER1"),  BarButton(*this, {1, 54, 9, 24}, L"FOLDER2"),
                     BarButton(*this, {1, 88, 9, 24}, L"FOLDER3"),  BarButton(*this, {1, 122, 9, 24}, L"FOLDER4"),
                     BarButton(*this, {1, 156, 9, 24}, L"FOLDER5"), BarButton(*this, {1, 190, 9, 24}, L"FOLDER6")},
      extraButtons_{BarButton(*this, {12, 224, 25, 24}, L"EXTRA1"), BarButton(*this, {12, 224, 25, 24}, L"EXTRA2"),
                    BarButton(*this, {12, 224, 25, 24}, L"EXTRA3"), BarButton(*this, {12, 224, 25, 24}, L"EXTRA4")},
      folderItems_{MenuItem(barMenu_, {.text = L"Tasks"}),    MenuItem(barMenu_, {.text = L"Notes"}),
                   MenuItem(barMenu_, {.text = L"Calendar"}), MenuItem(barMenu_, {.text = L"Contacts"}),
                   MenuItem(barMenu_, {.text = L"Inbox"}),    MenuItem(barMenu_, {.text = L"Journal"})},
      newItemItems_{MenuItem(barMenu_, {.text = kNewItemNames[0]}), MenuItem(barMenu_, {.text = kNewItemNames[1]}),
                    MenuItem(barMenu_, {.text = kNewItemNames[2]}), MenuItem(barMenu_, {.text = kNewItemNames[3]}),
                    MenuItem(barMenu_, {.text = kNewItemNames[4]}), MenuItem(barMenu_, {.text = kNewItemNames[5]})} {
  background = kBarFace;
  LoadBackground();
  for (PictureLabel& letter : loadingLetters_) letter.color = RGB(255, 255, 255);
  prefsButton_.SetEnabled(false);
  BindButtons();
  BindMenu();
  LoadMenuPictures();
  BindTrayIcon();
  BindTimers();
  entryActions_.editKeywords = [this] { ShowPreferences(PreferencePage::kKeywords); };
  entryActions_.notePlace = [this] { return NotePlace{kBesideBarLeft, BarTop(), StripHeight()}; };
  entryActions_.showHelp = [this](int page) { ShowHelp(page); };
  filterId_ = Application::Get().AddMessageFilter([this](MSG& msg) { return KeepAwake(msg); });
  TakeFileArgument();
}

BarWindow::~BarWindow() {
  Application::Get().RemoveMessageFilter(filterId_);
  Guarded(Handle(), [this] {
    StorePosition();
    outlook_.Release();
  });
}

// The background picture and the shape drawn for the window's DPI.
void BarWindow::LoadBackground() {
  SetPicture(BarPicture(L"BARBACK", Dpi()));
  LoadMask(ResourceData(PictureNameForDpi(L"BARMASK", Dpi()).c_str()));
}

void BarWindow::DpiChanged() {
  LoadBackground();
  LoadMenuPictures();
}

void BarWindow::BindButtons() {
  for (std::size_t n = 0; n < newItemButtons_.size(); ++n) {
    const auto type = static_cast<EntryType>(n + 1);
    newItemButtons_[n].SetHint(NewItemName(type));
    newItemButtons_[n].onClick = [this, type] { OnNewItemButtonClick(type); };
    newItemButtons_[n].onMouseUp = [this, type](MouseButton button, int, int) {
      OnNewItemButtonRightClick(type, button);
    };
  }
  for (std::size_t n = 0; n < folderButtons_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderButtons_[n].SetHint(kFolderHints[n]);
    folderButtons_[n].onClick = [this, folder] { OnFolderButtonClick(folder); };
    folderButtons_[n].onMouseUp = [this, folder](MouseButton button, int, int) {
      OnFolderButtonRightClick(folder, button);
    };
  }
  for (std::size_t n = 0; n < extraButtons_.size(); ++n) {
    const auto action = static_cast<ExtraAction>(n + 1);
    extraButtons_[n].SetHint(kExtraHints[n]);
    extraButtons_[n].onClick = [this, action] { OnExtraButtonClick(action); };
  }
  collapseButton_.SetHint(L"Minimize");
  collapseButton_.onClick = [this] { ToggleCollapsed(); };
  prefsButton_.SetHint(L"About and Preferences");
  prefsButton_.onClick = [this] { ShowPreferences(PreferencePage::kGeneral); };
  prefsButton_.onMouseUp = [this](MouseButton button, int, int) { OnPrefsButtonRightClick(button); };
  quitButton_.SetHint(L"Quit");
  quitButton_.onClick = [this] { Close(); };
  collapsedStrip_.onMouseUp = [this](MouseButton button, int x, int y) { OnCollapsedStripMouseUp(button, x, y); };
}

void BarWindow::BindTimers() {
  startUpTimer_.onTimer = [this] { OnStartUpTimer(); };
  idleTimer_.onTimer = [this] { OnIdleTimer(); };
  positionTimer_.onTimer = [this] { OnPositionTimer(); };
  updateCheckTimer_.onTimer = [this] { OnUpdateCheckTimer(); };
  readyEntryTimer_.onTimer = [this] { OnReadyEntryTimer(); };
}

// --- messages ------------------------------------------------------------------------

LRESULT BarWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == HandOffMessage()) {
    ReceiveHandOff(wp);
    return 0;
  }
  if (msg == kServeHandedFiles) {
    ServeHandedFiles();
    return 0;
  }
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
  if ((msg.message == WM_MOUSEMOVE || msg.message == WM_KEYDOWN) && idleTimer_.Enabled() && Left() == -1) {
    idleTimer_.SetEnabled(false);
    idleTimer_.SetEnabled(true);
  }
  return false;
}

}  // namespace qrv
