// The bar program: one instance at a time. A second instance hands its first
// argument (a web-service file the user opened) to the running one and ends.
#include <windows.h>

#include "bar/bar_data.h"
#include "bar/bar_window.h"
#include "bar/hotkey_editor.h"
#include "bar/instance.h"
#include "bar/outlook_session.h"
#include "bar/web_service_update.h"
#include "components/windows_system.h"
#include "ui/app.h"
#include "ui/program_file.h"
#include "ui/wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  qrv::UseWindowsSystem();
  const UINT handOff = qrv::HandOffMessage();
  constexpr wchar_t kMarker[] = L"Quorvel";
  if (!qrv::IsFirstInstance(kMarker)) {
    const auto args = qrv::CommandLineArguments();
    if (args.empty()) return 0;
    if (const auto error = qrv::PassFileToRunningInstance(qrv::Widen(args.front()), handOff, 0, kMarker)) {
      qrv::ShowMessage(*error, qrv::MessageKind::kError);
      return 1;
    }
    return 0;
  }
  // COM for this, the program's only thread, while the forms live: the bar drives Outlook.
  const qrv::OleSession ole;
  qrv::UseSiteListPortsFromEnvironment();
  try {
    // The bar's data and its Outlook session outlive the forms, which go when the loop ends.
    qrv::BarData data;
    qrv::OutlookSession outlook;
    auto& app = qrv::Application::Get();
    app.Initialize(L"Quorvel");
    // Handed-over web-service files are imported by the preferences window.
    auto& bar = app.CreateForm<qrv::BarWindow>(data, outlook, qrv::CommandLineArguments(), nullptr);
    auto& hotkeyEditor = app.CreateForm<qrv::HotkeyEditor>(qrv::ProgramFolder(), bar.ForHotkeys());
    bar.showHotkeyEditor = [&hotkeyEditor] { hotkeyEditor.ShowEditor(); };
    bar.Launch();
    app.Run();
  } catch (...) {
    qrv::ReportCurrentException();  // a form that could not be made
    return 1;
  }
  return 0;
}
