#include "bar/bar_files.h"

#include <cwctype>
#include <stdexcept>

#include "components/icon_picture.h"
#include "components/settings.h"
#include "components/shell_ext.h"
#include "core/icon_definitions.h"
#include "core/keyword_file.h"
#include "ui/dialogs.h"
#include "ui/program_file.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr wchar_t kFileTypeName[] = L"Quorvel File";
// Icon characters name 52 icons; a note this long is no icon list, and its
// lines beyond this are not drawn.
constexpr std::size_t kMaxIconLines = 1000;

std::wstring AssociationQuestion(const std::wstring& current) {
  return L"Do you want to associate .qrv files with Quorvel?\r\n\r\n.qrv files are currently associated with:\r\n" +
         current +
         L"\r\n\r\nThis will allow you to double-click .QRV files to add\r\n"
         L"QRV Web Services to your web choices.";
}

// Whether to write our association over what the registry holds now.
bool TakeAssociation(FileAssociation& association, const std::string& answer, HWND owner) {
  if (!association.ReadAssociation()) return true;
  if (association.OpenWith() == L"\"" + ExeName() + L"\"") return false;
  if (association.ExtDescription() == kFileTypeName || answer == "NO") return true;
  return ShowMessage(AssociationQuestion(association.FileDescription()), MessageKind::kInformation,
                     MessageButtons::kYesNo, {.owner = owner}) == DialogResult::kYes;
}

// The system's text for an error code, without its line break.
std::wstring SystemErrorText(LONG code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && std::iswspace(text.back())) text.pop_back();
  return text.empty() ? L"Error " + std::to_wstring(code) + L"." : text;
}

// A refused write is told to the user: web-service files would otherwise
// quietly go on opening with another program, or with none.
void WriteOurAssociation(FileAssociation& association, HWND owner) {
  association.SetExtDescription(kFileTypeName);
  association.SetExtension(L".qrv");
  association.SetFileDescription(kFileTypeName);
  association.SetIcon(nullptr);
  association.SetIconIndex(1);
  association.SetOpenWithMe(true);
  association.SetParamString(L"%1");
  if (association.WriteAssociation()) return;
  ShowMessage(L"Web-service files (.qrv) could not be associated with Quorvel.\r\n\r\n" +
                  SystemErrorText(association.WriteError()),
              MessageKind::kWarning, MessageButtons::kOk, {.owner = owner});
}

// Draws icon lines 1.. into the set's pictures.
void DrawIcons(IconSet& icons) {
  icons.images.Clear();
  Bitmap picture;
  for (std::size_t n = 1; n < icons.definitions.size(); ++n) {
    picture.Reset(
        CreateIconBitmap(DrawIconPicture(icons.DataAt(static_cast<int>(n))), RGB(0, 0, 0), RGB(255, 255, 255)));
    // A picture missing would shift every later icon onto the wrong number.
    if (!icons.images.Add(picture.Handle())) throw std::runtime_error("The icon pictures could not be made.");
  }
}

}  // namespace

void CheckAssociation(const std::string& answer, HWND owner) {
  // What the association holds until it is read from the registry.
  FileAssociation association;
  association.SetExtDescription(L"Test");
  association.SetFileDescription(L"Test");
  association.SetExtension(L".qrv");
  association.SetIconIndex(0);
  association.SetOpenWithMe(true);
  association.SetParamString(L"%1");
  if (TakeAssociation(association, answer, owner)) WriteOurAssociation(association, owner);
  WriteSetting("SETEXT", "NO");
}

void ReadKeywordFiles(const std::filesystem::path& folder, BarData& data, HWND owner) {
  LoadedKeywords loaded = LoadKeywordFiles(folder, std::move(data.keywordList));
  data.keywordList = std::move(loaded.keywordList);
  data.keywords = KeywordMatcher(ReadKeywordRecords(data.keywordList));
  data.webServiceCaptions = std::move(loaded.webServiceCaptions);
  if (!loaded.warning.empty())
    ShowMessage(Widen(loaded.warning), MessageKind::kWarning, MessageButtons::kOk, {.owner = owner});
}

void ReadIconNote(const OutlookSession& outlook, IconSet& icons) {
  icons.Clear();
  if (!outlook.Connected()) return;
  try {
    const auto body = outlook.IconNoteBody();
    if (!body) return;
    icons.definitions = IconDefinitions(*body);
    if (icons.definitions.size() > kMaxIconLines) icons.definitions.resize(kMaxIconLines);
    icons.noteFound = true;
    DrawIcons(icons);
  } catch (...) {
    icons.Clear();
  }
}

}  // namespace qrv
