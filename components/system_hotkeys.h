// System-wide hotkeys: a list of key combinations registered with the system
// on a hidden window of their own, each press reported with the entry's place
// in the list. The place is also the identifier the system knows the hotkey
// by, so removing an entry registers the whole list again in its new order.
// An entry the system refused (another program holds the combination, or an
// earlier entry has it) stays in the list unregistered and never fires.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/window.h"

namespace qrv {

// A key with the modifiers held for it. A virtual key of 0 is no key.
struct HotkeyCombination {
  std::uint8_t virtualKey = 0;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool win = false;
  bool operator==(const HotkeyCombination&) const = default;
};

// The modifier flags RegisterHotKey takes for a combination.
UINT ModifierFlags(const HotkeyCombination& combination);

struct SystemHotkey {
  HotkeyCombination combination;
  bool registered = false;  // the system holds it for this entry now
};

class SystemHotkeys : private Window {
 public:
  SystemHotkeys() = default;
  ~SystemHotkeys() override;

  // While active every entry is registered; while not, none is and adding,
  // deleting and clearing make no system call.
  bool Active() const { return active_; }
  void SetActive(bool active);

  // Appends an entry and, when active, registers it; the copy returned says
  // whether the system took it.
  SystemHotkey Add(const HotkeyCombination& combination);
  // Removes an entry; false (and nothing unregistered) for an index outside
  // the list.
  bool Delete(int index);
  // Removes every entry; Active keeps its value.
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  const SystemHotkey& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

  // The hidden window the hotkeys are registered on; made on first use.
  HWND WindowHandle();

  // A registered entry was pressed: its index in the list.
  std::function<void(int index)> onHotkey;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void RegisterEntry(int index);
  void UnregisterEntry(int index);
  void RegisterAll();
  void UnregisterAll();

  std::vector<SystemHotkey> entries_;
  bool active_ = false;
};

}  // namespace qrv
