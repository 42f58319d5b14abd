#include "core/key_string.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace qrv {
namespace {

constexpr std::uint32_t kNow = 4711;

// A United States layout for the characters the tests type, with one
// character that needs AltGr (Ctrl+Alt) and none for characters it lacks.
class TestLayout final : public KeyboardLayout {
 public:
  std::optional<CharacterKey> KeyFor(char32_t c) const override {
    if (c >= 'a' && c <= 'z') return CharacterKey{static_cast<std::uint8_t>(c - 'a' + 'A'), 0};
    if (c >= 'A' && c <= 'Z') return CharacterKey{static_cast<std::uint8_t>(c), 1};
    if (c >= '0' && c <= '9') return CharacterKey{static_cast<std::uint8_t>(c), 0};
    static const std::map<char32_t, CharacterKey> kOthers = {
        {' ', {0x20, 0}}, {'+', {0xBB, 1}}, {'=', {0xBB, 0}}, {'{', {0xDB, 1}}, {'}', {0xDD, 1}},
        {'~', {0xC0, 1}}, {'%', {0x35, 1}}, {'^', {0x36, 1}}, {'/', {0xBF, 0}}, {U'€', {0x45, 6}}};
    const auto found = kOthers.find(c);
    if (found == kOthers.end()) return std::nullopt;
    return found->second;
  }
  std::uint32_t ScanCode(std::uint32_t virtualKey) const override { return virtualKey + 0x1000; }
  std::uint32_t Now() const override { return kNow; }
};

const TestLayout kLayout;

// Events written short: "v" a key down, "^" a key up, "V"/"A" the system
// kinds, each followed by the virtual key in hex.
std::string Trace(const std::vector<KeyEvent>& events) {
  std::string trace;
  for (const auto& e : events) {
    const bool system = e.message == KeyMessage::kSysKeyDown || e.message == KeyMessage::kSysKeyUp;
    char vk[8];
    std::snprintf(vk, sizeof vk, "%02X", e.virtualKey);
    trace += std::string(e.IsUp() ? (system ? "A" : "^") : (system ? "V" : "v")) + vk + " ";
  }
  if (!trace.empty()) trace.pop_back();
  return trace;
}

std::string Keys(std::string_view text) {
  const ParsedKeys parsed = ParseKeyString(text, kLayout);
  EXPECT_EQ(parsed.result, SendKeysResult::kOk) << text;
  return Trace(parsed.events);
}

TEST(KeyString, CharactersModifiersAndNamedKeys) {
  EXPECT_EQ(Keys("abc"), "v41 ^41 v42 ^42 v43 ^43");
  const auto abc = ParseKeyString("a", kLayout).events;
  EXPECT_EQ(abc[0], (KeyEvent{KeyMessage::kKeyDown, 0x41, 0x1041, kNow, 0}));
  // Alt and a letter are the system's kind of key events.
  EXPECT_EQ(Keys("%f"), "V12 V46 A46 A12");
  EXPECT_EQ(Keys("^%{DEL}"), "V12 v11 v2E ^2E ^11 A12");
  // A modifier sign applies to one key only; Shift never goes with Ctrl.
  EXPECT_EQ(Keys("^Ab"), "v11 v41 ^41 ^11 v42 ^42");
  EXPECT_EQ(Keys("^+x"), Keys("^x"));
  EXPECT_EQ(Keys("+x"), "v10 v58 ^58 ^10");
  EXPECT_EQ(Keys("+x"), Keys("X"));
  // A character the layout types with AltGr takes Ctrl and Alt.
  EXPECT_EQ(Keys("€"), "V12 v11 v45 ^45 ^11 A12");
  EXPECT_EQ(Keys("~"), "v0D ^0D");
  EXPECT_EQ(Keys("{enter}"), Keys("{ENTER}"));
  EXPECT_EQ(Keys("{bksp}{PgDn}{f12}{ScrollLock}"), "v08 ^08 v22 ^22 v7B ^7B v91 ^91");
  EXPECT_EQ(Keys("a^"), "v41 ^41");
}

// Characters the layout has no keys for go as themselves, one UTF-16 unit a
// key, taking a pending modifier as any key does.
TEST(KeyString, CharactersWithoutKeysGoAsThemselves) {
  EXPECT_EQ(Keys("+(x"), "v10 vE7 ^E7 ^10 v58 ^58");
  std::vector<std::uint32_t> units;
  for (const KeyEvent& e : ParseKeyString("\xC3\xA9\xF0\x9F\x98\x80", kLayout).events) units.push_back(e.scanCode);
  EXPECT_EQ(units, (std::vector<std::uint32_t>{0xE9, 0xE9, 0xD83D, 0xD83D, 0xDE00, 0xDE00}));
}

TEST(KeyString, BracedSignsTypeAsThemselves) {
  EXPECT_EQ(Keys("{+}"), "v10 vBB ^BB ^10");
  EXPECT_EQ(Keys("{}}"), "v10 vDD ^DD ^10");
  EXPECT_EQ(Keys("{{}"), "v10 vDB ^DB ^10");
  EXPECT_EQ(Keys("{}}{~}"), "v10 vDD ^DD ^10 v10 vC0 ^C0 ^10");
  EXPECT_EQ(Keys("^{%}"), "v11 v35 ^35 ^11");
}

TEST(KeyString, FaultsSendNothing) {
  const std::pair<std::string_view, SendKeysResult> faults[] = {
      {"ab{FOO}", SendKeysResult::kInvalidToken},
      {"{ABCDEFGHIJKLM", SendKeysResult::kInvalidToken},
      {"{ABCDEFGHIJKLM}", SendKeysResult::kInvalidToken},
      {"a{ENTERx", SendKeysResult::kInvalidToken},
      {"{}", SendKeysResult::kInvalidToken},
      {"{", SendKeysResult::kInvalidToken},
      {"x\xE9y", SendKeysResult::kInvalidToken},  // no UTF-8
      {"^", SendKeysResult::kFailed},
  };
  for (const auto& [text, result] : faults) {
    const ParsedKeys parsed = ParseKeyString(text, kLayout);
    EXPECT_EQ(parsed.result, result) << text;
    EXPECT_TRUE(parsed.events.empty()) << text;
    EXPECT_FALSE(parsed.fault.empty()) << text;
  }
  EXPECT_EQ(ParseKeyString("ab{FOO}", kLayout).fault, "Invalid token {FOO}");
  const ParsedKeys empty = ParseKeyString("", kLayout);
  EXPECT_EQ(empty.result, SendKeysResult::kOk);
  EXPECT_TRUE(empty.events.empty());
  EXPECT_EQ(ParseKeyString(std::string(70'000, 'a'), kLayout).result, SendKeysResult::kFailed);
}

TEST(KeyString, EscapedTextTypesAsItReads) {
  const std::string text = "12/9/2026 {x} 50% + 1 = ~^";
  EXPECT_EQ(EscapeKeyString(text), "12/9/2026 {{}x{}} 50{%} {+} 1 = {~}{^}");
  std::string typed;
  for (const char c : text) {
    const bool sign = std::string_view("{}~%^+").find(c) != std::string_view::npos;
    typed += Keys(sign ? std::string{'{', c, '}'} : std::string(1, c)) + " ";
  }
  typed.pop_back();
  EXPECT_EQ(Keys(EscapeKeyString(text)), typed);
}

}  // namespace
}  // namespace qrv
