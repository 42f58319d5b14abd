#include "bar/hkEdit.h"

TfrmHotkeyEdit::TfrmHotkeyEdit() : ui::Form(L"TfrmHotkeyEdit", L"Hotkeys", 480, 320) {}
