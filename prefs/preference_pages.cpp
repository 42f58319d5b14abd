#include "prefs/preference_pages.h"

#include <initializer_list>
#include <optional>

#include "core/text.h"
#include "ui/wide.h"

namespace qrv {
namespace {

const std::vector<std::wstring> kNewItemCaptions{
    L"New Task",         L"New Note",         L"New Appointment",     L"New Contact", L"New E-Mail Item",
    L"New Journal Item", L"New Task Request", L"New Meeting Request", L"None"};
const std::vector<std::wstring> kExtraCaptions{L"Open Outlook", L"Open Outlook Today", L"New Office Document",
                                               L"Launch Program", L"None"};
constexpr int kLaunchProgramEntry = 3;

// The number in the idle time's edit, kept within 1 to 60 as its spin is.
int IdleAmountOf(const Edit& edit) {
  const int amount = ReadIntOr(Narrow(edit.Text()), 1);
  return amount < 1 ? 1 : amount > 60 ? 60 : amount;
}

}  // namespace

GeneralPage::GeneralPage(Panel& page)
    : startupFrame_(page, {.bounds = {0, 8, 328, 53}, .text = L" Startup Options: "}),
      emailFrame_(page, {.bounds = {0, 67, 328, 29}, .text = L" Email Options: "}),
      barFrame_(page, {.bounds = {0, 102, 328, 97}, .text = L" Tavro Bar Options: "}),
      modeLabel_(page, {.bounds = {23, 17, 150, 14}, .text = L"'Quorvel' program mode:"}),
      programMode_(page, {.bounds = {175, 14, 115, 100}, .items = {L"Tavro Bar", L"Tray Icon", L"Both"}}),
      hints_(page, {.bounds = {21, 37, 150, 17}, .text = L"Show Hints under mouse"}),
      associate_(page, {.bounds = {175, 37, 114, 20}, .text = L"Associate .QRV Files"}),
      emailLabel_(page, {.bounds = {23, 76, 80, 14}, .text = L"Default E-Mail:"}),
      emailType_(page, {.bounds = {105, 71, 158, 80}, .items = {L"Microsoft Outlook", L"Microsoft Outlook Express"}}),
      minimize_(page, {.bounds = {5, 111, 206, 17}, .text = L"Auto-minimize the 'Tavro Bar' after:"}),
      idleAmount_(page, {.bounds = {212, 110, 28, 21}}),
      idleSpin_(page, {.bounds = {240, 110, 13, 21}, .minimum = 1, .maximum = 60, .buddy = idleAmount_.Handle()}),
      idleUnit_(page, {.bounds = {256, 110, 70, 80}, .items = {L"Seconds", L"Minutes"}}),
      minimizeButtons_(page,
                       {.bounds = {5, 132, 288, 17}, .text = L"Auto-minimize the 'Tavro Bar' when creating items"}),
      minimizeView_(page, {.bounds = {5, 153, 290, 17}, .text = L"Auto-minimize the 'Tavro Bar' when viewing folders"}),
      position_(page, {.bounds = {5, 174, 319, 17}, .text = L"Remember the 'Tavro Bar' position on next start-up"}) {
  associate_.onClick = [this] {
    if (onAssociate) onAssociate();
  };
}

void GeneralPage::Load(const PreferenceChoices& c) {
  programMode_.SetSelection(c.programMode);
  emailType_.SetSelection(c.emailType);
  hints_.SetChecked(c.hints);
  minimize_.SetChecked(c.minimize);
  idleSpin_.SetPosition(c.idleAmount);
  idleAmount_.SetText(std::to_wstring(c.idleAmount));
  idleUnit_.SetSelection(c.idleUnit == IdleUnit::kMinutes ? 1 : 0);
  minimizeButtons_.SetChecked(c.minimizeButton);
  minimizeView_.SetChecked(c.minimizeView);
  position_.SetChecked(c.rememberPosition);
}

void GeneralPage::Save(PreferenceChoices& c) const {
  c.programMode = programMode_.Selection() < 0 ? 2 : programMode_.Selection();
  c.emailType = emailType_.Selection() == 1 ? 1 : 0;
  c.hints = hints_.Checked();
  c.minimize = minimize_.Checked();
  c.idleAmount = IdleAmountOf(idleAmount_);
  c.idleUnit = idleUnit_.Selection() == 1 ? IdleUnit::kMinutes : IdleUnit::kSeconds;
  c.minimizeButton = minimizeButtons_.Checked();
  c.minimizeView = minimizeView_.Checked();
  c.rememberPosition = position_.Checked();
}

// The slot rows are made before the controls below them, so that Tab goes
// through the page in reading order.
std::vector<std::unique_ptr<ComboBox>> ButtonsPage::MakeSlots(Panel& page,
                                                              std::vector<std::unique_ptr<CheckBox>>& askCategories) {
  std::vector<std::unique_ptr<ComboBox>> slots;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int top = 23 + 24 * slot;
    slots.push_back(
        std::make_unique<ComboBox>(page, ComboArgs{.bounds = {2, top, 145, 170}, .items = kNewItemCaptions}));
    askCategories.push_back(std::make_unique<CheckBox>(
        page, CheckArgs{.bounds = {149, top + 2, 203, 17}, .text = L"Show pop-up menu with categories"}));
  }
  return slots;
}

ButtonsPage::ButtonsPage(Panel& page)
    : heading_(page, {.bounds = {0, 6, 354, 14},
                      .text = L"Customize which buttons show up on 'Tavro Bar' and the order:",
                      .centered = true}),
      slots_(MakeSlots(page, askCategories_)),
      extraSlot_(page, {.bounds = {2, 167, 145, 120}, .items = kExtraCaptions}),
      launchProgram_(page, {.bounds = {149, 167, 203, 21}, .visible = false}),
      footnote_(page, {.bounds = {12, 190, 318, 14},
                       .text = L"Note: Right clicking on the icon will show the pop-up menu..."}) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    slots_[static_cast<std::size_t>(slot)]->onSelect = [this, slot] { OnSlotSelect(slot); };
  extraSlot_.onSelect = [this] { OnExtraSelect(); };
}

void ButtonsPage::Load(const PreferenceChoices& c) {
  walkedSlot_ = -1;
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
    slots_[slot]->SetSelection(c.slots[slot]);
    askCategories_[slot]->SetChecked(c.askCategories[slot]);
  }
  extraSlot_.SetSelection(c.extraSlot);
  loadedProgram_ = Widen(c.launchProgram);
  launchProgram_.SetText(loadedProgram_);
  launchProgram_.SetVisible(c.extraSlot == kLaunchProgramEntry);
}

void ButtonsPage::Save(PreferenceChoices& c) const {
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
    const int chosen = slots_[slot]->Selection();
    c.slots[slot] = chosen < 0 ? kEmptySlot : chosen;
    c.askCategories[slot] = askCategories_[slot]->Checked();
  }
  c.extraSlot = extraSlot_.Selection() < 0 ? kEmptyExtraSlot : extraSlot_.Selection();
  c.launchProgram = Narrow(launchProgram_.Text());
}

// A button stands in one slot at most: choosing it here clears it elsewhere.
// The arrow keys walk a slot's list one entry at a time; each step starts from
// the other slots as they were before the walk, so only where it ends counts.
void ButtonsPage::OnSlotSelect(int slot) {
  if (slot != walkedSlot_) {
    Save(beforeWalk_);
    walkedSlot_ = slot;
  }
  PreferenceChoices choices = beforeWalk_;
  ChooseSlot(choices, slot, slots_[static_cast<std::size_t>(slot)]->Selection());
  for (std::size_t other = 0; other < slots_.size(); ++other)
    if (slots_[other]->Selection() != choices.slots[other]) slots_[other]->SetSelection(choices.slots[other]);
}

void ButtonsPage::OnExtraSelect() {
  const bool launch = extraSlot_.Selection() == kLaunchProgramEntry;
  if (launch) {
    const auto chosen = chooseProgram ? chooseProgram() : std::nullopt;
    launchProgram_.SetText(chosen ? *chosen : loadedProgram_);
  }
  launchProgram_.SetVisible(launch);
}

ViewsPage::ViewsPage(Panel& page)
    : explanation_(page, {.bounds = {28, 30, 273, 40},
                          .text = L"When viewing lists of items in Microsoft Outlook, like the Task List, Note "
                                  L"List, Contact List, or Calendar:"}),
      viewTypes_(page, {.bounds = {66, 72, 196, 80},
                        .items = {L"View all lists in the same window", L"Open a new window for each list"}}),
      newViews_(page, {.bounds = {16, 104, 306, 73}, .text = L" When using new windows, use: "}),
      normalDisplay_(page,
                     {.bounds = {23, 125, 292, 17}, .text = L"the normal Outlook display mode", .groupStart = true}),
      withoutBar_(page,
                  {.bounds = {23, 149, 292, 17}, .text = L"without the Outlook Bar on the side (List w/Options)"}) {
  viewTypes_.onSelect = [this] { ShowNewViews(); };
}

void ViewsPage::Load(const PreferenceChoices& c) {
  viewTypes_.SetSelection(c.newWindowPerList ? 1 : 0);
  normalDisplay_.SetChecked(!c.withoutOutlookBar);
  withoutBar_.SetChecked(c.withoutOutlookBar);
  ShowNewViews();
}

void ViewsPage::Save(PreferenceChoices& c) const {
  c.newWindowPerList = viewTypes_.Selection() != 0;
  c.withoutOutlookBar = !normalDisplay_.Checked();
}

void ViewsPage::ShowNewViews() {
  const bool shown = viewTypes_.Selection() != 0;
  for (Control* control : std::initializer_list<Control*>{&newViews_, &normalDisplay_, &withoutBar_})
    control->SetVisible(shown);
}

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
  std::vector<std::wstring> items;
  for (const std::string& type : journalTypes_) items.push_back(Widen(type));
  journalType_.SetItems(items);  // the items replace those of the last opening
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
