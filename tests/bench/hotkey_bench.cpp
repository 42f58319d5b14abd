// The hotkeys under Wine, medians printed in milliseconds; run with `make bench`:
// - how long a hotkey takes from its press (the system's WM_HOTKEY posted) to
//   the first key event handed to the input, for a hotkey that types keys;
// - how long the hotkey editor takes to open on a file of 25 and of 50,000
//   rows, until it is shown and painted;
// - how long one keystroke in the description takes until the list shows it,
//   with 25, 1,000 and 5,000 rows: one typed at the end (the row stays where
//   it is) and one that replaces the description and so moves the row from
//   one end of the list to the other.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "components/keystroke_sender.h"
#include "hotkeys/hotkey_editor.h"
#include "tests/bench/bench_timing.h"
#include "ui/app.h"

using namespace qrv::bench;

namespace {

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

bool PressToFirstKey(const std::filesystem::path& folder) {
  qrv::HotkeyRow row{.description = "type", .action = qrv::HotkeyAction::kSendKeystrokes, .text = "Sent {DATE}~"};
  qrv::SetHotkeyText(row, "Ctrl+Alt+Shift+F9");
  if (!qrv::SaveHotkeyFile(folder, {row})) return false;
  TimingInput input;
  qrv::SystemKeyboardLayout layout;
  qrv::KeystrokeSender sender(input, layout);
  std::vector<double> times;
  qrv::HotkeyEditor editor(folder, {});
  editor.Actions().sendKeys = [&](std::string_view text, std::string* fault) { return sender.SendKeys(text, fault); };
  HWND hotkeys = editor.Actions().Hotkeys().WindowHandle();
  for (int run = 0; run <= 21; ++run) {
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
  if (times.empty()) return false;
  std::printf("hotkey pressed to first key event sent: median %.3f ms (%zu presses)\n", Median(times), times.size());
  return true;
}

// Rows of every action, most with a combination, in no order: about 20
// bytes each in the file, as short descriptions make them.
std::vector<qrv::HotkeyRow> ManyRows(int count) {
  std::vector<qrv::HotkeyRow> rows(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    qrv::HotkeyRow& row = rows[static_cast<std::size_t>(i)];
    row.description = "Hotkey " + std::to_string((i * 7919) % count);
    row.action = static_cast<qrv::HotkeyAction>(i % qrv::kHotkeyActionCount);
    if (qrv::DataOf(row.action) == qrv::HotkeyData::kText) row.text = "x";
    row.ctrl = i % 2 == 0;
    row.alt = i % 4 < 2;
    row.keyIndex = i % 5 == 0 ? -1 : i % qrv::kHotkeyKeyCount;
  }
  return rows;
}

void Paint(qrv::HotkeyEditor& editor) {
  RedrawWindow(editor.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  qrv::Application::Get().ProcessMessages();
}

double OpenMs(const std::filesystem::path& folder) {
  const auto start = Clock::now();
  qrv::HotkeyEditor editor(folder, {});
  editor.ShowEditor();
  Paint(editor);
  return Ms(start);
}

// One keystroke into the description box, until the list has painted it.
double KeystrokeMs(qrv::HotkeyEditor& editor, HWND description, wchar_t c, bool replace) {
  SendMessageW(description, EM_SETSEL, replace ? 0 : -1, -1);
  const auto start = Clock::now();
  SendMessageW(description, WM_CHAR, c, 1);
  Paint(editor);
  return Ms(start);
}

void Keystrokes(const std::filesystem::path& folder, int rows) {
  qrv::HotkeyEditor editor(folder, {});
  editor.ShowEditor();
  Paint(editor);
  HWND description = FindWindowExW(editor.Handle(), nullptr, L"Edit", nullptr);
  KeystrokeMs(editor, description, L'a', false);  // the first change unregisters the hotkeys
  std::vector<double> typed, moved;
  for (int run = 0; run < 15; ++run) typed.push_back(KeystrokeMs(editor, description, L'a', false));
  for (int run = 0; run < 15; ++run) moved.push_back(KeystrokeMs(editor, description, run % 2 ? L'a' : L'z', true));
  std::printf("hotkey editor, %d rows: a keystroke at the end %.3f ms, one that moves the row %.3f ms (medians)\n",
              rows, Median(typed), Median(moved));
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path folder =
      std::filesystem::path(temp) / ("qrv-hotkey-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  bool ok = PressToFirstKey(folder);
  for (const int rows : {25, 50000}) {
    if (!qrv::SaveHotkeyFile(folder, ManyRows(rows))) ok = false;
    std::vector<double> times;
    for (int run = 0; run < (rows > 1000 ? 3 : 11); ++run) times.push_back(OpenMs(folder));
    std::printf("hotkey editor opened on %d rows: median %.1f ms\n", rows, Median(times));
  }
  for (const int rows : {25, 1000, 5000}) {
    if (!qrv::SaveHotkeyFile(folder, ManyRows(rows))) ok = false;
    Keystrokes(folder, rows);
  }
  std::filesystem::remove_all(folder);
  return ok ? 0 : 1;
}
