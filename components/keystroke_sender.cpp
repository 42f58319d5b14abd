#include "components/keystroke_sender.h"

#include <array>

namespace qrv {

namespace {

// The send in progress, as the journal-playback procedure hands it out.
struct Journal {
  const std::vector<KeyEvent>* events = nullptr;
  std::size_t position = 0;
};
Journal journal;

// Registers the events as the send in progress for as long as it lasts.
class JournalScope {
 public:
  explicit JournalScope(const std::vector<KeyEvent>& events) { journal = {&events, 0}; }
  ~JournalScope() { journal = {}; }
  JournalScope(const JournalScope&) = delete;
  JournalScope& operator=(const JournalScope&) = delete;
};

// Marks the sender as playing until the scope ends, on every path.
class PlayingScope {
 public:
  explicit PlayingScope(bool& playing) : playing_(playing) { playing_ = true; }
  ~PlayingScope() { playing_ = false; }
  PlayingScope(const PlayingScope&) = delete;
  PlayingScope& operator=(const PlayingScope&) = delete;

 private:
  bool& playing_;
};

// Keys whose events the system needs marked as extended, or it takes them for
// their numeric-keypad twins.
bool IsExtendedKey(std::uint32_t vk) {
  return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_LWIN || vk == VK_RWIN ||
         vk == VK_APPS || vk == VK_DIVIDE || vk == VK_NUMLOCK || vk == VK_RCONTROL || vk == VK_RMENU;
}

KeyEvent MakeEvent(std::uint32_t vk, bool down, const KeyboardLayout& layout) {
  return {down ? KeyMessage::kKeyDown : KeyMessage::kKeyUp, vk, layout.ScanCode(vk), layout.Now(), 0};
}

// Key-ups for the keys that `events[0..sent)` left pressed, in reverse order.
std::vector<KeyEvent> KeysLeftDown(const std::vector<KeyEvent>& events, std::size_t sent) {
  std::vector<KeyEvent> down;
  for (std::size_t i = 0; i < sent && i < events.size(); ++i) {
    const KeyEvent& e = events[i];
    std::erase_if(down, [&](const KeyEvent& d) { return d.virtualKey == e.virtualKey; });
    if (!e.IsUp()) down.push_back(e);
  }
  std::vector<KeyEvent> ups;
  for (auto d = down.rbegin(); d != down.rend(); ++d) {
    KeyEvent up = *d;
    up.message = up.message == KeyMessage::kSysKeyDown ? KeyMessage::kSysKeyUp : KeyMessage::kKeyUp;
    ups.push_back(up);
  }
  return ups;
}

}  // namespace

bool SystemKeyboardInput::IsKeyDown(std::uint32_t virtualKey) const {
  return (GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

std::size_t SystemKeyboardInput::Send(std::span<const KeyEvent> events) {
  std::vector<INPUT> inputs(events.size());
  for (std::size_t i = 0; i < events.size(); ++i) {
    KEYBDINPUT& key = inputs[i].ki;
    inputs[i].type = INPUT_KEYBOARD;
    key.wScan = static_cast<WORD>(events[i].scanCode);
    key.dwFlags = events[i].IsUp() ? KEYEVENTF_KEYUP : 0;
    if (events[i].virtualKey == kVkPacket) {
      key.dwFlags |= KEYEVENTF_UNICODE;  // the scan code is the character
      continue;
    }
    key.wVk = static_cast<WORD>(events[i].virtualKey);
    key.dwFlags |= IsExtendedKey(key.wVk) ? KEYEVENTF_EXTENDEDKEY : 0;
  }
  if (inputs.empty()) return 0;
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::optional<CharacterKey> SystemKeyboardLayout::KeyFor(char32_t c) const {
  if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  const SHORT keys = VkKeyScanW(static_cast<WCHAR>(c));
  const auto vk = static_cast<std::uint8_t>(keys & 0xFF);
  const auto shiftState = static_cast<std::uint8_t>((keys >> 8) & 0xFF);
  // The system answers -1 (every bit set) for a character the layout lacks.
  if (keys == -1 || vk == 0xFF || (shiftState & ~7) != 0) return std::nullopt;
  return CharacterKey{vk, shiftState};
}

std::uint32_t SystemKeyboardLayout::ScanCode(std::uint32_t virtualKey) const {
  return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

std::uint32_t SystemKeyboardLayout::Now() const { return GetTickCount(); }

KeystrokeSender::KeystrokeSender(KeyboardInput& input, const KeyboardLayout& layout) : input_(input), layout_(layout) {}

SendKeysResult KeystrokeSender::SendKeys(std::string_view text, std::string* fault) noexcept {
  if (playing_ || text.empty()) return SendKeysResult::kOk;
  try {
    PlayingScope playing(playing_);
    ParsedKeys parsed = ParseKeyString(text, layout_);
    if (parsed.result != SendKeysResult::kOk) {
      if (fault) *fault = std::move(parsed.fault);
      return parsed.result;
    }
    std::vector<KeyEvent> events = ReleaseHeldModifiers();
    events.insert(events.end(), parsed.events.begin(), parsed.events.end());
    const SendKeysResult result = Deliver(events);
    if (result != SendKeysResult::kOk && fault) *fault = "Windows took only part of the keys or none";
    return result;
  } catch (...) {
    if (fault) *fault = "Out of memory";
    return SendKeysResult::kFailed;
  }
}

// The hotkey's modifiers may still be held. Letting go of Alt or Win alone
// would open a menu, so a key no layout uses is tapped first.
std::vector<KeyEvent> KeystrokeSender::ReleaseHeldModifiers() const {
  constexpr std::array<std::uint8_t, 8> kModifiers = {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL,
                                                      VK_LMENU,  VK_RMENU,  VK_LWIN,     VK_RWIN};
  std::vector<KeyEvent> ups;
  bool opensMenu = false;
  for (const std::uint8_t vk : kModifiers) {
    if (!input_.IsKeyDown(vk)) continue;
    opensMenu = opensMenu || vk == VK_LMENU || vk == VK_RMENU || vk == VK_LWIN || vk == VK_RWIN;
    ups.push_back(MakeEvent(vk, false, layout_));
  }
  if (!opensMenu) return ups;
  std::vector<KeyEvent> events = {MakeEvent(kHarmlessKey, true, layout_), MakeEvent(kHarmlessKey, false, layout_)};
  events.insert(events.end(), ups.begin(), ups.end());
  return events;
}

// All events go in one call, so the user's typing cannot come between them.
// When the system takes only part, the keys it pressed are let go again.
SendKeysResult KeystrokeSender::Deliver(const std::vector<KeyEvent>& events) {
  JournalScope scope(events);
  const std::size_t sent = input_.Send(events);
  if (sent >= events.size()) return SendKeysResult::kOk;
  const std::vector<KeyEvent> ups = KeysLeftDown(events, sent);
  if (!ups.empty()) input_.Send(ups);
  return SendKeysResult::kInputRefused;
}

SendKeysResult SendKeys(std::string_view text, std::string* fault) noexcept {
  static SystemKeyboardInput input;
  static const SystemKeyboardLayout kLayout;
  static KeystrokeSender sender(input, kLayout);
  return sender.SendKeys(text, fault);
}

}  // namespace qrv

extern "C" LRESULT CALLBACK Playback(int code, WPARAM wParam, LPARAM lParam) {
  using qrv::journal;
  const bool playing = journal.events != nullptr && journal.position < journal.events->size();
  if (code == HC_GETNEXT && playing && lParam != 0) {
    const qrv::KeyEvent& e = (*journal.events)[journal.position];
    auto* message = reinterpret_cast<EVENTMSG*>(lParam);
    *message = {static_cast<UINT>(e.message), e.virtualKey, e.scanCode, e.time, nullptr};
    return 0;
  }
  if (code == HC_SKIP && playing) {
    ++journal.position;
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
