// The parts of the Information Item window that a new window does not show,
// each made hidden when first needed, in its place in the Tab order: the date
// panel (a new window is an undated task), the list of attached files (it has
// none) and the category panel (it chooses none). The window wires each as it
// is made.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "entry/attachment_list.h"
#include "entry/category_panel.h"
#include "entry/date_panel.h"
#include "entry/entry_data.h"
#include "entry/entry_dates.h"
#include "entry/entry_type_buttons.h"
#include "ui/form.h"

namespace qrv {

class EntryLateParts {
 public:
  // The date panel starts with the dates given; the category panel with the names.
  EntryLateParts(Form& form, const EntryDates& dates, const std::vector<std::string>& categoryNames,
                 const LocaleFacts& locale, const EntryClock& clock, const EntryTypeButtons& typeButtons);

  DatePanel& MadeDatePanel();
  AttachmentList& MadeAttachmentList();
  CategoryPanel& MadeCategoryPanel();
  // Each none while not made.
  std::optional<DatePanel>& DatePanelIfMade() { return datePanel_; }
  const std::optional<DatePanel>& DatePanelIfMade() const { return datePanel_; }
  std::optional<AttachmentList>& AttachmentListIfMade() { return attachmentList_; }
  std::optional<CategoryPanel>& CategoryPanelIfMade() { return categoryPanel_; }

  bool HasAttachments() const { return attachmentList_ && attachmentList_->Count() > 0; }
  // The attached files' full paths, in the list's order.
  std::vector<std::wstring> Attachments() const {
    return attachmentList_ ? attachmentList_->Paths() : std::vector<std::wstring>{};
  }
  bool CategoryPanelShown() const { return categoryPanel_ && categoryPanel_->Visible(); }
  std::vector<std::wstring> ChosenCategories() const {
    return categoryPanel_ ? categoryPanel_->Chosen() : std::vector<std::wstring>{};
  }
  // The category list's items, as the parser reads them.
  const std::vector<std::string>& CategoryItems() const {
    return categoryPanel_ ? categoryPanel_->Items() : categoryNames_;
  }
  // The mail system's categories, read again.
  void RefillCategories(const std::vector<std::string>& names);

  std::function<void(DatePanel& panel)> onDatePanelMade;
  std::function<void(AttachmentList& list)> onAttachmentListMade;
  std::function<void(CategoryPanel& panel)> onCategoryPanelMade;

 private:
  // A part made late takes its place in the Tab order before the control given.
  static void MadeBefore(Control& made, const Control& next);

  Form& form_;
  const EntryDates& dates_;
  const LocaleFacts& locale_;
  const EntryClock& clock_;
  const EntryTypeButtons& typeButtons_;
  std::vector<std::string> categoryNames_;  // the category list's items while the panel is not made
  std::optional<AttachmentList> attachmentList_;
  std::optional<DatePanel> datePanel_;
  std::optional<CategoryPanel> categoryPanel_;
};

}  // namespace qrv
