#include "entry/entry_texts.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/codepage.h"
#include "core/file_io.h"
#include "entry/entry_header.h"
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

// The longest start of `text` with at most `units` UTF-16 units, never half a character.
std::wstring CutTo(std::wstring text, std::size_t units) {
  if (text.size() > units) text.resize(units > 0 && IS_HIGH_SURROGATE(text[units - 1]) ? units - 1 : units);
  return text;
}

}  // namespace

EntryTexts::EntryTexts(Form& form, RichEdit& subject, RichEdit& body) : form_(form), subject_(subject), body_(body) {}

// A paste takes what fits in the field: the rich edit would take all of it
// first, and a long text costs seconds before it could be cut.
bool EntryTexts::PasteWithin(RichEdit& edit, int limit) {
  std::optional<std::wstring> text = ClipboardText(form_.Handle());
  if (!text) return false;
  const CHARRANGE selection = edit.Selection();
  const LONG held = edit.TextLength();
  const auto room = static_cast<std::size_t>(std::max<LONG>(0, limit - (held - (selection.cpMax - selection.cpMin))));
  if (text->size() > room) {
    text = CutTo(std::move(*text), room);
    TellTextCut(&edit == &subject_);
  }
  if (&edit == &body_) UnwrapBodyFor(*text);
  edit.ReplaceSelection(*text);
  return true;
}

// A text document takes the file's path as its subject and its text as its
// body; a file that cannot be read is reported and the fields keep their text.
void EntryTexts::TakeTextFile(const std::wstring& path) {
  const auto bytes = ReadFileBytes(std::filesystem::path(path), kTextFileLimit);
  if (!bytes) {
    ShowMessage(L"Cannot open file \"" + path + L"\".", MessageKind::kError, MessageButtons::kOk,
                {.owner = form_.Handle()});
    return;
  }
  std::wstring text = DecodeText(*bytes);
  if (text.size() > static_cast<std::size_t>(kBodyLimit)) {
    text.resize(IS_HIGH_SURROGATE(text[kBodyLimit - 1]) ? kBodyLimit - 1 : kBodyLimit);
    TellTextCut(false);
  }
  subject_.SetPlainText(path, Notify::kYes);
  UnwrapBodyFor(text);
  body_.SetPlainText(text, Notify::kYes);
}

// Text with a line too long to wrap quickly turns the body's wrapping off
// before it goes in: the body then scrolls sideways with the caret, and the
// text is kept as it is. A cleared window wraps again.
void EntryTexts::UnwrapBodyFor(std::wstring_view text) {
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

void EntryTexts::WrapBody() {
  if (std::exchange(bodyWraps_, true)) return;
  body_.SetWordWrap(true);
}

void EntryTexts::TellTextCut(bool subject) {
  if (std::exchange(cutToldLater_, true)) return;
  PostMessageW(form_.Handle(), kTextCutMessage, subject ? 1 : 0, 0);
}

void EntryTexts::ShowTextCut(bool subject) {
  ShowMessage(
      subject ? L"The subject holds at most " + std::to_wstring(kSubjectLimit) + L" characters: the rest was left out."
              : L"The text holds at most " + std::to_wstring(kBodyLimit) + L" characters: the rest was left out.",
      MessageKind::kInformation, MessageButtons::kOk, {.owner = form_.Handle()});
  cutToldLater_ = false;
}

}  // namespace qrv
