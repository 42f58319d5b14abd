// The bar program: one instance at a time. A second instance hands its first
// argument (a web-service file the user opened) to the running one and ends.
#include <windows.h>

#include "bar/Instance.h"
#include "bar/Main.h"
#include "bar/hkEdit.h"
#include "ui/app.h"
#include "ui/wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InstanceMessage = RegisterWindowMessageW(L"Quorvel_By_Dobrin");
  if (!IsFirstInstance(L"Quorvel")) {
    const auto args = CommandLineArguments();
    if (args.empty()) return 0;
    if (const auto error = PassFileToRunningInstance(ui::Widen(args.front()), InstanceMessage, 0)) {
      ui::MessageDlg(*error, ui::MsgKind::kError, ui::kOk);
      return 1;
    }
    return 0;
  }
  // COM for this, the program's only thread, while the forms live: the bar drives Outlook.
  const qrv::OleSession ole;
  try {
    auto& app = ui::Application::Get();
    app.Initialize(L"Quorvel");
    app.CreateForm<TQV>();
    app.CreateForm<TfrmHotkeyEdit>();
    app.Run();
  } catch (...) {
    ui::ReportCurrentException();  // a form that could not be made
    return 1;
  }
  return 0;
}
