#include "components/system_hotkeys.h"

namespace qrv {

UINT ModifierFlags(const HotkeyCombination& combination) {
  return (combination.shift ? MOD_SHIFT : 0u) | (combination.ctrl ? MOD_CONTROL : 0u) |
         (combination.alt ? MOD_ALT : 0u) | (combination.win ? MOD_WIN : 0u);
}

SystemHotkeys::~SystemHotkeys() {
  // The window forgets this object before it goes: unregister while both live.
  Clear();
}

void SystemHotkeys::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_) {
    RegisterAll();
  } else {
    UnregisterAll();
  }
}

SystemHotkey SystemHotkeys::Add(const HotkeyCombination& combination) {
  entries_.push_back({combination, false});
  const int index = Count() - 1;
  if (active_) RegisterEntry(index);
  return entries_.back();
}

bool SystemHotkeys::Delete(int index) {
  if (index < 0 || index >= Count()) return false;
  // Identifiers are places in the list: the later entries move down by one.
  if (active_) UnregisterAll();
  entries_.erase(entries_.begin() + index);
  if (active_) RegisterAll();
  return true;
}

void SystemHotkeys::Clear() {
  if (active_) UnregisterAll();
  entries_.clear();
}

HWND SystemHotkeys::WindowHandle() {
  if (!Handle()) CreateHandle({.className = L"QrvSystemHotkeys", .text = {}, .bounds = {0, 0, 0, 0}});
  return Handle();
}

void SystemHotkeys::RegisterEntry(int index) {
  SystemHotkey& entry = entries_[static_cast<std::size_t>(index)];
  entry.registered =
      RegisterHotKey(WindowHandle(), index, ModifierFlags(entry.combination), entry.combination.virtualKey) != FALSE;
}

void SystemHotkeys::UnregisterEntry(int index) {
  SystemHotkey& entry = entries_[static_cast<std::size_t>(index)];
  if (!entry.registered) return;
  UnregisterHotKey(Handle(), index);
  entry.registered = false;
}

void SystemHotkeys::RegisterAll() {
  for (int index = 0; index < Count(); ++index) RegisterEntry(index);
}

void SystemHotkeys::UnregisterAll() {
  for (int index = 0; index < Count(); ++index) UnregisterEntry(index);
}

LRESULT SystemHotkeys::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HOTKEY) {
    // Only a press of an entry this list holds registered now is reported.
    const auto index = static_cast<int>(wp);
    if (wp < entries_.size() && entries_[wp].registered && onHotkey) onHotkey(index);
    return 0;
  }
  if (msg == WM_DESTROY) SetActive(false);
  return Window::WndProc(msg, wp, lp);
}

}  // namespace qrv
