#include "entry/subject_marks.h"

#include <algorithm>

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

void SubjectMarks::Read(std::string subject, std::vector<UsedPhrase> phrases) {
  parsedSubject_ = std::move(subject);
  phrases_ = std::move(phrases);
}

std::wstring SubjectMarks::Stored(const std::vector<TextSpan>& spans) const {
  std::wstring shown = subject_.Text();
  const std::string subject = Narrow(shown);
  if (subject != parsedSubject_) return shown;  // no run read this text: nothing is known to go
  return Widen(SubjectWithout(subject, spans));
}

// Marks that only moved with the text were moved by the control; a character
// typed right after a mark took the mark's colour and is given the text's.
void SubjectMarks::Show(const std::vector<TextSpan>& spans) {
  const std::vector<CHARRANGE> marks = CharacterRanges(parsedSubject_, spans);
  std::vector<std::string> texts;
  texts.reserve(spans.size());
  for (const TextSpan& span : spans) texts.push_back(parsedSubject_.substr(span.begin, span.end - span.begin));
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  if (texts == markedTexts_) {
    if (markedSubject_ == parsedSubject_) return;
    markedSubject_ = parsedSubject_;
    const CHARRANGE caret = subject_.Selection();
    for (const CHARRANGE& mark : marks) {
      const CHARRANGE typed{mark.cpMax, mark.cpMax + 1};
      if (caret.cpMin == caret.cpMax && caret.cpMin == typed.cpMax) subject_.ColourRuns({&typed, 1}, text);
    }
    return;
  }
  const CHARRANGE all{0, -1};
  subject_.ColourRuns({&all, 1}, text);
  subject_.ColourRuns(marks, MarkColour());
  markedTexts_ = std::move(texts);
  markedSubject_ = parsedSubject_;
}

}  // namespace qrv
