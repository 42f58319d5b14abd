// The quick-entry parser run over the Information Item window's subject on
// every change, and its answer written into the parts without touching what
// the user chose by hand; the categories read from the body, the recipients
// and the typed times that run it again; and the subject's marks, the phrases
// keyword removal takes out of the subject the item stores.
#pragma once

#include <string>
#include <vector>

#include "core/quick_entry.h"
#include "core/subject_phrases.h"
#include "entry/entry_data.h"
#include "entry/entry_dates.h"
#include "entry/entry_header.h"
#include "entry/entry_late_parts.h"
#include "entry/entry_type_buttons.h"
#include "entry/entry_window_layout.h"
#include "entry/web_service_body.h"
#include "ui/edits.h"

namespace qrv {

// The parts the parser reads and writes, and what the user chose by hand.
struct ParsedParts {
  EntryHeader& header;
  RichEdit& body;
  WebServiceBody& webBody;
  EntryTypeButtons& typeButtons;
  EntryLateParts& lateParts;
  const EntryDates& dates;
  EntryWindowLayout& layout;
  HandChoices& byHand;
  const bool& built;  // the subject is marked only while the window is whole
};

class EntryParser {
 public:
  EntryParser(const EntryData& data, const ParsedParts& parts, const LocaleFacts& locale, const EntryClock& clock);

  // What the user changed.
  void SubjectChanged();
  void BodyChanged();
  void RecipientsChanged();
  void StartTimeChanged();
  void EndTimeChanged();
  // Typing never shows a message: a run that fails (out of memory) leaves the
  // fields as they are and the next change tries again.
  void Run();

  // The subject the item stores: without the marked phrases while keyword removal is on.
  std::wstring StoredSubject() const;
  bool KeywordRemoval() const { return keywordRemoval_; }
  void SetKeywordRemoval(bool on);
  void ShowMarks();
  // The label the last run matched, for a web search.
  const std::string& LabelMatch() const { return labelMatch_; }

 private:
  QuickEntryInput Input(const std::string& subject, const std::string& body, const std::string& serviceText,
                        const std::string& startBox) const;
  void ParseNow(const std::wstring& subject);
  void Apply(const QuickEntryResult& result);
  void ApplyCategories(const CategoryChoice& choice);
  std::vector<TextSpan> MarkedSpans() const;

  const EntryData& data_;
  ParsedParts parts_;
  const LocaleFacts& locale_;
  const EntryClock& clock_;
  bool keywordRemoval_ = data_.settings.keywordRemoval;
  std::string labelMatch_;
};

}  // namespace qrv
