#include "entry/entry_print.h"

#include <richedit.h>
#include <winspool.h>

#include <memory>

namespace qrv {
namespace {

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using PrinterDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

PrinterDc OpenDefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return nullptr;
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return nullptr;
  return PrinterDc(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr));
}

// Lays the body's text out page by page on the printer with one-inch margins.
bool PrintPages(HDC dc, const std::wstring& title, const RichEdit& body) {
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.empty() ? L"Information Item" : title.c_str();
  if (StartDocW(dc, &doc) <= 0) return false;
  const int width = GetDeviceCaps(dc, PHYSICALWIDTH) * 1440 / GetDeviceCaps(dc, LOGPIXELSX);
  const int height = GetDeviceCaps(dc, PHYSICALHEIGHT) * 1440 / GetDeviceCaps(dc, LOGPIXELSY);
  FORMATRANGE range{};
  range.hdc = range.hdcTarget = dc;
  range.rcPage = {0, 0, width, height};
  range.rc = {1440, 1440, width - 1440, height - 1440};
  // In the control's own count, a line break is one character, as in the ranges.
  const LONG length = body.TextLength();
  range.chrg = {0, -1};
  bool ok = true;
  do {
    if (StartPage(dc) <= 0) {
      ok = false;
      break;
    }
    const LONG next = body.FormatRange(range, true);
    EndPage(dc);
    if (next <= range.chrg.cpMin) break;
    range.chrg.cpMin = next;
  } while (range.chrg.cpMin < length);
  body.EndFormatting();
  ok ? EndDoc(dc) : AbortDoc(dc);
  return ok;
}

}  // namespace

bool PrintBody(const std::wstring& title, const RichEdit& body) {
  // The boxes belong to the window the body is in.
  HWND window = GetAncestor(body.Handle(), GA_ROOT);
  const PrinterDc printer = OpenDefaultPrinter();
  if (!printer) {
    ShowMessage(L"There is no printer to print on. Install a printer and try again.", MessageKind::kInformation,
                MessageButtons::kOk, {.owner = window});
    return false;
  }
  if (PrintPages(printer.get(), title, body)) return true;
  ShowMessage(L"The item could not be printed.", MessageKind::kError, MessageButtons::kOk, {.owner = window});
  return false;
}

}  // namespace qrv
