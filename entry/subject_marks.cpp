// The marks of the subject: the phrases the last quick-entry run used that
// keyword removal takes out are shown in the mark colour, and the item stores
// the subject without them. The window keeps the phrases it marked; what the
// text's colours say is never read back.
#include <algorithm>

#include "core/subject_phrases.h"
#include "entry/entry_window.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// The colour of inactive caption text, or the grey of disabled text where
// that would not stand out from the text itself.
COLORREF MarkColour() {
  const COLORREF mark = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  return mark != GetSysColor(COLOR_WINDOWTEXT) ? mark : GetSysColor(COLOR_GRAYTEXT);
}

// The rich edit's character positions (UTF-16 units) of byte spans of the
// UTF-8 subject.
std::vector<CHARRANGE> CharacterRanges(std::string_view utf8, const std::vector<TextSpan>& spans) {
  std::vector<CHARRANGE> ranges;
  if (spans.empty()) return ranges;
  std::vector<LONG> unitAt(utf8.size() + 1, 0);
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const LONG units = (byte & 0xC0) == 0x80 ? 0 : byte >= 0xF0 ? 2 : 1;
    unitAt[i + 1] = unitAt[i] + units;
  }
  for (const TextSpan& span : spans) {
    const std::size_t end = std::min(span.end, utf8.size());
    if (span.begin < end) ranges.push_back({unitAt[span.begin], unitAt[end]});
  }
  return ranges;
}

}  // namespace

std::vector<TextSpan> EntryWindow::MarkedSpans() const {
  return RemovablePhrases(phrases_, {.removal = keywordRemoval_,
                                     .typeButton = TypeButton(),
                                     .dateByHand = byHand_.date,
                                     .timeByHand = byHand_.time,
                                     .datesUsed = DatePanelShown()});
}

std::wstring EntryWindow::StoredSubject() const {
  const std::wstring shown = subjectEdit_.Text();
  const std::string subject = Narrow(shown);
  if (subject != parsedSubject_) return shown;  // no run read this text: nothing is known to go
  return Widen(SubjectWithout(subject, MarkedSpans()));
}

void EntryWindow::SetKeywordRemoval(bool on) {
  keywordRemoval_ = on;
  ShowSubjectMarks();
}

// Colours the subject again when its marked phrases changed. Marks that only
// moved with the text were moved by the control; a character typed right
// after a mark took the mark's colour and is given the text's.
void EntryWindow::ShowSubjectMarks() {
  if (!built_) return;
  const std::vector<TextSpan> spans = MarkedSpans();
  const std::vector<CHARRANGE> marks = CharacterRanges(parsedSubject_, spans);
  std::vector<std::string> texts;
  for (const TextSpan& span : spans) texts.push_back(parsedSubject_.substr(span.begin, span.end - span.begin));
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (texts == markedTexts_) {
    if (markedSubject_ == parsedSubject_) return;
    markedSubject_ = parsedSubject_;
    CHARRANGE caret{};
    SendMessageW(subjectEdit_.Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    for (const CHARRANGE& mark : marks) {
      const CHARRANGE typed{mark.cpMax, mark.cpMax + 1};
      if (caret.cpMin == caret.cpMax && caret.cpMin == typed.cpMax) subjectEdit_.ColourRuns({&typed, 1}, text);
    }
    return;
  }
  const CHARRANGE all{0, -1};
  subjectEdit_.ColourRuns({&all, 1}, text);
  subjectEdit_.ColourRuns(marks, MarkColour());
  markedTexts_ = std::move(texts);
  markedSubject_ = parsedSubject_;
}

}  // namespace qrv
