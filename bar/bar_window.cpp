#include "bar/bar_window.h"

#include <utility>

#include "bar/bar_files.h"
#include "bar/instance.h"
#include "bar/settings.h"
#include "core/command_line.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr COLORREF kBarFace = RGB(32, 36, 46);

}  // namespace

BarWindow::BarWindow(BarData& data, OutlookSession& outlook, std::vector<std::string> args,
                     WebServiceFileImport import)
    : ui::Form(L"QuorvelBar", L"QV", 174, 302, true),
      data_(data),
      outlook_(outlook),
      commands_(outlook, data, *this),
      args_(std::move(args)),
      import_(std::move(import)) {
  Color = kBarFace;
  BuildLayout();
  OnCreate = [this] { OnFormCreate(); };
  OnShow = [this] { OnFormShow(); };
  OnActivate = [this] { OnFormActivate(); };
  OnCloseQuery = [this](bool& canClose) { OnFormCloseQuery(canClose); };
  OnDestroy = [this] { OnFormDestroy(); };
  HandleMessage(WM_QUERYENDSESSION, [](WPARAM, LPARAM) -> LRESULT { return TRUE; });
  HandleMessage(WM_ENDSESSION, [this](WPARAM wp, LPARAM) { return OnEndSession(wp); });
  auto& app = ui::Application::Get();
  app.HookMainWindow(this, [this](UINT msg, WPARAM wp, LPARAM, LRESULT& result) { return OnHandOff(msg, wp, result); });
  app.OnMessage = [this](MSG& msg, bool& handled) { OnAppMessage(msg, handled); };
  TakeFileArgument();
}

BarWindow::~BarWindow() {
  auto& app = ui::Application::Get();
  app.UnhookMainWindow(this);
  app.OnMessage = nullptr;
}

// --- creation, showing and closing -------------------------------------------------

void BarWindow::OnFormCreate() {
  SetLeft(-1);
  ApplyPosition(ReadSetting("POSITION"));
  CheckAssociation(ReadSetting("SETEXT"));
  startUpTimer_->SetEnabled(true);
}

// The file the bar was started with waits for the start-up like a handed one.
void BarWindow::TakeFileArgument() {
  const auto file = HandedFileArgument(args_);
  if (!file) return;
  try {
    const std::wstring path = ExpandLongFileName(ui::Widen(*file));
    if (!(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) pendingFiles_.push_back(path);
  } catch (const std::exception&) {
    // Not a file: a first instance acts only on its start-up arguments.
  }
}

void BarWindow::OnFormActivate() { ShowWindow(ui::Application::Get().Handle(), SW_HIDE); }

void BarWindow::OnFormShow() {
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void BarWindow::OnFormCloseQuery(bool& canClose) {
  canClose = false;
  if (!entryWindows_.Empty()) {
    MessageBeep(MB_ICONEXCLAMATION);
    if (ui::MessageDlg(L"Are you sure you want to quit?\r\n \r\nThere are open Information Items,\r\n"
                       L"This information will not be saved.",
                       ui::MsgKind::kWarning, ui::kOk | ui::kCancel) != IDOK)
      return;
  }
  try {
    if (!outlook_.AnyWindowOpen() ||
        ui::MessageDlg(L"Do you want to close Outlook also?", ui::MsgKind::kWarning, ui::kYes | ui::kNo) == IDYES)
      outlook_.Close();
  } catch (...) {
    // Outlook gone: the bar closes all the same.
  }
  SetTrayIcon(false);
  canClose = true;
}

void BarWindow::StorePosition() {
  if (!data_.settings.rememberPosition) return;
  if (!WriteSetting("POSITION", PositionText(true, Top())))
    ui::MessageDlg(L"The position of the bar could not be saved.", ui::MsgKind::kWarning, ui::kOk);
}

void BarWindow::OnFormDestroy() {
  StorePosition();
  outlook_.Release();
}

LRESULT BarWindow::OnEndSession(WPARAM ending) {
  // Windows may end the process as soon as this returns: keep the position now.
  if (ending) {
    StorePosition();
    data_.settings.rememberPosition = false;
    ui::Application::Get().Terminate();
  }
  return 0;
}

// --- the application's messages and hand-offs ----------------------------------------

void BarWindow::OnAppMessage(MSG& msg, bool&) {
  if ((msg.message == WM_MOUSEMOVE || msg.message == WM_KEYDOWN) && idleTimer_->Enabled() && Left() == -1) {
    idleTimer_->SetEnabled(false);
    idleTimer_->SetEnabled(true);
  }
}

bool BarWindow::OnHandOff(UINT msg, WPARAM wp, LRESULT& result) {
  if (msg != HandOffMessage()) return false;
  result = 0;
  if (const auto path = HandedPath(wp)) ReceiveHandedFile(*path);
  return true;
}

void BarWindow::ReceiveHandedFile(const std::wstring& path) {
  if (!settingsRead_) {
    pendingFiles_.push_back(path);
    return;
  }
  ShowPreferences(PreferencePage::kImport);
  SetForegroundWindow(Handle());
  BringToFront();
  try {
    if (import_) import_(path);
  } catch (const std::exception& e) {
    ui::MessageDlg(ui::Widen(e.what()), ui::MsgKind::kError, ui::kOk);
  }
}

void BarWindow::ShowPreferences(PreferencePage page) {
  if (!settingsRead_) {
    pendingPreferences_ = page;
    return;
  }
  updateCheckTimer_->SetEnabled(false);
  // The preferences window arrives with its own change.
}

void BarWindow::ServePendingRequests() {
  if (const auto page = std::exchange(pendingPreferences_, std::nullopt)) ShowPreferences(*page);
  for (const auto& path : std::exchange(pendingFiles_, {})) ReceiveHandedFile(path);
}

// --- start-up and the timers ---------------------------------------------------------

void BarWindow::OnStartUpTimer() {
  startUpTimer_->SetEnabled(false);
  StartUp();
}

void BarWindow::StartUp() {
  startUpTimer_->SetEnabled(false);
  updateCheckTimer_->SetEnabled(true);
  ui::Application::Get().ProcessMessages();
  const int wait = WaitSeconds(args_);
  if (wait > 0) Sleep(static_cast<DWORD>(wait) * 1000);
  if (wait == 0 && ui::MessageDlg(L"Do you want to continue running QRV and start Outlook?",
                                  ui::MsgKind::kInformation, ui::kYes | ui::kNo) != IDYES) {
    Close();
    return;
  }
  ConnectOutlook();
  prefsButton_->SetVisible(true);
  ReadSettings();
  settingsRead_ = true;
  collapsedStrip_->SetLeft(-1);
  positionTimer_->SetEnabled(true);
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
  ui::MessageDlg(L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.", ui::MsgKind::kWarning,
                 ui::kOk);
}

bool BarWindow::UpdateDue() const {
  const BarSettings& settings = data_.settings;
  return ChecksForUpdates(settings.updateCheck) && Today() >= AddDays(settings.lastUpdate, settings.updateDays);
}

void BarWindow::OnIdleTimer() {
  if (data_.settings.minimize) ToggleCollapsed();
}

void BarWindow::OnPositionTimer() {
  if (Left() != -1) SetLeft(-1);
  // A bar below the screen (after a change of resolution) comes back to its bottom.
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (Top() > screenHeight) SetTop(std::max(0, screenHeight - Height()));
}

void BarWindow::OnUpdateCheckTimer() {
  if (UpdateDue()) ShowPreferences(PreferencePage::kUpdate);
}

// --- settings ----------------------------------------------------------------------

void BarWindow::ReadSettings() {
  data_.categoryNames.clear();
  LoadBarSettings(data_.settings);
  EnableMenuPrograms();
  extraButtons_[static_cast<int>(ExtraAction::kLaunchProgram)]->Hint =
      ui::Widen(LaunchHint(data_.settings.fileName));
  ApplyProgramMode();
  SetShowHint(data_.settings.hints);
  idleTimer_->SetInterval(static_cast<UINT>(data_.settings.minimizeTimeMs));
  ApplyPosition(data_.settings.positionText);
  HideLoadingLetters();
  PlaceButtons();
  data_.journalTypes = ReadJournalTypes();
  ReadKeywordFiles(ui::ProgramFolder(), data_);
  ReadIconNote(outlook_, data_.icons);
  ui::Application::Get().ProcessMessages();
}

void BarWindow::ApplyProgramMode() {
  const ProgramMode mode = data_.settings.programMode;
  SetVisible(ShowsBar(mode));
  SetTrayIcon(ShowsTrayIcon(mode));
  toggleBarItem_->Checked = Visible();
}

void BarWindow::ApplyPosition(const std::string& text) {
  const BarPosition position = ParsePosition(text);
  data_.settings.rememberPosition = position.remember;
  data_.settings.barTop = position.top;
  SetTop(position.top);
}

// The notification-area icon arrives with its own change.
void BarWindow::SetTrayIcon(bool) {}

}  // namespace qrv
