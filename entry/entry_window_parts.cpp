// The window's pictures, the icon of an appointment, and the attached files and
// the files the shell drops on the window.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <filesystem>

#include "entry/entry_window.h"
#include "entry/icon_chooser.h"
#include "ui/gdi.h"
#include "ui/shell.h"

namespace qrv {

// --- Pictures --------------------------------------------------------------------

void EntryWindow::DpiChanged() {
  typeButtons_.ShowPictures();
  footer_.ShowPictures();
  header_.ShowPictures();
}

// --- The icon ----------------------------------------------------------------------

// The chooser opens right of the window when it fits on the screen, else down
// and right of the window's corner; what it answers counts as chosen by hand.
void EntryWindow::ChooseIcon() {
  static const std::vector<std::string> kNoIcons;
  IconChooser& chooser = CreateOwned<IconChooser>(data_.iconDefinitions ? *data_.iconDefinitions : kNoIcons,
                                                  data_.iconPictures ? data_.iconPictures->Handle() : nullptr);
  const RECT rc = WindowRect(), own = chooser.WindowRect();
  const int width = own.right - own.left;
  const int height = rc.bottom - rc.top - (dates_.PanelShown() ? Scale(kDatePanelHeight) : 0);
  if (rc.right + width < GetSystemMetrics(SM_CXSCREEN))
    chooser.SetWindowRect(rc.right, rc.top, width, height);
  else
    chooser.SetWindowRect(rc.left + 20, rc.top + 20, width, height);
  const std::optional<int> chosen = chooser.Choose();
  FreeOwned(&chooser);
  if (chosen)
    header_.SetIcon(*chosen);
  else
    header_.BlankIcon();
  byHand_.icon = true;
}

// --- Attachments -------------------------------------------------------------------

void EntryWindow::AddAttachment(const std::wstring& path) {
  lateParts_.MadeAttachmentList().Add(path);
  layout_.CheckCaption();
}

void EntryWindow::ChooseAttachments() {
  const std::vector<std::wstring> files = chooseFiles ? chooseFiles() : std::vector<std::wstring>{};
  if (files.empty()) return;
  attachFolder_ = std::filesystem::path(files.front()).parent_path().wstring();
  for (const std::wstring& file : files) AddAttachment(file);
}

// A text document takes a dropped file as its subject and body; any other
// entry attaches the files.
void EntryWindow::DropFiles(HDROP drop) {
  for (const std::wstring& path : DroppedFiles(drop)) {
    if (typeButtons_.Down() == EntryType::kTextDocument)
      texts_.TakeTextFile(path);
    else
      AddAttachment(path);
  }
}

}  // namespace qrv
