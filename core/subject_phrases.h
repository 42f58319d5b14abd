// The phrases of a subject that a quick-entry run used: a leading type prefix
// ("TASK:", or a one-letter prefix such as "t/" that a keyword matched), and
// the date and time phrases the run took its date or time from ("tomorrow",
// "on friday", "by 5/3/03", "in 3 days", "in 2 hours"). Each is a run of whole
// words of the subject, found where the parser read it, never by searching the
// text again. The window marks the ones keyword removal takes out, and the
// item is stored without them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_words.h"
#include "core/keyword_record.h"
#include "core/subject_words.h"

namespace qrv {

enum class PhraseKind { kTypePrefix, kDate, kTime };

struct UsedPhrase {
  TextSpan span;  // bytes of the subject
  PhraseKind kind = PhraseKind::kDate;
  bool operator==(const UsedPhrase&) const = default;
};

// What one run found, read after its word loop.
struct PhraseSources {
  const WordList& words;
  const DateTimeReader& reader;
  // The keyword (in capitals) of the type record that matched the first word;
  // empty when none did.
  std::string_view firstWordKeyword;
};

std::vector<UsedPhrase> UsedPhrases(std::string_view subject, const PhraseSources& sources);

// What decides which used phrases keyword removal takes out.
struct RemovalState {
  bool removal = true;                  // keyword removal is on for the window
  std::optional<EntryType> typeButton;  // date and time phrases go only from tasks and appointments
  bool dateByHand = false;              // then the subject's date is not the item's
  bool timeByHand = false;              // and here its time
  bool datesUsed = true;                // the item takes a date at all (a task's dates may be hidden)
};

std::vector<TextSpan> RemovablePhrases(std::span<const UsedPhrase> phrases, const RemovalState& state);

// The subject without the given spans (they may overlap and come in any order)
// and the blanks they leave, with a comma left dangling by a removal dropped.
// A removal that would leave no text keeps the subject as it is.
std::string SubjectWithout(std::string_view subject, std::span<const TextSpan> spans);

}  // namespace qrv
