#include "prefs/general_page.h"

#include "core/text.h"
#include "ui/wide.h"

namespace qrv {
namespace {

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

}  // namespace qrv
