#include "entry/entry_late_parts.h"

namespace qrv {

EntryLateParts::EntryLateParts(Form& form, const EntryDates& dates, const std::vector<std::string>& categoryNames,
                               const LocaleFacts& locale, const EntryClock& clock, const EntryTypeButtons& typeButtons)
    : form_(form),
      dates_(dates),
      locale_(locale),
      clock_(clock),
      typeButtons_(typeButtons),
      categoryNames_(categoryNames) {}

// With the dates and the reminder and timer as they were before it was made, and no times.
DatePanel& EntryLateParts::MadeDatePanel() {
  if (datePanel_) return *datePanel_;
  const DateRange dates = dates_.Range();
  DatePanel& panel = datePanel_.emplace(form_, dates_.ReminderOn(), dates_.TimerOn(), locale_, clock_);
  MadeBefore(panel, typeButtons_.PriorityButton());
  panel.SetDates(dates);
  panel.ClearTimes();
  if (onDatePanelMade) onDatePanelMade(panel);
  return panel;
}

// Under the body, before the date panel; the layout shows it.
AttachmentList& EntryLateParts::MadeAttachmentList() {
  if (attachmentList_) return *attachmentList_;
  AttachmentList& list = attachmentList_.emplace(form_, Bounds{0, 199, 245, 40});
  MadeBefore(list, datePanel_ ? static_cast<const Control&>(*datePanel_) : typeButtons_.PriorityButton());
  if (onAttachmentListMade) onAttachmentListMade(list);
  return list;
}

// Its list and button the last tab stops (the type buttons, made after it, take none).
CategoryPanel& EntryLateParts::MadeCategoryPanel() {
  if (categoryPanel_) return *categoryPanel_;
  CategoryPanel& panel = categoryPanel_.emplace(form_, categoryNames_);
  MadeBefore(panel, typeButtons_.FirstTypeButton());
  if (onCategoryPanelMade) onCategoryPanelMade(panel);
  return panel;
}

void EntryLateParts::RefillCategories(const std::vector<std::string>& names) {
  if (categoryPanel_)
    categoryPanel_->Refill(names);
  else
    categoryNames_ = names;
}

void EntryLateParts::MadeBefore(Control& made, const Control& next) {
  SetWindowPos(made.Handle(), GetWindow(next.Handle(), GW_HWNDPREV), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace qrv
