#include "core/key_string.h"

#include "core/codepage.h"

namespace qrv {

namespace {

struct NamedKeyEntry {
  std::string_view name;
  std::uint8_t virtualKey;
};

// Searched in this order; the first equal name wins.
constexpr NamedKeyEntry kNamedKeys[] = {
    {"BACKSPACE", 0x08}, {"BKSP", 0x08},       {"BS", 0x08},   {"CAPS", 0x14},   {"CAPSLOCK", 0x14}, {"CLEAR", 0x0C},
    {"DEL", 0x2E},       {"DELETE", 0x2E},     {"DOWN", 0x28}, {"END", 0x23},    {"ENTER", 0x0D},    {"ESC", 0x1B},
    {"ESCAPE", 0x1B},    {"HOME", 0x24},       {"INS", 0x2D},  {"INSERT", 0x2D}, {"LEFT", 0x25},     {"NUM", 0x90},
    {"NUMLOCK", 0x90},   {"PAGEDOWN", 0x22},   {"PGDN", 0x22}, {"PAGEUP", 0x21}, {"PGUP", 0x21},     {"RIGHT", 0x27},
    {"SCROLL", 0x91},    {"SCROLLLOCK", 0x91}, {"TAB", 0x09},  {"UP", 0x26},     {"F1", 0x70},       {"F2", 0x71},
    {"F3", 0x72},        {"F4", 0x73},         {"F5", 0x74},   {"F6", 0x75},     {"F7", 0x76},       {"F8", 0x77},
    {"F9", 0x78},        {"F10", 0x79},        {"F11", 0x7A},  {"F12", 0x7B}};

// The characters that have a meaning of their own in a key string.
constexpr std::string_view kSigns = "{}~%^+";
// No key name is longer; a brace not closed within this many characters is
// taken as never closed.
constexpr std::size_t kMaxTokenLength = 12;
// What the UTF-8 reader answers for a byte that is no UTF-8.
constexpr char32_t kUnreadable = 0xFFFD;
// Far beyond any text a hotkey types; a longer one is refused.
constexpr std::size_t kMaxKeyStringBytes = 64u << 10;

struct ParseFault {
  SendKeysResult result;
  std::string message;
};

// Turns characters into events, with the modifiers waiting for the next key.
class KeyParser {
 public:
  explicit KeyParser(const KeyboardLayout& layout) : layout_(layout) {}

  std::optional<ParseFault> Parse(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (c == '%' || c == '^' || c == '+') {
        (c == '%' ? alt_ : c == '^' ? ctrl_ : shift_) = true;
        ++i;
      } else if (c == '~') {
        PressKey(kVkReturn);
        ++i;
      } else if (c == '{') {
        if (auto fault = Braced(text, i)) return fault;
      } else if (!PressChar(NextCodePoint(text, i))) {
        return ParseFault{SendKeysResult::kInvalidToken, "The text is no UTF-8"};
      }
    }
    return std::nullopt;
  }

  std::vector<KeyEvent>& Events() { return events_; }

 private:
  // The {...} at `i`; on success `i` is past its closing brace. "{}}" is a
  // closing brace typed as itself.
  std::optional<ParseFault> Braced(std::string_view text, std::size_t& i) {
    const std::string_view rest = text.substr(i + 1);
    const std::size_t close = rest.starts_with("}}") ? 1 : rest.find('}');
    if (close == std::string_view::npos || close > kMaxTokenLength)
      return ParseFault{SendKeysResult::kInvalidToken, "No closing brace"};
    const std::string_view token = rest.substr(0, close);
    i += close + 2;
    if (token.size() == 1 && kSigns.find(token[0]) != std::string_view::npos) {
      PressChar(static_cast<unsigned char>(token[0]));
      return std::nullopt;
    }
    const auto key = NamedKey(token);
    if (!key) return ParseFault{SendKeysResult::kInvalidToken, "Invalid token {" + std::string(token) + "}"};
    PressKey(*key);
    return std::nullopt;
  }

  // False for a byte that is no UTF-8: the text cannot be read.
  bool PressChar(char32_t c) {
    if (c == kUnreadable) return false;
    const auto key = layout_.KeyFor(c);
    if (!key) {
      PressUnicode(c);
      return true;
    }
    shift_ = shift_ || (key->shiftState & 1) != 0;
    ctrl_ = ctrl_ || (key->shiftState & 2) != 0;
    alt_ = alt_ || (key->shiftState & 4) != 0;
    PressKey(key->virtualKey);
    return true;
  }

  // A character the layout has no keys for, as the character itself: one key
  // press per UTF-16 unit.
  void PressUnicode(char32_t c) {
    if (c <= 0xFFFF) return PressKey(kVkPacket, c);
    PressKey(kVkPacket, 0xD800 + ((c - 0x10000) >> 10));
    PressKey(kVkPacket, 0xDC00 + ((c - 0x10000) & 0x3FF));
  }

  // The key between the pending modifiers, which it uses up. Shift is never
  // pressed together with Ctrl. A character key carries its character as its
  // scan code.
  void PressKey(std::uint8_t vk, std::optional<std::uint32_t> character = std::nullopt) {
    const bool shift = shift_ && !ctrl_;
    if (alt_) AddKeyEvent(kVkMenu, true);
    if (ctrl_) AddKeyEvent(kVkControl, true);
    if (shift) AddKeyEvent(kVkShift, true);
    AddKeyEvent(vk, true, character);
    AddKeyEvent(vk, false, character);
    if (shift) AddKeyEvent(kVkShift, false);
    if (ctrl_) AddKeyEvent(kVkControl, false);
    ctrl_ = false;
    if (alt_) AddKeyEvent(kVkMenu, false);
    alt_ = false;
    shift_ = false;
  }

  // Alt itself, and a letter with Alt but not Ctrl, make system key events:
  // that is how the system reports a menu key.
  void AddKeyEvent(std::uint8_t vk, bool down, std::optional<std::uint32_t> character = std::nullopt) {
    const bool system = vk == kVkMenu || (alt_ && !ctrl_ && vk >= 0x41 && vk <= 0x5A);
    const KeyMessage message = system ? (down ? KeyMessage::kSysKeyDown : KeyMessage::kSysKeyUp)
                                      : (down ? KeyMessage::kKeyDown : KeyMessage::kKeyUp);
    events_.push_back({message, vk, character ? *character : layout_.ScanCode(vk), layout_.Now(), 0});
  }

  const KeyboardLayout& layout_;
  std::vector<KeyEvent> events_;
  bool alt_ = false;
  bool ctrl_ = false;
  bool shift_ = false;
};

}  // namespace

std::optional<std::uint8_t> NamedKey(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (const auto& entry : kNamedKeys)
    if (entry.name == upper) return entry.virtualKey;
  return std::nullopt;
}

ParsedKeys ParseKeyString(std::string_view text, const KeyboardLayout& layout) {
  ParsedKeys parsed;
  if (text.empty()) return parsed;
  if (text.size() > kMaxKeyStringBytes) {
    parsed.result = SendKeysResult::kFailed;
    parsed.fault = "The text is too long";
    return parsed;
  }
  KeyParser parser(layout);
  if (const auto fault = parser.Parse(text)) {
    parsed.result = fault->result;
    parsed.fault = fault->message;
  } else if (parser.Events().empty()) {
    parsed.result = SendKeysResult::kFailed;
    parsed.fault = "No key to send";
  } else {
    parsed.events = std::move(parser.Events());
  }
  return parsed;
}

std::string EscapeKeyString(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    if (kSigns.find(c) == std::string_view::npos) {
      escaped += c;
    } else {
      ((escaped += '{') += c) += '}';
    }
  }
  return escaped;
}

}  // namespace qrv
