// TfrmHotkeyEdit: the hotkey editor. It exists from the start, hidden until
// asked for; its contents arrive with the hotkeys.
#pragma once

#include "ui/form.h"

class TfrmHotkeyEdit : public ui::Form {
 public:
  TfrmHotkeyEdit();
  ~TfrmHotkeyEdit() override;
};

// The editor while it exists.
extern TfrmHotkeyEdit* frmHotkeyEdit;
