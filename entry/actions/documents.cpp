// Text documents written through the save dialog, and web searches opened in
// the browser.
#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "core/codepage.h"
#include "core/entry_texts.h"
#include "core/file_io.h"
#include "core/keyword_record.h"
#include "core/service_editing.h"
#include "core/text.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_window.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// Text in the system code page, as the program's files are; a character that
// code page lacks keeps its UTF-8 bytes rather than being lost.
std::string Ansi(std::string_view utf8) { return Utf8ToAnsi(utf8).value_or(std::string(utf8)); }

}  // namespace

std::optional<std::wstring> ItemActions::SaveTextDocument(const EntryWindow& window) {
  const std::string subject = Narrow(window.Parser().StoredSubject());
  const std::wstring offered = Widen(OfferedFileName(subject));
  const HWND owner = window.Handle();
  auto path = chooseSaveName_ ? chooseSaveName_(owner, offered)
                              : ChooseFile({.owner = owner,
                                            .save = true,
                                            .askToCreate = true,
                                            .filter = L"Any file (*.*)|*.*|Text File (*.txt)|*.txt",
                                            .defaultExtension = L"txt",
                                            .file = offered});
  if (!path) return std::nullopt;
  const std::string document = TextDocument(subject, Narrow(window.Body()));
  const SaveResult saved = WriteFileSafely(std::filesystem::path(*path), Ansi(JoinLines(SplitLines(document))));
  if (!saved) throw std::runtime_error("The text document could not be written: " + saved.reason);
  return path;
}

bool ItemActions::RunWebSearch(const EntryWindow& window) const {
  const std::string subject = Narrow(window.Header().Subject().Text());
  const std::string caption = Narrow(window.Header().ServiceCaption());
  std::string address = caption.empty() ? AddressOfSubject(subject) : subject;
  const auto& captions = data_.webServiceCaptions;
  if (!caption.empty() && std::find(captions.begin(), captions.end(), caption) != captions.end()) {
    const std::string criteria = SearchCriteria(subject, window.Parser().LabelMatch());
    const auto line = FindServiceLine(data_.keywordList, caption);
    if (line && Contains(*line, "|")) address = ServiceUrl(*line);
    const std::string fallback = line ? ServiceCriteria(*line) : std::string();
    address = FillUrlTemplate(address, clock_.Today(), criteria, fallback);
  }
  if (!IsSearchAddress(address)) {
    ShowMessage(L"Only addresses beginning with http://, https:// or ftp:// are opened:\r\n" + Widen(address),
                MessageKind::kWarning, MessageButtons::kOk, {.owner = window.Handle()});
    return false;
  }
  address = EscapeWebAddress(address);
  if (data_.settings.newIeWindow && !data_.settings.browserPath.empty()) {
    StartBrowser(address);
    return true;
  }
  return ShellOpened(window, Widen(address));
}

// The browser is named as the program to start, so that a path with blanks
// cannot start another; the address is one quoted argument.
void ItemActions::StartBrowser(const std::string& address) const {
  const std::string& browser = data_.settings.browserPath;
  if (!StartProgram(Widen(browser), Widen(BrowserCommandLine(browser, address))))
    throw std::runtime_error("The web browser could not be started: " + browser);
}

}  // namespace qrv
