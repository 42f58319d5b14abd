#include "core/keyword_record.h"

#include "core/text.h"

namespace qrv {

bool IsPlainRecord(std::string_view line) {
  return StartsWith(line, "I=") || StartsWith(line, "C=") || StartsWith(line, "K=") || StartsWith(line, "S=");
}

std::string RecordKind(std::string_view record) { return SubText(record, 1, 3); }

std::string RecordKeyword(std::string_view record) {
  const auto open = static_cast<long long>(PositionOf("{", record));
  const auto close = static_cast<long long>(PositionOf("}", record));
  if (open == 0 || close == 0) return {};
  return SubText(record, open + 1, close - open - 1);
}

std::string RecordTail(std::string_view record) {
  const auto close = PositionOf("}", record);
  return close == 0 ? std::string() : SubTextFrom(record, static_cast<long long>(close) + 1);
}

std::optional<int> RecordType(std::string_view record) {
  const auto close = PositionOf("}", record);
  if (close == 0) return std::nullopt;
  return ReadInt(SubText(record, static_cast<long long>(close) + 1, 2));
}

std::string TagText(std::string_view record, std::string_view open, std::string_view close) {
  const auto from = static_cast<long long>(PositionOf(open, record));
  const auto to = static_cast<long long>(PositionOf(close, record));
  if (from == 0 || to == 0) return {};
  const long long start = from + static_cast<long long>(open.size());
  return SubText(record, start, to - start);
}

std::string RecordCategory(std::string_view record) {
  const auto bar = static_cast<long long>(PositionOf("|", record));
  if (bar == 0) return {};
  const long long start = bar + 2;
  return SubText(record, start, static_cast<long long>(record.size()) - start);
}

std::string ServiceCaption(std::string_view record) { return TagText(record, "<CB=", "!>"); }
std::string ServiceCriteria(std::string_view record) { return TagText(record, "<D=", "!D>"); }
std::string ServiceHint(std::string_view record) { return TagText(record, "<HINT=", "!H>"); }

std::string ServiceUrl(std::string_view record) {
  const auto bar = PositionOf("|", record);
  return bar == 0 ? std::string() : SubTextFrom(record, static_cast<long long>(bar) + 1);
}

bool IsCustomService(std::string_view record) { return Contains(record, "<CUST="); }

KeywordRecord ReadKeywordRecord(std::string_view line) {
  KeywordRecord r;
  r.line = std::string(line);
  r.kind = RecordKind(line);
  r.keyword = AsciiUpper(RecordKeyword(line));
  r.type = RecordType(line);
  r.tail = RecordTail(line);
  if (StartsWith(line, "S=")) r.caption = ServiceCaption(line);
  if (StartsWith(line, "C=")) r.category = RecordCategory(line);
  return r;
}

std::vector<KeywordRecord> ReadKeywordRecords(const std::vector<std::string>& lines) {
  std::vector<KeywordRecord> records;
  records.reserve(lines.size());
  for (const auto& line : lines) records.push_back(ReadKeywordRecord(line));
  return records;
}

namespace {

struct FieldRule {
  const char* name;
  std::vector<std::string_view> refused;  // texts the field must not hold
};

// What each field must not hold: its own closing delimiter and every
// delimiter searched for from the start of the record after it. A keyword
// holds none of the brackets of the tags, so no tag can start or end in it.
const FieldRule& RuleOf(RecordField field) {
  static const FieldRule kKeyword{"A keyword", {"{", "}", "|", "<", ">", "\r", "\n"}};
  static const FieldRule kCategory{"A category", {"\r", "\n"}};
  static const FieldRule kCaption{"A caption", {"|", "!>", "<D=", "!D>", "<CUST=", "<HINT=", "!H>", "\r", "\n"}};
  static const FieldRule kCriteria{"A criteria text", {"|", "!D>", "<CUST=", "<HINT=", "!H>", "\r", "\n"}};
  static const FieldRule kHint{"A hint", {"|", "!H>", "<CUST="}};
  static const FieldRule kUrl{"A URL", {"<CUST=", "\r", "\n"}};
  switch (field) {
    case RecordField::kKeyword:
      return kKeyword;
    case RecordField::kCategory:
      return kCategory;
    case RecordField::kCaption:
      return kCaption;
    case RecordField::kCriteria:
      return kCriteria;
    case RecordField::kHint:
      return kHint;
    case RecordField::kUrl:
      break;
  }
  return kUrl;
}

std::string Shown(std::string_view refused) {
  if (refused == "\r" || refused == "\n") return "a line break";
  return "\"" + std::string(refused) + "\"";
}

void Check(RecordField field, std::string_view text) {
  if (std::string fault = RecordFieldFault(field, text); !fault.empty()) throw RecordFieldError(fault);
}

}  // namespace

std::string RecordFieldFault(RecordField field, std::string_view text) {
  const FieldRule& rule = RuleOf(field);
  if (field == RecordField::kKeyword && text.empty()) return "A keyword cannot be empty.";
  for (const std::string_view refused : rule.refused)
    if (Contains(text, refused)) return std::string(rule.name) + " cannot hold " + Shown(refused) + ".";
  return {};
}

std::string ServiceFault(const WebService& s) {
  const std::pair<RecordField, const std::string*> fields[] = {{RecordField::kKeyword, &s.keyword},
                                                               {RecordField::kCaption, &s.caption},
                                                               {RecordField::kCriteria, &s.criteria},
                                                               {RecordField::kHint, &s.hint},
                                                               {RecordField::kUrl, &s.url}};
  for (const auto& [field, text] : fields)
    if (std::string fault = RecordFieldFault(field, *text); !fault.empty()) return fault;
  return {};
}

std::string ItemRecord(bool anyWord, std::string_view keyword, EntryType type) {
  Check(RecordField::kKeyword, keyword);
  return std::string(anyWord ? "K=1{" : "K=0{") + std::string(keyword) + "}" + std::to_string(NumberOf(type));
}

std::optional<EntryType> EntryTypeOf(int number) {
  if (number < NumberOf(EntryType::kTask) || number > NumberOf(EntryType::kWebService)) return std::nullopt;
  return static_cast<EntryType>(number);
}

std::string CategoryRecord(std::string_view keyword, std::string_view category) {
  Check(RecordField::kKeyword, keyword);
  Check(RecordField::kCategory, category);
  return "C=1{" + std::string(keyword) + "}|{" + std::string(category) + "}";
}

std::string IconRecord(std::string_view keyword, char iconChar) {
  Check(RecordField::kKeyword, keyword);
  return "I=1{" + std::string(keyword) + "}" + iconChar;
}

std::string ServiceRecord(const WebService& s) {
  if (std::string fault = ServiceFault(s); !fault.empty()) throw RecordFieldError(fault);
  std::string r = "S=0{" + s.keyword + "}11<CB=" + s.caption + "!><D=" + s.criteria + "!D>";
  if (s.custom) r += "<CUST=Y>";
  r += "<HINT=" + s.hint + "!H>|" + s.url;
  return r;
}

WebService ReadService(std::string_view record) {
  WebService s;
  s.keyword = RecordKeyword(record);
  s.caption = ServiceCaption(record);
  s.criteria = ServiceCriteria(record);
  s.custom = IsCustomService(record);
  s.hint = ServiceHint(record);
  s.url = ServiceUrl(record);
  return s;
}

}  // namespace qrv
