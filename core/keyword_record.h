// Keyword records: one line of text per keyword, of four kinds told apart by
// their first two characters ("K=", "C=", "I=", "S="). Every field is read by
// the first occurrence of its delimiters and never by a full parse, so any line
// (damaged, hand-edited, downloaded) reads without error: a missing or
// misordered delimiter gives an empty field.
//
//   item       K=<mode>{KEYWORD}<type 1..10>
//   category   C=1{KEYWORD}|{Category name}
//   icon       I=1{KEYWORD}<icon character>
//   web        S=0{keyword}11<CB=caption!><D=criteria!D>[<CUST=Y>]<HINT=hint!H>|url
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// Entry types of keyword records, of the quick-entry window and of the bar's
// new-item buttons (task .. meeting request). The numbers are those stored in
// item records and in the settings, so they never change.
enum class EntryType : int {
  kTask = 1,
  kNote = 2,
  kAppointment = 3,
  kContact = 4,
  kEmail = 5,
  kJournal = 6,
  kTaskRequest = 7,
  kMeetingRequest = 8,
  kTextDocument = 9,
  kInternet = 10,
  kWebService = 11,
};

// The entry type a stored number stands for; none for any other number.
std::optional<EntryType> EntryTypeOf(int number);
inline int NumberOf(EntryType type) { return static_cast<int>(type); }

// The prefixes that mark a plain keyword record in the keyword file; any other
// non-empty line there is an enciphered web-service record.
bool IsPlainRecord(std::string_view line);

// The first three characters: "K=0", "K=1", "C=1", "I=1", "S=0" ...
std::string RecordKind(std::string_view record);
// The text between the first "{" and the first "}".
std::string RecordKeyword(std::string_view record);
// The text after the first "}" (empty when there is none).
std::string RecordTail(std::string_view record);
// The two characters after the first "}" read as a number; none when they are no number.
std::optional<int> RecordType(std::string_view record);
// The text between the first `open` and the first `close` after the start of
// the record; empty when either is missing or `close` comes first.
std::string TagText(std::string_view record, std::string_view open, std::string_view close);
// Category record: from the second character after the first "|" to the end,
// less the last character.
std::string RecordCategory(std::string_view record);

// Web-service record fields.
std::string ServiceCaption(std::string_view record);   // <CB=...!>
std::string ServiceCriteria(std::string_view record);  // <D=...!D>
std::string ServiceHint(std::string_view record);      // <HINT=...!H>
std::string ServiceUrl(std::string_view record);       // after the first "|"
bool IsCustomService(std::string_view record);         // holds "<CUST="

// A record read once, with what matching needs, so that lists are split when
// they are loaded and not on every keystroke.
struct KeywordRecord {
  std::string line;         // the record as stored (plain)
  std::string kind;         // RecordKind
  std::string keyword;      // RecordKeyword in capitals
  std::optional<int> type;  // RecordType (a number, not always an entry type)
  std::string tail;         // RecordTail
  std::string caption;      // ServiceCaption (web-service records)
  std::string category;     // RecordCategory (category records)
};

KeywordRecord ReadKeywordRecord(std::string_view line);
std::vector<KeywordRecord> ReadKeywordRecords(const std::vector<std::string>& lines);

struct WebService {
  std::string keyword;
  std::string caption;
  std::string criteria;
  bool custom = false;
  std::string hint;
  std::string url;
};

// The fields a record is built from. Fields are found by the first occurrence
// of their delimiters, so a field holding a delimiter would read back as
// another field, and a line break in a plain record would split it in two.
enum class RecordField { kKeyword, kCategory, kCaption, kCriteria, kHint, kUrl };

// Why `text` cannot be stored as this field, naming what it must not hold;
// empty when it can. The one check every record builder, writer and dialog asks.
std::string RecordFieldFault(RecordField field, std::string_view text);
std::string ServiceFault(const WebService& service);

// Thrown by the record builders for a field that fails the check above, so a
// record that would read back as something else is never made.
class RecordFieldError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Record builders, as the keyword dialog and the editor write them.
std::string ItemRecord(bool anyWord, std::string_view keyword, EntryType type);
std::string CategoryRecord(std::string_view keyword, std::string_view category);
std::string IconRecord(std::string_view keyword, char iconChar);
std::string ServiceRecord(const WebService& service);
WebService ReadService(std::string_view record);

}  // namespace qrv
