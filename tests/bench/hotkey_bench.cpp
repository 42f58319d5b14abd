// How long a hotkey takes from its press (the system's WM_HOTKEY posted) to
// the first key event handed to the input, for a hotkey that types keys: the
// median of several presses, printed in milliseconds. Run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "bar/hotkey_editor.h"
#include "components/keystroke_sender.h"
#include "ui/app.h"

namespace {

using Clock = std::chrono::steady_clock;

// The system's input as the sender sees it, with no modifier held: it notes
// when the first events arrive and types nothing.
class TimingInput final : public qrv::KeyboardInput {
 public:
  bool IsKeyDown(std::uint32_t) const override { return false; }
  std::size_t Send(std::span<const qrv::KeyEvent> events) override {
    if (!firstSent) firstSent = Clock::now();
    return events.size();
  }
  std::optional<Clock::time_point> firstSent;
};

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path folder =
      std::filesystem::path(temp) / ("qrv-hotkey-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  qrv::HotkeyRow row{.description = "type", .action = qrv::HotkeyAction::kSendKeystrokes, .text = "Sent {DATE}~"};
  qrv::SetHotkeyText(row, "Ctrl+Alt+Shift+F9");
  if (!qrv::SaveHotkeyFile(folder, {row})) return 1;

  TimingInput input;
  qrv::SystemKeyboardLayout layout;
  qrv::KeystrokeSender sender(input, layout);
  std::vector<double> times;
  {
    qrv::HotkeyEditor editor(folder, {});
    editor.Actions().sendKeys = [&](std::string_view text, std::string* fault) { return sender.SendKeys(text, fault); };
    HWND hotkeys = editor.Actions().Hotkeys().WindowHandle();
    constexpr int kRuns = 21;
    for (int run = 0; run <= kRuns; ++run) {
      input.firstSent.reset();
      const auto pressed = Clock::now();
      PostMessageW(hotkeys, WM_HOTKEY, 0, 0);
      while (!input.firstSent && Clock::now() - pressed < std::chrono::seconds(2)) {
        qrv::Application::Get().ProcessMessages();
      }
      if (run > 0 && input.firstSent) {
        times.push_back(std::chrono::duration<double, std::milli>(*input.firstSent - pressed).count());
      }
    }
  }
  std::filesystem::remove_all(folder);
  if (times.empty()) return 1;
  std::sort(times.begin(), times.end());
  std::printf("hotkey pressed to first key event sent: median %.3f ms (min %.3f, max %.3f, %zu presses)\n",
              times[times.size() / 2], times.front(), times.back(), times.size());
  return 0;
}
