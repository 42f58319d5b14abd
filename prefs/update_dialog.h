// The dialog that asks before the web services are updated and sets when the
// bar asks or updates next: remind every n days, update automatically every n
// days, or only on request. "Yes" goes on with the update, "No" does not; the
// schedule chosen counts either way.
#pragma once

#include "core/bar_settings.h"
#include "ui/buttons.h"
#include "ui/drawn_control.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/pickers.h"

namespace qrv {

class UpdateDialog : public Form {
 public:
  explicit UpdateDialog(Form& owner);

  // Shows the schedule of `settings`: the choice of its update mode (none for
  // an unknown mode) and its days, at most 31, in both day counts.
  void ShowSchedule(const BarSettings& settings);
  // Writes the chosen mode and, for reminding or updating, its days back;
  // nothing changes when no choice is made.
  void TakeSchedule(BarSettings& settings) const;
  // What TakeSchedule gives for the schedule ShowSchedule showed untouched.
  static void KeepSchedule(BarSettings& settings);

  void PaintBackground(HDC dc, const RECT& area) override;

 private:
  // Centred over the owner, its bottom edge 8 pixels above the owner's.
  void PlaceOver(const Form& owner);
  static int DaysIn(const Edit& days);

  PictureLabel title_;
  PictureLabel question_;
  Label about_;
  Label connection_;
  RadioButton remindChoice_;
  Edit remindDays_;
  UpDown remindSpin_;
  Label remindUnit_;
  RadioButton automaticChoice_;
  Edit automaticDays_;
  UpDown automaticSpin_;
  Label automaticUnit_;
  RadioButton manualChoice_;
  Button yesButton_;
  Button noButton_;
};

}  // namespace qrv
