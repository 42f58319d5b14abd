#include "entry/entry_window.h"

#include "core/text.h"
#include "entry/entry_pictures.h"
#include "entry/entry_print.h"
#include "entry/entry_system.h"
#include "ui/wide.h"

namespace qrv {

// The header, the body, the date panel, the footer and the category panel are
// made as members; the type buttons after them.
EntryWindow::EntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock)
    : Form({.caption = L"Information",
            .clientSize = {kEntryMinClientWidth, kEntryPanelHeight},
            .style = FormStyle::kSizable,
            .taskbarButton = true}),
      data_(data),
      actions_(actions),
      clock_(clock),
      locale_(UserLocaleFacts()) {
  closeAction = CloseAction::kFree;
  MakeTypeButtons();
  WireParts();
  WireCommands();
  SetShowHints(data_.settings.hints);
  ShowPictures();
  // Files dropped from the shell are attached (or read, for a text document).
  DragAcceptFiles(Handle(), TRUE);
  built_ = true;
  Clear();
}

// The right column, task first: each with its letter, its picture and its key
// in the hint. The task's is made down, as a new window is a task: putting a
// button down makes the system put every other button of the group up.
void EntryWindow::MakeTypeButtons() {
  static constexpr std::array<const wchar_t*, 8> kLetters{L"W", L"T", L"N", L"A", L"C", L"M", L"J", L"D"};
  static constexpr std::array<const wchar_t*, 8> kHints{
      L"Internet Location (Ctrl+Shift+I)", L"New Task (Ctrl+Shift+K)",         L"New Note (Ctrl+Shift+N)",
      L"New Appointment (Ctrl+Shift+A)",   L"New Contact (Ctrl+Shift+C)",      L"New E-Mail (Ctrl+Shift+M)",
      L"New Journal Item (Ctrl+Shift+J)",  L"New Text Document (Ctrl+Shift+T)"};
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    typeButtons_[i] =
        std::make_unique<RadioButton>(*this, CheckArgs{.bounds = {247, 22 + 22 * static_cast<int>(i), 23, 22},
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
      typeButton_ = kTypeButtonTypes[i];
      byHand_.type = true;
      CheckCaption();
    };
  }
  typeButton_ = EntryType::kTask;
  // Without the contact type where the user sends e-mail through another program.
  typeButtons_[4]->SetVisible(data_.settings.emailType != "1");
}

// What the user changes in the parts goes to the parser run and the choices made by hand.
void EntryWindow::WireParts() {
  RichEdit& subject = header_.Subject();
  subject.onMaxText = [this] { texts_.TellTextCut(true); };
  subject.onChange = [this] { SubjectChanged(); };
  header_.Recipients().onChange = [this] { RecipientsChanged(); };
  header_.onServiceChosen = [this] {
    byHand_.service = true;
    webBody_.ShowServiceHint(header_.ServiceIndex(), header_.ServiceItems());
  };
  header_.onChooseIcon = [this] { ChooseIcon(); };
  header_.onChooseAddresses = [this] { actions_.ChooseAddresses(*this, header_.AddressFields()); };
  body_.LimitText(kBodyLimit);
  body_.onMaxText = [this] { texts_.TellTextCut(false); };
  body_.onChange = [this] { BodyChanged(); };
}

void EntryWindow::WireCommands() {
  priorityButton_.SetHint(L"Priority");
  footer_.onAssignDate = [this] { AssignDate(); };
  footer_.onCategories = [this] { ToggleCategoryPanel(); };
  priorityButton_.onClick = [this] {
    POINT at{};
    GetCursorPos(&at);
    priorityMenu_.Popup(*this, at.x, at.y);
  };
  lowItem_.onClick = [this] { ChoosePriority(Priority::kLow); };
  normalItem_.onClick = [this] { ChoosePriority(Priority::kNormal); };
  highItem_.onClick = [this] { ChoosePriority(Priority::kHigh); };
  footer_.onAttach = [this] { ChooseAttachments(); };
  captionButton_.onFindContact = [this] { FindContact(); };
  captionButton_.onCheckNames = [this] { CheckNames(); };
  captionButton_.onPrint = [this] { Print(); };
  captionButton_.onKeywordRemoval = [this](bool on) { SetKeywordRemoval(on); };
  chooseFiles = [this] { return RunFileDialog(); };
  footer_.onKeywords = [this] { actions_.EditKeywords(); };
  footer_.onHelp = [this] { actions_.ShowHelp(); };
  footer_.onEscape = [this] { Close(); };
  footer_.onReset = [this] { Clear(); };
  footer_.onOpen = [this] { Open(); };
  footer_.onProcess = [this] { Save(); };
  keys_.onKeyUp = [this](const KeyUpAction& action) {
    if (action.type) {
      SetTypeButton(*action.type);
      byHand_.type = true;
    }
    if (action.checkCaption) CheckCaption();
  };
  keys_.onChar = [this](const KeyAction& action, EntryField field) { RunKeyCommand(action, field); };
}

// The bar's list of open windows learns of the window once, as it goes.
EntryWindow::~EntryWindow() {
  // Controls lose the focus as they go: their handlers must not run on the rest.
  if (datePanel_) datePanel_->StartTime().onExit = datePanel_->EndTime().onExit = nullptr;
  built_ = false;
  if (onClosed) onClosed(Handle());
}

void EntryWindow::Clear() {
  header_.Clear();
  if (body_.TextLength() > 0) body_.SetPlainText(L"", Notify::kYes);
  texts_.WrapBody();
  if (attachmentsList_) attachmentsList_->RemoveAll();
  dates_.Today();
  if (datePanel_) datePanel_->ClearTimes();
  byHand_.date = byHand_.time = false;
  HideCalendar();
  SetTypeButton(EntryType::kTask);
  ChoosePriority(Priority::kNormal);
  CheckCaption();
  header_.BlankIcon();
  // A window made ahead takes no focus while hidden: that would take the
  // activation from the window the user works in.
  if (IsWindowVisible(Handle())) header_.Subject().Focus();
}

// Made hidden, in its place in the Tab order, and laid out as the window is now.
DatePanel& EntryWindow::MadeDatePanel() {
  if (datePanel_) return *datePanel_;
  const DateRange dates = dates_.Range();
  DatePanel& panel = datePanel_.emplace(*this, dates_.ReminderOn(), dates_.TimerOn(), locale_, clock_);
  MadeBefore(panel, priorityButton_);
  panel.SetDates(dates);
  panel.ClearTimes();
  TimeBox& start = panel.StartTime();
  TimeBox& end = panel.EndTime();
  start.onChange = start.onSelect = [this] { StartTimeChanged(); };
  end.onChange = end.onSelect = [this] { EndTimeChanged(); };
  start.onExit = [this] { datePanel_->LeaveStartTime(TypeButton()); };
  end.onExit = [this] { datePanel_->LeaveEndTime(); };
  panel.onDatesChosen = [this] {
    byHand_.date = true;
    ShowSubjectMarks();
  };
  panel.onNone = [this] { AssignDate(); };
  panel.ApplyLayout(layout_);
  panel.ApplyButtons(layout_);
  Arrange();
  return panel;
}

// Made hidden, its list and button the last tab stops (the type buttons, made
// after it, take none), with the items the window holds.
CategoryPanel& EntryWindow::MadeCategoryPanel() {
  if (categoryPanel_) return *categoryPanel_;
  CategoryPanel& panel = categoryPanel_.emplace(*this, categoryNames_);
  MadeBefore(panel, *typeButtons_.front());
  panel.onChosen = [this] { byHand_.categories = true; };
  panel.onNone = [this] {
    byHand_.categories = true;
    ToggleCategoryPanel();
  };
  Arrange();
  return panel;
}

void EntryWindow::MadeBefore(Control& made, const Control& next) {
  SetWindowPos(made.Handle(), GetWindow(next.Handle(), GW_HWNDPREV), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::optional<EntryType> EntryWindow::Type() const {
  return WindowEntryType(TypeButton(), !Trim(Narrow(header_.Recipients().Text())).empty());
}

bool EntryWindow::Empty() const { return header_.Empty() && body_.TextLength() == 0 && !HasAttachments(); }

bool EntryWindow::Save() {
  if (!actions_.Save(*this)) return false;
  Clear();
  Close();
  return true;
}

bool EntryWindow::Open() {
  if (!actions_.Open(*this)) return false;
  Clear();
  Close();
  return true;
}

void EntryWindow::ChoosePriority(Priority priority) {
  priority_ = priority;
  static constexpr std::array<const wchar_t*, 3> kGlyphs{L"\x2193", L"!", L"!!"};
  priorityButton_.SetText(kGlyphs[static_cast<std::size_t>(priority)]);
  priorityButton_.SetPicture(EntryPictureFor(
      static_cast<EntryPicture>(static_cast<int>(EntryPicture::kLow) + static_cast<int>(priority)), Dpi()));
  lowItem_.checked = priority == Priority::kLow;
  normalItem_.checked = priority == Priority::kNormal;
  highItem_.checked = priority == Priority::kHigh;
}

void EntryWindow::Print() { PrintBody(header_.Subject().PlainText(), body_); }

// The closing question: a window with text asks whether to save it first, and
// closes only when the save finished or the user declines it.
bool EntryWindow::CanClose() {
  if (asking_) return false;
  if (Empty()) return true;
  asking_ = true;
  const bool close = AskBeforeClosing();
  asking_ = false;
  return close;
}

bool EntryWindow::AskBeforeClosing() {
  MessageBeep(MB_ICONEXCLAMATION);
  switch (ShowMessage(L"Save Information Item before closing? ", MessageKind::kWarning, MessageButtons::kYesNoCancel,
                      {.owner = Handle()})) {
    case DialogResult::kYes:
      // The window is closing already: the save must not close it again.
      if (!actions_.Save(*this)) return false;
      Clear();
      return true;
    case DialogResult::kNo:
      return true;
    default:
      return false;
  }
}

LRESULT EntryWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; OnFrameMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case kTextCutMessage:
      texts_.ShowTextCut(wp != 0);
      return 0;
    case WM_SIZE: {
      const LRESULT result = Form::WndProc(msg, wp, lp);
      Arrange();
      // A wider or narrower subject may need one line more or less.
      if (built_) CheckSubjectLines(header_.Subject().Text());
      // The caption-bar button keeps to the right edge.
      captionButton_.Draw();
      return result;
    }
    case WM_SHOWWINDOW:
      if (wp && caption_ != Caption()) SetCaption(caption_);
      if (wp && !categoriesRead_) {
        // A window shown lists the categories as the mail system has them now; a
        // window made ahead may have been made before they were read. Read once,
        // so that showing the window again keeps the user's choice.
        categoriesRead_ = true;
        actions_.ReadCategories();
        if (categoryPanel_)
          categoryPanel_->Refill(data_.categoryNames);
        else
          categoryNames_ = data_.categoryNames;
      }
      break;
    case WM_GETMINMAXINFO: {
      if (!built_) break;
      const ClientSize minimum = EntryMinimumClientSize(dates_.PanelShown(), CategoryPanelShown());
      RECT rc{0, 0, Scale(minimum.width), Scale(minimum.height)};
      AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {rc.right - rc.left, rc.bottom - rc.top};
      return 0;
    }
  }
  return Form::WndProc(msg, wp, lp);
}

}  // namespace qrv
