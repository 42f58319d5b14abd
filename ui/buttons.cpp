#include "ui/buttons.h"

#include "ui/form.h"

namespace qrv {

Button::Button(Container& parent, const ButtonArgs& args)
    : Control(parent, {.className = WC_BUTTONW,
                       .style = WS_TABSTOP | static_cast<DWORD>(args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                       .bounds = args.bounds,
                       .text = args.text,
                       .anchors = args.anchors,
                       .visible = args.visible,
                       .enabled = args.enabled,
                       .id = args.isDefault  ? IDOK
                             : args.isCancel ? IDCANCEL
                                             : 0}),
      result_(args.result) {
  if (args.isDefault) parent.OwnerForm().SetDefaultId(IDOK);
}

void Button::Click() {
  if (onClick) onClick();
  if (result_ != DialogResult::kNone) Parent().OwnerForm().EndModal(result_);
}

void Button::HandleCommand(WORD code) {
  if (code == BN_CLICKED && !Quiet()) Click();
}

CheckBox::CheckBox(Container& parent, const CheckArgs& args) : CheckBox(parent, args, BS_AUTOCHECKBOX) {}

CheckBox::CheckBox(Container& parent, const CheckArgs& args, DWORD kindStyle)
    : Control(parent, {.className = WC_BUTTONW,
                       .style = WS_TABSTOP | kindStyle | (args.groupStart ? WS_GROUP : 0u) |
                                (args.pushLike ? static_cast<DWORD>(BS_PUSHLIKE) : 0u),
                       .bounds = args.bounds,
                       .text = args.text,
                       .anchors = args.anchors,
                       .visible = args.visible,
                       .enabled = args.enabled}) {
  SetChecked(args.checked);
}

bool CheckBox::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked, Notify notify) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  if (notify == Notify::kYes && onChange) onChange();
}

void CheckBox::HandleCommand(WORD code) {
  if (code == BN_CLICKED) Fire(onChange);
}

RadioButton::RadioButton(Container& parent, const CheckArgs& args) : CheckBox(parent, args, BS_AUTORADIOBUTTON) {}

GroupBox::GroupBox(Container& parent, const StaticArgs& args)
    : Control(parent, {.className = WC_BUTTONW,
                       .style = BS_GROUPBOX,
                       .bounds = args.bounds,
                       .text = args.text,
                       .anchors = args.anchors,
                       .visible = args.visible,
                       .enabled = args.enabled}) {}

Label::Label(Container& parent, const StaticArgs& args)
    : Control(parent, {.className = WC_STATICW,
                       .style = static_cast<DWORD>(args.centered ? SS_CENTER : SS_LEFT),
                       .bounds = args.bounds,
                       .text = args.text,
                       .anchors = args.anchors,
                       .visible = args.visible,
                       .enabled = args.enabled}) {}

}  // namespace qrv
