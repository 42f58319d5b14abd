// The hotkey editor. It exists from the start, hidden until asked for; its
// contents arrive with the hotkeys.
#pragma once

#include "ui/form.h"

namespace qrv {

class HotkeyEditor : public Form {
 public:
  HotkeyEditor();
  ~HotkeyEditor() override;
};

// The editor while it exists.
extern HotkeyEditor* hotkeyEditor;

}  // namespace qrv
