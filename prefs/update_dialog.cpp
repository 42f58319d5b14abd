#include "prefs/update_dialog.h"

#include <algorithm>
#include <string>

#include "core/text.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kMaxDays = 31;
// The title band, then the work area whose controls are placed from its corner.
constexpr int kTitleHeight = 26;
constexpr int kLeft = 8;
constexpr int kTop = kTitleHeight + 2;
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr RECT kQuestionBand{kLeft + 6, kTop + 5, kLeft + 6 + 303, kTop + 5 + 20};

enum class UpdateMode { kRemind = 1, kAutomatic = 2, kManual = 3 };

}  // namespace

UpdateDialog::UpdateDialog(Form& owner)
    : Form({.caption = L"Update", .clientSize = {332, 248}, .owner = &owner}),
      title_(*this, {.bounds = {0, 4, 332, 20}, .text = L" Update Web Services"},
             {.face = L"Arial", .points = 12, .bold = true}),
      question_(*this,
                {.bounds = {kQuestionBand.left, kQuestionBand.top + 2, 303, 17},
                 .text = L" Do you want to update web services right now? "},
                {.bold = true}),
      about_(*this, {.bounds = {kLeft + 9, kTop + 28, 306, 52},
                     .text = L"Web Services allow you to quickly access search engines on the internet, using the "
                             L"Information Item.  These settings allow you to control when updates are downloaded."}),
      connection_(*this, {.bounds = {kLeft + 9, kTop + 83, 306, 39},
                          .text = L"If you are not currently connected to the internet, updating will attempt to "
                                  L"connect using your default internet settings."}),
      remindChoice_(*this, {.bounds = {kLeft + 8, kTop + 124, 232, 17},
                            .text = L"Remind me to update web services every",
                            .groupStart = true}),
      remindDays_(*this, {.bounds = {kLeft + 241, kTop + 122, 30, 21}}),
      remindSpin_(*this,
                  {.bounds = {kLeft + 256, kTop + 122, 15, 21}, .maximum = kMaxDays, .buddy = remindDays_.Handle()}),
      remindUnit_(*this, {.bounds = {kLeft + 274, kTop + 126, 30, 14}, .text = L"days."}),
      automaticChoice_(*this,
                       {.bounds = {kLeft + 8, kTop + 146, 232, 17}, .text = L"Automatically connect and update every"}),
      automaticDays_(*this, {.bounds = {kLeft + 241, kTop + 144, 30, 21}}),
      automaticSpin_(
          *this, {.bounds = {kLeft + 256, kTop + 144, 15, 21}, .maximum = kMaxDays, .buddy = automaticDays_.Handle()}),
      automaticUnit_(*this, {.bounds = {kLeft + 274, kTop + 148, 30, 14}, .text = L"days."}),
      manualChoice_(*this, {.bounds = {kLeft + 8, kTop + 168, 315, 17},
                            .text = L"I will select UPDATE when I want to update web services."}),
      yesButton_(*this,
                 {.bounds = {104, 217, 60, 24}, .text = L"  Yes  ", .isDefault = true, .result = DialogResult::kYes}),
      noButton_(*this,
                {.bounds = {168, 217, 60, 24}, .text = L"  No  ", .isCancel = true, .result = DialogResult::kNo}) {
  title_.color = RGB(255, 255, 255);
  question_.color = RGB(255, 255, 255);
  remindSpin_.SetPosition(7);
  automaticSpin_.SetPosition(7);
  PlaceOver(owner);
}

void UpdateDialog::ShowSchedule(const BarSettings& settings) {
  remindChoice_.SetChecked(settings.updateCheck == static_cast<int>(UpdateMode::kRemind));
  automaticChoice_.SetChecked(settings.updateCheck == static_cast<int>(UpdateMode::kAutomatic));
  manualChoice_.SetChecked(settings.updateCheck == static_cast<int>(UpdateMode::kManual));
  const int days = std::clamp(settings.updateDays, 0, kMaxDays);
  remindSpin_.SetPosition(days);
  automaticSpin_.SetPosition(days);
}

void UpdateDialog::TakeSchedule(BarSettings& settings) const {
  if (remindChoice_.Checked()) {
    settings.updateCheck = static_cast<int>(UpdateMode::kRemind);
    settings.updateDays = DaysIn(remindDays_);
  } else if (automaticChoice_.Checked()) {
    settings.updateCheck = static_cast<int>(UpdateMode::kAutomatic);
    settings.updateDays = DaysIn(automaticDays_);
  } else if (manualChoice_.Checked()) {
    settings.updateCheck = static_cast<int>(UpdateMode::kManual);
  }
}

void UpdateDialog::KeepSchedule(BarSettings& settings) {
  const int mode = settings.updateCheck;
  if (mode == static_cast<int>(UpdateMode::kRemind) || mode == static_cast<int>(UpdateMode::kAutomatic))
    settings.updateDays = std::clamp(settings.updateDays, 0, kMaxDays);
}

// What the user typed counts, kept to the range the spin offers.
int UpdateDialog::DaysIn(const Edit& days) { return std::clamp(ReadIntOr(Narrow(days.Text()), 0), 0, kMaxDays); }

void UpdateDialog::PaintBackground(HDC dc, const RECT& area) {
  Form::PaintBackground(dc, area);
  RECT band{};
  GetClientRect(Handle(), &band);
  band.bottom = Scale(kTitleHeight);
  OwnedBrush teal(CreateSolidBrush(kTeal));
  FillRect(dc, &band, teal.Get());
  const RECT question{Scale(kQuestionBand.left), Scale(kQuestionBand.top), Scale(kQuestionBand.right),
                      Scale(kQuestionBand.bottom)};
  OwnedBrush navy(CreateSolidBrush(kNavy));
  FillRect(dc, &question, navy.Get());
}

void UpdateDialog::PlaceOver(const Form& owner) {
  const RECT outer = owner.WindowRect();
  const RECT own = WindowRect();
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int left = outer.left + ((outer.right - outer.left) - width + 1) / 2;
  SetWindowRect(left, outer.top + (outer.bottom - outer.top - height) - 8, width, height);
}

}  // namespace qrv
