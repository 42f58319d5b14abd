// What core takes from Windows: the code page of the stored files, the order in
// which the user's locale sorts texts, and the attributes a saved file keeps.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/codepage.h"

namespace qrv {

// A code page converted by Windows itself; by default the system's ANSI code
// page, which is the one the stored files are in.
class WindowsCodePage final : public CodePage {
 public:
  explicit WindowsCodePage(unsigned codePage = 0);  // 0: the system's ANSI code page
  std::string ToUtf8(std::string_view bytes) const override;
  std::optional<std::string> FromUtf8(std::string_view utf8, std::string* unheld) const override;

 private:
  unsigned codePage_;
};

// Compares as the user's locale sorts, ignoring letter case (a TextOrder).
int CompareInUserLocale(std::string_view a, std::string_view b);

// Gives `to` the hidden, system and not-indexed attributes of `from`, and the
// archive attribute of every changed file (an AttributeKeeper).
void KeepFileAttributes(const std::filesystem::path& from, const std::filesystem::path& to);

// Hands the system's code page and the attribute keeper to core; the program
// calls it first thing, before any file is read.
void UseWindowsSystem();

}  // namespace qrv
