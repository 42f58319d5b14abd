// The commands of the fields' keys.
#include "entry/entry_window.h"

namespace qrv {

// The fields' keys come here before the dialog keys.
bool EntryWindow::PreTranslate(MSG& msg) { return keys_.PreTranslate(msg); }

void EntryWindow::RunKeyCommand(const KeyAction& action, EntryField field) {
  switch (action.command) {
    case EntryCommand::kNone:
      return;
    case EntryCommand::kFocusPrevious:
      SendMessageW(Handle(), WM_NEXTDLGCTL, 1, 0);
      return;
    case EntryCommand::kOpen:
      Open();
      return;
    case EntryCommand::kLeaveStartTime:
      lateParts_.DatePanelIfMade()->LeaveStartTime(typeButtons_.Down());
      lateParts_.DatePanelIfMade()->StartTime().SelectText(0, -1);
      return;
    case EntryCommand::kLeaveEndTime:
      lateParts_.DatePanelIfMade()->LeaveEndTime();
      lateParts_.DatePanelIfMade()->EndTime().SelectText(0, -1);
      return;
    case EntryCommand::kSelectAll:
      if (field == EntryField::kBody)
        body_.Select(0, -1);
      else
        header_.SelectAll(field);
      return;
    case EntryCommand::kSave:
      Save();
      return;
    case EntryCommand::kClear:
      Clear();
      return;
    case EntryCommand::kFocusStartTime:
      lateParts_.DatePanelIfMade()->StartTime().Focus();
      return;
    case EntryCommand::kAssignDate:
      AssignDate();
      return;
    case EntryCommand::kFindContact:
      FindContact();
      return;
    case EntryCommand::kCheckNames:
      CheckNames();
      return;
    case EntryCommand::kToggleReminder:
      lateParts_.DatePanelIfMade()->Reminder().SetChecked(!dates_.ReminderOn());
      return;
    case EntryCommand::kPrint:
      Print();
      return;
    case EntryCommand::kChooseType:
      ChooseType(*action.type);
      return;
    case EntryCommand::kCancel:
      Close();
      return;
  }
}

}  // namespace qrv
