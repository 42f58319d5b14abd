// The column right of the Information Item window's entry area: the priority
// button with its menu at the top, and under it the type buttons, one down at
// a time. None takes the focus. The priority button is made with the window's
// first parts, the type buttons last (MakeButtons).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/entry_layout.h"
#include "core/quick_entry.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {

enum class Priority { kLow, kNormal, kHigh };

// The entry types of the type buttons, top to bottom.
inline constexpr std::array kTypeButtonTypes{EntryType::kInternet,    EntryType::kTask,        EntryType::kNote,
                                             EntryType::kAppointment, EntryType::kContact,     EntryType::kEmail,
                                             EntryType::kJournal,     EntryType::kTextDocument};

class EntryTypeButtons {
 public:
  // Without the contact type where the user sends e-mail through another program.
  EntryTypeButtons(Form& form, bool contactShown);

  // The type buttons, after the window's other parts: a new window is a task.
  void MakeButtons();
  // The type button that is down, kept here as the buttons change: every
  // keystroke asks for it several times.
  const std::optional<EntryType>& Down() const { return down_; }
  // As the program's own change: only the buttons that go up or down are told.
  void SetDown(std::optional<EntryType> type);
  Priority ItemPriority() const { return priority_; }
  void ChoosePriority(Priority priority);
  bool PriorityShown() const { return priorityButton_.Visible(); }
  // Late parts take their place in the Tab order before these.
  const Control& PriorityButton() const { return priorityButton_; }
  const Control& FirstTypeButton() const { return *typeButtons_.front(); }

  void ApplyLayout(const EntryLayout& layout);
  // The places right of the entry area's centre part, as wide as the centre given.
  void Arrange(int centre);
  void ShowPictures();

  std::function<void()> onChosen;  // the user put a type button down

 private:
  Form& form_;
  const bool contactShown_;
  std::optional<EntryType> down_;
  Priority priority_ = Priority::kNormal;
  Button priorityButton_{form_, {.bounds = {248, 1, 21, 19}, .text = L"!", .takesFocus = false, .pictureOnly = true}};
  std::array<std::unique_ptr<RadioButton>, 8> typeButtons_;
  PopupMenu priorityMenu_;
  MenuItem lowItem_{priorityMenu_, {.text = L"Low"}};
  MenuItem normalItem_{priorityMenu_, {.text = L"Normal"}};
  MenuItem highItem_{priorityMenu_, {.text = L"High"}};
};

}  // namespace qrv
