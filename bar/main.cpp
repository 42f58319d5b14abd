// The bar program: one instance at a time. A second instance hands its first
// argument (a web-service file the user opened) to the running one and ends.
#include <windows.h>

#include "bar/instance.h"
#include "bar/program.h"
#include "components/ole_auto.h"
#include "components/windows_system.h"
#include "prefs/web_service_update.h"
#include "ui/app.h"
#include "ui/dialogs.h"
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
    qrv::Program(qrv::CommandLineArguments()).Run();
  } catch (...) {
    qrv::ReportCurrentException();  // a form that could not be made
    return 1;
  }
  return 0;
}
