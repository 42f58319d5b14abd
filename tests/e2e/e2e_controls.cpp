#include "e2e_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "e2e_support.h"

namespace e2e {
namespace {

constexpr DWORD kWindowWait = 5000;

struct Search {
  const wchar_t* windowClass;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  if (_wcsicmp(name, search.windowClass) == 0 && IsWindowVisible(child)) search.found.push_back(child);
  return TRUE;
}

// The screen rectangle a control of another process gives for a message that
// fills a RECT (TCM_GETITEMRECT, LVM_GETITEMRECT): the RECT is lent from that
// process's memory, as a pointer of ours means nothing there.
RECT AskRect(HWND control, UINT msg, WPARAM wp, LONG code) {
  DWORD processId = 0;
  GetWindowThreadProcessId(control, &processId);
  RECT rect{code, 0, 0, 0};
  const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return {};
  void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  if (remote && WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
      SendMessageW(control, msg, wp, reinterpret_cast<LPARAM>(remote)))
    ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ClickMiddle(const RECT& r) { Click((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

}  // namespace

HWND FindTitled(DWORD processId, const wchar_t* title) { return FindWindowOf(processId, nullptr, title); }

HWND WaitForTitled(DWORD processId, const wchar_t* title) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindTitled(processId, title)) != nullptr; }, kWindowWait);
  return found;
}

HWND WaitForMessageBox(DWORD processId, const wchar_t* caption) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindMessageBox(processId, caption)) != nullptr && IsWindowVisible(found); },
          kWindowWait);
  return found;
}

std::vector<HWND> ControlsOf(HWND window, const wchar_t* windowClass) {
  Search search{windowClass, {}};
  EnumChildWindows(window, CollectVisible, reinterpret_cast<LPARAM>(&search));
  std::stable_sort(search.found.begin(), search.found.end(), [](HWND a, HWND b) {
    const RECT ra = WindowRect(a), rb = WindowRect(b);
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  return search.found;
}

HWND FindControl(HWND window, const wchar_t* windowClass, const wchar_t* text) {
  for (HWND control : ControlsOf(window, windowClass))
    if (TextOf(control) == text) return control;
  return nullptr;
}

std::vector<HWND> ListsOffering(HWND window, const wchar_t* entry) {
  std::vector<HWND> lists;
  for (HWND list : ControlsOf(window, L"ComboBox"))
    if (SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry)) >= 0)
      lists.push_back(list);
  return lists;
}

HWND ListOffering(HWND window, const wchar_t* entry) {
  std::vector<HWND> lists;
  WaitFor([&] { return !(lists = ListsOffering(window, entry)).empty(); }, 2000);
  return lists.empty() ? nullptr : lists.front();
}

void ClickControl(HWND control) {
  if (!control) return;  // a click at the screen's corner would reach the bar
  ClickMiddle(WindowRect(control));
  Sleep(100);
}

void ClickTab(HWND tabs, int index) {
  ClickMiddle(AskRect(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), 0));
  WaitFor([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; }, 2000);
}

void ChooseEntry(HWND list, const wchar_t* entry) {
  if (!list) return;
  const auto wanted = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
  // Near the top: the window of a list may reach down over the entries it drops.
  const RECT r = WindowRect(list);
  Click((r.left + r.right) / 2, r.top + 10);
  WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 2000);
  // A list without a choice takes its first entry with the first arrow key.
  auto at = std::max<LRESULT>(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
  if (SendMessageW(list, CB_GETCURSEL, 0, 0) < 0) PressKeys({VK_DOWN});
  for (; at < wanted; ++at) PressKeys({VK_DOWN});
  for (; at > wanted; --at) PressKeys({VK_UP});
  PressKeys({VK_RETURN});
  WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 2000);
}

std::wstring ChosenEntry(HWND list) {
  const auto chosen = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (chosen < 0) return L"";
  wchar_t text[256] = L"";
  if (SendMessageW(list, CB_GETLBTEXTLEN, chosen, 0) >= 256) return L"";
  SendMessageW(list, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(text));
  return text;
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::wstring TextOf(HWND control) {
  // Asked of the control itself: another process's edit keeps its text to itself.
  wchar_t text[512] = L"";
  SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

bool TypeInto(HWND edit, const std::wstring& text) {
  ClickControl(edit);
  if (!WaitFor([&] { return HasFocus(edit); }, 2000)) return false;
  // Through the system's input, as the click: keys through the X display may
  // be overtaken by it.
  std::vector<INPUT> keys;
  const auto key = [&](WORD vk, WCHAR unicode, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = unicode;
    input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    keys.push_back(input);
  };
  for (const auto& [vk, up] : {std::pair{VK_END, false},
                               {VK_END, true},
                               {VK_SHIFT, false},
                               {VK_HOME, false},
                               {VK_HOME, true},
                               {VK_SHIFT, true}})
    key(static_cast<WORD>(vk), 0, up);
  for (const wchar_t c : text) {
    key(0, c, false);
    key(0, c, true);
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  return WaitFor([&] { return TextOf(edit) == text; }, 2000);
}

bool HasFocus(HWND control) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info) && info.hwndFocus == control;
}

int RowCount(HWND grid) { return static_cast<int>(SendMessageW(grid, LVM_GETITEMCOUNT, 0, 0)); }

int ChosenRow(HWND grid) {
  return static_cast<int>(SendMessageW(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ChooseRow(HWND grid, int row) {
  SendMessageW(grid, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  ClickMiddle(AskRect(grid, LVM_GETITEMRECT, static_cast<WPARAM>(row), LVIR_LABEL));
  WaitFor([&] { return ChosenRow(grid) == row; }, 2000);
}

}  // namespace e2e
