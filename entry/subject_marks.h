// The marks of the subject: the phrases the last quick-entry run used that
// keyword removal takes out are shown in the mark colour, and the item stores
// the subject without them. The phrases marked are kept here; what the text's
// colours say is never read back.
#pragma once

#include <string>
#include <vector>

#include "core/subject_phrases.h"
#include "ui/edits.h"

namespace qrv {

class SubjectMarks {
 public:
  explicit SubjectMarks(RichEdit& subject) : subject_(subject) {}

  // What a quick-entry run read of the subject and used of it (nothing, for a
  // subject no run read).
  void Read(std::string subject, std::vector<UsedPhrase> phrases);
  const std::vector<UsedPhrase>& Phrases() const { return phrases_; }
  // The text came in anew, without its marks.
  void Forget() { markedTexts_.clear(); }
  // Colours the subject again when the spans to mark changed.
  void Show(const std::vector<TextSpan>& spans);
  // The subject the item stores: without the spans, when a run read this text.
  std::wstring Stored(const std::vector<TextSpan>& spans) const;

 private:
  RichEdit& subject_;
  std::string parsedSubject_;        // the subject as the last run read it
  std::vector<UsedPhrase> phrases_;  // what that run used of it
  std::string markedSubject_;        // the subject and its phrases marked last
  std::vector<std::string> markedTexts_;
};

}  // namespace qrv
