// The web-services editor on each of its pages, a web service typed into it,
// the dialog that asks for sample criteria as an address is tested, and a box
// it shows.
#include <windows.h>

#include <commctrl.h>

#include <filesystem>

#include "core/cipher.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/text.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"
#include "ui/shell.h"
#include "webeditor/editor_window.h"

namespace qrv::gallery {
namespace {

// The online library, as its server gives it.
std::string Library() {
  std::vector<std::string> lines;
  for (const char* line :
       {"CATEGORY=Reading", "S=0{book}11<CB=Books!><D=!D><CUST=Y><HINT=!H>|https://book.org/?q=<QRV!>",
        "CATEGORY=Films", "S=0{film}11<CB=Films!><D=!D><CUST=Y><HINT=!H>|https://f.org/*/<QRV!>"})
    lines.push_back(EncipherLine(line));
  return JoinLines(lines);
}

// The editor's own edit fields, in their order: URL, keyword, title, description.
std::vector<HWND> Fields(HWND window) {
  std::vector<HWND> fields;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = L"";
    GetClassNameW(child, name, 16);
    if (std::wstring(name) == L"Edit") fields.push_back(child);
  }
  return fields;
}

// Turns the notebook to a page as a click on its tab does.
void ChoosePage(HWND window, int page) {
  const HWND tabs = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  Pump(60);
}

void PlayEditor(const Viewer& viewer, UINT dpi) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("qrv-gallery-editor-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  for (const char* name : {"Books", "Dictionary", "Weather"}) {
    const std::string record = std::string("S=0{") + name + "}11<CB=" + name + "!><D=!D><CUST=Y><HINT=!H>|https://" +
                               name + ".example/?q=<QRV!>";
    WriteFileSafely(folder / (std::string(name) + ".qrv"), ServiceFileBytes(record, "2.5").value());
  }
  SetShellHandler([](const std::wstring&, const std::wstring&, int) {});
  {
    EditorWindow window(EditorSettings{"2.5", folder}, LibraryPeers{});
    window.downloadLibrary = [] { return std::optional(Library()); };
    Scale(window, dpi);
    window.Show();
    Pump(60);
    Present(viewer, window.Handle(), "editor-files", "Web-services editor: My QRV Files");
    const std::vector<HWND> fields = Fields(window.Handle());
    const wchar_t* typed[] = {L"https://www.dictionary.example/define?word=<QRV!>", L"define", L"Dictionary",
                              L"Looks a word up in the dictionary."};
    for (std::size_t i = 0; i < fields.size() && i < 4; ++i) SetWindowTextW(fields[i], typed[i]);
    Pump(40);
    Present(viewer, window.Handle(), "editor-typed", "Web-services editor: a web service typed in");
    // Test asks for sample criteria, as the address has their marker.
    LookAtNextModal(viewer, Captioned(L"Search Criteria"), "editor-criteria", "Web-services editor: sample criteria",
                    dpi);
    SendMessageW(FindWindowExW(window.Handle(), nullptr, L"Button", L"Test"), BM_CLICK, 0, 0);
    ChoosePage(window.Handle(), 1);
    Present(viewer, window.Handle(), "editor-library", "Web-services editor: QRV Internet Library");
    LookAtNextBox(viewer, "editor-help-box", "Web-services editor: its help, not installed");
    PostMessageW(window.Handle(), WM_KEYDOWN, VK_F1, 1);
    Pump(200);
  }
  SetShellHandler(nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

std::vector<Scene> EditorScenes() { return {{"Web-services editor", PlayEditor}}; }

}  // namespace qrv::gallery
