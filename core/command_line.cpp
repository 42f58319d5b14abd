#include "core/command_line.h"

#include <algorithm>

#include "core/text.h"

namespace qrv {

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsWaitArgument(std::string_view arg) { return StartsWith(AsciiUpper(arg.substr(0, 5)), "WAIT:"); }

bool IsOutlookArgument(std::string_view arg) {
  const std::string upper = AsciiUpper(arg);
  return upper == "OUTLOOK" || StartsWith(upper, "OUTLOOK:");
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsSeparator(line[i])) ++i;
    if (i == line.size()) break;
    std::string arg;
    bool quoted = false;
    for (; i < line.size() && (quoted || !IsSeparator(line[i])); ++i) {
      if (line[i] == '"')
        quoted = !quoted;
      else
        arg += line[i];
    }
    args.push_back(std::move(arg));
  }
  return args;
}

int WaitSeconds(const std::vector<std::string>& args) {
  int wait = -1;
  for (const auto& arg : args) {
    if (arg.size() >= 6 && IsWaitArgument(arg)) wait = ReadIntOr(SubTextFrom(arg, 6), 0);
  }
  return std::min(wait, kMaxWaitSeconds);
}

std::vector<StartupRequest> OutlookRequests(const std::vector<std::string>& args) {
  static constexpr const char* kFolders[] = {"OUTLOOK:TASKS",    "OUTLOOK:NOTES", "OUTLOOK:CALENDAR",
                                             "OUTLOOK:CONTACTS", "OUTLOOK:INBOX", "OUTLOOK:JOURNAL"};
  std::vector<StartupRequest> requests;
  for (const auto& arg : args) {
    const std::string upper = AsciiUpper(arg);
    if (upper == "OUTLOOK") requests.emplace_back(ExtraAction::kOpenOutlook);
    for (int folder = 1; folder <= 6; ++folder) {
      if (upper == kFolders[folder - 1]) requests.emplace_back(static_cast<FolderKind>(folder));
    }
  }
  return requests;
}

std::optional<std::string> HandedFileArgument(const std::vector<std::string>& args) {
  if (args.empty() || args[0].empty() || IsWaitArgument(args[0]) || IsOutlookArgument(args[0])) return std::nullopt;
  return args[0];
}

}  // namespace qrv
