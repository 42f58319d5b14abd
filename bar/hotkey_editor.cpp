#include "bar/hotkey_editor.h"

namespace qrv {

HotkeyEditor* hotkeyEditor = nullptr;

HotkeyEditor::HotkeyEditor() : ui::Form(L"QuorvelHotkeys", L"Hotkeys", 480, 320) { hotkeyEditor = this; }

HotkeyEditor::~HotkeyEditor() { hotkeyEditor = nullptr; }

}  // namespace qrv
