// The bar's files: the keyword file, the icon definitions note, the ".qrv" file
// association and handed-over web-service files; and the notification-area icon.
#include <cstdlib>
#include <fstream>

#include "bar/Main.h"
#include "bar/Settings.h"
#include "ui/wide.h"

void TQV::CheckExtensions(const std::string&) {}

void TQV::LoadKeywordFile() {}

void TQV::ReadIconNote() {}

void TQV::SetTrayIcon(bool) {}

// The import of handed-over web-service files arrives with the preferences
// window. Until then the path is only noted, in the file named by the
// environment variable QRV_HANDOFF_LOG when a test sets it.
void TQV::ImportWebServiceFile(const std::wstring& path) {
  const wchar_t* log = _wgetenv(L"QRV_HANDOFF_LOG");
  if (!log || !*log) return;
  std::ofstream out(log, std::ios::binary | std::ios::app);
  out << ui::Narrow(path) << "\r\n";
}
