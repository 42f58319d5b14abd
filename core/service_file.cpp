#include "core/service_file.h"

#include "core/cipher.h"
#include "core/codepage.h"
#include "core/text.h"

namespace qrv {

namespace {

// The line between record and version; it never deciphers to a web-service record.
constexpr std::string_view kIgnoredLine = "Quorvel web service";

std::string DecipheredLine(std::string_view line) { return AnsiToUtf8(DecipherLine(line)); }

}  // namespace

std::optional<std::string> ServiceFileBytes(std::string_view record, std::string_view barVersion, std::string* unheld) {
  const std::string_view version = barVersion.empty() ? kNoBarVersion : barVersion;
  const std::optional<std::string> storedRecord = Utf8ToAnsi(record, unheld);
  const std::optional<std::string> storedVersion = storedRecord ? Utf8ToAnsi(version, unheld) : std::nullopt;
  if (!storedVersion) return std::nullopt;
  return JoinLines({EncipherLine(*storedRecord), EncipherLine(kIgnoredLine), EncipherLine(*storedVersion)});
}

std::vector<std::string> CustomServicesInFile(std::string_view fileBytes) {
  std::vector<std::string> services;
  if (fileBytes.size() > kMaxServiceFileBytes) return services;
  for (const auto& line : SplitLines(WithoutByteOrderMark(fileBytes))) {
    std::string record = DecipheredLine(line);
    if (StartsWith(record, "S=") && IsCustomService(record)) services.push_back(std::move(record));
  }
  return services;
}

std::optional<WebService> ServiceInFile(std::string_view fileBytes) {
  if (fileBytes.size() > kMaxServiceFileBytes) return std::nullopt;
  const std::vector<std::string> lines = SplitLines(WithoutByteOrderMark(fileBytes));
  if (lines.empty()) return std::nullopt;
  const std::string record = DecipheredLine(lines.front());
  if (!StartsWith(record, "S=0{")) return std::nullopt;
  WebService service = ReadService(record);
  service.custom = Contains(record, "<CUST=Y>");
  return service;
}

}  // namespace qrv
