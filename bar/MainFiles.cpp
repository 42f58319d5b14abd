// The bar's files: the keyword file, the icon definitions note, the ".qrv" file
// association and handed-over web-service files; and the notification-area icon.
#include "bar/MainFiles.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "bar/Main.h"
#include "bar/Settings.h"
#include "components/IconPicture.h"
#include "core/icon_definitions.h"
#include "core/keyword_file.h"
#include "ui/dialogs.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace {

constexpr wchar_t kFileTypeName[] = L"Quorvel File";
constexpr int kNotesFolder = 12;
// Icon characters name 52 icons; a note this long is no icon list, and its
// lines beyond this are not drawn.
constexpr std::size_t kMaxIconLines = 1000;

std::wstring AssociationQuestion(const std::wstring& current) {
  return L"Do you want to associate .qrv files with Quorvel?\r\n\r\n.qrv files are currently associated with:\r\n" +
         current + L"\r\n\r\nThis will allow you to double-click .QRV files to add\r\n"
                   L"QRV Web Services to your web choices.";
}

}  // namespace

// --- the ".qrv" file association ---------------------------------------------------

// Makes sure web-service files open with this program. Another program's
// association is taken over silently when it names our file type (this program
// at another path) or when the question was asked before (SETEXT "NO");
// otherwise the user is asked. The question is asked at most once a start.
void TQV::CheckExtensions(const std::string& answer) {
  bool registering = true;
  if (QRVExtension.ReadAssociation()) {
    if (QRVExtension.OpenWith() == L"\"" + ui::ExeName() + L"\"")
      registering = false;
    else if (QRVExtension.ExtDescription() != kFileTypeName && answer != "NO")
      registering = ui::MessageDlg(AssociationQuestion(QRVExtension.FileDescription()), ui::MsgKind::kInformation,
                                   ui::kYes | ui::kNo) == ui::mrYes;
  }
  if (registering) {
    QRVExtension.SetExtDescription(kFileTypeName);
    QRVExtension.SetExtension(L".qrv");
    QRVExtension.SetFileDescription(kFileTypeName);
    QRVExtension.SetIcon(nullptr);
    QRVExtension.SetIconIndex(1);
    QRVExtension.SetOpenWithMe(true);
    QRVExtension.SetParamString(L"%1");
    QRVExtension.WriteAssociation();
  }
  WriteSetting("SETEXT", "NO");
}

// --- the keyword file ----------------------------------------------------------------

void ReadKeywordFiles(const std::filesystem::path& folder) {
  qrv::LoadedKeywords loaded = qrv::LoadKeywordFiles(folder, std::move(KeywordList));
  KeywordList = std::move(loaded.keywordList);
  WebServiceCaptions = std::move(loaded.webServiceCaptions);
  if (!loaded.warning.empty()) ui::MessageDlg(ui::Widen(loaded.warning), ui::MsgKind::kWarning, ui::kOk);
}

void TQV::LoadKeywordFile() { ReadKeywordFiles(ui::ProgramFolder()); }

// --- icons -----------------------------------------------------------------------------

// The icon definitions come from the user's Outlook note "VIDODU3". Without
// Outlook, or when anything about the note fails, the bar runs on without icons.
void TQV::ReadIconNote() {
  IconNoteFound = false;
  IconDefinitions.clear();
  if (OutlookNameSpace.IsEmpty()) return;
  try {
    OutlookFolder = OutlookNameSpace.Call("GetDefaultFolder", kNotesFolder).Object();
    OutlookItem = OutlookFolder.Get("Items").Object().Call("Find", qrv::IconNoteFilter()).Object();
    if (!OutlookItem.IsEmpty()) {
      IconDefinitions = qrv::IconDefinitions(OutlookItem.Get("Body").Text());
      if (IconDefinitions.size() > kMaxIconLines) IconDefinitions.resize(kMaxIconLines);
      IconNoteFound = true;
      GenerateIconList();
    }
  } catch (...) {
    IconNoteFound = false;
    IconDefinitions.clear();
  }
  OutlookItem.Clear();
}

void TQV::GenerateIconList() {
  IconImages.Clear();
  for (std::size_t n = 1; n < IconDefinitions.size(); ++n) {
    DrawIcon(IconDataAt(static_cast<int>(n)), RGB(0, 0, 0), RGB(255, 255, 255));
    // A picture missing would shift every later icon onto the wrong number.
    if (!IconImages.Add(Image1.Handle())) throw std::runtime_error("The icon pictures could not be made.");
  }
}

void TQV::DrawIcon(const std::string& data, COLORREF foreground, COLORREF background) {
  Image1.Reset(qrv::CreateIconBitmap(qrv::DrawIconPicture(data), foreground, background));
}

std::string TQV::IconDataAt(int line) {
  return line < 0 ? std::string() : qrv::IconDataAt(IconDefinitions, static_cast<std::size_t>(line));
}

// --- the notification-area icon and handed-over files ---------------------------------

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
