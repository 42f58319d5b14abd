#include "bar_fixture.h"

#include <deque>

namespace qrv::testing {
namespace {

struct Answer {
  std::vector<std::wstring> clicks;
  std::wstring button;
};
std::deque<Answer> gAnswers;

// Presses and releases the left button at a point of a window's client area.
void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Presses and releases the left button in the middle of a child window.
void ClickOn(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  ClickAt(window, r.right / 2, r.bottom / 2);
}

// The categories dialog when one shows: a visible window of this thread with a list.
HWND ShownCategoriesDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || !FindWindowExW(window, nullptr, L"LISTBOX", nullptr)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<std::wstring> ListEntries(HWND list) {
  std::vector<std::wstring> entries;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 255)
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

// Looks for a shown categories dialog every few milliseconds and answers it.
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = ShownCategoriesDialog();
  if (!dialog) return;
  HWND list = FindWindowExW(dialog, nullptr, L"LISTBOX", nullptr);
  CategoriesShown shown;
  wchar_t caption[256] = L"";
  GetWindowTextW(dialog, caption, 256);
  shown.caption = caption;
  GetWindowRect(dialog, &shown.bounds);
  shown.entries = ListEntries(list);
  Answer answer = gAnswers.empty() ? Answer{{}, L"&OK"} : gAnswers.front();
  if (!gAnswers.empty()) gAnswers.pop_front();
  for (const std::wstring& entry : answer.clicks) {
    const LRESULT index =
        SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageW(list, LB_SETTOPINDEX, index, 0);  // scrolled into view, as a user would
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    ClickAt(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
  }
  if (answer.button == L"Esc") {
    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 1);
  } else {
    ClickOn(FindWindowExW(dialog, nullptr, L"Button", answer.button.c_str()));
    if (answer.button != L"&OK") ClickOn(FindWindowExW(dialog, nullptr, L"Button", L"&OK"));
  }
  BarTest::Shown().push_back(shown);
}

DialogResult RecordPrompt(const std::wstring& text, MessageKind kind, MessageButtons) {
  BarTest::Prompts().push_back({text, kind});
  return BarTest::PromptAnswer();
}

void RecordShell(const std::wstring& file, const std::wstring& parameters, int) {
  BarTest::Opened().push_back({file, parameters});
}

UINT_PTR gAnswerer = 0;

}  // namespace

void ChooseByKeys(std::vector<UINT> keys) {
  static std::vector<UINT> pending;
  pending = std::move(keys);
  SetTimer(nullptr, 0, 120, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    for (UINT key : pending) {
      PostMessageW(target, WM_KEYDOWN, key, 1);
      PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    }
  });
}

std::vector<UINT> MenuPlace(int place) {
  std::vector<UINT> keys(static_cast<std::size_t>(place), VK_DOWN);
  keys.push_back(VK_RETURN);
  return keys;
}

std::vector<CategoriesShown>& BarTest::Shown() {
  static std::vector<CategoriesShown> shown;
  return shown;
}

std::vector<Prompt>& BarTest::Prompts() {
  static std::vector<Prompt> prompts;
  return prompts;
}

std::vector<ShellRequest>& BarTest::Opened() {
  static std::vector<ShellRequest> opened;
  return opened;
}

DialogResult& BarTest::PromptAnswer() {
  static DialogResult answer = qrv::DialogResult::kOk;
  return answer;
}

void BarTest::SetUp() {
  StandInTest::SetUp();
  Shown().clear();
  Prompts().clear();
  Opened().clear();
  PromptAnswer() = qrv::DialogResult::kOk;
  gAnswers.clear();
  qrv::SetPromptHandler(RecordPrompt);
  qrv::SetShellHandler(RecordShell);
  gAnswerer = SetTimer(nullptr, 0, 20, AnswerDialog);
  parts_.mapi.Load();  // Simple MAPI, when the system has it, as the program loads it
  bar_ = std::make_unique<RecordingBar>(parts_.data, parts_.outlook, parts_.entryActions, std::vector<std::string>{},
                                        imported_);
  bar_->SetWindowRect(-1, 150, BarWindow::kOpenWidth, BarWindow::kHeight);
}

void BarTest::TearDown() {
  KillTimer(nullptr, gAnswerer);
  bar_.reset();
  parts_.outlook.Release();
  qrv::SetPromptHandler(nullptr);
  qrv::SetShellHandler(nullptr);
  StandInTest::TearDown();
}

void BarTest::AnswerCategories(std::vector<std::wstring> clicks, std::wstring button) {
  gAnswers.push_back({std::move(clicks), std::move(button)});
}

std::vector<StoreSection> BarTest::Items(std::string_view className) const {
  const StandInStore store = Store();
  std::vector<StoreSection> items;
  for (const StoreSection* item : store.Items(className)) items.push_back(*item);
  return items;
}

}  // namespace qrv::testing
