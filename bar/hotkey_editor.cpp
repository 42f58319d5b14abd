#include "bar/hotkey_editor.h"

namespace qrv {

HotkeyEditor* hotkeyEditor = nullptr;

HotkeyEditor::HotkeyEditor() : Form({.caption = L"Hotkeys", .clientSize = {480, 320}}) { hotkeyEditor = this; }

HotkeyEditor::~HotkeyEditor() { hotkeyEditor = nullptr; }

}  // namespace qrv
