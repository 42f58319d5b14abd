#include "components/keystroke_sender.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace qrv {
namespace {

// The system's input, recorded: keys the test says are held, and how many
// events the system takes of the next call.
class InputDouble final : public KeyboardInput {
 public:
  bool IsKeyDown(std::uint32_t virtualKey) const override { return held.contains(virtualKey); }
  std::size_t Send(std::span<const KeyEvent> events) override {
    ++calls;
    if (duringSend) duringSend();
    const std::size_t taken = std::min(events.size(), acceptsNext);
    acceptsNext = SIZE_MAX;
    sent.insert(sent.end(), events.begin(), events.begin() + static_cast<std::ptrdiff_t>(taken));
    return taken;
  }

  std::set<std::uint32_t> held;
  std::size_t acceptsNext = SIZE_MAX;
  std::function<void()> duringSend;
  std::vector<KeyEvent> sent;
  int calls = 0;
};

// Each event's key and whether it goes up.
using Keys = std::vector<std::pair<std::uint32_t, bool>>;
Keys KeysOf(const std::vector<KeyEvent>& events) {
  Keys keys;
  for (const auto& e : events) keys.emplace_back(e.virtualKey, e.IsUp());
  return keys;
}

class KeystrokeSenderTest : public ::testing::Test {
 protected:
  InputDouble input_;
  SystemKeyboardLayout layout_;
  KeystrokeSender sender_{input_, layout_};
};

TEST_F(KeystrokeSenderTest, HeldHotkeyModifiersAreLetGoFirstWithoutOpeningAMenu) {
  input_.held = {VK_LCONTROL, VK_LMENU};
  EXPECT_EQ(sender_.SendKeys("a"), SendKeysResult::kOk);
  EXPECT_EQ(KeysOf(input_.sent), (Keys{{kHarmlessKey, false},
                                       {kHarmlessKey, true},
                                       {VK_LCONTROL, true},
                                       {VK_LMENU, true},
                                       {'A', false},
                                       {'A', true}}));
  EXPECT_EQ(input_.calls, 1);  // in one call, so the user's typing cannot come between
  // Shift alone opens no menu: it is let go without the tap.
  input_.sent.clear();
  input_.held = {VK_RSHIFT};
  EXPECT_EQ(sender_.SendKeys("a"), SendKeysResult::kOk);
  EXPECT_EQ(KeysOf(input_.sent), (Keys{{VK_RSHIFT, true}, {'A', false}, {'A', true}}));
}

TEST_F(KeystrokeSenderTest, NothingOrPartSentLeavesNoKeyDownAndTheSenderIdle) {
  std::string fault;
  EXPECT_EQ(sender_.SendKeys("ab{FOO}", &fault), SendKeysResult::kInvalidToken);
  EXPECT_EQ(fault, "Invalid token {FOO}");
  EXPECT_EQ(input_.calls, 0);
  input_.acceptsNext = 3;  // Ctrl down, X down, X up
  EXPECT_EQ(sender_.SendKeys("^xy", &fault), SendKeysResult::kInputRefused);
  EXPECT_EQ(fault, "Windows took only part of the keys or none");
  EXPECT_EQ(KeysOf(input_.sent), (Keys{{VK_CONTROL, false}, {'X', false}, {'X', true}, {VK_CONTROL, true}}));
  input_.sent.clear();
  input_.acceptsNext = 0;
  EXPECT_EQ(sender_.SendKeys("^x"), SendKeysResult::kInputRefused);
  EXPECT_TRUE(input_.sent.empty());
  EXPECT_FALSE(sender_.Playing());
}

TEST_F(KeystrokeSenderTest, WhilePlayingASecondSendSendsNothingAndPlaybackServesTheFirst) {
  std::vector<EVENTMSG> played;
  SendKeysResult inner = SendKeysResult::kFailed;
  input_.duringSend = [&] {
    if (input_.calls != 1) return;
    EXPECT_TRUE(sender_.Playing());
    inner = sender_.SendKeys("zz");
    for (int i = 0; i < 2; ++i) {
      EVENTMSG message{};
      EXPECT_EQ(Playback(HC_GETNEXT, 0, reinterpret_cast<LPARAM>(&message)), 0);
      EXPECT_EQ(Playback(HC_SKIP, 0, 0), 0);
      played.push_back(message);
    }
  };
  EXPECT_EQ(sender_.SendKeys("q"), SendKeysResult::kOk);
  EXPECT_EQ(inner, SendKeysResult::kOk);
  EXPECT_EQ(input_.calls, 1);
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(played[0].paramL, static_cast<UINT>('Q'));
  EXPECT_EQ(played[0].paramH, MapVirtualKeyW('Q', MAPVK_VK_TO_VSC));
  EXPECT_EQ(played[1].message, static_cast<UINT>(WM_KEYUP));
  // With no send in progress the procedure hands out nothing.
  EVENTMSG untouched{};
  untouched.message = 0xBEEF;
  Playback(HC_GETNEXT, 0, reinterpret_cast<LPARAM>(&untouched));
  EXPECT_EQ(untouched.message, 0xBEEFu);
  EXPECT_FALSE(sender_.Playing());
}

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() < end);
}

TEST(KeystrokeSenderSystem, TypesIntoARealEditControl) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 100, 100, 300, 80,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  SetForegroundWindow(edit);
  SetFocus(edit);
  PumpFor(200);
  // Characters a United States layout has no keys for arrive too.
  EXPECT_EQ(SendKeys("Hi {+}1 50{%}{}}{BS}! (\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80)"), SendKeysResult::kOk);
  PumpFor(300);
  wchar_t text[64]{};
  GetWindowTextW(edit, text, 64);
  EXPECT_STREQ(text, L"Hi +1 50%! (\u00E9\u20AC\U0001F600)");
  DestroyWindow(edit);
}

}  // namespace
}  // namespace qrv
