// Types a key string into whatever window has the keyboard focus. The text is
// parsed whole into key events (core/key_string.h) and the events go to the
// system in one SendInput call, so the user's own typing cannot come between
// them. A hotkey's modifiers are usually still held when its action runs:
// they are released first, Alt and Win after a harmless key tap so that
// letting go of them opens no menu.
//
// The bar program exports `Playback`, the journal-playback procedure of the
// send in progress: it hands out the current event (HC_GETNEXT), moves on
// (HC_SKIP) and passes every other code to the next hook. The events are
// delivered with SendInput, so the system never calls it here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/key_string.h"

namespace qrv {

// What the sender needs of the system's input; tests put in a double.
class KeyboardInput {
 public:
  virtual ~KeyboardInput() = default;
  // Whether the user holds the key down now.
  virtual bool IsKeyDown(std::uint32_t virtualKey) const = 0;
  // Sends the events in order; answers how many the system took.
  virtual std::size_t Send(std::span<const KeyEvent> events) = 0;
};

// The system's input: GetAsyncKeyState and SendInput.
class SystemKeyboardInput final : public KeyboardInput {
 public:
  bool IsKeyDown(std::uint32_t virtualKey) const override;
  std::size_t Send(std::span<const KeyEvent> events) override;
};

// The system's keyboard layout of the calling thread: VkKeyScanW and
// MapVirtualKeyW; characters beyond one UTF-16 unit have no keys.
class SystemKeyboardLayout final : public KeyboardLayout {
 public:
  std::optional<CharacterKey> KeyFor(char32_t c) const override;
  std::uint32_t ScanCode(std::uint32_t virtualKey) const override;
  std::uint32_t Now() const override;
};

// The modifiers a hotkey may leave held, and the key tapped before letting go
// of Alt or Win (a virtual key no layout assigns).
inline constexpr std::uint8_t kHarmlessKey = 0xE8;

class KeystrokeSender {
 public:
  KeystrokeSender(KeyboardInput& input, const KeyboardLayout& layout);
  // Parses and sends `text`. Result kOk for an empty text or while a send is
  // still running (nothing sent), kInvalidToken or kFailed when the text
  // gives no events (nothing sent), kInputRefused when the system took the
  // input only in part (the keys it pressed are let go again); `fault` then
  // says why. The sender is idle again on every path. Never throws.
  SendKeysResult SendKeys(std::string_view text, std::string* fault = nullptr) noexcept;
  bool Playing() const { return playing_; }

 private:
  std::vector<KeyEvent> ReleaseHeldModifiers() const;
  SendKeysResult Deliver(const std::vector<KeyEvent>& events);

  KeyboardInput& input_;
  const KeyboardLayout& layout_;
  bool playing_ = false;
};

// Sends through the system's input and layout; the hotkey actions call this.
SendKeysResult SendKeys(std::string_view text, std::string* fault = nullptr) noexcept;

}  // namespace qrv

// The journal-playback procedure of the send in progress, exported by name.
extern "C" __declspec(dllexport) LRESULT CALLBACK Playback(int code, WPARAM wParam, LPARAM lParam);
