#include "core/entry_texts.h"

#include "core/codepage.h"
#include "core/service_editing.h"
#include "core/text.h"

namespace qrv {
namespace {

constexpr std::size_t kMailtoLimit = 256;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

// --- recipients ----------------------------------------------------------------

std::vector<std::string> SplitRecipients(std::string_view text, bool commasSeparate) {
  std::vector<std::string> names;
  std::string name;
  auto take = [&] {
    if (std::string trimmed = Trim(name); !trimmed.empty()) names.push_back(std::move(trimmed));
    name.clear();
  };
  for (const char c : text) {
    if (c == ';' || (c == ',' && commasSeparate)) {
      take();
    } else {
      name += c;
    }
  }
  take();
  return names;
}

std::string JoinRecipients(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ";") + name;
  return joined;
}

// --- web searches --------------------------------------------------------------

std::string AddressOfSubject(std::string_view subject) {
  if (Contains(subject, "://")) return std::string(subject);
  return "Http://" + std::string(subject);
}

std::optional<std::string> FindServiceLine(const std::vector<std::string>& keywordList, std::string_view caption) {
  const std::string mark = "<CB=" + std::string(caption) + "!>";
  for (const std::string& line : keywordList) {
    if (Contains(line, mark)) return line;
  }
  return std::nullopt;
}

std::string SearchCriteria(std::string_view subject, std::string_view keyword) {
  const std::string upperKeyword = AsciiUpper(keyword);
  if (upperKeyword.empty()) return Trim(subject);
  const auto at = AsciiUpper(subject).find(upperKeyword);
  if (at == std::string::npos) return Trim(subject);
  const std::size_t from = at + upperKeyword.size() + 1;
  return from >= subject.size() ? std::string() : Trim(subject.substr(from));
}

std::string FillUrlTemplate(std::string_view urlTemplate, Date today, std::string_view criteria,
                            std::string_view defaultCriteria) {
  std::string address(urlTemplate);
  ReplaceAll(address, "<DD>", TwoDigits(today.day));
  ReplaceAll(address, "<D>", std::to_string(today.day));
  ReplaceAll(address, "<MM>", TwoDigits(today.month));
  ReplaceAll(address, "<M>", std::to_string(today.month));
  ReplaceAll(address, "<Y>", std::to_string(today.year));
  if (const auto at = address.find("<QRV!>"); at != std::string::npos) {
    address.replace(at, 6, EncodeCriteria(criteria.empty() ? defaultCriteria : criteria));
  }
  return address;
}

std::string BrowserCommandLine(std::string_view browserPath, std::string_view address) {
  std::string quoted(address);
  ReplaceAll(quoted, "\"", "%22");
  std::string path(browserPath);
  if (path.size() < 2 || path.front() != '"' || path.back() != '"') path = "\"" + path + "\"";
  return path + " \"" + quoted + "\"";
}

// --- e-mail through the mail program -------------------------------------------

std::string MailtoEncode(std::string_view utf8) {
  std::string encoded = EncodeCriteria(utf8);
  ReplaceAll(encoded, "+", "%20");
  return encoded;
}

std::optional<std::string> MailtoAddress(std::string_view to, std::string_view cc, std::string_view encodedSubject,
                                         std::string_view encodedBody) {
  const std::string tail = "subject=" + std::string(encodedSubject) + "&body=" + std::string(encodedBody);
  const std::string withCc = "mailto:" + std::string(to) + "?cc=" + std::string(cc) + "&" + tail;
  if (withCc.size() >= kMailtoLimit) return std::nullopt;
  if (!cc.empty()) return withCc;
  return "mailto:" + std::string(to) + "?" + tail;
}

// --- text documents ------------------------------------------------------------

bool IsSearchAddress(std::string_view address) {
  const std::string_view trimmed = TrimView(address);
  if (EqualsIgnoringCase(trimmed.substr(0, 6), "ftp://"))
    return IsWebAddress("http://" + std::string(trimmed.substr(6)));
  return IsWebAddress(address);
}

std::string OfferedFileName(std::string_view subject) {
  const std::string title = Trim(subject);
  if (title.empty()) return {};
  std::string name = FileNameFromTitle(title);
  if (Utf16Prefix(name, kOfferedNameLimit).size() < name.size()) {
    name = TrimRight(Utf16Prefix(name, kOfferedNameLimit - 4));
    while (!name.empty() && name.back() == '.') name.pop_back();
    return name + ".txt";
  }
  if (!Contains(name, ".")) name += ".txt";
  return name;
}

std::string TextDocument(std::string_view subject, std::string_view body) {
  const std::string title = Trim(subject);
  if (title.empty()) return std::string(body);
  return title + "\r\n" + std::string(body);
}

}  // namespace qrv
