// The window's pictures, the icon of an appointment and the attached files.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <cstring>
#include <filesystem>
#include <utility>

#include "core/codepage.h"
#include "core/file_io.h"
#include "entry/entry_pictures.h"
#include "entry/entry_window.h"
#include "entry/icon_chooser.h"
#include "ui/file_dialog.h"
#include "ui/gdi.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr std::size_t kTextFileLimit = 16u << 20;

// The rich edit wraps a line at a cost growing with the square of its length
// (one line of 65,536 characters: 18 s under Wine); a longer line is shown
// unwrapped.
constexpr std::size_t kLongestWrappedLine = 4096;

// A text file's content: UTF-16 or UTF-8 by their byte-order marks, else in the
// system code page.
std::wstring DecodeText(const std::string& bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, text.size() * sizeof(wchar_t));
    return text;
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) return Widen(std::string_view(bytes).substr(3));
  return Widen(AnsiToUtf8(bytes));
}

}  // namespace

// --- Pictures --------------------------------------------------------------------

void EntryWindow::ShowPictures() {
  const UINT dpi = Dpi();
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    SetButtonPicture(*typeButtons_[i], EntryPictureFor(static_cast<EntryPicture>(i), dpi));
  footer_.ShowPictures();
  ChoosePriority(priority_);
  header_.ShowPictures();
}

void EntryWindow::DpiChanged() { ShowPictures(); }

// --- The icon ----------------------------------------------------------------------

// The chooser opens right of the window when it fits on the screen, else down
// and right of the window's corner; what it answers counts as chosen by hand.
void EntryWindow::ChooseIcon() {
  static const std::vector<std::string> kNoIcons;
  IconChooser& chooser = CreateOwned<IconChooser>(data_.iconDefinitions ? *data_.iconDefinitions : kNoIcons,
                                                  data_.iconPictures ? data_.iconPictures->Handle() : nullptr);
  const RECT rc = WindowRect(), own = chooser.WindowRect();
  const int width = own.right - own.left;
  const int height = rc.bottom - rc.top - (DatePanelShown() ? Scale(kDatePanelHeight) : 0);
  if (rc.right + width < GetSystemMetrics(SM_CXSCREEN))
    chooser.SetWindowRect(rc.right, rc.top, width, height);
  else
    chooser.SetWindowRect(rc.left + 20, rc.top + 20, width, height);
  const std::optional<int> chosen = chooser.Choose();
  FreeOwned(&chooser);
  if (chosen)
    SetIcon(*chosen);
  else
    BlankIcon();
  byHand_.icon = true;
}

// --- Attachments -------------------------------------------------------------------

// Made hidden, in its place in the Tab order; the layout shows it.
AttachmentList& EntryWindow::MadeAttachmentList() {
  if (attachmentsList_) return *attachmentsList_;
  AttachmentList& list = attachmentsList_.emplace(*this, Bounds{0, 199, 245, 40});
  MadeBefore(list, datePanel_ ? static_cast<const Control&>(*datePanel_) : priorityButton_);
  list.onRemoved = [this] { CheckCaption(); };
  list.onOpen = [this](const std::wstring& path) { ShellOpen(Handle(), path); };
  return list;
}

void EntryWindow::AddAttachment(const std::wstring& path) {
  MadeAttachmentList().Add(path);
  CheckCaption();
}

void EntryWindow::ChooseAttachments() {
  const std::vector<std::wstring> files = chooseFiles ? chooseFiles() : std::vector<std::wstring>{};
  if (files.empty()) return;
  attachFolder_ = std::filesystem::path(files.front()).parent_path().wstring();
  for (const std::wstring& file : files) AddAttachment(file);
}

std::vector<std::wstring> EntryWindow::RunFileDialog() {
  return ChooseFiles({.owner = Handle(), .multiSelect = true, .title = L"Attach Files...", .folder = attachFolder_});
}

// A text document takes the file's path as its subject and its text as its
// body; a file that cannot be read is reported and the fields keep their text.
void EntryWindow::TakeTextFile(const std::wstring& path) {
  const auto bytes = ReadFileBytes(std::filesystem::path(path), kTextFileLimit);
  if (!bytes) {
    ShowMessage(L"Cannot open file \"" + path + L"\".", MessageKind::kError, MessageButtons::kOk, {.owner = Handle()});
    return;
  }
  std::wstring text = DecodeText(*bytes);
  if (text.size() > static_cast<std::size_t>(kBodyLimit)) {
    text.resize(IS_HIGH_SURROGATE(text[kBodyLimit - 1]) ? kBodyLimit - 1 : kBodyLimit);
    TellTextCut(false);
  }
  header_.Subject().SetPlainText(path, Notify::kYes);
  UnwrapBodyFor(text);
  body_.SetPlainText(text, Notify::kYes);
}

// Text with a line too long to wrap quickly turns the body's wrapping off
// before it goes in: the body then scrolls sideways with the caret, and the
// text is kept as it is. A cleared window wraps again.
void EntryWindow::UnwrapBodyFor(std::wstring_view text) {
  if (!bodyWraps_) return;
  std::size_t line = 0;
  for (const wchar_t c : text) {
    line = c == L'\r' || c == L'\n' ? 0 : line + 1;
    if (line > kLongestWrappedLine) {
      bodyWraps_ = false;
      body_.SetWordWrap(false);
      return;
    }
  }
}

void EntryWindow::WrapBody() {
  if (std::exchange(bodyWraps_, true)) return;
  body_.SetWordWrap(true);
}

}  // namespace qrv
