#include "entry/field_keys.h"

namespace qrv {
namespace {

Modifiers HeldModifiers() {
  return {.ctrl = GetKeyState(VK_CONTROL) < 0, .shift = GetKeyState(VK_SHIFT) < 0, .alt = GetKeyState(VK_MENU) < 0};
}

// Ctrl with a letter or digit runs a command of the window (or picks a type)
// when its character comes, and never reaches the field as a key: only copy,
// cut, paste and undo do. AltGr (Ctrl and Alt) types text.
bool IsWindowCommandKey(WPARAM key, Modifiers m) {
  if (!m.ctrl || m.alt) return false;
  if (key >= '0' && key <= '9') return true;
  if (key < 'A' || key > 'Z') return false;
  return m.shift || (key != 'C' && key != 'X' && key != 'V' && key != 'Z');
}

bool IsPasteKey(WPARAM key, Modifiers m) {
  return !m.alt && ((key == 'V' && m.ctrl && !m.shift) || (key == VK_INSERT && m.shift && !m.ctrl));
}

}  // namespace

FieldKeys::FieldKeys(Form& form, const KeyFields& fields, const BarSettings& settings)
    : form_(form), fields_(fields), settings_(settings) {
  for (int digit = 0; digit < 7; ++digit)
    digitKeys_[static_cast<std::size_t>(digit)] =
        LOBYTE(VkKeyScanW(static_cast<wchar_t>(digit < 6 ? L'1' + digit : L'9')));
}

std::optional<EntryField> FieldKeys::FieldOf(HWND window) const {
  if (!window) return std::nullopt;
  if (window == fields_.body.Handle()) return EntryField::kBody;
  if (auto field = fields_.header.FieldOf(window)) return field;
  return fields_.datePanel ? fields_.datePanel->FieldOf(window) : std::nullopt;
}

EntryKeyContext FieldKeys::KeyContext(EntryField field) const {
  const std::optional<DatePanel>& panel = fields_.datePanel;
  return {.sender = field,
          .typeButton = fields_.typeButton,
          .datePanelShown = panel && panel->Visible(),
          .bodyTakesTab = settings_.tab,
          .startTimeEnabled = panel && panel->StartTime().Enabled(),
          .assignDateEnabled = fields_.footer.AssignDateEnabled(),
          .reminderShown = panel && panel->Reminder().Visible()};
}

bool FieldKeys::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR && msg.message != WM_KEYUP) return false;
  const Modifiers modifiers = HeldModifiers();
  // The window's Ctrl keys work whichever of its controls has the focus; the
  // other keys of a control that is no field stay its own.
  auto field = FieldOf(msg.hwnd);
  if (!field) {
    if (!modifiers.ctrl || !IsChild(form_.Handle(), msg.hwnd)) return false;
    field = EntryField::kOther;
  }
  if (msg.message == WM_KEYDOWN) return HandleKeyDown(msg, *field, modifiers);
  if (msg.message == WM_KEYUP) {
    if (*field != EntryField::kEndTime)
      onKeyUp(ClassifyEntryKeyUp(static_cast<int>(msg.wParam), modifiers, digitKeys_));
    return false;
  }
  const KeyAction action = ClassifyEntryChar(static_cast<char32_t>(msg.wParam), modifiers, KeyContext(*field));
  onChar(action, *field);
  return action.swallow;
}

// A key whose character the window handles is translated here and not handed
// to the field or the dialog keys.
bool FieldKeys::HandleKeyDown(MSG& msg, EntryField field, Modifiers m) {
  const WPARAM key = msg.wParam;
  if (field == EntryField::kOther) {
    if (!IsWindowCommandKey(key, m)) return false;
    TranslateMessage(&msg);
    return true;
  }
  if (key == VK_TAB && !m.ctrl && !m.alt) return HandleTab(field, m);
  if (IsPasteKey(key, m) && field == EntryField::kSubject)
    return fields_.texts.PasteWithin(fields_.header.Subject(), kSubjectLimit);
  if (IsPasteKey(key, m) && field == EntryField::kBody) return fields_.texts.PasteWithin(fields_.body, kBodyLimit);
  // Esc in an open drop-down list closes the list, not the window.
  const HWND combo = IsEditBox(field)                        ? nullptr
                     : FieldOf(GetParent(msg.hwnd)) == field ? GetParent(msg.hwnd)
                                                             : msg.hwnd;
  const auto* list = dynamic_cast<const ComboBox*>(Control::FromHandle(combo));
  const bool droppedDown = list && list->DroppedDown();
  const bool enterHere =
      key == VK_RETURN && !m.ctrl &&
      (field == EntryField::kSubject || field == EntryField::kStartTime || field == EntryField::kEndTime);
  if (IsWindowCommandKey(key, m) || enterHere || (key == VK_ESCAPE && !droppedDown)) {
    TranslateMessage(&msg);
    return true;
  }
  return false;
}

// Tab moves between the fields; the body keeps a plain Tab when the TAB setting
// says so.
bool FieldKeys::HandleTab(EntryField field, Modifiers m) {
  if (field == EntryField::kBody && settings_.tab && !m.shift) {
    fields_.body.ReplaceSelection(L"\t");
    return true;
  }
  SendMessageW(form_.Handle(), WM_NEXTDLGCTL, m.shift ? 1 : 0, 0);
  return true;
}

}  // namespace qrv
