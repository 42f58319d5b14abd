#include "core/service_editing.h"

#include <algorithm>

#include <array>

#include "core/codepage.h"
#include "core/keyword_record.h"
#include "core/text.h"

namespace qrv {

namespace {

constexpr std::string_view kCriteriaMarker = "<QRV!>";

// What a field must not hold, because the record is read by the first
// occurrence of these delimiters and tags.
struct Forbidden {
  std::string_view text;
  bool inKeyword, inTitle, inDescription;
};
constexpr std::array<Forbidden, 11> kForbidden{{
    {"{", true, false, false},
    {"}", true, false, false},
    {"|", true, true, true},
    {"!>", true, true, false},
    {"!D>", true, true, false},
    {"!H>", true, true, true},
    {"<QRV!>", true, true, true},
    {"<CB=", true, true, true},
    {"<D=", true, true, true},
    {"<HINT=", true, true, true},
    {"<CUST=", true, true, true},
}};

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++count;
  return count;
}

std::string ReplaceFirst(std::string_view text, std::string_view what, std::string_view with) {
  const auto at = text.find(what);
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(0, at)) + std::string(with) + std::string(text.substr(at + what.size()));
}

std::string Problem(std::string_view field, std::string_view what) {
  return "The field \"" + std::string(field) + "\" cannot hold \"" + std::string(what) + "\".";
}

// The record's own check of the field first (what every writer refuses), then
// the tags that would make the editor's record read back differently.
std::optional<std::string> CheckField(std::string_view field, RecordField kind, std::string_view text,
                                      bool Forbidden::*applies) {
  if (const std::string fault = RecordFieldFault(kind, text); !fault.empty())
    return "The field \"" + std::string(field) + "\": " + fault;
  for (const auto& forbidden : kForbidden)
    if (forbidden.*applies && Contains(text, forbidden.text)) return Problem(field, forbidden.text);
  if (!Utf8ToAnsi(text))
    return "The field \"" + std::string(field) + "\" holds characters that web-service files cannot store.";
  return std::nullopt;
}

bool IsFileNameChar(unsigned char c) {
  return c >= 0x20 && std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) == std::string_view::npos;
}

bool IsDeviceName(std::string_view name) {
  const std::string stem = AsciiUpper(name.substr(0, name.find('.')));
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"})
    if (stem == device) return true;
  return stem.size() == 4 && (StartsWith(stem, "COM") || StartsWith(stem, "LPT")) && stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::optional<std::string> FieldProblem(const ServiceFields& fields) {
  if (auto problem = CheckField("Quorvel Keyword", RecordField::kKeyword, fields.keyword, &Forbidden::inKeyword))
    return problem;
  if (auto problem = CheckField("Site title", RecordField::kCaption, fields.title, &Forbidden::inTitle)) return problem;
  if (auto problem = CheckField("Site description", RecordField::kHint, fields.description, &Forbidden::inDescription))
    return problem;
  if (const std::string fault = RecordFieldFault(RecordField::kUrl, fields.url); !fault.empty())
    return "The field \"URL\": " + fault;
  if (!Utf8ToAnsi(fields.url))
    return std::string("The field \"URL\" holds characters that web-service files cannot store.");
  return std::nullopt;
}

std::string UrlForEditing(std::string_view urlTemplate) {
  if (Count(urlTemplate, kCriteriaMarker) != 1 || Contains(urlTemplate, "*")) return std::string(urlTemplate);
  return ReplaceFirst(urlTemplate, kCriteriaMarker, "*");
}

std::string UrlFromEditing(std::string_view typedUrl) {
  std::string url = Contains(typedUrl, "://") ? std::string(typedUrl) : "http://" + std::string(typedUrl);
  return Contains(url, kCriteriaMarker) ? url : ReplaceFirst(url, "*", kCriteriaMarker);
}

std::string EditedUrl::Load(std::string_view urlTemplate) {
  stored_ = urlTemplate;
  shown_ = UrlForEditing(urlTemplate);
  return shown_;
}

std::string EditedUrl::Template(std::string_view fieldText) const {
  if (!stored_.empty() && fieldText == shown_) return stored_;
  return UrlFromEditing(fieldText);
}

std::string EncodeCriteria(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  // A character the code page cannot hold goes as its UTF-8 bytes.
  for (unsigned char c : Utf8ToAnsi(utf8).value_or(std::string(utf8))) {
    if (c == ' ') {
      encoded += '+';
    } else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

bool HasCriteriaMarker(std::string_view urlTemplate) { return Contains(urlTemplate, kCriteriaMarker); }

bool IsWebAddress(std::string_view url) {
  const std::string lower = AsciiLower(TrimView(url));
  // A control character could end the address early on a command line.
  const bool control =
      std::any_of(lower.begin(), lower.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
  return !control && (StartsWith(lower, "http://") || StartsWith(lower, "https://"));
}

std::string EscapeWebAddress(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  static constexpr std::string_view kUnsafe = " \"<>\\^`{|}";
  std::string escaped;
  escaped.reserve(utf8.size());
  for (unsigned char c : TrimView(utf8)) {
    if (c <= 0x20 || c >= 0x7f || kUnsafe.find(static_cast<char>(c)) != std::string_view::npos) {
      escaped += '%';
      escaped += kHex[c >> 4];
      escaped += kHex[c & 15];
    } else {
      escaped += static_cast<char>(c);
    }
  }
  return escaped;
}

std::string FileNameFromTitle(std::string_view title) {
  std::string name;
  for (unsigned char c : title) name += IsFileNameChar(c) ? static_cast<char>(c) : '_';
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  if (IsDeviceName(name)) name.insert(name.find('.') == std::string::npos ? name.size() : name.find('.'), "_");
  return name.empty() ? "service" : name;
}

}  // namespace qrv
