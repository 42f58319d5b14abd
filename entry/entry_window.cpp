#include "entry/entry_window.h"

#include "entry/entry_print.h"
#include "entry/entry_system.h"
#include "ui/file_dialog.h"
#include "ui/shell.h"

namespace qrv {

// The header, the body, the priority button and the footer are made as
// members; the type buttons after them.
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
  typeButtons_.MakeButtons();
  WireParts();
  WireLateParts();
  WireCommands();
  SetShowHints(data_.settings.hints);
  DpiChanged();
  // Files dropped from the shell are attached (or read, for a text document).
  DragAcceptFiles(Handle(), TRUE);
  built_ = true;
  Clear();
}

// What the user changes in the parts goes to the parser run and the choices made by hand.
void EntryWindow::WireParts() {
  RichEdit& subject = header_.Subject();
  subject.onMaxText = [this] { texts_.TellTextCut(true); };
  subject.onChange = [this] { parser_.SubjectChanged(); };
  header_.Recipients().onChange = [this] { parser_.RecipientsChanged(); };
  header_.onServiceChosen = [this] {
    byHand_.service = true;
    webBody_.ShowServiceHint(header_.ServiceIndex(), header_.ServiceItems());
  };
  header_.onChooseIcon = [this] { ChooseIcon(); };
  header_.onChooseAddresses = [this] { actions_.ChooseAddresses(*this, header_.AddressFields()); };
  body_.LimitText(kBodyLimit);
  body_.onMaxText = [this] { texts_.TellTextCut(false); };
  body_.onChange = [this] { parser_.BodyChanged(); };
  typeButtons_.onChosen = [this] {
    byHand_.type = true;
    layout_.CheckCaption();
  };
  layout_.onMarksMayChange = [this] { parser_.ShowMarks(); };
}

// Each part made late takes the layout as it is now.
void EntryWindow::WireLateParts() {
  lateParts_.onDatePanelMade = [this](DatePanel& panel) {
    TimeBox& start = panel.StartTime();
    TimeBox& end = panel.EndTime();
    start.onChange = start.onSelect = [this] { parser_.StartTimeChanged(); };
    end.onChange = end.onSelect = [this] { parser_.EndTimeChanged(); };
    start.onExit = [this, &panel] { panel.LeaveStartTime(typeButtons_.Down()); };
    end.onExit = [&panel] { panel.LeaveEndTime(); };
    panel.onDatesChosen = [this] {
      byHand_.date = true;
      parser_.ShowMarks();
    };
    panel.onNone = [this] { AssignDate(); };
    panel.ApplyLayout(layout_.Current());
    panel.ApplyButtons(layout_.Current());
    layout_.Arrange();
  };
  lateParts_.onAttachmentListMade = [this](AttachmentList& list) {
    list.onRemoved = [this] { layout_.CheckCaption(); };
    list.onOpen = [this](const std::wstring& path) { ShellOpen(Handle(), path); };
  };
  lateParts_.onCategoryPanelMade = [this](CategoryPanel& panel) {
    panel.onChosen = [this] { byHand_.categories = true; };
    panel.onNone = [this] {
      byHand_.categories = true;
      ToggleCategoryPanel();
    };
    layout_.Arrange();
  };
}

void EntryWindow::WireCommands() {
  footer_.onAssignDate = [this] { AssignDate(); };
  footer_.onCategories = [this] { ToggleCategoryPanel(); };
  footer_.onAttach = [this] { ChooseAttachments(); };
  captionButton_.onFindContact = [this] { FindContact(); };
  captionButton_.onCheckNames = [this] { CheckNames(); };
  captionButton_.onPrint = [this] { Print(); };
  captionButton_.onKeywordRemoval = [this](bool on) { parser_.SetKeywordRemoval(on); };
  chooseFiles = [this] {
    return ChooseFiles({.owner = Handle(), .multiSelect = true, .title = L"Attach Files...", .folder = attachFolder_});
  };
  footer_.onKeywords = [this] { actions_.EditKeywords(); };
  footer_.onHelp = [this] { actions_.ShowHelp(); };
  footer_.onEscape = [this] { Close(); };
  footer_.onReset = [this] { Clear(); };
  footer_.onOpen = [this] { Open(); };
  footer_.onProcess = [this] { Save(); };
  keys_.onKeyUp = [this](const KeyUpAction& action) {
    if (action.type) {
      typeButtons_.SetDown(*action.type);
      byHand_.type = true;
    }
    if (action.checkCaption) layout_.CheckCaption();
  };
  keys_.onChar = [this](const KeyAction& action, EntryField field) { RunKeyCommand(action, field); };
}

// The bar's list of open windows learns of the window once, as it goes.
EntryWindow::~EntryWindow() {
  // Controls lose the focus as they go: their handlers must not run on the rest.
  if (auto& panel = lateParts_.DatePanelIfMade()) panel->StartTime().onExit = panel->EndTime().onExit = nullptr;
  built_ = false;
  if (onClosed) onClosed(Handle());
}

void EntryWindow::Clear() {
  header_.Clear();
  if (body_.TextLength() > 0) body_.SetPlainText(L"", Notify::kYes);
  texts_.WrapBody();
  if (auto& list = lateParts_.AttachmentListIfMade()) list->RemoveAll();
  dates_.Today();
  if (auto& panel = lateParts_.DatePanelIfMade()) panel->ClearTimes();
  byHand_.date = byHand_.time = false;
  layout_.HideCalendar();
  typeButtons_.SetDown(EntryType::kTask);
  typeButtons_.ChoosePriority(Priority::kNormal);
  layout_.CheckCaption();
  header_.BlankIcon();
  // A window made ahead takes no focus while hidden: that would take the
  // activation from the window the user works in.
  if (IsWindowVisible(Handle())) header_.Subject().Focus();
}

std::optional<EntryType> EntryWindow::Type() const {
  return WindowEntryType(typeButtons_.Down(), header_.HasRecipients());
}

bool EntryWindow::Empty() const { return header_.Empty() && body_.TextLength() == 0 && !lateParts_.HasAttachments(); }

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

void EntryWindow::ChooseType(EntryType type) {
  typeButtons_.SetDown(type);
  byHand_.type = true;
  layout_.CheckCaption();
}

void EntryWindow::AssignDate() {
  if (dates_.PanelShown()) {
    layout_.HideCalendar();
  } else {
    layout_.ShowCalendar();
    if (dates_.PanelShown() && lateParts_.DatePanelIfMade()->StartTime().Enabled())
      lateParts_.DatePanelIfMade()->StartTime().Focus();
  }
  layout_.CheckCaption();
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
  const auto standard = [&] { return Form::WndProc(msg, wp, lp); };
  if (LRESULT result = 0; captionButton_.FrameMessage(msg, wp, lp, standard, result)) return result;
  switch (msg) {
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wp));
      return 0;
    case kTextCutMessage:
      texts_.ShowTextCut(wp != 0);
      return 0;
    case WM_SIZE: {
      const LRESULT result = Form::WndProc(msg, wp, lp);
      if (built_) {
        layout_.Arrange();
        // A wider or narrower subject may need one line more or less.
        layout_.CheckSubjectLines(header_.Subject().Text());
      }
      // The caption-bar button keeps to the right edge.
      captionButton_.Draw();
      return result;
    }
    case WM_SHOWWINDOW:
      if (wp && layout_.Caption() != Caption()) SetCaption(layout_.Caption());
      if (wp && !categoriesRead_) {
        // A window shown lists the categories as the mail system has them now; a
        // window made ahead may have been made before they were read. Read once,
        // so that showing the window again keeps the user's choice.
        categoriesRead_ = true;
        actions_.ReadCategories();
        lateParts_.RefillCategories(data_.categoryNames);
      }
      break;
    case WM_GETMINMAXINFO: {
      if (!built_) break;
      const ClientSize minimum = EntryMinimumClientSize(dates_.PanelShown(), lateParts_.CategoryPanelShown());
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
