#include "entry/entry_window.h"

#include <algorithm>
#include <utility>

#include "core/text.h"
#include "entry/entry_pictures.h"
#include "entry/entry_print.h"
#include "entry/entry_system.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr wchar_t kNone[] = L"None";
// Told after the edit that cut the text has finished: wParam 1 for the subject, 0 the body.
constexpr UINT kTextCut = WM_APP + 20;

// "None" and the 48 half-hour times of a day.
std::vector<std::wstring> TimeItems() {
  std::vector<std::wstring> items{kNone};
  for (int half = 0; half < 48; ++half) {
    const int hour = half / 2 % 12 == 0 ? 12 : half / 2 % 12;
    items.push_back(std::to_wstring(hour) + (half % 2 ? L":30 " : L":00 ") + (half < 24 ? L"AM" : L"PM"));
  }
  return items;
}

std::vector<std::wstring> Widened(const std::vector<std::string>& texts) {
  std::vector<std::wstring> wide;
  for (const auto& text : texts) wide.push_back(Widen(text));
  return wide;
}

// The fields right of the captions, as wide as the smallest window lays them out.
constexpr int kFieldWidth = kEntryMinClientWidth - kTypeColumnWidth - kFieldLeft;

StaticArgs LabelAt(int left, int top, int width, const wchar_t* text) {
  return {.bounds = {left, top, width, 13}, .text = text};
}

}  // namespace

// Adds the items without CB_RESETCONTENT, which would empty the box's text, and selects in the list the
// item the text names ("None" when none), so the arrow keys step on from the time shown.
void TimeBox::FillList() {
  if (filled_) return;
  filled_ = true;
  const std::vector<std::wstring> items = TimeItems();
  QuietScope quiet(*this);
  Send(CB_INITSTORAGE, items.size(), static_cast<LPARAM>(items.size() * 10 * sizeof(wchar_t)));
  for (const std::wstring& item : items) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  const std::wstring text = Text();
  const LRESULT index = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  // The list's own selection: CB_SETCURSEL would write the item over the box's text.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info))
    SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(std::max<LRESULT>(index, 0)), 0);
}

void TimeBox::HandleCommand(WORD code) {
  if (code == CBN_SETFOCUS || code == CBN_DROPDOWN) FillList();
  if (code == CBN_SELCHANGE && Selection() >= 0 && !Quiet()) {
    std::wstring item(static_cast<std::size_t>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(Selection()))) + 1, L'\0');
    item.resize(static_cast<std::size_t>(
        Send(CB_GETLBTEXT, static_cast<WPARAM>(Selection()), reinterpret_cast<LPARAM>(item.data()))));
    SetText(item);
  }
  ComboBox::HandleCommand(code);
  if (code == CBN_KILLFOCUS) Fire(onExit);
}

EntryWindow::EntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock)
    : Form({.caption = L"Information",
            .clientSize = {kEntryMinClientWidth, kEntryPanelHeight},
            .style = FormStyle::kSizable}),
      data_(data),
      actions_(actions),
      clock_(clock),
      locale_(UserLocaleFacts()),
      iconButton_(*this, {.bounds = {0, 2, 20, 20}, .visible = false, .takesFocus = false}),
      subjectLabel_(*this, LabelAt(10, 5, 52, L"Subject:")),
      subjectEdit_(*this, {.bounds = {kFieldLeft, 2, kFieldWidth, kSubjectHeight}}),
      toButton_(*this, {.bounds = {24, 21, 39, 19}, .text = L"To:", .takesFocus = false}),
      row2Label_(*this, LabelAt(10, 24, 52, L"Company:")),
      recipientsEdit_(*this, {.bounds = {kFieldLeft, 21, kFieldWidth, 19}}),
      ccButton_(*this, {.bounds = {24, 40, 39, 19}, .text = L"Cc:", .visible = false, .takesFocus = false}),
      row3Label_(*this, LabelAt(10, 43, 52, L"Status:")),
      copiesEdit_(*this, {.bounds = {kFieldLeft, 40, kFieldWidth, 19}, .visible = false}),
      statusCombo_(*this,
                   {.bounds = {kFieldLeft, 40, kFieldWidth, 200},
                    .items = {L"Not Started", L"In Progress", L"Completed", L"Waiting on someone else", L"Deferred"}}),
      body_(*this, {.bounds = {0, 61, 245, 138}}),
      attachmentsList_(*this, {0, 199, 245, 40}),
      datePanel_(*this, {.bounds = {0, kEntryPanelHeight, kEntryMinClientWidth, kDatePanelHeight}, .visible = false}),
      timeLabel_(datePanel_, LabelAt(16, 8, 55, L"Time:")),
      startTime_(datePanel_, {.bounds = {75, 4, 73, 300}, .editable = true}),
      dashLabel_(datePanel_, LabelAt(149, 8, 8, L"-")),
      endTime_(datePanel_, {.bounds = {157, 4, 73, 300}, .editable = true}),
      reminderButton_(datePanel_, {.bounds = {231, 5, 22, 19}, .text = L"R", .pushLike = true, .takesFocus = false}),
      timerButton_(datePanel_,
                   {.bounds = {231, 5, 22, 19}, .text = L"T", .visible = false, .pushLike = true, .takesFocus = false}),
      calendar_(datePanel_, {.bounds = {39, 4 + 23, 197, 136}}),
      todayButton_(datePanel_, {.bounds = {87, 142 + 23, 49, 19}, .text = L"Today"}),
      noneButton_(datePanel_, {.bounds = {139, 142 + 23, 49, 19}, .text = L"&None"}),
      floatButton_(datePanel_, {.bounds = {139, 142 + 23, 49, 19},
                                .text = L"Float",
                                .visible = false,
                                .pushLike = true,
                                .takesFocus = false}),
      priorityButton_(*this, {.bounds = {248, 1, 21, 19}, .text = L"!", .takesFocus = false}),
      assignDateButton_(*this, {.bounds = {0, 200, 20, 19}, .text = L"D", .takesFocus = false}),
      categoriesButton_(*this, {.bounds = {20, 200, 20, 19}, .text = L"C", .takesFocus = false}),
      attachButton_(*this, {.bounds = {40, 200, 20, 19}, .text = L"A", .takesFocus = false}),
      signatureButton_(*this, {.bounds = {60, 200, 20, 19}, .text = L"S", .visible = false, .takesFocus = false}),
      keywordsButton_(*this, {.bounds = {82, 200, 23, 19}, .text = L"Key", .takesFocus = false}),
      helpButton_(*this, {.bounds = {105, 200, 17, 19}, .text = L"?", .takesFocus = false}),
      escapeButton_(*this, {.bounds = {122, 200, 25, 19}, .text = L"Esc", .takesFocus = false}),
      resetButton_(*this, {.bounds = {147, 200, 36, 19}, .text = L"&Reset", .takesFocus = false}),
      openButton_(*this, {.bounds = {183, 200, 34, 19}, .text = L"&Open", .takesFocus = false}),
      processButton_(*this, {.bounds = {217, 200, 33, 19}, .text = L"&Save", .takesFocus = false}),
      categoryPanel_(*this,
                     {.bounds = {kEntryMinClientWidth, 0, kCategoryPanelWidth, kEntryPanelHeight}, .visible = false}),
      categoryTitle_(categoryPanel_, LabelAt(2, 2, 200, L" Categories...")),
      categoryList_(categoryPanel_, {.bounds = {0, 18, kCategoryPanelWidth, 177}, .multiSelect = true}),
      noneCategoryButton_(categoryPanel_, {.bounds = {4, 197, 60, 21}, .text = L"None"}),
      lowItem_(priorityMenu_, {.text = L"Low"}),
      normalItem_(priorityMenu_, {.text = L"Normal"}),
      highItem_(priorityMenu_, {.text = L"High"}),
      findContactItem_(subjectMenu_, {.text = L"Find Contact in Subject", .hotkeyText = L"Ctrl+F"}),
      checkNamesItem_(subjectMenu_, {.text = L"Check Names in To/Cc", .hotkeyText = L"Ctrl+K"}),
      printBodyItem_(subjectMenu_, {.text = L"Print Body", .hotkeyText = L"Ctrl+P"}),
      subjectMenuSeparator_(subjectMenu_, {.text = L"-"}),
      keywordRemovalItem_(subjectMenu_, {.text = L"Subject Keyword Removal", .checked = data.settings.keywordRemoval}) {
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
  closeAction = CloseAction::kFree;
  for (Label* label : {&subjectLabel_, &row2Label_, &row3Label_, &timeLabel_})
    SetWindowLongPtrW(label->Handle(), GWL_STYLE, GetWindowLongPtrW(label->Handle(), GWL_STYLE) | SS_RIGHT);
  dashLabel_.SetFont({.bold = true});
  categoryTitle_.SetFont({.bold = true});
  static constexpr std::array<const wchar_t*, 8> kLetters{L"W", L"T", L"N", L"A", L"C", L"M", L"J", L"D"};
  static constexpr std::array<const wchar_t*, 8> kHints{
      L"Internet Location (Ctrl+Shift+I)", L"New Task (Ctrl+Shift+K)",         L"New Note (Ctrl+Shift+N)",
      L"New Appointment (Ctrl+Shift+A)",   L"New Contact (Ctrl+Shift+C)",      L"New E-Mail (Ctrl+Shift+M)",
      L"New Journal Item (Ctrl+Shift+J)",  L"New Text Document (Ctrl+Shift+T)"};
  for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
    typeButtons_[i] =
        std::make_unique<RadioButton>(*this, CheckArgs{.bounds = {247, 22 + 22 * static_cast<int>(i), 23, 22},
                                                       .text = kLetters[i],
                                                       .groupStart = i == 0,
                                                       .pushLike = true,
                                                       .takesFocus = false});
    typeButtons_[i]->SetHint(kHints[i]);
    typeButtons_[i]->onChange = [this, i] {
      // The button that was released fires too.
      if (typeButtons_[i]->Checked()) TypeClicked(kTypeButtonTypes[i]);
    };
  }
  // Without the contact type where the user sends e-mail through another program.
  typeButtons_[4]->SetVisible(data_.settings.emailType != "1");

  const std::array<std::pair<Control*, const wchar_t*>, 17> hints{{
      {&iconButton_, L"VidoDu3 Icon"},
      {&toButton_, L"Assign contacts"},
      {&ccButton_, L"Assign contacts"},
      {&reminderButton_, L"Reminder on/off (Ctrl+M)"},
      {&timerButton_, L"Record end time on Save/Open"},
      {&floatButton_, L"VidoDu3 Floating Event"},
      {&assignDateButton_, L"Assign date/time... (Ctrl-D)"},
      {&categoriesButton_, L"Assign Categories..."},
      {&attachButton_, L"Attach files..."},
      {&signatureButton_, L"Add signature"},
      {&keywordsButton_, L"Edit Keywords"},
      {&helpButton_, L"View Help"},
      {&escapeButton_, L"Exit without saving (Esc)"},
      {&resetButton_, L"Clear all fields (Ctrl+R)"},
      {&openButton_, L"Open the entry (Ctrl+O)"},
      {&processButton_, L"Process the entry (Ctrl+S)"},
      {&priorityButton_, L"Priority"},
  }};
  for (auto [control, hint] : hints) control->SetHint(hint);
  helpButton_.SetFont({.bold = true});
  SetShowHints(data_.settings.hints);

  // Calendar: a range of days, navy title, silver days of other months, no today mark.
  SendMessageW(calendar_.Handle(), MCM_SETMAXSELCOUNT, 99999, 0);
  SendMessageW(calendar_.Handle(), MCM_SETCOLOR, MCSC_TITLEBK, RGB(0, 0, 128));
  SendMessageW(calendar_.Handle(), MCM_SETCOLOR, MCSC_TRAILINGTEXT, RGB(192, 192, 192));
  SetWindowLongPtrW(calendar_.Handle(), GWL_STYLE, GetWindowLongPtrW(calendar_.Handle(), GWL_STYLE) | MCS_NOTODAY);

  statusCombo_.SetSelection(0);
  reminderButton_.SetChecked(data_.settings.apptReminder);
  timerButton_.SetChecked(data_.settings.journalTime);
  serviceItems_ = data_.webServiceCaptions;
  std::sort(serviceItems_.begin(), serviceItems_.end());
  journalTypes_ = data_.journalTypes;
  std::sort(journalTypes_.begin(), journalTypes_.end());
  categoryItems_ = data_.categoryNames;
  categoryList_.SetItems(Widened(categoryItems_));
  ShowHintText(WebServiceHelpText());
  ShowPictures();
  // Files dropped from the shell are attached (or read, for a text document).
  DragAcceptFiles(Handle(), TRUE);
  for (int digit = 0; digit < 7; ++digit)
    digitKeys_[static_cast<std::size_t>(digit)] =
        LOBYTE(VkKeyScanW(static_cast<wchar_t>(digit < 6 ? L'1' + digit : L'9')));

  subjectEdit_.LimitText(kSubjectLimit);
  body_.LimitText(kBodyLimit);
  subjectEdit_.onMaxText = [this] { TellTextCut(true); };
  body_.onMaxText = [this] { TellTextCut(false); };
  subjectEdit_.onChange = [this] { SubjectChanged(); };
  body_.onChange = [this] { BodyChanged(); };
  recipientsEdit_.onChange = [this] { RecipientsChanged(); };
  startTime_.onChange = startTime_.onSelect = [this] { StartTimeChanged(); };
  endTime_.onChange = endTime_.onSelect = [this] { EndTimeChanged(); };
  startTime_.onExit = [this] { LeaveStartTime(); };
  endTime_.onExit = [this] { LeaveEndTime(); };
  calendar_.onSelect = [this] {
    byHand_.date = true;
    ShowSubjectMarks();
  };
  todayButton_.onClick = [this] { Today(); };
  noneButton_.onClick = assignDateButton_.onClick = [this] { AssignDate(); };
  categoriesButton_.onClick = [this] { ToggleCategoryPanel(); };
  categoryList_.onSelect = [this] { byHand_.categories = true; };
  noneCategoryButton_.onClick = [this] {
    for (int i = 0; i < categoryList_.Count(); ++i) categoryList_.SetSelected(i, false);
    byHand_.categories = true;
    ToggleCategoryPanel();
  };
  priorityButton_.onClick = [this] {
    POINT at{};
    GetCursorPos(&at);
    priorityMenu_.Popup(*this, at.x, at.y);
  };
  lowItem_.onClick = [this] { ChoosePriority(Priority::kLow); };
  normalItem_.onClick = [this] { ChoosePriority(Priority::kNormal); };
  highItem_.onClick = [this] { ChoosePriority(Priority::kHigh); };
  iconButton_.onClick = [this] { ChooseIcon(); };
  toButton_.onClick = ccButton_.onClick = [this] { actions_.ChooseAddresses(*this, addressFields_); };
  attachButton_.onClick = [this] { ChooseAttachments(); };
  attachmentsList_.onRemoved = [this] { CheckCaption(); };
  attachmentsList_.onOpen = [this](const std::wstring& path) { ShellOpen(Handle(), path); };
  findContactItem_.onClick = [this] { FindContact(); };
  checkNamesItem_.onClick = [this] { CheckNames(); };
  printBodyItem_.onClick = [this] { Print(); };
  keywordRemovalItem_.onClick = [this] {
    keywordRemovalItem_.checked = !keywordRemovalItem_.checked;
    SetKeywordRemoval(keywordRemovalItem_.checked);
  };
  chooseFiles = [this] { return RunFileDialog(); };
  keywordsButton_.onClick = [this] { actions_.EditKeywords(); };
  helpButton_.onClick = [this] { actions_.ShowHelp(); };
  escapeButton_.onClick = [this] { Close(); };
  resetButton_.onClick = [this] { Clear(); };
  openButton_.onClick = [this] { Open(); };
  processButton_.onClick = [this] { Save(); };
  built_ = true;
  Clear();
}

// The bar's list of open windows learns of the window once, as it goes.
EntryWindow::~EntryWindow() {
  // Controls lose the focus as they go: their handlers must not run on the rest.
  startTime_.onExit = endTime_.onExit = nullptr;
  built_ = false;
  if (onClosed) onClosed(Handle());
}

void EntryWindow::Clear() {
  if (GetWindowTextLengthW(subjectEdit_.Handle()) > 0) subjectEdit_.SetPlainText(L"", Notify::kYes);
  if (!recipientsEdit_.Text().empty()) recipientsEdit_.SetText(L"", Notify::kYes);
  if (!copiesEdit_.Text().empty()) copiesEdit_.SetText(L"");
  if (GetWindowTextLengthW(body_.Handle()) > 0) body_.SetPlainText(L"", Notify::kYes);
  WrapBody();
  attachmentsList_.RemoveAll();
  const Date today = clock_.Today();
  SetDates({today, today});
  startTime_.SetText(kNone);
  endTime_.SetText(kNone);
  byHand_.date = byHand_.time = false;
  HideCalendar();
  SetTypeButton(EntryType::kTask);
  ChoosePriority(Priority::kNormal);
  CheckCaption();
  BlankIcon();
  // A window made ahead takes no focus while hidden: that would take the
  // activation from the window the user works in.
  if (IsWindowVisible(Handle())) subjectEdit_.Focus();
}

std::optional<EntryType> EntryWindow::Type() const {
  return WindowEntryType(TypeButton(), !Trim(Narrow(recipientsEdit_.Text())).empty());
}

DateRange EntryWindow::Dates() const {
  const auto [first, last] = calendar_.Range();
  return {FromSystemTime(first), FromSystemTime(last)};
}

void EntryWindow::SetDates(const DateRange& range) {
  calendar_.SetRange(ToSystemTime(range.start), ToSystemTime(range.end));
}

// A window shown lists the categories as the mail system has them now; a
// window made ahead may have been made before they were read. Read once, so
// that showing the window again keeps the user's choice.
void EntryWindow::FillCategoryList() {
  categoriesRead_ = true;
  actions_.ReadCategories();
  if (categoryItems_ == data_.categoryNames) return;
  categoryItems_ = data_.categoryNames;
  categoryList_.SetItems(Widened(categoryItems_));
}

std::vector<std::wstring> EntryWindow::ChosenCategories() const {
  std::vector<std::wstring> names;
  for (int index : categoryList_.SelectedIndexes())
    names.push_back(Widen(categoryItems_.at(static_cast<std::size_t>(index))));
  return names;
}

// --- Controls hidden at first ------------------------------------------------------
// A new window is a task: the web-service choice, the journal types and the
// web-service body are made when a layout first shows them, and what they
// would hold is kept here until then.

ComboBox& EntryWindow::ServiceCombo() {
  if (serviceCombo_) return *serviceCombo_;
  serviceCombo_.emplace(
      *this,
      ComboArgs{.bounds = {kFieldLeft, 21, kFieldWidth, 200}, .visible = false, .items = Widened(serviceItems_)});
  serviceCombo_->SetSelection(serviceIndex_);
  serviceCombo_->onSelect = [this] {
    byHand_.service = true;
    ShowServiceHint();
  };
  MadeAfter(*serviceCombo_, recipientsEdit_);
  return *serviceCombo_;
}

ComboBox& EntryWindow::JournalTypeCombo() {
  if (journalTypeCombo_) return *journalTypeCombo_;
  journalTypeCombo_.emplace(
      *this,
      ComboArgs{.bounds = {kFieldLeft, 40, kFieldWidth, 260}, .visible = false, .items = Widened(journalTypes_)});
  if (const auto it = std::find(journalTypes_.begin(), journalTypes_.end(), data_.settings.journalType);
      it != journalTypes_.end())
    journalTypeCombo_->SetSelection(static_cast<int>(it - journalTypes_.begin()));
  MadeAfter(*journalTypeCombo_, statusCombo_);
  return *journalTypeCombo_;
}

RichEdit& EntryWindow::WebBody() {
  if (webBody_) return *webBody_;
  webBody_.emplace(*this, EditArgs{.bounds = body_.DesignBounds(), .visible = false, .readOnly = true});
  MadeAfter(*webBody_, body_);
  RenderHintText();
  return *webBody_;
}

// A control made late takes its place in the Tab order after the one given.
void EntryWindow::MadeAfter(Control& made, const Control& before) {
  SetWindowPos(made.Handle(), before.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int EntryWindow::ServiceIndex() const { return serviceCombo_ ? serviceCombo_->Selection() : serviceIndex_; }

void EntryWindow::SetServiceIndex(int index) {
  if (serviceCombo_)
    serviceCombo_->SetSelection(index);
  else
    serviceIndex_ = index;
}

std::wstring EntryWindow::ServiceCaption() const {
  const int index = ServiceIndex();
  return index < 0 || index >= static_cast<int>(serviceItems_.size())
             ? L""
             : Widen(serviceItems_[static_cast<std::size_t>(index)]);
}

std::wstring EntryWindow::JournalTypeText() const {
  if (journalTypeCombo_) return journalTypeCombo_->Text();
  const bool listed =
      std::find(journalTypes_.begin(), journalTypes_.end(), data_.settings.journalType) != journalTypes_.end();
  return listed ? Widen(data_.settings.journalType) : L"";
}

bool EntryWindow::Empty() const {
  return GetWindowTextLengthW(subjectEdit_.Handle()) == 0 && recipientsEdit_.Text().empty() &&
         copiesEdit_.Text().empty() && GetWindowTextLengthW(body_.Handle()) == 0 && attachmentsList_.Count() == 0;
}

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
  SetButtonPicture(priorityButton_, EntryPictureFor(static_cast<EntryPicture>(static_cast<int>(EntryPicture::kLow) +
                                                                              static_cast<int>(priority)),
                                                    Dpi()));
  lowItem_.checked = priority == Priority::kLow;
  normalItem_.checked = priority == Priority::kNormal;
  highItem_.checked = priority == Priority::kHigh;
}

void EntryWindow::Print() { PrintBody(subjectEdit_.PlainText(), body_); }

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

void EntryWindow::TellTextCut(bool subject) {
  if (std::exchange(cutToldLater_, true)) return;
  PostMessageW(Handle(), kTextCut, subject ? 1 : 0, 0);
}

LRESULT EntryWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT result = 0; OnFrameMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case kTextCut:
      ShowMessage(
          wp ? L"The subject holds at most " + std::to_wstring(kSubjectLimit) + L" characters: the rest was left out."
             : L"The text holds at most " + std::to_wstring(kBodyLimit) + L" characters: the rest was left out.",
          MessageKind::kInformation, MessageButtons::kOk, {.owner = Handle()});
      cutToldLater_ = false;
      return 0;
    case WM_SIZE: {
      const LRESULT result = Form::WndProc(msg, wp, lp);
      Arrange();
      // A wider or narrower subject may need one line more or less.
      if (built_) CheckLine1Height(subjectEdit_.Text());
      // The caption-bar button keeps to the right edge.
      DrawCaptionButton();
      return result;
    }
    case WM_SHOWWINDOW:
      if (wp && caption_ != Caption()) SetCaption(caption_);
      if (wp && !categoriesRead_) FillCategoryList();
      break;
    case WM_GETMINMAXINFO: {
      if (!built_) break;
      const ClientSize minimum = EntryMinimumClientSize(DatePanelShown(), CategoryPanelShown());
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
