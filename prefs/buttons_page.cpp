#include "prefs/buttons_page.h"

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

}  // namespace

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

}  // namespace qrv
