#include "core/help_pages.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace qrv {
namespace {

constexpr char kBullet[] = "\xE2\x80\xA2 ";  // a bullet and a space, in UTF-8

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "41 How do I ..." -> 41 and the rest; nothing when no page number leads.
std::optional<std::pair<int, std::string_view>> NumberAndText(std::string_view text) {
  text = Trim(text);
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc{} || end == text.data() || number < 0) return std::nullopt;
  return std::pair{number, Trim(text.substr(static_cast<std::size_t>(end - text.data())))};
}

class Reader {
 public:
  void Line(std::string_view line) {
    if (line.starts_with("=")) return StartPage(line.substr(1));
    if (!page_) return;
    if (line.starts_with("#")) return Add({HelpBlockKind::kHeading, std::string(Trim(line.substr(1)))});
    if (line.starts_with(">")) return AddLink(line.substr(1));
    if (line.starts_with("!")) return AddPicture(Trim(line.substr(1)));
    AddText(Trim(line));
  }
  std::vector<HelpPage> Finish() {
    EndText();
    if (page_) pages_.push_back(std::move(*page_));
    return std::move(pages_);
  }

 private:
  void StartPage(std::string_view rest) {
    if (page_) pages_.push_back(std::move(*page_));
    page_.reset();
    paragraphBreak_ = false;
    const auto numbered = NumberAndText(rest);
    if (!numbered) return;
    const bool taken =
        std::any_of(pages_.begin(), pages_.end(), [&](const HelpPage& page) { return page.number == numbered->first; });
    if (!taken) page_ = HelpPage{numbered->first, std::string(numbered->second), {}};
  }
  void AddLink(std::string_view rest) {
    const auto numbered = NumberAndText(rest);
    if (numbered) Add({HelpBlockKind::kLink, std::string(numbered->second), numbered->first});
  }
  void AddPicture(std::string_view name) {
    if (!name.empty()) Add({HelpBlockKind::kPicture, std::string(name)});
  }
  void AddText(std::string_view text) {
    auto& blocks = page_->blocks;
    if (text.empty()) {
      paragraphBreak_ = !blocks.empty() && blocks.back().kind == HelpBlockKind::kText;
      return;
    }
    const bool newLine = text.starts_with("- ");
    const std::string shown = newLine ? kBullet + std::string(text.substr(2)) : std::string(text);
    if (blocks.empty() || blocks.back().kind != HelpBlockKind::kText) {
      blocks.push_back({HelpBlockKind::kText, shown});
    } else {
      // A line after a listed one ends the list: it starts a line of its own.
      blocks.back().text += paragraphBreak_ ? "\n\n" : newLine || afterItem_ ? "\n" : " ";
      blocks.back().text += shown;
    }
    paragraphBreak_ = false;
    afterItem_ = newLine;
  }
  void Add(HelpBlock block) {
    EndText();
    page_->blocks.push_back(std::move(block));
  }
  void EndText() {
    paragraphBreak_ = false;
    afterItem_ = false;
  }

  std::vector<HelpPage> pages_;
  std::optional<HelpPage> page_;
  bool paragraphBreak_ = false;
  bool afterItem_ = false;  // the last text line was a listed one
};

}  // namespace

HelpBook HelpBook::Parse(std::string_view source) {
  Reader reader;
  while (!source.empty()) {
    const auto end = source.find('\n');
    reader.Line(source.substr(0, end));
    source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
  }
  HelpBook book;
  book.pages_ = reader.Finish();
  return book;
}

const HelpPage* HelpBook::Find(int number) const {
  const auto it =
      std::find_if(pages_.begin(), pages_.end(), [number](const HelpPage& page) { return page.number == number; });
  return it == pages_.end() ? nullptr : &*it;
}

}  // namespace qrv
