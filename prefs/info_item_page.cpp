#include "prefs/info_item_page.h"

#include "core/text.h"
#include "ui/wide.h"

namespace qrv {

InfoItemPage::InfoItemPage(Panel& page)
    : generalFrame_(page, {.bounds = {0, 3, 352, 120}, .text = L" Information Item General Options: "}),
      itemFrame_(page, {.bounds = {0, 125, 352, 77}, .text = L" Item Options: "}),
      categories_(page, {.bounds = {4, 18, 261, 17}, .text = L"Automatically detect category keywords"}),
      tab_(page,
           {.bounds = {4, 39, 346, 17}, .text = L"TAB key inserts a TAB in the body, instead of adv. to next field"}),
      keywordRemoval_(
          page, {.bounds = {4, 58, 322, 17}, .text = L"Remove keywords from subject line ( shortcuts and dates )"}),
      itemTypeLabel_(page, {.bounds = {4, 81, 252, 14}, .text = L"When a date is entered, without a keyword, set"}),
      itemType_(page, {.bounds = {259, 78, 91, 80}, .items = {L"Appointment", L"Task"}}),
      newIeWindow_(page,
                   {.bounds = {4, 99, 344, 17}, .text = L"Open web search in new Internet Explorer window each time"}),
      reminder_(page, {.bounds = {4, 140, 309, 17}, .text = L"Appointment: Outlook reminder turned on by default"}),
      journalTime_(page, {.bounds = {4, 159, 319, 17}, .text = L"Journal: Timer turned on by default (see QRV help)"}),
      journalTypeLabel_(page, {.bounds = {4, 180, 142, 14}, .text = L"Default Journal Entry Type:"}),
      journalType_(page, {.bounds = {147, 177, 178, 230}}) {}

void InfoItemPage::Load(const PreferenceChoices& c, const std::vector<std::string>& journalTypes) {
  journalTypes_ = journalTypes;
  journalType_.SetItems(WidenAll(journalTypes_));  // the items replace those of the last opening
  int chosen = -1;
  for (std::size_t n = 0; c.journalType && n < journalTypes_.size(); ++n)
    if (journalTypes_[n] == *c.journalType) chosen = static_cast<int>(n);
  journalType_.SetSelection(chosen);
  categories_.SetChecked(c.useCategories);
  tab_.SetChecked(c.tab);
  keywordRemoval_.SetChecked(c.keywordRemoval);
  itemType_.SetSelection(c.timedItemIsTask ? 1 : 0);
  newIeWindow_.SetChecked(c.newIeWindow);
  reminder_.SetChecked(c.apptReminder);
  journalTime_.SetChecked(c.journalTime);
}

void InfoItemPage::Save(PreferenceChoices& c) const {
  c.useCategories = categories_.Checked();
  c.tab = tab_.Checked();
  c.keywordRemoval = keywordRemoval_.Checked();
  c.timedItemIsTask = itemType_.Selection() == 1;
  c.newIeWindow = newIeWindow_.Checked();
  c.apptReminder = reminder_.Checked();
  c.journalTime = journalTime_.Checked();
  const int chosen = journalType_.Selection();
  c.journalType.reset();
  if (chosen >= 0 && static_cast<std::size_t>(chosen) < journalTypes_.size())
    c.journalType = journalTypes_[static_cast<std::size_t>(chosen)];
}

}  // namespace qrv
