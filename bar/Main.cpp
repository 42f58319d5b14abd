#include "bar/Main.h"

#include <utility>

#include "bar/Instance.h"
#include "bar/Settings.h"
#include "core/command_line.h"
#include "ui/dialogs.h"
#include "ui/wide.h"

std::vector<std::string> EntryWindows;
std::vector<std::string> CategoryNames;
std::vector<std::string> KeywordList;
std::vector<std::string> IconDefinitions;
std::vector<std::string> JournalTypes;
std::vector<std::string> WebServiceCaptions;
HWND HelpHandle = nullptr;
HWND PrefsHandle = nullptr;
bool SilentUpdate = false;
bool IconNoteFound = false;
qrv::OleObject OutlookApp;
qrv::OleObject OutlookNameSpace;
qrv::OleObject OutlookFolder;
qrv::OleObject OutlookExplorer;
qrv::OleObject OutlookItem;

namespace {

constexpr COLORREF kBarFace = RGB(32, 36, 46);

void ClearProgramLists() {
  for (auto* list : {&EntryWindows, &CategoryNames, &BarSettings.categoryPromptTypes, &KeywordList,
                     &IconDefinitions, &JournalTypes, &WebServiceCaptions})
    list->clear();
}

}  // namespace

TQV::TQV() : ui::Form(L"TQV", L"QV", 174, 302, true) {
  Color = kBarFace;
  BuildLayout();
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
  OnDestroy = [this] { FormDestroy(); };
  HandleMessage(WM_QUERYENDSESSION, [this](WPARAM wp, LPARAM lp) { return WMQueryEndSession(wp, lp); });
  HandleMessage(WM_ENDSESSION, [this](WPARAM wp, LPARAM lp) { return WMEndSession(wp, lp); });
}

TQV::~TQV() {
  auto& app = ui::Application::Get();
  app.UnhookMainWindow(this);
  app.OnMessage = nullptr;
}

// --- creation, showing and closing -------------------------------------------------

void TQV::FormCreate() {
  auto& app = ui::Application::Get();
  app.HookMainWindow(this, [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    return MainWindowHook(msg, wp, lp, result);
  });
  app.OnMessage = [this](MSG& msg, bool& handled) { AppMessage(msg, handled); };
  SetLeft(-1);
  ClearProgramLists();
  HelpHandle = nullptr;
  PrefsHandle = nullptr;
  SilentUpdate = false;
  CheckFormPosition(ReadSetting("POSITION"));
  CheckExtensions(ReadSetting("SETEXT"));
  args_ = CommandLineArguments();
  if (const auto file = qrv::HandedFileArgument(args_)) {
    try {
      const std::wstring path = ExpandLongFileName(ui::Widen(*file));
      if (!(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) pending_files_.push_back(path);
    } catch (const std::exception&) {
      // Not a file: a first instance acts only on its start-up arguments.
    }
  }
  Startup->SetEnabled(true);
}

void TQV::FormActivate() { ShowWindow(ui::Application::Get().Handle(), SW_HIDE); }

void TQV::FormShow() { SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

void TQV::FormCloseQuery(bool& can_close) {
  can_close = false;
  if (!EntryWindows.empty()) {
    MessageBeep(MB_ICONEXCLAMATION);
    if (ui::MessageDlg(L"Are you sure you want to quit?\r\n \r\nThere are open Information Items,\r\n"
                       L"This information will not be saved.",
                       ui::MsgKind::kWarning, ui::kOk | ui::kCancel) != ui::mrOk)
      return;
  }
  try {
    if (!OutlookWindowOpen() ||
        ui::MessageDlg(L"Do you want to close Outlook also?", ui::MsgKind::kWarning, ui::kYes | ui::kNo) == ui::mrYes)
      CloseOutlook();
  } catch (...) {
    // No Outlook to ask (not connected, or gone): the bar closes all the same.
  }
  SetTrayIcon(false);
  can_close = true;
}

void TQV::StorePosition() {
  if (!BarSettings.rememberPosition) return;
  if (!WriteSetting("POSITION", qrv::PositionText(true, Top())))
    ui::MessageDlg(L"The position of the bar could not be saved.", ui::MsgKind::kWarning, ui::kOk);
}

void TQV::FormDestroy() {
  StorePosition();
  ClearProgramLists();
  ReleaseOutlook();
}

LRESULT TQV::WMQueryEndSession(WPARAM, LPARAM) { return TRUE; }

LRESULT TQV::WMEndSession(WPARAM ending, LPARAM) {
  // Windows may end the process as soon as this returns: keep the position now.
  if (ending) {
    StorePosition();
    BarSettings.rememberPosition = false;
    ui::Application::Get().Terminate();
  }
  return 0;
}

// --- the application's messages --------------------------------------------------

void TQV::AppMessage(MSG& msg, bool&) {
  if ((msg.message == WM_MOUSEMOVE || msg.message == WM_KEYDOWN) && IdleTimer->Enabled() && Left() == -1) {
    IdleTimer->SetEnabled(false);
    IdleTimer->SetEnabled(true);
  }
}

bool TQV::MainWindowHook(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != InstanceMessage) return false;
  result = 0;
  if (const auto path = HandedPath(wp)) ReceiveHandedFile(*path);
  return true;
}

void TQV::ReceiveHandedFile(const std::wstring& path) {
  if (!settings_read_) {
    pending_files_.push_back(path);
    return;
  }
  ShowUse(3);
  SetForegroundWindow(Handle());
  BringToFront();
  ImportWebServiceFile(path);
}

void TQV::ShowUse(int mode) {
  if (!settings_read_) {
    pending_show_use_ = mode;
    return;
  }
  RTimer->SetEnabled(false);
  // The preferences window arrives with its own change.
}

void TQV::ServePendingRequests() {
  if (const auto mode = std::exchange(pending_show_use_, std::nullopt)) ShowUse(*mode);
  for (const auto& path : std::exchange(pending_files_, {})) ReceiveHandedFile(path);
}

// --- timers ------------------------------------------------------------------------

void TQV::StartupTimer(ui::Timer&) {
  Startup->SetEnabled(false);
  RTimer->SetEnabled(true);
  ui::Application::Get().ProcessMessages();
  const int wait = qrv::WaitSeconds(args_);
  if (wait > 0) Sleep(static_cast<DWORD>(wait) * 1000);
  if (wait == 0 && ui::MessageDlg(L"Do you want to continue running QRV and start Outlook?",
                                  ui::MsgKind::kInformation, ui::kYes | ui::kNo) != ui::mrYes) {
    Close();
    return;
  }
  ConnectToOutlook();
  BPrefs->SetVisible(true);
  ReadINI();
  settings_read_ = true;
  BMinBar->SetLeft(-1);
  PositionTimer->SetEnabled(true);
  MinimizeBar();
  for (const auto& request : qrv::OutlookRequests(args_)) {
    if (const auto* folder = std::get_if<qrv::FolderKind>(&request)) FolderView(static_cast<int>(*folder), false, false);
    else OpenExtraItem(static_cast<int>(std::get<qrv::ExtraAction>(request)), false);
  }
  if (UpdateDue()) ShowUse(2);
  ServePendingRequests();
}

bool TQV::UpdateDue() const {
  const auto due = qrv::AddDays(BarSettings.lastUpdate, BarSettings.updateDays);
  return (BarSettings.updateCheck == 1 || BarSettings.updateCheck == 2) && due && Today() >= *due;
}

void TQV::IdleTimerTimer(ui::Timer&) {
  if (BarSettings.minimize) MinimizeBar();
}

void TQV::PositionTimerTimer(ui::Timer&) {
  if (Left() != -1) SetLeft(-1);
  // A bar below the screen (after a change of resolution) comes back to its bottom.
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  if (Top() > screen_height) SetTop(std::max(0, screen_height - Height()));
}

void TQV::RTimerTimer(ui::Timer&) {
  if (UpdateDue()) ShowUse(2);
}

// --- collapsing, opening and placing -------------------------------------------------

void TQV::MinimizeBar() {
  auto& app = ui::Application::Get();
  if (Collapsed()) {
    BMinBar->SetVisible(false);
    DisplayButtons(true);
    app.ProcessMessages();
    SetWidth(kOpenWidth);
    Update();
    IdleTimer->SetEnabled(true);
  } else {
    IdleTimer->SetEnabled(false);
    BMinBar->SetVisible(true);
    SetWidth(kCollapsedWidth);
    app.ProcessMessages();
    DisplayButtons(false);
    Update();
  }
  app.ProcessMessages();
}

void TQV::DisplayButtons(bool shown) {
  for (int folder = 1; folder <= 6; ++folder) BList[folder]->SetVisible(false);
  for (int folder = 1; folder <= 6; ++folder) BList[folder]->SetVisible(qrv::FolderButtonShown(BarSettings, static_cast<qrv::FolderKind>(folder)) && shown);
  BPrefs->SetVisible(true);
  BPrefs->SetEnabled(shown);
  for (ui::Control* c : {static_cast<ui::Control*>(BMin), static_cast<ui::Control*>(BQuit)}) {
    c->SetVisible(shown);
    c->SetEnabled(shown);
  }
}

void TQV::HideLables() {
  for (int n = 1; n <= 8; ++n) Label[n]->SetVisible(false);
}

void TQV::ProgramMode() {
  const qrv::ProgramMode mode = BarSettings.programMode;
  SetVisible(qrv::ShowsBar(mode));
  SetTrayIcon(qrv::ShowsTrayIcon(mode));
  Get<ui::MenuItem>(L"ToggleTavrobar1").Checked = Visible();
}

void TQV::CheckFormPosition(const std::string& text) {
  const qrv::BarPosition position = qrv::ParsePosition(text);
  BarSettings.rememberPosition = position.remember;
  BarSettings.barTop = position.top;
  SetTop(position.top);
}

void TQV::BMinBarMouseUp(ui::Control&, ui::MouseButton button, int x, int y) {
  if (x >= Width()) return;
  if (button == ui::MouseButton::kLeft) {
    if (BMin->Top() < y && y < BMin->Top() + BMin->Height()) CreateEntry();
    else MinimizeBar();
  } else if (button == ui::MouseButton::kRight) {
    PopUpActions->Popup(x, y + Top());
  }
}

void TQV::BMaxMin(ui::Control&) { MinimizeBar(); }

void TQV::QuitClick(ui::Control&) { Close(); }

// --- settings ----------------------------------------------------------------------

void TQV::ReadINI() {
  CategoryNames.clear();
  LoadBarSettings(BarSettings);
  EnableMenuPrograms();
  CoolButtonE[4]->Hint = ui::Widen(qrv::LaunchHint(BarSettings.fileName));
  ProgramMode();
  SetShowHint(BarSettings.hints);
  IdleTimer->SetInterval(static_cast<UINT>(BarSettings.minimizeTimeMs));
  CheckFormPosition(BarSettings.positionText);
  HideLables();
  PlaceButtons();
  JournalTypes = ReadJournalTypes();
  LoadKeywordFile();
  ReadIconNote();
  ui::Application::Get().ProcessMessages();
}

void TQV::PlaceButtons() {
  for (const qrv::ButtonPlacement& p : BarSettings.buttonLayout) {
    TCoolButton* button = p.extra ? CoolButtonE[p.button] : CoolButton[p.button];
    button->SetBounds(12, p.top, button->Width(), button->Height());
    button->SetVisible(p.shown);
    if (p.shown && !p.extra) {
      TCoolButton* folder = BList[static_cast<int>(
          qrv::FolderOfEntryType(static_cast<qrv::EntryType>(p.button)).value_or(qrv::FolderKind::kTasks))];
      folder->SetBounds(1, p.top, folder->Width(), folder->Height());
    }
  }
}
