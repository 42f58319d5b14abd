// Key strings: the text a "Send keystrokes" hotkey types into the window that
// has the focus, turned into the key events that type it.
//
//   +  ^  %        Shift, Ctrl, Alt for the next key only; signs in a row
//                  combine (^%x is Ctrl+Alt+X)
//   ~              the Enter key
//   {NAME}         a named key, any letter case: BACKSPACE BKSP BS, CAPS
//                  CAPSLOCK, CLEAR, DEL DELETE, DOWN, END, ENTER, ESC ESCAPE,
//                  HOME, INS INSERT, LEFT, NUM NUMLOCK, PAGEDOWN PGDN, PAGEUP
//                  PGUP, RIGHT, SCROLL SCROLLLOCK, TAB, UP, F1..F12
//   {c}            one of the six characters { } ~ % ^ + typed as itself
//   any other      the character, typed with the keys the keyboard layout
//                  needs for it; one the layout has no keys for goes to the
//                  window as the character itself (the system's Unicode
//                  input), so that the whole text arrives
//
// Shift is never pressed together with Ctrl: ^+x, ^X and ^x all send Ctrl+X.
// A text is parsed whole before anything is sent, so a fault sends nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv {

// The window messages of key events, as a journal records them.
enum class KeyMessage : std::uint32_t {
  kKeyDown = 0x100,
  kKeyUp = 0x101,
  kSysKeyDown = 0x104,
  kSysKeyUp = 0x105,
};

// One key event: the layout of the system's journal record (five 32-bit
// fields), so the list can be played back as it is.
struct KeyEvent {
  KeyMessage message = KeyMessage::kKeyDown;
  std::uint32_t virtualKey = 0;
  std::uint32_t scanCode = 0;
  std::uint32_t time = 0;  // the tick count when the event was made
  std::uint32_t window = 0;

  bool IsUp() const { return message == KeyMessage::kKeyUp || message == KeyMessage::kSysKeyUp; }
  bool operator==(const KeyEvent&) const = default;
};
static_assert(sizeof(KeyEvent) == 20);

// Virtual keys the parser itself uses.
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12;  // Alt
inline constexpr std::uint8_t kVkReturn = 0x0D;
// The key of an event that carries a character itself: its scan code is the
// character (one UTF-16 unit), as the system reports Unicode input.
inline constexpr std::uint8_t kVkPacket = 0xE7;

// The keys that type one character on the current keyboard layout: a virtual
// key and the shift state it needs (bit 0 Shift, bit 1 Ctrl, bit 2 Alt).
struct CharacterKey {
  std::uint8_t virtualKey = 0;
  std::uint8_t shiftState = 0;
};

// What the parser asks of the keyboard layout; the program answers with the
// system's layout, tests with a table.
class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The keys for `c`; none when the layout cannot type it.
  virtual std::optional<CharacterKey> KeyFor(char32_t c) const = 0;
  // The scan code of a virtual key (0 when it has none).
  virtual std::uint32_t ScanCode(std::uint32_t virtualKey) const = 0;
  // The tick count stamped on the events.
  virtual std::uint32_t Now() const { return 0; }
};

// How sending a key string ended; the values are the codes callers test.
enum class SendKeysResult : std::uint8_t {
  kOk = 0,            // sent, or nothing to do (empty text, a send still running)
  kInputRefused = 1,  // the system took none or only part of the input
  kInvalidToken = 2,  // an unknown {NAME}, a brace never closed, or a text
                      // that is no UTF-8
  kFailed = 3,        // anything else, a text giving no key at all among them
};

// What parsing a key string gave.
struct ParsedKeys {
  SendKeysResult result = SendKeysResult::kOk;
  std::vector<KeyEvent> events;  // empty unless the result is kOk
  std::string fault;             // "Invalid token", "No closing brace", ...
};

// Parses a key string (UTF-8). The result is kOk with the events, kInvalidToken
// or kFailed with no events; an empty text is kOk with no events.
ParsedKeys ParseKeyString(std::string_view text, const KeyboardLayout& layout);

// The virtual key of a {NAME}, any letter case; none for an unknown name.
std::optional<std::uint8_t> NamedKey(std::string_view name);

// The text written so that, as a key string, it types exactly as it reads:
// each of + ^ % ~ { } becomes {c}. For dates and times put into key strings.
std::string EscapeKeyString(std::string_view text);

}  // namespace qrv
