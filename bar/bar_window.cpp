#include "bar/bar_window.h"

#include <algorithm>
#include <utility>

#include "bar/bar_files.h"
#include "bar/instance.h"
#include "bar/paint_now.h"
#include "components/settings.h"
#include "core/command_line.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {

// --- starting, closing and ending ----------------------------------------------------

void BarWindow::Launch() {
  MoveTo(-1, Top());
  ApplyPosition(ReadSetting("POSITION"));
  CheckAssociation(ReadSetting("SETEXT"), Handle());
  startUpTimer_.SetEnabled(true);
}

// The file the bar was started with waits for the start-up like a handed one.
void BarWindow::TakeFileArgument() {
  const auto file = HandedFileArgument(args_);
  if (!file) return;
  try {
    const std::wstring path = ExpandLongFileName(Widen(*file));
    if (!(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) pendingFiles_.push_back(path);
  } catch (const std::exception&) {
    // Not a file: a first instance acts only on its start-up arguments.
  }
}

bool BarWindow::CanClose() {
  if (!entryWindows_.Empty()) {
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
  trayIcon_.SetActive(false);
  return true;
}

void BarWindow::StorePosition() {
  if (!data_.settings.rememberPosition) return;
  if (!WriteSetting("POSITION", PositionText(true, Top())))
    ShowMessage(L"The position of the bar could not be saved.", MessageKind::kWarning, MessageButtons::kOk,
                {.owner = Handle()});
}

LRESULT BarWindow::OnEndSession(WPARAM ending) {
  // Windows may end the process as soon as this returns: keep the position now.
  if (ending) {
    StorePosition();
    data_.settings.rememberPosition = false;
    Application::Get().Terminate();
  }
  return 0;
}

// --- hand-offs -------------------------------------------------------------------------

// The sender waits until the atom is taken: the path is read now and the file
// served once the message has returned, so the import's window and report
// never keep the second instance waiting.
void BarWindow::ReceiveHandOff(WPARAM atom) {
  Guarded(Handle(), [&] {
    if (const auto path = TakeHandedPath(atom)) {
      handedFiles_.push_back(*path);
      PostMessageW(Handle(), kServeHandedFiles, 0, 0);
    }
  });
}

void BarWindow::ServeHandedFiles() {
  Guarded(Handle(), [&] {
    for (const auto& path : std::exchange(handedFiles_, {})) ReceiveHandedFile(path);
  });
}

void BarWindow::ReceiveHandedFile(const std::wstring& path) {
  if (!settingsRead_) {
    pendingFiles_.push_back(path);
    return;
  }
  ShowPreferences(PreferencePage::kImport);
  try {
    if (prefs_) prefs_->ImportFiles({path});
  } catch (const std::exception& e) {
    ShowMessage(Widen(e.what()), MessageKind::kError, MessageButtons::kOk, {.owner = Handle()});
  }
}

void BarWindow::ServePendingRequests() {
  if (const auto page = std::exchange(pendingPreferences_, std::nullopt)) ShowPreferences(*page);
  for (const auto& path : std::exchange(pendingFiles_, {})) ReceiveHandedFile(path);
}

// --- start-up and the timers ---------------------------------------------------------

void BarWindow::OnStartUpTimer() {
  startUpTimer_.SetEnabled(false);
  StartUp();
}

void BarWindow::StartUp() {
  startUpTimer_.SetEnabled(false);
  updateCheckTimer_.SetEnabled(true);
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
  ConnectOutlook();
  prefsButton_.SetVisible(true);
  ReadSettings();
  settingsRead_ = true;
  collapsedStrip_.SetBounds({-1, 0, 10, 298});
  positionTimer_.SetEnabled(true);
  readyEntryTimer_.SetEnabled(true);
  ToggleCollapsed();
  for (const auto& request : OutlookRequests(args_)) {
    if (const auto* folder = std::get_if<FolderKind>(&request)) {
      commands_.ViewFolder(*folder, Origin::kMenu, false);
    } else {
      commands_.RunExtraAction(std::get<ExtraAction>(request), Origin::kMenu);
    }
  }
  if (UpdateDue()) ShowPreferences(PreferencePage::kUpdate);
  ServePendingRequests();
}

void BarWindow::ConnectOutlook() {
  if (outlook_.Connect()) return;
  // Not installed, not starting, or refusing the logon: the bar runs on without it.
  MessageBeep(MB_ICONEXCLAMATION);
  ShowMessage(L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.", MessageKind::kWarning,
              MessageButtons::kOk, {.owner = Handle()});
}

bool BarWindow::UpdateDue() const {
  const BarSettings& settings = data_.settings;
  return ChecksForUpdates(settings.updateCheck) && Today() >= AddDays(settings.lastUpdate, settings.updateDays);
}

void BarWindow::OnIdleTimer() {
  if (data_.settings.minimize) ToggleCollapsed();
}

void BarWindow::OnPositionTimer() {
  if (Left() != -1) MoveTo(-1, Top());
  // A bar off the screen, above it or below (a stored place, a change of
  // resolution), comes back whole, and the windows placed beside it with it.
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const RECT bar = WindowRect();
  const int top =
      std::max(0, std::min(static_cast<int>(bar.top), screenHeight - static_cast<int>(bar.bottom - bar.top)));
  if (top != bar.top) MoveTo(-1, top);
}

void BarWindow::OnUpdateCheckTimer() {
  if (UpdateDue()) ShowPreferences(PreferencePage::kUpdate);
}

// The next Information Item window is made once the user has left keyboard and
// mouse alone for two seconds and is not working in one of our windows, so that
// making it never holds up what they type.
void BarWindow::OnReadyEntryTimer() {
  LASTINPUTINFO input{.cbSize = sizeof input, .dwTime = 0};
  if (GetLastInputInfo(&input) && GetTickCount() - input.dwTime < 2000) return;
  const HWND front = GetForegroundWindow();
  if (front && front != Handle() && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId()) return;
  readyEntry_.Prepare();
}

// --- settings ----------------------------------------------------------------------

void BarWindow::ReadSettings() {
  data_.categoryNames.clear();
  LoadBarSettings(data_.settings);
  EnableMenuPrograms();
  extraButtons_[static_cast<std::size_t>(ExtraAction::kLaunchProgram) - 1].SetHint(
      Widen(LaunchHint(data_.settings.fileName)));
  ApplyProgramMode();
  SetShowHints(data_.settings.hints);
  idleTimer_.SetInterval(static_cast<UINT>(data_.settings.minimizeTimeMs));
  ApplyPosition(data_.settings.positionText);
  HideLoadingLetters();
  PlaceButtons();
  data_.journalTypes = ReadJournalTypes();
  ReadKeywordFiles(ProgramFolder(), data_, Handle());
  ReadIconNote(outlook_, data_.icons);
  PaintNow();
}

void BarWindow::ApplyProgramMode() {
  const ProgramMode mode = data_.settings.programMode;
  trayIcon_.SetActive(ShowsTrayIcon(mode));
  // Without its icon (the shell refused it so far) the bar stays reachable.
  SetShown(BarShownFor(mode, trayIcon_.Shown()));
  toggleBarItem_.checked = Visible();
}

void BarWindow::ApplyPosition(const std::string& text) {
  const BarPosition position = ParsePosition(text);
  data_.settings.rememberPosition = position.remember;
  data_.settings.barTop = position.top;
  MoveTo(Left(), position.top);
}

void BarWindow::BindTrayIcon() {
  trayIcon_.onShownChange = [this](bool) { ApplyProgramMode(); };
  const auto showMenu = [this](POINT at) { trayIcon_.ShowMenu(barMenu_, at); };
  trayIcon_.onLeftClick = showMenu;
  trayIcon_.onRightClick = showMenu;
}

}  // namespace qrv
