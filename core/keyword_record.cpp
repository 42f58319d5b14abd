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

std::string ItemRecord(bool anyWord, std::string_view keyword, EntryType type) {
  return std::string(anyWord ? "K=1{" : "K=0{") + std::string(keyword) + "}" + std::to_string(NumberOf(type));
}

std::optional<EntryType> EntryTypeOf(int number) {
  if (number < NumberOf(EntryType::kTask) || number > NumberOf(EntryType::kWebService)) return std::nullopt;
  return static_cast<EntryType>(number);
}

std::string CategoryRecord(std::string_view keyword, std::string_view category) {
  return "C=1{" + std::string(keyword) + "}|{" + std::string(category) + "}";
}

std::string IconRecord(std::string_view keyword, char iconChar) {
  return "I=1{" + std::string(keyword) + "}" + iconChar;
}

std::string ServiceRecord(const WebService& s) {
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
