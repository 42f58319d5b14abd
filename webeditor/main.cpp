// The web-services editor: one window, the message loop, nothing read from the
// command line.
#include <windows.h>

#include "ui/app.h"
#include "webeditor/editor_settings.h"
#include "webeditor/editor_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  qrv::Application& app = qrv::Application::Get();
  app.Initialize(L"QRV Web Services Editor");
  app.CreateForm<qrv::EditorWindow>(qrv::ReadEditorSettings(), qrv::LibraryPeers{});
  app.Run();
  return 0;
}
