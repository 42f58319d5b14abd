#include "entry/entry_type_buttons.h"

#include "entry/entry_pictures.h"
#include "entry/placing.h"

namespace qrv {

EntryTypeButtons::EntryTypeButtons(Form& form, bool contactShown) : form_(form), contactShown_(contactShown) {
  priorityButton_.onClick = [this] {
    POINT at{};
    GetCursorPos(&at);
    priorityMenu_.Popup(form_, at.x, at.y);
  };
  lowItem_.onClick = [this] { ChoosePriority(Priority::kLow); };
  normalItem_.onClick = [this] { ChoosePriority(Priority::kNormal); };
  highItem_.onClick = [this] { ChoosePriority(Priority::kHigh); };
}

// Task first: each with its letter, its picture and its key in the hint. The
// task's is made down: putting a button down makes the system put every other
// button of the group up.
void EntryTypeButtons::MakeButtons() {
  static constexpr std::array<const wchar_t*, 8> kLetters{L"W", L"T", L"N", L"A", L"C", L"M", L"J", L"D"};
  static constexpr std::array<const wchar_t*, 8> kHints{
      L"Internet Location (Ctrl+Shift+I)", L"New Task (Ctrl+Shift+K)",         L"New Note (Ctrl+Shift+N)",
      L"New Appointment (Ctrl+Shift+A)",   L"New Contact (Ctrl+Shift+C)",      L"New E-Mail (Ctrl+Shift+M)",
      L"New Journal Item (Ctrl+Shift+J)",  L"New Text Document (Ctrl+Shift+T)"};
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    typeButtons_[i] =
        std::make_unique<RadioButton>(form_, CheckArgs{.bounds = {247, 22 + 22 * static_cast<int>(i), 23, 22},
                                                       .text = kLetters[i],
                                                       .checked = kTypeButtonTypes[i] == EntryType::kTask,
                                                       .groupStart = i == 0,
                                                       .pushLike = true,
                                                       .takesFocus = false,
                                                       .pictureOnly = true});
    typeButtons_[i]->SetHint(kHints[i]);
    typeButtons_[i]->onChange = [this, i] {
      // The button that was released fires too.
      if (!typeButtons_[i]->Checked()) return;
      down_ = kTypeButtonTypes[i];
      if (onChosen) onChosen();
    };
  }
  down_ = EntryType::kTask;
  typeButtons_[4]->SetVisible(contactShown_);
  priorityButton_.SetHint(L"Priority");
}

void EntryTypeButtons::SetDown(std::optional<EntryType> type) {
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    const bool down = kTypeButtonTypes[i] == type;
    if (down != (kTypeButtonTypes[i] == down_)) typeButtons_[i]->SetChecked(down);
  }
  down_ = type;
}

void EntryTypeButtons::ChoosePriority(Priority priority) {
  priority_ = priority;
  static constexpr std::array<const wchar_t*, 3> kGlyphs{L"\x2193", L"!", L"!!"};
  priorityButton_.SetText(kGlyphs[static_cast<std::size_t>(priority)]);
  priorityButton_.SetPicture(EntryPictureFor(
      static_cast<EntryPicture>(static_cast<int>(EntryPicture::kLow) + static_cast<int>(priority)), form_.Dpi()));
  lowItem_.checked = priority == Priority::kLow;
  normalItem_.checked = priority == Priority::kNormal;
  highItem_.checked = priority == Priority::kHigh;
}

void EntryTypeButtons::ApplyLayout(const EntryLayout& layout) {
  if (layout.priority != Show::kKeep) ShowIf(priorityButton_, layout.priority == Show::kShow);
}

void EntryTypeButtons::Arrange(int centre) {
  Place(priorityButton_, {centre + 3, 1, 21, 19});
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    Place(*typeButtons_[i], {centre + 2, 22 + 22 * static_cast<int>(i), 23, 22});
}

void EntryTypeButtons::ShowPictures() {
  const UINT dpi = form_.Dpi();
  for (std::size_t i = 0; i < typeButtons_.size(); ++i)
    typeButtons_[i]->SetPicture(EntryPictureFor(static_cast<EntryPicture>(i), dpi));
  ChoosePriority(priority_);
}

}  // namespace qrv
