// The keys of the Information Item window's fields, seen before the dialog
// keys: Tab and Shift+Tab, the Ctrl commands and the type keys, pastes cut to
// fit, Enter in the subject and the time boxes, Esc in a field. What a key
// stands for goes to the window, which runs its commands.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "core/bar_settings.h"
#include "core/entry_keys.h"
#include "entry/date_panel.h"
#include "entry/entry_footer.h"
#include "entry/entry_header.h"
#include "entry/entry_texts.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

// The parts whose fields take the keys, and the type button that is down.
struct KeyFields {
  EntryHeader& header;
  RichEdit& body;
  const std::optional<DatePanel>& datePanel;
  const EntryFooter& footer;
  EntryTexts& texts;
  const std::optional<EntryType>& typeButton;
};

class FieldKeys {
 public:
  // The settings say whether a plain Tab in the body types a tab.
  FieldKeys(Form& form, const KeyFields& fields, const BarSettings& settings);

  // True when the key message was handled here and goes no further.
  bool PreTranslate(MSG& msg);

  std::function<void(const KeyUpAction& action)> onKeyUp;
  std::function<void(const KeyAction& action, EntryField field)> onChar;

 private:
  std::optional<EntryField> FieldOf(HWND window) const;
  EntryKeyContext KeyContext(EntryField field) const;
  bool HandleKeyDown(MSG& msg, EntryField field, Modifiers modifiers);
  bool HandleTab(EntryField field, Modifiers modifiers);

  Form& form_;
  KeyFields fields_;
  const BarSettings& settings_;
  DigitKeys digitKeys_{};
};

}  // namespace qrv
