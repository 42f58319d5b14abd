// The bar's start-up, its settings read, its program mode, and its closing
// and ending.
#include "bar/bar_window.h"

#include "bar/bar_files.h"
#include "components/settings.h"
#include "core/command_line.h"
#include "help/help_viewer.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/paint_now.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {
namespace {

void ConnectOutlook(OutlookSession& outlook, HWND owner) {
  if (outlook.Connect()) return;
  // Not installed, not starting, or refusing the logon: the bar runs on without it.
  MessageBeep(MB_ICONEXCLAMATION);
  ShowMessage(L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.", MessageKind::kWarning,
              MessageButtons::kOk, {.owner = owner});
}

void StorePosition(const BarSettings& settings, int top, HWND owner) {
  if (!settings.rememberPosition) return;
  if (!WriteSetting("POSITION", PositionText(true, top)))
    ShowMessage(L"The position of the bar could not be saved.", MessageKind::kWarning, MessageButtons::kOk,
                {.owner = owner});
}

}  // namespace

// --- start-up --------------------------------------------------------------------------

void BarWindow::StartUp() {
  startUpTimer_.SetEnabled(false);
  prefs_->StartUpdateCheck();
  PaintNow();
  const int wait = WaitSeconds(args_);
  if (wait > 0 && !waited_) {
    // The pause the command line asks for: the start-up timer comes again after
    // it, and the bar hears its messages meanwhile.
    waited_ = true;
    startUpTimer_.SetInterval(static_cast<UINT>(wait) * 1000);
    startUpTimer_.SetEnabled(true);
    return;
  }
  if (wait == 0 && ShowMessage(L"Do you want to continue running QRV and start Outlook?", MessageKind::kInformation,
                               MessageButtons::kYesNo, {.owner = Handle()}) != DialogResult::kYes) {
    Close();
    return;
  }
  ConnectOutlook(outlook_, Handle());
  buttons_.ShowPreferencesButton();
  ReadSettings();
  prefs_->SettingsRead();
  buttons_.Strip().SetBounds({-1, 0, 10, 298});
  positionTimer_.SetEnabled(true);
  entries_.StartReadying();
  ToggleCollapsed();
  for (const auto& request : OutlookRequests(args_)) {
    if (const auto* folder = std::get_if<FolderKind>(&request)) {
      commands_.ViewFolder(*folder, Origin::kMenu, false);
    } else {
      commands_.RunExtraAction(std::get<ExtraAction>(request), Origin::kMenu);
    }
  }
  prefs_->ShowDueUpdate();
  prefs_->ServeWaiting();
}

void BarWindow::ReadSettings() {
  data_.categoryNames.clear();
  LoadBarSettings(data_.settings);
  menu_.EnablePrograms();
  buttons_.SetLaunchHint(Widen(LaunchHint(data_.settings.fileName)));
  ApplyProgramMode();
  SetShowHints(data_.settings.hints);
  idleTimer_.SetInterval(static_cast<UINT>(data_.settings.minimizeTimeMs));
  ApplyPosition(data_.settings.positionText);
  buttons_.HideLoadingLetters();
  buttons_.Place();
  data_.journalTypes = ReadJournalTypes();
  ReadKeywordFiles(ProgramFolder(), data_, Handle());
  ReadIconNote(outlook_, data_.icons);
  PaintNow();
}

// --- the program mode ----------------------------------------------------------------

void BarWindow::ApplyProgramMode() {
  const ProgramMode mode = data_.settings.programMode;
  menu_.SetTrayIconActive(ShowsTrayIcon(mode));
  // Without its icon (the shell refused it so far) the bar stays reachable.
  SetShown(BarShownFor(mode, menu_.TrayIconShown()));
  menu_.CheckBarShown(Visible());
}

// Shows or hides the bar; the new mode lives until the preferences are saved.
void BarWindow::ToggleShown() {
  SetShown(!Visible());
  data_.settings.programMode = ToggledProgramMode(data_.settings.programMode);
  ApplyProgramMode();
}

// --- what the bar offers beside it ------------------------------------------------------

void BarWindow::ShowHelp(int page) { qrv::ShowHelp(*this, page); }

HotkeyTargets BarWindow::ForHotkeys() {
  return {
      .owner = Handle(),
      .viewFolder = [this](FolderKind folder) { commands_.ViewFolder(folder, Origin::kMenu, false); },
      .newItem = [this](EntryType type,
                        const std::wstring& caption) { commands_.ShowNewItem(type, Origin::kMenu, false, caption); },
      .newInformationItem = [this] { entries_.Open(); },
      .extraAction = [this](ExtraAction action) { commands_.RunExtraAction(action, Origin::kMenu); },
      .menuItem = [this](HotkeyAction action, int index) { return menu_.HotkeyItem(action, index); }};
}

// --- closing and ending ------------------------------------------------------------------

bool BarWindow::CanClose() {
  if (!entries_.Windows().Empty()) {
    MessageBeep(MB_ICONEXCLAMATION);
    if (ShowMessage(L"Are you sure you want to quit?\r\n \r\nThere are open Information Items,\r\n"
                    L"This information will not be saved.",
                    MessageKind::kWarning, MessageButtons::kOkCancel, {.owner = Handle()}) != DialogResult::kOk)
      return false;
  }
  try {
    if (!outlook_.AnyWindowOpen() || ShowMessage(L"Do you want to close Outlook also?", MessageKind::kWarning,
                                                 MessageButtons::kYesNo, {.owner = Handle()}) == DialogResult::kYes)
      outlook_.Close();
  } catch (...) {
    // Outlook gone: the bar closes all the same.
  }
  menu_.SetTrayIconActive(false);
  return true;
}

BarWindow::~BarWindow() {
  Application::Get().RemoveMessageFilter(filterId_);
  Guarded(Handle(), [this] {
    StorePosition(data_.settings, Top(), Handle());
    outlook_.Release();
  });
}

LRESULT BarWindow::OnEndSession(WPARAM ending) {
  // Windows may end the process as soon as this returns: keep the position now.
  if (ending) {
    StorePosition(data_.settings, Top(), Handle());
    data_.settings.rememberPosition = false;
    Application::Get().Terminate();
  }
  return 0;
}

}  // namespace qrv
