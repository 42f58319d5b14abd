// The bar menu PopUpActions (also the notification-area icon's menu), the
// programs that enable its items, and the places of the windows the bar opens.
#include "bar/Main.h"

#include <cstdint>

#include "bar/Settings.h"
#include "core/bar_windows.h"
#include "ui/layout.h"

namespace {

using ui::Make;

constexpr wchar_t kMenu[] = L"PopUpActions";

ui::LayoutRow Item(const wchar_t* name, const wchar_t* caption, int tag = 0, unsigned style = 0) {
  return {.name = name, .make = Make<ui::MenuItem>, .caption = caption, .style = style, .tag = tag, .parent = kMenu};
}

bool WindowExists(HWND window) { return window && IsWindow(window); }

qrv::ScreenSize Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

void TQV::BuildMenus() {
  ui::BuildLayout(*this, {
      {.name = kMenu, .make = Make<ui::PopupMenu>},
      Item(L"ViewTaskFolder1", L"Tasks", 1),
      Item(L"ViewNotesFolder1", L"Notes", 2),
      Item(L"ViewCalendarFolder1", L"Calendar", 3),
      Item(L"ViewContactFolder1", L"Contacts", 4),
      Item(L"ViewInboxFolder1", L"Inbox", 5),
      Item(L"ViewJournalFolder1", L"Journal", 6),
      Item(L"N1", L"-"),
      Item(L"Task1", L"New Task", 1),
      Item(L"Note1", L"New Note", 2),
      Item(L"Appointment1", L"New Appointment", 3),
      Item(L"Contact1", L"New Contact", 4),
      Item(L"NewEMailItem1", L"New E-Mail Item", 5),
      Item(L"NewJournalItem1", L"New Journal Item", 6),
      Item(L"N2", L"-"),
      Item(L"NewTaskRequest1", L"New Task Request", 7),
      Item(L"NewMeetingRequest1", L"New Meeting Request", 8),
      Item(L"N3", L"-"),
      Item(L"OpenOutlook1", L"Open Outlook", 1),
      Item(L"OpenOutlookToday1", L"Open Outlook Today", 2),
      Item(L"Find1", L"Advanced Find...", 5),
      Item(L"QuickInformationItem1", L"New Information Item"),
      Item(L"NewOfficeDocument1", L"New Office Document", 3),
      Item(L"N4", L"-"),
      Item(L"ToggleTavrobar1", L"Tavrobar Enabled", 0, ui::kChecked),
      Item(L"AboutPreferences1", L"About / Preferences..."),
      Item(L"Keywords1", L"Keywords..."),
      Item(L"Hotkeys1", L"Hotkeys..."),
      Item(L"Update1", L"Update Web Services"),
      Item(L"Help1", L"Help"),
      Item(L"N5", L"-"),
      Item(L"CloseQuorvel1", L"Exit 'Quorvel'"),
  });
  ui::BindClicks(*this, {
      {L"ViewTaskFolder1", &TQV::FolderViewMenuClick}, {L"ViewNotesFolder1", &TQV::FolderViewMenuClick},
      {L"ViewCalendarFolder1", &TQV::FolderViewMenuClick}, {L"ViewContactFolder1", &TQV::FolderViewMenuClick},
      {L"ViewInboxFolder1", &TQV::FolderViewMenuClick}, {L"ViewJournalFolder1", &TQV::FolderViewMenuClick},
      {L"Task1", &TQV::NewItemMenuClick}, {L"Note1", &TQV::NewItemMenuClick},
      {L"Appointment1", &TQV::NewItemMenuClick}, {L"Contact1", &TQV::NewItemMenuClick},
      {L"NewEMailItem1", &TQV::NewItemMenuClick}, {L"NewJournalItem1", &TQV::NewItemMenuClick},
      {L"NewTaskRequest1", &TQV::NewItemMenuClick}, {L"NewMeetingRequest1", &TQV::NewItemMenuClick},
      {L"OpenOutlook1", &TQV::OpenExtraMenuItem}, {L"OpenOutlookToday1", &TQV::OpenExtraMenuItem},
      {L"Find1", &TQV::OpenExtraMenuItem}, {L"QuickInformationItem1", &TQV::QuickInformationItem1Click},
      {L"NewOfficeDocument1", &TQV::OpenExtraMenuItem}, {L"ToggleTavrobar1", &TQV::ToggleTavrobar1Click},
      {L"AboutPreferences1", &TQV::AboutButton1Click}, {L"Keywords1", &TQV::Keywords1Click},
      {L"Hotkeys1", &TQV::Hotkeys1Click}, {L"Update1", &TQV::Update1Click}, {L"Help1", &TQV::Help1Click},
      {L"CloseQuorvel1", &TQV::QuitClick},
  });
  PopUpActions = &Get<ui::PopupMenu>(kMenu);
}

// The Outlook programs' items are offered only when the programs are there.
void TQV::EnableMenuPrograms() {
  const bool outlook = FileExists(BarSettings.outlookExePath);
  Get<ui::MenuItem>(L"OpenOutlook1").SetEnabled(outlook);
  Get<ui::MenuItem>(L"OpenOutlookToday1").SetEnabled(outlook);
  Get<ui::MenuItem>(L"Find1").SetEnabled(FileExists(FolderOf(BarSettings.outlookExePath) + "Finder.exe"));
  Get<ui::MenuItem>(L"NewOfficeDocument1").SetEnabled(FileExists(BarSettings.officeShortcutPath));
}

// --- the windows the bar keeps and places ------------------------------------------

void TQV::ClearPrefsHandle() { PrefsHandle = nullptr; }

void TQV::ClearHelpHandle() { HelpHandle = nullptr; }

bool TQV::PrefsWindowExists() { return WindowExists(PrefsHandle); }

bool TQV::HelpViewerExists() { return WindowExists(HelpHandle); }

void TQV::PlacePrefsWindow(ui::Form& prefs) {
  PrefsHandle = prefs.Handle();
  prefs.SetBounds(40, Top(), prefs.Width(), prefs.Height());
}

void TQV::PlaceHelpViewer(ui::Form& viewer) {
  HelpHandle = viewer.Handle();
  if (viewer.Visible()) return;  // an open viewer keeps its place and size
  const qrv::HelpViewerPlace place = qrv::PlaceHelpViewer(viewer.Width(), Top(), Screen());
  viewer.SetBounds(place.left, place.top, viewer.Width(), place.height);
}

void TQV::PlaceEntryWindow(ui::Form& entry, int date_panel_height) {
  EntryWindows.push_back(std::to_string(reinterpret_cast<std::uintptr_t>(entry.Handle())));
  const int n = static_cast<int>(EntryWindows.size());
  const qrv::WindowPlace place =
      qrv::EntryWindowPlace(n, entry.Width(), entry.Height(), date_panel_height, Top(), Screen());
  entry.SetBounds(place.left, place.top, entry.Width(), entry.Height());
}

void TQV::TrayShowMenu() {
  if (!PrefsWindowExists()) return;
  BringToFront();
  SetForegroundWindow(Handle());
}
