#include "bar/hkEdit.h"

TfrmHotkeyEdit* frmHotkeyEdit = nullptr;

TfrmHotkeyEdit::TfrmHotkeyEdit() : ui::Form(L"TfrmHotkeyEdit", L"Hotkeys", 480, 320) { frmHotkeyEdit = this; }

TfrmHotkeyEdit::~TfrmHotkeyEdit() { frmHotkeyEdit = nullptr; }
